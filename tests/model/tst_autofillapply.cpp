// Downloaded Auto-fill data copied into a return: what each choice fills, and a
// second run that replaces what the first one added and keeps what the user typed.
#include "bqtest.h"
#include "creturnfile.h"
#include "dataafr.h"
#include "messages.h"
#include "returnfilefixture.h"
#include "taxdata_lastyearamounts.h"
#include "taxdata_sch11.h"
#include "taxdata_sch3.h"
#include "taxdata_sch7.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t2125_new.h"
#include "taxsliprrspreceipt.h"
#include "taxslipt1204.h"
#include "taxslipt4.h"
#include "taxslipt5.h"
#include "taxslipt5008.h"
#include "tddtaxdataoneperson.h"
#include "utils.h"
#include "taxdata_slip_t4rsp.h"
#include "taxdata_slip_prpp.h"
#include "taxdata_slip_t2202.h"
#include "taxslipt2202.h"
#include <QFile>
#include <tinyxml.h>

using namespace returnfixture;
using T1 = TaxData_T1New;

namespace {

struct Person
{
    explicit Person(int province = 9)
    {
        deps.AllocData(DependantInfoStruct::kSlots);
        newPerson(p, province, QStringLiteral("Ann"), QStringLiteral("Lee"), 5, false);
    }
    DependantInfoStruct deps;
    IndividualTaxData p{0, &deps};
};

TaxSlip *t4(const char *employment)
{
    auto *s = new TaxSlipT4;
    s->employerName = "Acme";
    s->setBox("14", CString(employment));
    return s;
}

TaxSlip *t5(const char *interest)
{
    auto *s = new TaxSlipT5;
    s->setBox("13", CString(interest));
    return s;
}

TaxSlip *t5008(const char *what, const char *proceeds, const char *cost)
{
    auto *s = new TaxSlipT5008;
    s->box16 = "100";
    s->box17 = what;
    s->box21 = proceeds;
    s->box20 = cost;
    return s;
}

TaxSlip *t1204(const char *box82, const char *box84)
{
    auto *s = new TaxSlipT1204;
    s->box82 = box82;
    s->box84 = box84;
    return s;
}

TaxSlip *receipt(const char *indicator, const char *prior, const char *current)
{
    auto *s = new TaxSlipRRSPReceipt;
    s->spouseContributionIndicator = indicator;
    s->priorYearContribution = prior;
    s->currentYearContribution = current;
    return s;
}

// A download with every kind that the copy treats on its own.
void fillDownload(TDDTaxDataOnePerson &d)
{
    d.addSlip(t4("52000.00"));
    d.addSlip(t5("125.50"));
    d.addSlip(t5008("ABC Corp", "5000", "3000"));
    d.addSlip(t5008("XYZ Ltd", "800", "1200"));
    d.addSlip(t1204("4000", "1500.25"));
    d.addSlip(receipt("", "1000", "2000"));
    d.addSlip(receipt("1", "300", "400"));
    d.summary.instalmentAmount = "1200";
    d.summary.trainingCreditLimit = "500";
    d.summary.rrspDeductionLimit = "18000";
    d.summary.rrspUnusedContribution = "250";
    d.summary.hbp.requiredRepayments.push_back({"2024", "1000"});
    d.summary.llp.requiredRepayments.push_back({"2024", "700"});
    d.carryOver.federalTuition.push_back({"2023", "3300"});
    d.carryOver.provincialTuition.push_back({"2023", "2200"});
}

// The options of a run that takes everything.
struct Everything : DataAFR
{
    Everything() { fld_iFillOption = 0; }
};

QString describeRecord(const FieldRecord &r)
{
    QStringList values;
    for (int i = 0; i < r.table().count(); ++i)
        values << r.valueText(i);
    return values.join(QLatin1Char('|'));
}

QString describe(const FormEntry *e)
{
    QString text = QStringLiteral("%1 flags %2: %3").arg(e->type).arg(e->object->flags()).arg(describeRecord(e->object->fields()));
    for (int l = 0; l < e->object->rowListCount(); ++l)
        for (int r = 0; r < e->object->rows(l).count(); ++r)
            text += QStringLiteral(" / ") + describeRecord(e->object->rows(l).row(r));
    return text;
}

// Every form, slip and wizard record with its data, without the entry ids.
QStringList snapshot(const IndividualTaxData &p)
{
    QStringList out;
    for (const FormEntry *e : p.forms())
        out << QStringLiteral("form ") + describe(e);
    for (const FormEntry *e : p.slips())
        out << QStringLiteral("slip ") + describe(e);
    for (const WizardEntry *w : p.wizardData())
        out << QStringLiteral("wizard %1: %2").arg(w->type).arg(describeRecord(w->object->fields()));
    return out;
}

int countSlips(const IndividualTaxData &p, int type, bool marked)
{
    int n = 0;
    for (const FormEntry *e : p.slips())
        n += e->type == type && e->object->isAutoFill() == marked;
    return n;
}

// What the preparer typed before the import: instalments, tuition carried from 2023
// (federal, Ontario), the training credit limit, Schedule 7 and the plan repayments.
void typeAmounts(IndividualTaxData &p)
{
    p.findWizardData(2, true);
    T1 *t = p.t1();
    t->setInstalmentsPaid(500);
    CTaxData_Form *sch11 = p.getForm(11, 0, true);
    sch11->setAmount(TaxData_Sch11::F_CarriedForward, 2000);
    sch11->setAmount(TaxData_Sch11::F_TrainingCreditLimit, 400);
    t->setAmount(T1::F_LYFedTuition, 2000);
    p.getForm(27, 0, true);
    p.provinceManager().setProvincialAmount(11001, 600);
    t->setAmount(T1::F_LYProvTuition, 600);
    CTaxData_Form *sch7 = p.getForm(7, 0, true);
    sch7->setAmount(TaxData_Sch7::F_UnusedContributions, 1500);
    sch7->setAmount(TaxData_Sch7::F_DeductionLimit, 6000);
    sch7->setAmount(TaxData_Sch7::F_ContribRestOfYear, 2500);
    sch7->setAmount(TaxData_Sch7::F_SpousalCurrent, 300);
    t->setAmount(T1::F_HBPRepayment, 1000);
    t->setAmount(T1::F_LLPRepayment, 700);
    // the import's own record of itself, as the run sets it
    t->setFlag(T1::F_AutoFill, true);
    t->setDate(T1::F_AutoFillDate, QDate(2025, 3, 3));
}

} // namespace

