// The return window's province, de-couple, planning and optimise commands, their
// dialogs and wizard pages, and the new-return and coupling pages' province and
// file checks.
#include "bqtest.h"
#include "modalwindows.h"
#include "cmultiprovstaxmgr.h"
#include "creturnfile.h"
#include "ct1combobox.h"
#include "datadlgchangeprov.h"
#include "datanewreturnbasic.h"
#include "datappgsignupemail.h"
#include "datashareamtdlg.h"
#include "dlgchangeprov_tab1.h"
#include "dlgcouplereturn_tab1.h"
#include "dlgoptimizereturn.h"
#include "dlgtaxplanning.h"
#include "doublelineedit.h"
#include "folderview.h"
#include "form_return.h"
#include "formentry.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "newreturnbasic_spouse.h"
#include "newreturnbasic_tab1.h"
#include "ppgsignupemail_tab1.h"
#include "shareamtdlg_tab1.h"
#include "stringlineedit.h"
#include "styledcheckbox.h"
#include "tabwndapp.h"
#include "taxdata_sch9.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1new.h"
#include "wizardbase.h"
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

using T1032 = TaxData_T1032_New;
constexpr int kAlberta = 1;
constexpr int kBritishColumbia = 2;
constexpr int kOntario = 9;
constexpr int kON428 = 24;
constexpr int kBC428 = 41;
constexpr int kT1032Form = 118;
constexpr int kSchedule9 = 9;
constexpr int kT4 = 1;
constexpr int kT4A = 2;

using bqtest::finishWizard;
using bqtest::onModal;

void rejectModal(QWidget *w)
{
    qobject_cast<QDialog *>(w)->reject();
}

CReturnFile *newReturn(bool coupled, int province = kOntario, int spouseProvince = kOntario)
{
    DataNewReturnBasic data;
    data.fld_FirstName = CString("Ann");
    data.fld_LastName = CString("Roy");
    data.fld_TaxPronv = province;
    data.fld_MaritalStatus = coupled ? 0 : 5;
    data.fld_dob = QDate(1950, 1, 1);
    data.fld_FirstNameSpouse = CString("Ben");
    data.fld_LastNameSpouse = CString("Roy");
    data.fld_dobSpouse = QDate(1952, 1, 1);
    data.fld_Coupled = coupled;
    data.fld_TaxPronvSpouse = spouseProvince;
    auto *r = new CReturnFile(0);
    r->applyNewReturnData(data);
    return r;
}

void addSlip(IndividualTaxData *p, int type, int box, double amount)
{
    FormEntry *e = p->addSlip(type, 0, 0);
    QVERIFY(e && e->object);
    e->object->setValueByCode(box, amount);
}

// A couple with incomes far apart, a pension on self's side and donations.
CReturnFile *optimisableCouple(bool spouseT1032 = true)
{
    CReturnFile *r = newReturn(true);
    addSlip(r->self(), kT4, 14, 150000.0);
    addSlip(r->self(), kT4A, 16, 40000.0);
    addSlip(r->spouse(), kT4, 14, 12000.0);
    r->self()->getForm(kT1032Form, 0, true)->setIntValue(T1032::F_Role, 0);
    if (spouseT1032)
        r->spouse()->getForm(kT1032Form, 0, true)->setIntValue(T1032::F_Role, 1);
    r->recalculate(-1, nullptr);
    return r;
}

QByteArray savedBytes(CReturnFile &r, const QString &path)
{
    QString error;
    if (r.save(path, 1, &error) != 0)
        return QByteArray();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QStringList formTypes(const IndividualTaxData *p)
{
    QStringList out;
    for (const FormEntry *e : p->forms())
        out << QString::number(e->type);
    return out;
}

bool hasForm(const IndividualTaxData *p, int type)
{
    return p->hasForm(type);
}

} // namespace

class TestPlanning : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs a command whose dialogs are handled by the given steps, then checks that a
    // file saved afterwards is byte-identical to one saved before and nothing is modified.
    void expectUnchanged(Form_Return &w, const std::function<void()> &command)
    {
        const QFileInfo info(path(QStringLiteral("before.r24")));
        w.setFileInfo(&info);
        QCOMPARE(w.save(false), 0);
        const QByteArray before = savedBytes(*w.returnFile(), path(QStringLiteral("check1.r24")));
        command();
        QVERIFY(!w.isModified());
        QCOMPARE(savedBytes(*w.returnFile(), path(QStringLiteral("check2.r24"))), before);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        TabWndApp::instance()->config().RetPath = m_dir.path();
        TabWndApp::instance()->config().SaveBackup = 0;
    }
    void init() { m_messages.clear(); }

    // ---- cancelling leaves the return as it was

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("province") << 0;
        QTest::newRow("de-couple") << 1;
        QTest::newRow("shareable amounts") << 2;
        QTest::newRow("No Change and Close") << 3;
        QTest::newRow("planning Close") << 4;
    }
    void cancelChangesNothing()
    {
        QFETCH(int, command);
        Form_Return w(nullptr, optimisableCouple(), nullptr, nullptr, 1, -1, 12);
        expectUnchanged(w, [&] {
            switch (command) {
            case 0: onModal(rejectModal); w.changeProvince(); break;
            case 1: onModal(rejectModal); w.deCoupleReturn(); break;
            case 2: onModal(rejectModal); w.optimizeReturn(); break;
            case 3:
                onModal([](QWidget *wz) {
                    onModal([](QWidget *d) { d->findChild<QPushButton *>("btnClose")->click(); });
                    finishWizard(wz);
                });
                w.optimizeReturn();
                break;
            default:
                onModal([](QWidget *d) {
                    auto *slider = d->findChild<QSlider *>("sldIncome");
                    auto *edit = d->findChild<QLineEdit *>("edtIncomeMax");
                    edit->setText("5000");
                    emit edit->editingFinished();
                    slider->setValue(4000);
                    d->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Close)->click();
                });
                w.taxPlanning();
            }
        });
        // the optimise command reads the donations without making Schedule 9
        QVERIFY(!hasForm(w.returnFile()->self(), kSchedule9));
    }

    // ---- province

    void provinceWizardPage()
    {
        DataDlgChangeProv data;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new DlgChangeProv_tab1(&data, &wizard);
        wizard.addPage(page);
        QVERIFY(!page->validatePage());   // no province chosen
        page->findChild<CT1ComboBox *>("fld_NewTaxProv")->SetCurSelData(kAlberta);
        QVERIFY(page->findChild<QAbstractButton *>("fld_ChgBoth_0")->isChecked());
        page->findChild<QAbstractButton *>("fld_ChgBoth_1")->click();
        QVERIFY(page->validatePage());
        QCOMPARE(data.fld_NewTaxProv.value(), kAlberta);
        QCOMPARE(data.fld_ChgBoth.value(), 1);
    }

    void changeProvince_data()
    {
        QTest::addColumn<int>("spouseProvince");
        QTest::addColumn<bool>("both");
        QTest::addColumn<int>("newProvince");
        QTest::addColumn<int>("selfAfter");
        QTest::addColumn<int>("spouseAfter");
        QTest::addColumn<QString>("message");
        const QString changed = "Tax return file is changed to the new province, you need to save file the confirm the changes.";
        const QString same = "Tax return province is not changed!";
        QTest::newRow("both, from two provinces") << kBritishColumbia << true << kAlberta << kAlberta << kAlberta << changed;
        QTest::newRow("current only") << kOntario << false << kAlberta << kAlberta << kOntario << changed;
        QTest::newRow("both, self already there") << kBritishColumbia << true << kOntario << kOntario << kOntario << changed;
        QTest::newRow("nobody moves") << kOntario << true << kOntario << kOntario << kOntario << same;
    }
    void changeProvince()
    {
        QFETCH(int, spouseProvince);
        QFETCH(bool, both);
        QFETCH(int, newProvince);
        Form_Return w(nullptr, newReturn(true, kOntario, spouseProvince), nullptr, nullptr, 1, -1, 12);
        CReturnFile *r = w.returnFile();
        // the ON428 page is open while its form goes away
        w.openForm(0, r->self()->getForm(kON428, 0, false));
        QVERIFY(w.formTabs()->count() > 0);
        onModal([newProvince, both](QWidget *wz) {
            wz->findChild<CT1ComboBox *>("fld_NewTaxProv")->SetCurSelData(newProvince);
            wz->findChild<QAbstractButton *>(both ? "fld_ChgBoth_0" : "fld_ChgBoth_1")->click();
            finishWizard(wz);
        });
        w.changeProvince();
        QTEST(m_messages.texts().value(0), "message");
        QTEST(r->self()->province(), "selfAfter");
        QTEST(r->spouse()->province(), "spouseAfter");
        // each person keeps only its own province's forms
        for (IndividualTaxData *p : {r->self(), r->spouse()})
            for (const FormEntry *e : p->forms())
                QVERIFY2(getFormProv(e->type) == 0 || getFormProv(e->type) == p->province(),
                         qPrintable(formTypes(p).join(' ')));
        QCOMPARE(hasForm(r->spouse(), kBC428), r->spouse()->province() == kBritishColumbia);
        const bool changed = m_messages.texts().value(0) != QStringLiteral("Tax return province is not changed!");
        QCOMPARE(w.currentForm(), r->self()->getForm(changed ? 1 : kON428, 0, false));
        QVERIFY(w.formTabs()->count() > 0);
    }

    // A province whose plug-in is not in the library folder is refused.
    void provinceWithoutPlugin()
    {
        QTemporaryDir libs;
        const QString binDir = CMultiProvsTaxMgr::libraryFolder();
        CMultiProvsTaxMgr probe(0, nullptr);
        for (int p = 1; p < kProvinceCount; ++p) {
            QString name;
            if (p != kAlberta && probe.getProvinceLibraryName(p, name))
                QVERIFY(QFile::link(binDir + "/" + name, libs.filePath(name)));
        }
        CMultiProvsTaxMgr::setLibraryFolder(libs.path());
        Form_Return w(nullptr, newReturn(true), nullptr, nullptr, 1, -1, 12);
        expectUnchanged(w, [&] {
            onModal([](QWidget *wz) {
                wz->findChild<CT1ComboBox *>("fld_NewTaxProv")->SetCurSelData(kAlberta);
                finishWizard(wz);
            });
            w.changeProvince();
        });
        CMultiProvsTaxMgr::setLibraryFolder(QString());
        QCOMPARE(m_messages.texts(), QStringList{"Tax Province is not supported!"});
        QCOMPARE(w.returnFile()->self()->province(), kOntario);
        QVERIFY(hasForm(w.returnFile()->self(), kON428));
    }

    // ---- de-coupling

    void deCouple_data()
    {
        QTest::addColumn<int>("keep");
        QTest::newRow("keep self") << 0;
        QTest::newRow("keep the spouse") << 1;
    }
    void deCouple()
    {
        QFETCH(int, keep);
        Form_Return w(nullptr, newReturn(true), nullptr, nullptr, 1, -1, 12);
        const QFileInfo info(path("couple.r24"));
        w.setFileInfo(&info);
        CReturnFile *r = w.returnFile();
        w.openForm(0, r->spouse()->getForm(kON428, 0, false));
        onModal([keep](QWidget *d) {
            d->findChild<QComboBox *>("comboBox")->setCurrentIndex(keep);
            d->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        w.deCoupleReturn();
        QVERIFY(!r->isCoupled());
        QCOMPARE(w.returnTitle(), QStringLiteral("Untitled (unsaved)"));
        QCOMPARE(w.personCombo()->count(), 1);
        QCOMPARE(r->self()->firstName(), keep ? QStringLiteral("Ben") : QStringLiteral("Ann"));
        QCOMPARE(r->spouse()->forms().count(), 0);
        QCOMPARE(r->spouse()->dependants(), &r->dependants());
        QCOMPARE(r->spouse()->provinceManager().mode(), r->mode());
        QCOMPARE(w.currentForm(), r->self()->getForm(1, 0, false));
        // the result saves and reopens, and a later recalculation is sound
        r->recalculate(-1, nullptr);
        QCOMPARE(r->save(path("single.r24"), 1), 0);
        int code = -1;
        std::unique_ptr<CReturnFile> back(CReturnFile::load(path("single.r24"), code));
        QCOMPARE(code, 0);
        QVERIFY(back && !back->isCoupled());
    }

    void deCoupleSingleDoesNothing()
    {
        Form_Return w(nullptr, newReturn(false), nullptr, nullptr, 1, -1, 12);
        w.deCoupleReturn(); // no dialog: a modal one would hang here
        QVERIFY(m_messages.shown().isEmpty());
    }

    // ---- tax planning

    void planningMaximum_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("negative") << "-50" << "0";
        QTest::newRow("not a number") << "12x" << "0";
        QTest::newRow("beyond the slider") << "1e12" << "2147483647";
        QTest::newRow("fine") << "2500.7" << "2501";
    }
    void planningMaximum()
    {
        QFETCH(QString, typed);
        std::unique_ptr<CReturnFile> r(newReturn(false));
        DlgTaxPlanning d(r.get());
        auto *edit = d.findChild<QLineEdit *>("edtIncomeMax");
        edit->setText(typed);
        emit edit->editingFinished();
        QTEST(edit->text(), "shown");
        auto *slider = d.findChild<QSlider *>("sldIncome");
        QCOMPARE(slider->maximum(), int(qMin(2147483647.0, qMax(0.0, typed.toDouble()))));
    }

    // A donation moved back to 0 plans no donation, as if never moved.
    void planningDonationBackToZero()
    {
        std::unique_ptr<CReturnFile> r(newReturn(false));
        addSlip(r->self(), kT4, 14, 90000.0);
        r->self()->getForm(kSchedule9, 0, true);
        r->recalculate(-1, nullptr);
        QString never;
        {
            CReturnFile copy(0);
            copy.assign(*r);
            DlgTaxPlanning d(&copy);
            auto *edit = d.findChild<QLineEdit *>("edtDonationMax");
            edit->setText("1000");
            emit edit->editingFinished();
            d.findChild<QSlider *>("sldIncome")->setValue(0);
            never = d.findChild<QLabel *>("lblResult1_1")->text();
        }
        CReturnFile copy(0);
        copy.assign(*r);
        DlgTaxPlanning d(&copy);
        auto *edit = d.findChild<QLineEdit *>("edtDonationMax");
        edit->setText("1000");
        emit edit->editingFinished();
        auto *slider = d.findChild<QSlider *>("sldDonation");
        slider->setValue(800);
        const QString moved = d.findChild<QLabel *>("lblResult1_1")->text();
        QVERIFY(moved != never);
        slider->setValue(0);
        QCOMPARE(d.findChild<QLabel *>("lblResult1_1")->text(), never);
        QCOMPARE(d.findChild<QLabel *>("lblCurDonation")->text(), QStringLiteral("0"));
    }

    void planningWithoutT1()
    {
        std::unique_ptr<CReturnFile> r(newReturn(false));
        r->self()->removeForm(r->self()->t1(), true, false);
        DlgTaxPlanning d(r.get());
        auto *edit = d.findChild<QLineEdit *>("edtRRSPMax");
        edit->setText("3000");
        emit edit->editingFinished();
        d.findChild<QSlider *>("sldRRSP")->setValue(2000);
        QVERIFY(!hasForm(r->self(), 7));
    }

    // ---- optimisation

    void optimizeRefusals_data()
    {
        QTest::addColumn<bool>("coupled");
        QTest::addColumn<QString>("message");
        QTest::newRow("single") << false
                                << "Right now, optimize function is only targeted coupled tax return for "
                                   "married/common-law tax returns.";
        QTest::newRow("no transferer") << true << "Please answer who is the pension transferer in form T1032 first.";
    }
    void optimizeRefusals()
    {
        QFETCH(bool, coupled);
        CReturnFile *r = coupled ? optimisableCouple() : newReturn(false);
        if (coupled)
            r->self()->getForm(kT1032Form, 0, false)->setIntValue(T1032::F_Role, 1);
        Form_Return w(nullptr, r, nullptr, nullptr, 1, -1, 12);
        w.optimizeReturn(); // stops before any wizard: a modal one would hang here
        QTEST(m_messages.texts().value(0), "message");
    }

    void shareAmountsPage()
    {
        std::unique_ptr<CReturnFile> r(optimisableCouple());
        DataShareAmtDlg data;
        data.fld_Donation_1_Claimed = 300.0;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new ShareAmtDlg_tab1(&data, r.get(), &wizard);
        wizard.addPage(page);
        wizard.show();
        QCOMPARE(page->findChild<QLabel *>("FullName1")->text(), QStringLiteral("Ann Roy"));
        QCOMPARE(page->findChild<QLabel *>("FullName2")->text(), QStringLiteral("Ben Roy"));
        for (const char *name : {"fld_Donation_1_Claimed", "fld_Pension_1", "fld_Pension_2", "fld_CapGain_2_Claimed"})
            QVERIFY2(!page->findChild<DoubleLineEdit *>(name)->isEnabled(), name);
        auto *edit = page->findChild<DoubleLineEdit *>("fld_Donation_1");
        QVERIFY(edit->isEnabled());
        edit->setText("450");
        emit edit->editingFinished();
        QCOMPARE(data.fld_Donation_1.value(), 450.0);
        QVERIFY(page->validatePage());
        data.checkData();
        QCOMPARE(data.fld_Donation_1.value(), 300.0);
    }

    // The result dialog shows the optimiser's state as best and restores it exactly.
    void resultDialog()
    {
        std::unique_ptr<CReturnFile> r(optimisableCouple());
        r->self()->getForm(kSchedule9, 0, true);
        r->spouse()->getForm(kSchedule9, 0, true);
        DataShareAmtDlg shares;
        shares.fld_Pension_1 = t1032Of(r->self())->amount(T1032::F_MaxSplit);
        shares.fld_Donation_3 = 1234.5;
        shares.fld_Donation_1 = 10.25;
        r->optimize(shares);
        const QString family = r->statusText();
        const double adjustment = sch9Of(r->self())->donationAdjustment();
        const double split = t1032Of(r->self())->amount(T1032::F_SplitAmount);
        QVERIFY(split > 0.0);

        DlgOptimizeReturn d(r.get(), &shares);
        d.show();
        QCOMPARE(d.findChild<QLabel *>("lblFamilyBest")->text(), family);
        QCOMPARE(d.findChild<QLabel *>("lblFamilyResult")->text(), family);
        QCOMPARE(d.m_bestPensionSplit, split);
        QCOMPARE(sch9Of(r->self())->donationAdjustment(), adjustment); // showing applied nothing
        d.findChild<QSlider *>("sldDonation")->setValue(0);
        d.findChild<QSlider *>("sldPensionSplit")->setValue(0);
        QCOMPARE(t1032Of(r->spouse())->amount(T1032::F_SplitAmount), 0.0);
        QCOMPARE(d.findChild<QLabel *>("lblFamilyBest")->text(), family);
        d.findChild<QPushButton *>("btnReCalc")->click();
        QCOMPARE(sch9Of(r->self())->donationAdjustment(), adjustment);
        QCOMPARE(t1032Of(r->self())->amount(T1032::F_SplitAmount), split);
        QCOMPARE(r->statusText(), family);
    }

    // One side without a T1032: the dialog makes none and offers no pension split.
    void resultDialogWithoutT1032()
    {
        std::unique_ptr<CReturnFile> r(optimisableCouple(false));
        DataShareAmtDlg shares;
        shares.fld_Pension_1 = 500.0;
        r->optimize(shares);
        DlgOptimizeReturn d(r.get(), &shares);
        d.show();
        QVERIFY(!r->spouse()->getForm(kT1032Form, 0, false));
        QVERIFY(!d.findChild<QSlider *>("sldPensionSplit")->isEnabled());
    }

    // "Set T1032 and Close" changes only the T1032 split amounts and election flags.
    void setT1032AndClose()
    {
        Form_Return w(nullptr, optimisableCouple(), nullptr, nullptr, 1, -1, 12);
        CReturnFile *r = w.returnFile();
        CReturnFile expected(0);
        expected.assign(*r);
        double best = -1.0;
        onModal([&best](QWidget *wz) {
            onModal([&best](QWidget *d) {
                best = static_cast<DlgOptimizeReturn *>(d)->m_bestPensionSplit;
                d->findChild<QPushButton *>("btnOptimize")->click();
            });
            finishWizard(wz);
        });
        w.optimizeReturn();
        QVERIFY(best > 0.0);
        for (IndividualTaxData *p : {expected.self(), expected.spouse()}) {
            auto *f = t1032Of(p);
            f->setFlag(T1032::F_Elected, true);
            f->setAmount(T1032::F_SplitAmount, best);
        }
        expected.recalculate(-1, nullptr);
        QVERIFY(!r->differsFrom(expected));
        QCOMPARE(t1032Of(r->self())->amount(T1032::F_SplitAmount), best);
        QVERIFY(!hasForm(r->self(), kSchedule9));
        // what was set, and that the donations were not, is told
        QCOMPARE(m_messages.texts().size(), 1);
        QVERIFY(m_messages.texts().first().startsWith(
            QStringLiteral("The pension split of %1 is set in both persons' T1032.").arg(best, 0, 'f', 2)));
        QVERIFY(m_messages.texts().first().contains(QStringLiteral("donation allocation")));
    }

    // ---- online mail sign-up page

    void signupPage()
    {
        DataPpgSignupEmail data;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new PpgSignupEmail_tab1(&data, &wizard);
        wizard.addPage(page);
        QVERIFY(!page->validatePage());
        page->findChild<QAbstractButton *>("fld_signup_1")->click();
        QVERIFY(page->validatePage());
        QCOMPARE(data.fld_signup.value(), 1);
    }

    // ---- the new-return wizard and the coupling page

    void newReturnSpouseProvince()
    {
        QTemporaryDir libs;
        const QString binDir = CMultiProvsTaxMgr::libraryFolder();
        CMultiProvsTaxMgr probe(0, nullptr);
        QString name;
        QVERIFY(probe.getProvinceLibraryName(kOntario, name));
        QVERIFY(QFile::link(binDir + "/" + name, libs.filePath(name)));
        CMultiProvsTaxMgr::setLibraryFolder(libs.path());
        DataNewReturnBasic data;
        data.fld_TaxPronv = kOntario;
        WizardBase wizard(nullptr, QStringLiteral("t"));
        auto *page = new NewReturnBasic_Spouse(&data, nullptr, &wizard);
        wizard.addPage(page);
        page->initializePage();
        page->findChild<StringLineEdit *>("fld_FirstNameSpouse")->setText("Bob");
        page->findChild<StringLineEdit *>("fld_LastNameSpouse")->setText("Roy");
        page->findChild<CT1ComboBox *>("fld_TaxPronvSpouse")->SetCurSelData(kAlberta);
        QVERIFY(page->validatePage());   // not coupled: the province is only the spouse's address
        QVERIFY(m_messages.shown().isEmpty());
        page->findChild<StyledCheckBox *>("fld_Coupled")->setChecked(true);
        const bool refused = !page->validatePage();
        page->findChild<CT1ComboBox *>("fld_TaxPronvSpouse")->SetCurSelData(kOntario);
        const bool ontarioAccepted = page->validatePage();
        // the taxpayer's page tests its province the same way
        auto *first = new NewReturnBasic_tab1(&data, nullptr, &wizard);
        wizard.addPage(first);
        first->findChild<StringLineEdit *>("fld_LastName")->setText("Roy");
        first->findChild<CT1ComboBox *>("fld_TaxPronv")->SetCurSelData(kAlberta);
        const bool taxpayerRefused = !first->validatePage();
        CMultiProvsTaxMgr::setLibraryFolder(QString());
        QVERIFY(refused);
        QVERIFY(ontarioAccepted);
        QVERIFY(taxpayerRefused);
        QCOMPARE(m_messages.texts(), QStringList({"Tax Province is not supported!", "Tax Province is not supported!"}));
    }

    void couplePageRefusesOneFileTwice_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("same name") << false;
        QTest::newRow("through a link") << true;
    }
    void couplePageRefusesOneFileTwice()
    {
        QFETCH(bool, throughLink);
        const QString a = path("one.r24");
        const QString b = path("one-link.r24");
        QFile f(a);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        QFile::remove(b);
        QVERIFY(QFile::link(a, b));
        DlgCoupleReturn_tab1 page(TabWndApp::instance());
        page.findChild<QLineEdit *>("fld_Filename1")->setText(a);
        page.findChild<QLineEdit *>("fld_Filename2")->setText(throughLink ? b : a);
        QVERIFY(!page.validatePage());
        QCOMPARE(m_messages.texts(), QStringList{"Please choose two different return files for coupling"});
    }

private:
    static T1032 *t1032Of(IndividualTaxData *p) { return dynamic_cast<T1032 *>(p->getForm(kT1032Form, 0, false)); }
    static TaxData_Sch9 *sch9Of(IndividualTaxData *p)
    {
        return dynamic_cast<TaxData_Sch9 *>(p->getForm(kSchedule9, 0, false));
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestPlanning tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}
#include "tst_planning.moc"