class TestAutoFillApply : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 3), QTime(9, 0)); });
    }
    void cleanupTestCase() { setCurTimeSource(nullptr); }
    void init()
    {
        m_messages.clear();
        setMessageHandler(&m_messages);
    }
    void cleanup() { setMessageHandler(nullptr); }

    void everythingOnce()
    {
        Person x;
        x.p.findWizardData(2, true);
        TDDTaxDataOnePerson d(2024);
        fillDownload(d);
        QCOMPARE(x.p.applyAutoFillData(d, Everything()), 0);

        QCOMPARE(countSlips(x.p, 1, true), 1);
        QCOMPARE(x.p.slips().withKey(1).first()->object->valueByCode(14), 52000.0);
        QCOMPARE(countSlips(x.p, 8, true), 1);
        QCOMPARE(countSlips(x.p, 23, true), 1);
        QCOMPARE(x.p.slips().withKey(19).size() + x.p.slips().withKey(20).size(), 0);

        auto *business = dynamic_cast<TaxData_T2125_New *>(x.p.getForm(125, 0, false));
        QVERIFY(business && business->isAutoFill());
        QCOMPARE(business->text(TaxData_T2125_New::F_Description), QStringLiteral("Government Service Contract"));
        QCOMPARE(business->incomeKind(), 0);
        QCOMPARE(business->amount(TaxData_T2125_New::F_GrossIncome), 5500.25);

        auto *sch3 = dynamic_cast<TaxData_Sch3 *>(x.p.getForm(4, 0, false));
        QVERIFY(sch3);
        QCOMPARE(sch3->dispositions().count(), 2);
        QCOMPARE(sch3->dispositions().row(0).text(TaxData_Sch3::C_Description), QStringLiteral("100 ABC Corp"));
        QCOMPARE(sch3->dispositions().row(1).number(TaxData_Sch3::C_Proceeds), 800.0);
        QCOMPARE(sch3->dispositions().row(1).number(TaxData_Sch3::C_Cost), 1200.0);

        const T1 *t = x.p.t1();
        QCOMPARE(t->instalmentsPaid(), 1200.0);
        QCOMPARE(t->amount(T1::F_LYFedTuition), 3300.0);
        QCOMPARE(t->amount(T1::F_LYProvTuition), 2200.0);
        QCOMPARE(t->amount(T1::F_HBPRepayment), 1000.0);
        QCOMPARE(t->amount(T1::F_LLPRepayment), 700.0);
        QVERIFY(t->flag(T1::F_AutoFill));
        QCOMPARE(t->date(T1::F_AutoFillDate), QDate(2025, 3, 3));

        const CTaxData_Form *sch11 = x.p.getForm(11, 0, false);
        QVERIFY(sch11 && x.p.hasForm(27));   // Ontario's tuition schedule
        QCOMPARE(sch11->amount(TaxData_Sch11::F_TrainingCreditLimit), 500.0);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_CarriedForward), 3300.0);
        double provincial = 0.0;
        QVERIFY(x.p.provinceManager().getProvincialValue(11001, provincial));
        QCOMPARE(provincial, 2200.0);

        const CTaxData_Form *sch7 = x.p.getForm(7, 0, false);
        QVERIFY(sch7);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribFirst60Days), 1000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribRestOfYear), 2000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_SpousalPrior), 300.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_SpousalCurrent), 400.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_DeductionLimit), 18000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_UnusedContributions), 250.0);

        const CTaxData_Form *lastYear = x.p.findWizardData(2, false);
        QCOMPARE(lastYear->amount(TaxData_LastYearAmounts::F_RRSPDeductionLimit), 18000.0);
        QCOMPARE(lastYear->amount(TaxData_LastYearAmounts::F_HBPRepayment), 1000.0);
        QCOMPARE(lastYear->amount(TaxData_LastYearAmounts::F_FedUnusedTuition), 3300.0);
    }

    // A record read from a reply's Slips element: the slips the return takes, copied.
    void slipsFromFixtureReply()
    {
        QFile f(QStringLiteral(BQ_AUTOFILL_FIXTURES "/slips-all-kinds.xml"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        TiXmlDocument doc;
        doc.Parse(f.readAll().constData(), nullptr, TIXML_ENCODING_UTF8);
        TDDTaxDataOnePerson d(2024);
        QCOMPARE(d.parseSlips(doc.RootElement()), 20);

        Person x;
        QCOMPARE(x.p.applyAutoFillData(d, Everything()), 0);
        const CTaxData_Form *t4 = x.p.slips().withKey(1).first()->object;
        QCOMPARE(t4->valueByCode(14), 61250.0);
        QCOMPARE(t4->text(0), QStringLiteral("A&B <Co>"));   // the name as the CRA gave it
        const CTaxData_Form *t4rsp = x.p.slips().withKey(4).first()->object;
        QVERIFY(t4rsp->flag(TaxData_Slip_T4RSP::F_SpousalPlan));
        QCOMPARE(t4rsp->valueByCode(22), 5000.0);
        QCOMPARE(x.p.slips().withKey(25).first()->object->valueByCode(26), 3100.0);
        QCOMPARE(x.p.slips().withKey(26).first()->object->valueByCode(18), 8000.0);
        auto *sch3 = dynamic_cast<TaxData_Sch3 *>(x.p.getForm(4, 0, false));
        QVERIFY(sch3);
        QCOMPARE(sch3->dispositions().row(0).number(TaxData_Sch3::C_Proceeds), 5200.0);
    }

    // A whole person read by parse from a fixture item: the plans, tuition,
    // limits and slips that the return takes.
    void personFromFixtureReply()
    {
        QFile f(QStringLiteral(BQ_AUTOFILL_FIXTURES "/person-full.xml"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        TiXmlDocument doc;
        doc.Parse(f.readAll().constData(), nullptr, TIXML_ENCODING_UTF8);
        TDDTaxDataOnePerson d(2024);
        QCOMPARE(d.parse(doc.RootElement()), 0);

        Person x;
        x.p.findWizardData(2, true);
        QCOMPARE(x.p.applyAutoFillData(d, Everything()), 0);
        const T1 *t = x.p.t1();
        QCOMPARE(t->instalmentsPaid(), 1200.0);
        QCOMPARE(t->amount(T1::F_LYFedTuition), 3300.0);
        QCOMPARE(t->amount(T1::F_LYProvTuition), 2200.0);
        QCOMPARE(t->amount(T1::F_HBPRepayment), 1000.0);   // the first of two 2024 repayments
        QCOMPARE(t->amount(T1::F_LLPRepayment), 700.0);
        const CTaxData_Form *sch7 = x.p.getForm(7, 0, false);
        QVERIFY(sch7);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_DeductionLimit), 18000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_UnusedContributions), 250.0);
        QCOMPARE(x.p.getForm(11, 0, false)->amount(TaxData_Sch11::F_TrainingCreditLimit), 500.0);
        QCOMPARE(x.p.slips().withKey(1).first()->object->valueByCode(14), 61250.0);
        QCOMPARE(x.p.slips().withKey(8).first()->object->valueByCode(13), 312.18);
        QVERIFY(x.p.slips().withKey(4).first()->object->flag(TaxData_Slip_T4RSP::F_SpousalPlan));
    }

    // Twice gives the return that once gives: slips, the business form and the
    // Schedule 3 rows are replaced; what the user typed stays.
    void twiceAsOnce()
    {
        Person once, twice;
        for (Person *x : {&once, &twice}) {
            x->p.findWizardData(2, true);
            x->p.addSlip(1, 0, 0)->object->setValueByCode(14, 999);           // typed T4
            x->p.addForm(125, 0, true, 0, false);                              // typed business
            auto *sch3 = dynamic_cast<TaxData_Sch3 *>(x->p.getForm(4, 0, true));
            sch3->dispositions().append().setText(TaxData_Sch3::C_Description, QStringLiteral("typed 1"));
            sch3->dispositions().append().setText(TaxData_Sch3::C_Description, QStringLiteral("typed 2"));
        }
        TDDTaxDataOnePerson d(2024);
        fillDownload(d);
        once.p.applyAutoFillData(d, Everything());
        twice.p.applyAutoFillData(d, Everything());
        twice.p.applyAutoFillData(d, Everything());
        QCOMPARE(snapshot(twice.p), snapshot(once.p));

        QCOMPARE(countSlips(twice.p, 1, false), 1);
        QCOMPARE(countSlips(twice.p, 1, true), 1);
        QCOMPARE(twice.p.countForms(125), 2);
        const FieldRowList &rows = dynamic_cast<TaxData_Sch3 *>(twice.p.getForm(4, 0, false))->dispositions();
        QCOMPARE(rows.count(), 4);
        QCOMPARE(rows.row(1).text(TaxData_Sch3::C_Description), QStringLiteral("typed 2"));
        QCOMPARE(rows.row(3).text(TaxData_Sch3::C_Description), QStringLiteral("100 XYZ Ltd"));
    }

    // The business form of a T1204 is refilled in place: what the user added to it stays.
    void businessFormRefilled()
    {
        Person x;
        TDDTaxDataOnePerson d(2024);
        d.addSlip(t1204("4000", "0"));
        x.p.applyAutoFillData(d, Everything());
        CTaxData_Form *business = x.p.getForm(125, 0, false);
        business->setAmount(TaxData_T2125_New::F_CCA, 300);
        TDDTaxDataOnePerson again(2024);
        again.addSlip(t1204("4500", "0"));
        x.p.applyAutoFillData(again, Everything());
        QCOMPARE(x.p.countForms(125), 1);
        QCOMPARE(x.p.getForm(125, 0, false), business);
        QCOMPARE(business->amount(TaxData_T2125_New::F_GrossIncome), 4500.0);
        QCOMPARE(business->amount(TaxData_T2125_New::F_CCA), 300.0);
        // a run whose download has no T1204 any more drops it
        TDDTaxDataOnePerson none(2024);
        x.p.applyAutoFillData(none, Everything());
        QCOMPARE(x.p.countForms(125), 0);
    }

    // Three T5008 slips after two rows: rows 3 to 5.
    void t5008AfterTwoRows()
    {
        Person x;
        auto *sch3 = dynamic_cast<TaxData_Sch3 *>(x.p.getForm(4, 0, true));
        sch3->dispositions().append();
        sch3->dispositions().append();
        TDDTaxDataOnePerson d(2024);
        d.addSlip(t5008("A", "1", "1"));
        d.addSlip(t5008("B", "2", "1"));
        d.addSlip(t5008("C", "3", "1"));
        DataAFR o;
        o.fld_iFillOption = 1;
        o.fld_bT5008 = true;
        x.p.applyAutoFillData(d, o);
        QCOMPARE(sch3->dispositions().count(), 5);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(sch3->dispositions().row(2 + k).number(TaxData_Sch3::C_Proceeds), double(k + 1));
        QVERIFY(x.p.slips().isEmpty());
    }

    // A marked slip of a kind not chosen this time stays; the chosen kind is replaced.
    void unselectedKindsKept()
    {
        Person x;
        TDDTaxDataOnePerson d(2024);
        fillDownload(d);
        x.p.applyAutoFillData(d, Everything());
        DataAFR onlyT5;
        onlyT5.fld_iFillOption = 1;
        onlyT5.fld_bT5 = true;
        x.p.applyAutoFillData(d, onlyT5);
        QCOMPARE(countSlips(x.p, 1, true), 1);
        QCOMPARE(countSlips(x.p, 8, true), 1);
        QCOMPARE(countSlips(x.p, 23, true), 1);
        QCOMPARE(x.p.countForms(125), 1);
        QCOMPARE(dynamic_cast<TaxData_Sch3 *>(x.p.getForm(4, 0, false))->dispositions().count(), 2);
    }

    void rrspReceipts_data()
    {
        QTest::addColumn<QString>("indicator");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("spousal");
        QTest::addColumn<bool>("madeSch7");
        QTest::newRow("empty indicator: own") << QString() << QStringLiteral("500") << false << true;
        QTest::newRow("indicator 1: spousal") << QStringLiteral("1") << QStringLiteral("500") << true << true;
        QTest::newRow("all below a cent") << QString() << QStringLiteral("0.005") << false << false;
    }
    void rrspReceipts()
    {
        QFETCH(QString, indicator);
        QFETCH(QString, amount);
        QFETCH(bool, spousal);
        QFETCH(bool, madeSch7);
        Person x;
        x.p.removeForm(x.p.getForm(7, 0, false), true, false);
        TDDTaxDataOnePerson d(2024);
        const std::string a = amount.toStdString();
        d.addSlip(receipt(indicator.toLatin1().constData(), "", a.c_str()));
        DataAFR o;
        o.fld_iFillOption = 1;
        o.fld_bRRSPContribution = true;
        x.p.applyAutoFillData(d, o);
        const CTaxData_Form *sch7 = x.p.getForm(7, 0, false);
        QCOMPARE(sch7 != nullptr, madeSch7);
        if (sch7) {
            QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribRestOfYear), spousal ? 0.0 : 500.0);
            QCOMPARE(sch7->amount(TaxData_Sch7::F_SpousalCurrent), spousal ? 500.0 : 0.0);
        }
    }

    void quebecTuition()
    {
        Person x(11);
        TDDTaxDataOnePerson d(2024);
        fillDownload(d);
        DataAFR o;
        o.fld_iFillOption = 1;
        o.fld_bTuition = true;
        const int formsBefore = x.p.forms().count();
        const bool hadSch11 = x.p.hasForm(11);
        x.p.applyAutoFillData(d, o);
        QVERIFY(x.p.hasForm(11));
        QCOMPARE(x.p.forms().count(), formsBefore + (hadSch11 ? 0 : 1));
        QVERIFY(x.p.slips().isEmpty());
    }

    // The tuition forms come only with something to hold: a carry-forward or a T2202 slip;
    // Schedule 11 alone for a training credit limit.
    void tuitionFormsOnlyWithSomethingToHold_data()
    {
        QTest::addColumn<QString>("federal");
        QTest::addColumn<QString>("provincial");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("withT2202");
        QTest::addColumn<bool>("schedule11");
        QTest::addColumn<bool>("provincialForm");
        QTest::newRow("nothing but instalments") << "" << "" << "" << false << false << false;
        QTest::newRow("zero carry-forwards") << "0.00" << "0" << "0.00" << false << false << false;
        QTest::newRow("training credit limit only") << "" << "" << "500" << false << true << false;
        // Ontario gives no tuition amount of its own: its form comes only with an amount carried
        QTest::newRow("federal carry-forward") << "1200" << "" << "500" << false << true << false;
        QTest::newRow("provincial carry-forward") << "" << "800" << "" << false << true << true;
        QTest::newRow("a T2202 slip") << "" << "" << "500" << true << true << false;
    }
    void tuitionFormsOnlyWithSomethingToHold()
    {
        QFETCH(QString, federal);
        QFETCH(QString, provincial);
        QFETCH(QString, limit);
        QFETCH(bool, withT2202);
        QFETCH(bool, schedule11);
        QFETCH(bool, provincialForm);
        Person x;   // Ontario: Schedule 11 and the provincial tuition form (type 27)
        x.p.removeForm(x.p.getForm(11, 0, false), true, false);
        x.p.removeForm(x.p.getForm(27, 0, false), true, false);
        TDDTaxDataOnePerson d(2024);
        d.summary.instalmentAmount = "100.00";
        d.summary.trainingCreditLimit = limit.toStdString();
        if (!federal.isEmpty())
            d.carryOver.federalTuition.push_back({"2023", federal.toStdString()});
        if (!provincial.isEmpty())
            d.carryOver.provincialTuition.push_back({"2023", provincial.toStdString()});
        if (withT2202)
            d.addSlip(new TaxSlipT2202);
        x.p.applyAutoFillData(d, Everything());
        QCOMPARE(x.p.hasForm(11), schedule11);
        QCOMPARE(x.p.hasForm(27), provincialForm);
        QCOMPARE(x.p.t1()->instalmentsPaid(), 100.0);
        if (schedule11)
            QCOMPARE(x.p.getForm(11, 0, false)->amount(TaxData_Sch11::F_TrainingCreditLimit), limit.toDouble());
    }

    // The closing message's lines: each slip and amount that came in, nothing else.
    void importListsWhatCameIn()
    {
        Person x;
        x.p.findWizardData(2, true);
        TDDTaxDataOnePerson d(2024);
        fillDownload(d);
        QStringList imported;
        x.p.applyAutoFillData(d, Everything(), &imported);
        QCOMPARE(imported, (QStringList{
                               "T4 slip: Acme",
                               "T5 slip",
                               "T1204 slip",
                               "Business statement \"Government Service Contract\": gross income 5,500.25",
                               "T5008 slips: 2 disposition(s) added to Schedule 3",
                               "Instalments paid: 1,200.00",
                               "Unused federal tuition amounts from 2023: 3,300.00",
                               "Unused provincial tuition amounts from 2023: 2,200.00",
                               "Canada training credit limit: 500.00",
                               "RRSP receipts, prior-year contributions: 1,000.00",
                               "RRSP receipts, current-year contributions: 2,000.00",
                               "RRSP receipts to a spouse's plan, prior-year contributions: 300.00",
                               "RRSP receipts to a spouse's plan, current-year contributions: 400.00",
                               "RRSP deduction limit: 18,000.00",
                               "Unused RRSP contributions: 250.00",
                               "Home Buyers' Plan repayment required for 2024: 1,000.00",
                               "Lifelong Learning Plan repayment required for 2024: 700.00",
                           }));

        QStringList none;
        Person y;
        TDDTaxDataOnePerson empty(2024);
        y.p.applyAutoFillData(empty, Everything(), &none);
        QVERIFY2(none.isEmpty(), qPrintable(none.join(QLatin1Char('\n'))));
    }

    // A download that holds none of the items changes nothing and says nothing; one that
    // holds some changes only those, and names each typed amount it replaces.
    void typedAmountsKeptUnlessDownloaded()
    {
        Person x;
        typeAmounts(x.p);
        const QStringList before = snapshot(x.p);
        QStringList imported;
        TDDTaxDataOnePerson none(2024);
        x.p.applyAutoFillData(none, Everything(), &imported);
        QCOMPARE(snapshot(x.p), before);
        QVERIFY2(imported.isEmpty(), qPrintable(imported.join(QLatin1Char('\n'))));

        TDDTaxDataOnePerson some(2024);
        some.summary.rrspDeductionLimit = "18000";          // no unused contributions
        some.summary.hbp.requiredRepayments.push_back({"2024", "1200"});   // no LLP
        some.carryOver.federalTuition.push_back({"2023", "3300"});       // no provincial
        some.addSlip(receipt("", "", "2000"));              // own, current year only
        x.p.applyAutoFillData(some, Everything(), &imported);
        QCOMPARE(imported, (QStringList{
                               "Unused federal tuition amounts from 2023: 3,300.00 (replaces 2,000.00)",
                               "RRSP receipts, current-year contributions: 2,000.00 (replaces 2,500.00)",
                               "RRSP deduction limit: 18,000.00 (replaces 6,000.00)",
                               "Home Buyers' Plan repayment required for 2024: 1,200.00 (replaces 1,000.00)",
                           }));
        const T1 *t = x.p.t1();
        QCOMPARE(t->instalmentsPaid(), 500.0);
        QCOMPARE(t->amount(T1::F_LLPRepayment), 700.0);
        QCOMPARE(t->amount(T1::F_HBPRepayment), 1200.0);
        const CTaxData_Form *sch11 = x.p.getForm(11, 0, false);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_CarriedForward), 3300.0);
        QCOMPARE(sch11->amount(TaxData_Sch11::F_TrainingCreditLimit), 400.0);
        double provincial = 0.0;
        QVERIFY(x.p.provinceManager().getProvincialValue(11001, provincial));
        QCOMPARE(provincial, 600.0);
        const CTaxData_Form *sch7 = x.p.getForm(7, 0, false);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_DeductionLimit), 18000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_UnusedContributions), 1500.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribRestOfYear), 2000.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_ContribFirst60Days), 0.0);
        QCOMPARE(sch7->amount(TaxData_Sch7::F_SpousalCurrent), 300.0);
    }

    // A downloaded text that is not a number holds no amount: what the user typed
    // stays, and the closing message names nothing.
    void textsThatAreNoNumberKeepTypedAmounts()
    {
        Person x;
        typeAmounts(x.p);
        const QStringList before = snapshot(x.p);
        TDDTaxDataOnePerson d(2024);
        d.summary.instalmentAmount = "n/a";
        d.summary.trainingCreditLimit = "N/A";
        d.summary.rrspDeductionLimit = "-";
        d.summary.rrspUnusedContribution = "unknown";
        d.summary.hbp.requiredRepayments.push_back({"2024", "n/a"});
        d.summary.llp.requiredRepayments.push_back({"2024", "none"});
        d.carryOver.federalTuition.push_back({"2023", "n/a"});
        d.carryOver.provincialTuition.push_back({"2023", "n/a"});
        d.addSlip(receipt("", "n/a", "n/a"));
        QStringList imported;
        x.p.applyAutoFillData(d, Everything(), &imported);
        QCOMPARE(snapshot(x.p), before);
        QVERIFY2(imported.isEmpty(), qPrintable(imported.join(QLatin1Char('\n'))));
        double provincial = 0.0;
        QVERIFY(x.p.provinceManager().getProvincialValue(11001, provincial));
        QCOMPARE(provincial, 600.0);
    }

    // Through the return file, as the issue saw it: instalments of 500 and a 2023 tuition
    // carry-forward of 2,000 typed, a download with neither, and the refund stays as it was.
    void refundKeptWhenDownloadHoldsNeither()
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 5, false);
        IndividualTaxData &p = *rf.self();
        p.addSlip(1, 0, 0)->object->setValueByCode(14, 40000);
        p.t1()->setInstalmentsPaid(500);
        p.getForm(11, 0, true)->setAmount(TaxData_Sch11::F_CarriedForward, 2000);
        rf.recalculate(-1, nullptr);
        const double refund = p.t1()->amount(T1::F_48400) - p.t1()->amount(T1::F_48500);
        QCOMPARE(p.t1()->amount(T1::F_32300), 2000.0);

        TDDTaxDataOnePerson none(2024);
        QStringList imported;
        QCOMPARE(rf.importAutoFill(none, Everything(), &imported), 0);
        QCOMPARE(p.t1()->instalmentsPaid(), 500.0);
        QCOMPARE(p.t1()->amount(T1::F_32300), 2000.0);
        QCOMPARE(p.t1()->amount(T1::F_48400) - p.t1()->amount(T1::F_48500), refund);
        QVERIFY(imported.isEmpty());
    }

    // Ontario gives no tuition amount for 2024: a T2202 brings Schedule 11, and the ON(S11)
    // only with an Ontario amount carried from 2023 to hold, also after the recalculation.
    void ontarioTuitionFormOnlyWithCarryForward_data()
    {
        QTest::addColumn<QString>("provincial");
        QTest::addColumn<bool>("ontarioForm");
        QTest::newRow("T2202 alone") << QString() << false;
        QTest::newRow("T2202 and an Ontario carry-forward of 0") << QStringLiteral("0.00") << false;
        QTest::newRow("T2202 and an Ontario carry-forward of 800") << QStringLiteral("800") << true;
    }
    void ontarioTuitionFormOnlyWithCarryForward()
    {
        QFETCH(QString, provincial);
        QFETCH(bool, ontarioForm);
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 5, false);
        IndividualTaxData &p = *rf.self();
        QVERIFY(!p.hasForm(11) && !p.hasForm(27));
        TDDTaxDataOnePerson d(2024);
        auto *slip = new TaxSlipT2202;
        slip->sessions.push_back({"2024-09", "2024-12", "0", "4", "3100.00"});
        d.addSlip(slip);
        if (!provincial.isEmpty())
            d.carryOver.provincialTuition.push_back({"2023", provincial.toStdString()});
        QCOMPARE(rf.importAutoFill(d, Everything()), 0);
        QVERIFY(p.hasForm(11));
        QCOMPARE(p.getForm(11, 0, false)->amount(TaxData_Sch11::F_EligibleTuition), 3100.0);
        QCOMPARE(p.hasForm(27), ontarioForm);
        rf.recalculate(-1, nullptr);
        QCOMPARE(p.hasForm(27), ontarioForm);
        if (ontarioForm)
            QCOMPARE(p.getForm(27, 0, false)->valueByCode(11001), 800.0);   // its carried amount
    }

    // A downloaded person whose elements carry a namespace prefix: the T2202 with its
    // school, program, student and sessions, and the PRPP slip with its version, come in whole.
    void prefixedT2202AndPrppImportWhole()
    {
        const QByteArray xml = R"(<ns2:EFileIndividualIncomeTaxDataItem xmlns:ns2="urn:x">
  <ns2:IndividualTaxpayerIdentifier>abc</ns2:IndividualTaxpayerIdentifier>
  <ns2:Slips>
    <ns2:T2202Slip>
      <ns2:TaxYear>2024</ns2:TaxYear>
      <ns2:SchoolIssuerName>Northern College</ns2:SchoolIssuerName>
      <ns2:SchoolTypeCode boxNumber="11">1</ns2:SchoolTypeCode>
      <ns2:FlyingSchoolClubCode boxNumber="12">0</ns2:FlyingSchoolClubCode>
      <ns2:ProgramName boxNumber="13">Practical Nursing</ns2:ProgramName>
      <ns2:StudentNumber boxNumber="14"> S-4471 </ns2:StudentNumber>
      <ns2:FilerAccountNumber boxNumber="15">123456789RZ0001</ns2:FilerAccountNumber>
      <ns2:TuitionSessionPeriods>
        <ns2:TuitionSessionPeriod>
          <ns2:FromPeriod>2024-01</ns2:FromPeriod><ns2:ToPeriod>2024-04</ns2:ToPeriod>
          <ns2:PartTimeMonthCount>0</ns2:PartTimeMonthCount><ns2:FullTimeMonthCount>4</ns2:FullTimeMonthCount>
          <ns2:TuitionSessionEligibleFeesAmount>3100.00</ns2:TuitionSessionEligibleFeesAmount>
        </ns2:TuitionSessionPeriod>
        <ns2:TuitionSessionPeriod>
          <ns2:FromPeriod>2024-09</ns2:FromPeriod><ns2:ToPeriod>2024-12</ns2:ToPeriod>
          <ns2:PartTimeMonthCount>4</ns2:PartTimeMonthCount><ns2:FullTimeMonthCount>0</ns2:FullTimeMonthCount>
          <ns2:TuitionSessionEligibleFeesAmount>2950.50</ns2:TuitionSessionEligibleFeesAmount>
        </ns2:TuitionSessionPeriod>
      </ns2:TuitionSessionPeriods>
    </ns2:T2202Slip>
    <ns2:PRPPSlip>
      <ns2:SlipVersionDescription>Amended</ns2:SlipVersionDescription>
      <ns2:PooledRegisteredPensionPlanContractNumber>PR-88</ns2:PooledRegisteredPensionPlanContractNumber>
      <ns2:EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount>1500.00</ns2:EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount>
      <ns2:EmployerPooledRegisteredPensionPlanContributionAmount>750.00</ns2:EmployerPooledRegisteredPensionPlanContributionAmount>
    </ns2:PRPPSlip>
  </ns2:Slips>
</ns2:EFileIndividualIncomeTaxDataItem>)";
        TiXmlDocument doc;
        doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
        QVERIFY(!doc.Error());
        TDDTaxDataOnePerson d(2024);
        QCOMPARE(d.parse(doc.RootElement()), 0);
        QCOMPARE(d.slipCount(), 2);

        Person x;
        QStringList imported;
        x.p.applyAutoFillData(d, Everything(), &imported);
        QCOMPARE(imported.mid(0, 2), (QStringList{"T2202 slip: Northern College", "PRPP slip"}));

        const auto *t = dynamic_cast<const TaxData_Slip_T2202 *>(x.p.slips().withKey(25).first()->object);
        QVERIFY(t);
        QCOMPARE(t->text(TaxData_Slip_T2202::F_SchoolType), QStringLiteral("1"));
        QCOMPARE(t->text(TaxData_Slip_T2202::F_FlyingSchool), QStringLiteral("0"));
        QCOMPARE(t->text(TaxData_Slip_T2202::F_ProgramName), QStringLiteral("Practical Nursing"));
        QCOMPARE(t->text(TaxData_Slip_T2202::F_StudentNumber), QStringLiteral("S-4471"));
        QCOMPARE(t->text(TaxData_Slip_T2202::F_AccountNumber), QStringLiteral("123456789RZ0001"));
        QCOMPARE(t->periodFrom(0), QStringLiteral("2024-01"));
        QCOMPARE(t->periodTo(0), QStringLiteral("2024-04"));
        QCOMPARE(t->periodFrom(1), QStringLiteral("2024-09"));
        QCOMPARE(t->periodTo(1), QStringLiteral("2024-12"));
        QCOMPARE(t->periodFrom(2), QString());
        QCOMPARE(t->fees(0), 3100.0);
        QCOMPARE(t->fullTimeMonths(0), 4.0);
        QCOMPARE(t->fees(1), 2950.5);
        QCOMPARE(t->partTimeMonths(1), 4.0);

        const CTaxData_Form *prpp = x.p.slips().withKey(22).first()->object;
        QCOMPARE(prpp->text(TaxData_Slip_PRPP::F_Version), QStringLiteral("Amended"));
        QCOMPARE(prpp->text(TaxData_Slip_PRPP::F_AccountNumber), QStringLiteral("PR-88"));
        QCOMPARE(prpp->amount(TaxData_Slip_PRPP::F_Box10), 1500.0);
        QCOMPARE(prpp->amount(TaxData_Slip_PRPP::F_Box12), 750.0);
    }

    // A slip holds four sessions: the closing message names those not copied.
    void sessionsBeyondTheFourthNamed()
    {
        QByteArray sessions;
        for (int month = 1; month <= 6; ++month)
            sessions += QStringLiteral("<TuitionSessionPeriod><FromPeriod>2024-%1</FromPeriod><ToPeriod>2024-%1</ToPeriod>"
                                       "<TuitionSessionEligibleFeesAmount>100.00</TuitionSessionEligibleFeesAmount>"
                                       "</TuitionSessionPeriod>")
                            .arg(month, 2, 10, QLatin1Char('0'))
                            .toLatin1();
        const QByteArray xml = "<EFileIndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>abc"
                               "</IndividualTaxpayerIdentifier><Slips><T2202Slip><TaxYear>2024</TaxYear>"
                               "<SchoolIssuerName>Northern College</SchoolIssuerName><TuitionSessionPeriods>"
                               + sessions + "</TuitionSessionPeriods></T2202Slip></Slips></EFileIndividualIncomeTaxDataItem>";
        TiXmlDocument doc;
        doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
        QVERIFY(!doc.Error());
        TDDTaxDataOnePerson d(2024);
        QCOMPARE(d.parse(doc.RootElement()), 0);
        Person x;
        QStringList imported;
        x.p.applyAutoFillData(d, Everything(), &imported);
        QCOMPARE(imported.mid(0, 2),
                 (QStringList{"T2202 slip: Northern College",
                              "T2202 slip: 2 tuition session(s) after the first 4 were not copied; enter them on the "
                              "slip yourself"}));
    }

    // Through the return file: the current person gets the data and the file is recalculated.
    void importThroughReturnFile()
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Ann"), QStringLiteral("Lee"), 5, false);
        TDDTaxDataOnePerson d(2024);
        d.addSlip(t4("40000"));
        DataAFR o;
        o.fld_iFillOption = 1;
        o.fld_bT4 = true;
        QCOMPARE(rf.importAutoFill(d, o), 0);
        QCOMPARE(rf.importAutoFill(d, o), 0);
        QCOMPARE(countSlips(*rf.self(), 1, true), 1);
        auto *ks = dynamic_cast<TaxData_T1KSNew *>(rf.self()->getForm(93, 0, false));
        QCOMPARE(ks->text(TaxData_T1KSNew::F_TaxYear), QStringLiteral("2024"));
    }

private:
    ScriptedMessages m_messages;
};

BQ_TEST_MAIN_CORE(TestAutoFillApply)
#include "tst_autofillapply.moc"
