// The return file of a person or a couple: persons, coupling, sharing, texts,
// the forwarders and the checks before filing.
#include "bqtest.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "importprioryearoptions.h"
#include "messages.h"
#include "returnfilefixture.h"
#include "taxdata_t1032_new.h"
#include "taxdata_slip_t5.h"

using namespace returnfixture;

namespace {

class Combo : public CReturnFile::PersonCombo
{
public:
    void clear() override { items.clear(); current = -1; }
    void addItem(const QString &text, int data) override { items.append({text, data}); }
    void setCurrentIndex(int index) override { current = index; }
    QList<QPair<QString, int>> items;
    int current = -1;
};

void setBalance(IndividualTaxData *p, double balance)
{
    p->t1()->setAmount(TaxData_T1New::F_NetBalance, balance);
    p->t1()->setAmount(balance > 0 ? TaxData_T1New::F_48500 : TaxData_T1New::F_48400, balance > 0 ? balance : -balance);
}

// A couple living in Ontario, both with a T1.
void makeCouple(CReturnFile &rf)
{
    newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, true);
    newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
}

} // namespace

class TestReturnFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_messages.clear();
        setMessageHandler(&m_messages);
    }
    void cleanup() { setMessageHandler(nullptr); }

    void currentPerson_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("result");
        QTest::newRow("12 refused") << 12 << -1;
        QTest::newRow("-3 refused") << -3 << -1;
        QTest::newRow("11 accepted") << 11 << 11;
        QTest::newRow("self") << -2 << -2;
    }
    void currentPerson()
    {
        QFETCH(int, index);
        QFETCH(int, result);
        CReturnFile rf;
        QCOMPARE(rf.currentPersonIndex(), -2);
        QCOMPARE(rf.setCurrentPerson(-1), -1);
        QCOMPARE(rf.currentPerson(), rf.spouse());
        QCOMPARE(rf.otherPerson(), rf.self());
        QCOMPARE(rf.setCurrentPerson(index), result);
        QCOMPARE(rf.currentPersonIndex(), result);
        if (result >= 0) {
            QVERIFY(!rf.currentPerson());
            QVERIFY(!rf.otherPerson());
            QCOMPARE(rf.formCount(0), 0);
        }
        rf.clear();
        QCOMPARE(rf.currentPersonIndex(), -2);
    }

    void isCoupled_data()
    {
        QTest::addColumn<QList<int>>("selfForms");
        QTest::addColumn<QList<int>>("spouseForms");
        QTest::addColumn<bool>("coupled");
        QTest::newRow("both T1") << QList<int>{1} << QList<int>{1} << true;
        QTest::newRow("spouse without T1") << QList<int>{1} << QList<int>{} << false;
        QTest::newRow("self without T1, spouse 161") << QList<int>{} << QList<int>{161} << true;
        QTest::newRow("self without T1, spouse T1 only") << QList<int>{} << QList<int>{1} << false;
        QTest::newRow("self T1, spouse 161 only") << QList<int>{1} << QList<int>{161} << false;
    }
    void isCoupled()
    {
        QFETCH(QList<int>, selfForms);
        QFETCH(QList<int>, spouseForms);
        QFETCH(bool, coupled);
        CReturnFile rf;
        // form 161 comes from the province's plug-in
        for (IndividualTaxData *p : {rf.self(), rf.spouse()}) {
            p->storeReadProvince(9);
            QVERIFY(p->loadProvincePlugin());
        }
        for (int t : selfForms)
            QVERIFY(rf.self()->addForm(t, 0, true, 0, false));
        for (int t : spouseForms)
            QVERIFY(rf.spouse()->addForm(t, 0, true, 0, false));
        QCOMPARE(rf.isCoupled(), coupled);
    }

    void coupleWith_data()
    {
        QTest::addColumn<int>("selfStatus");
        QTest::addColumn<int>("otherStatus");
        QTest::addColumn<int>("selfAfter");
        QTest::addColumn<int>("spouseAfter");
        QTest::newRow("3 and 1") << 3 << 1 << 1 << 1;
        QTest::newRow("3 and 4") << 3 << 4 << 0 << 0;
        QTest::newRow("1 and 5") << 1 << 5 << 1 << 1;
    }
    void coupleWith()
    {
        QFETCH(int, selfStatus);
        QFETCH(int, otherStatus);
        QFETCH(int, selfAfter);
        QFETCH(int, spouseAfter);
        CReturnFile rf, other;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), selfStatus, false);
        newPerson(*other.self(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), otherStatus, false);
        QCOMPARE(rf.coupleWith(other), 1);
        QVERIFY(rf.isCoupled());
        QVERIFY(rf.self()->isCoupled() && rf.spouse()->isCoupled());
        QCOMPARE(rf.self()->maritalStatus(), selfAfter);
        QCOMPARE(rf.spouse()->maritalStatus(), spouseAfter);
        QCOMPARE(rf.spouse()->firstName(), QStringLiteral("Ben"));
        QCOMPARE(rf.fileBaseName(), QStringLiteral("Anne_Roy_Ben_Roy"));
    }

    void balances_data()
    {
        QTest::addColumn<bool>("coupled");
        QTest::addColumn<double>("selfBalance");
        QTest::addColumn<double>("spouseBalance");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("single refund of 0") << false << 0.0 << 0.0
                                            << QStringList{"Anne [Refund: 0.00]", "", ""};
        QTest::newRow("single balance due") << false << 12.5 << 0.0
                                            << QStringList{"Anne [Bal. Due: 12.50]", "", ""};
        QTest::newRow("couple") << true << 100.0 << -250.25
                                << QStringList{"Anne [Bal. Due: 100.00]", "Ben [Refund: 250.25]",
                                               "Family [Refund: 150.25]"};
    }
    void balances()
    {
        QFETCH(bool, coupled);
        QFETCH(double, selfBalance);
        QFETCH(double, spouseBalance);
        QFETCH(QStringList, texts);
        CReturnFile rf;
        if (coupled)
            makeCouple(rf);
        else
            newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 5, false);
        setBalance(rf.self(), selfBalance);
        if (coupled)
            setBalance(rf.spouse(), spouseBalance);
        QString a, b, c;
        rf.balanceSummaries(a, b, c);
        QCOMPARE(QStringList({a, b, c}), texts);
        double x = -1, y = -1, z = -1;
        rf.getBalances(x, y, z);
        QCOMPARE(x, selfBalance);
        QCOMPARE(y, coupled ? spouseBalance : 0.0);
        QCOMPARE(z, coupled ? selfBalance + spouseBalance : selfBalance);
        rf.titleText(a = QString());
        QCOMPARE(a, coupled ? QStringLiteral("Anne Roy: (not filed/unknown)  Ben Roy: (not filed/unknown)  ")
                            : QStringLiteral("Anne Roy: (not filed/unknown)  "));
    }

    void texts()
    {
        CReturnFile rf;
        QCOMPARE(rf.statusText(), QStringLiteral("No tax return is opened."));
        makeCouple(rf);
        rf.self()->t1()->setAmount(TaxData_T1New::F_15000, 1000);
        rf.spouse()->t1()->setAmount(TaxData_T1New::F_15000, 500.5);
        setBalance(rf.self(), -10);
        setBalance(rf.spouse(), -5);
        QCOMPARE(rf.statusText(),
                 QStringLiteral("[Total Income]=1500.50 [Net Income]=0.00 [Taxable Income]=0.00 [Refund]=15.00"));
        rf.spouse()->t1()->setFilingStatus(1);
        rf.self()->t1()->setFilingStatus(2);
        QString title;
        rf.titleText(title);
        QCOMPARE(title, QStringLiteral("Anne Roy: (amended)  "));
        QString selfName, spouseName;
        rf.getFullNames(selfName, spouseName);
        QCOMPARE(selfName + '|' + spouseName, QStringLiteral("Anne Roy|Ben Roy"));
        QVERIFY(!rf.hasPassword());
        rf.self()->setPassword(QStringLiteral("x"));
        QVERIFY(rf.hasPassword());
    }

    void personCombo()
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QString(), QString(), 5, false);
        Combo combo;
        QCOMPARE(rf.fillPersonCombo(combo, true), 1);
        QCOMPARE(combo.items.value(0), qMakePair(QStringLiteral("(self)"), -2));
        QCOMPARE(rf.currentPersonIndex(), -2);
        newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
        QCOMPARE(rf.fillPersonCombo(combo, true), 2);
        QCOMPARE(combo.items.value(1), qMakePair(QStringLiteral("Ben Roy"), -1));
        QCOMPARE(combo.current, 1);
        QCOMPARE(rf.currentPersonIndex(), -1);
    }

    void shareForms()
    {
        CReturnFile rf;
        // nothing is shared in a single return
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, false);
        FormEntry *rental = rf.self()->addForm(12, 0, true, 0, false);
        rf.shareFormWithSpouse(rental->object);
        QCOMPARE(rental->linkedId, 0);

        newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
        // a form that is not sharable, and an entry without an id, change nothing
        FormEntry *sch3 = rf.self()->findFormEntry(4, 0, true);
        rf.shareFormWithSpouse(sch3->object);
        QCOMPARE(sch3->linkedId, 0);
        QVERIFY(!rf.spouse()->hasForm(4));
        const int id = rental->id;
        rental->id = 0;
        rf.shareFormWithSpouse(rental->object);
        QCOMPARE(rf.spouse()->countForms(12), 0);
        rental->id = id;

        // a statement of its own: the partner gets a copy linked both ways
        rf.shareFormWithSpouse(rental->object);
        QCOMPARE(rf.spouse()->countForms(12), 1);
        FormEntry *copy = rf.spouse()->forms().firstWithKey(12);
        QCOMPARE(copy->linkedId, rental->id);
        QCOMPARE(rental->linkedId, copy->id);
        QVERIFY(rf.isFormShared(rental->object));

        // un-sharing finds the partner's copy by the link, never another of the type
        FormEntry *second = rf.spouse()->addForm(12, 0, true, 777, false);
        rf.unshareForm(rental->object);
        QCOMPARE(rental->linkedId, 0);
        QCOMPARE(copy->linkedId, 0);
        QCOMPARE(second->linkedId, 777);
        QVERIFY(!rf.isFormShared(rental->object));

        // with a linked id: the partner's form of that id
        rf.shareFormWithSpouse(rental->object, second->id);
        QCOMPARE(rental->linkedId, second->id);
        QCOMPARE(second->linkedId, rental->id);

        // a partner without the linked copy gets no form made
        rf.spouse()->removeForm(second->object, true, false);
        rf.spouse()->removeForm(copy->object, true, false);
        rf.unshareForm(rental->object);
        QCOMPARE(rental->linkedId, 0);
        QCOMPARE(rf.spouse()->countForms(12), 0);
    }

    void shareSlips()
    {
        CReturnFile rf;
        makeCouple(rf);
        FormEntry *t5 = rf.self()->addSlip(8, 0, 0);
        FormEntry *t4 = rf.self()->addSlip(1, 0, 0);
        rf.shareSlipWithSpouse(t4->object);
        QCOMPARE(rf.spouse()->slips().count(), 0);
        rf.shareSlipWithSpouse(t5->object);
        QCOMPARE(rf.spouse()->slips().count(), 1);
        FormEntry *copy = rf.spouse()->slips().at(0);
        QCOMPARE(copy->linkedId, t5->id);
        QCOMPARE(t5->linkedId, copy->id);
        QVERIFY(rf.isSlipShared(t5->object));
        FormEntry *other = rf.spouse()->addSlip(8, 0, 55);
        // the copy nobody filled in goes with the sharing: no empty T5 is left behind
        rf.unshareSlip(t5->object);
        QCOMPARE(t5->linkedId, 0);
        QCOMPARE(rf.spouse()->slips().count(), 1);
        QCOMPARE(rf.spouse()->slips().at(0), other);
        QCOMPARE(other->linkedId, 55);
        rf.shareSlipWithSpouse(t5->object, other->id);
        QCOMPARE(t5->linkedId, other->id);
        QCOMPARE(other->linkedId, t5->id);
        // a partner's slip with values of its own stays, unlinked
        other->object->setAmount(TaxData_Slip_T5::F_Box13, 412.5);
        rf.unshareSlip(t5->object);
        QCOMPARE(t5->linkedId, 0);
        QCOMPARE(rf.spouse()->slips().count(), 1);
        QCOMPARE(other->linkedId, 0);
        QCOMPARE(other->object->amount(TaxData_Slip_T5::F_Box13), 412.5);
        // from the copy's side: the copy is that person's own and stays; the original keeps its values
        t5->object->setAmount(TaxData_Slip_T5::F_Box13, 100.0);
        rf.shareSlipWithSpouse(t5->object);
        QCOMPARE(rf.spouse()->slips().count(), 2);
        QCOMPARE(rf.setCurrentPerson(-1), -1);
        FormEntry *fresh = rf.spouse()->slips().at(1);
        rf.unshareSlip(fresh->object);
        QCOMPARE(fresh->linkedId, 0);
        QCOMPARE(t5->linkedId, 0);
        QCOMPARE(rf.spouse()->slips().count(), 2);
        QCOMPARE(rf.self()->slips().count(), 2);
    }

    // Sharing a filled-in T5 gives the partner its boxes and the rest of the
    // share; an edit of the original reaches the copy and leaves its share.
    void sharedSlipCopiesBoxes_data()
    {
        QTest::addColumn<double>("ownShare");
        QTest::addColumn<double>("partnerShare");
        QTest::newRow("whole slip") << 100.0 << 0.0;
        QTest::newRow("joint account") << 60.0 << 40.0;
    }
    void sharedSlipCopiesBoxes()
    {
        QFETCH(double, ownShare);
        QFETCH(double, partnerShare);
        CReturnFile rf;
        makeCouple(rf);
        rf.setCurrentPerson(CReturnFile::kSpouse);
        FormEntry *t5 = rf.spouse()->addSlip(8, 0, 0);
        t5->object->setText(TaxData_Slip_T5::F_Payer, QStringLiteral("Bank"));
        t5->object->setAmount(TaxData_Slip_T5::F_Box13, 5000);
        t5->object->setAmount(TaxData_Slip_T5::F_SharePercent, ownShare);
        rf.shareSlipWithSpouse(t5->object);
        QCOMPARE(rf.self()->slips().count(), 1);
        CTaxData_Form *copy = rf.self()->slips().at(0)->object;
        QCOMPARE(copy->text(TaxData_Slip_T5::F_Payer), QStringLiteral("Bank"));
        QCOMPARE(copy->amount(TaxData_Slip_T5::F_Box13), 5000.0);
        QCOMPARE(copy->amount(TaxData_Slip_T5::F_SharePercent), partnerShare);
        QCOMPARE(copy->isShared(), partnerShare < 100);

        t5->object->setAmount(TaxData_Slip_T5::F_Box13, 6000);
        rf.recalculate(1, t5->object);
        QCOMPARE(copy->amount(TaxData_Slip_T5::F_Box13), 6000.0);
        QCOMPARE(copy->amount(TaxData_Slip_T5::F_SharePercent), partnerShare);
        QCOMPARE(t5->object->amount(TaxData_Slip_T5::F_SharePercent), ownShare);
        QCOMPARE(copy->amount(TaxData_Slip_T5::F_Calc13), 6000.0 * partnerShare / 100);
    }

    void pensionSplitOnBothSides_data()
    {
        QTest::addColumn<bool>("coupled");
        QTest::newRow("couple") << true;
        QTest::newRow("single") << false;
    }
    void pensionSplitOnBothSides()
    {
        QFETCH(bool, coupled);
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 0, coupled);
        if (coupled)
            newPerson(*rf.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
        QVERIFY(rf.addForm(118, 0, true, 0, true));
        QCOMPARE(rf.spouse()->hasForm(118), coupled);
        QVERIFY(rf.setValue(10321, false, 321.5));
        auto amount = [](IndividualTaxData *p) {
            CTaxData_Form *f = p->getForm(118, 0, false);
            return f ? f->amount(TaxData_T1032_New::F_SplitAmount) : -1.0;
        };
        QCOMPARE(amount(rf.self()), 321.5);
        QCOMPARE(amount(rf.spouse()), coupled ? 321.5 : -1.0);
    }

    void copiesAndChanges()
    {
        CReturnFile rf;
        makeCouple(rf);
        fillPerson(*rf.self(), 10, 3, 1, 7);
        rf.dependants().AllocData(12);
        rf.setCurrentPerson(-1);
        CReturnFile saved;
        saved.assign(rf);
        QCOMPARE(saved.currentPersonIndex(), -1);
        QVERIFY(!saved.differsFrom(rf));
        // an edited dependant is a change worth saving
        rf.dependants().at(4).firstName = QStringLiteral("Mia");
        QVERIFY(rf.differsFrom(saved));
        saved.assign(rf);
        QVERIFY(!saved.differsFrom(rf));
        fillObject(rf.self()->slips().at(0)->object, 999);
        QVERIFY(rf.differsFrom(saved));
        QVERIFY(saved.matches(rf));
        QVERIFY(!saved.differsFrom(rf));
        rf.self()->addNote(900);
        QVERIFY(!saved.matches(rf));
    }

    void newReturnData()
    {
        DataNewReturnBasic data;
        data.fld_FirstName.setValue(CString(QStringLiteral("Anne")));
        data.fld_LastName.setValue(CString(QStringLiteral("Roy")));
        data.fld_TaxPronv.setValue(9);
        data.fld_TaxPronvSpouse.setValue(9);
        data.fld_MaritalStatus.setValue(1);
        data.fld_FirstNameSpouse.setValue(CString(QStringLiteral("Ben")));
        data.fld_LastNameSpouse.setValue(CString(QStringLiteral("Roy")));
        data.fld_Coupled.setValue(true);
        data.fld_bSch7.setValue(true);
        data.fld_bT776.setValue(true);
        data.fld_bT1DD.setValue(true);
        CReturnFile rf;
        QCOMPARE(rf.applyNewReturnData(data), 0);
        QVERIFY(rf.isCoupled());
        QVERIFY(rf.self()->hasForm(7) && rf.self()->hasForm(12) && rf.self()->hasForm(52) && rf.self()->hasForm(3));
        QVERIFY(rf.spouse()->hasForm(7) && rf.spouse()->hasForm(12) && !rf.spouse()->hasForm(52));
        QVERIFY(rf.spouse()->hasForm(3));
        QCOMPARE(rf.spouse()->firstName(), QStringLiteral("Ben"));
        QCOMPARE(rf.spouse()->spouseFirstName(), QStringLiteral("Anne"));
        QCOMPARE(rf.self()->province(), 9);
        QCOMPARE(rf.dependants().count(), 12);
    }

    void importMakesCouple()
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 3, false);
        rf.self()->t1()->setSpouseFirstName(QStringLiteral("Partner"));
        rf.self()->t1()->setSpouseSin(QStringLiteral("193456787"));
        ImportPriorYearOptions options;
        options.keepNotes = true;
        options.makeCoupled = true;
        rf.importPriorYear(options);
        QVERIFY(rf.isCoupled());
        QCOMPARE(rf.self()->maritalStatus(), 0);
        QVERIFY(rf.self()->isCoupled() && rf.spouse()->isCoupled());
        QCOMPARE(rf.spouse()->province(), 9);
        QCOMPARE(rf.spouse()->firstName(), QStringLiteral("Partner"));
        QCOMPARE(rf.spouse()->sin(), QStringLiteral("193456787"));
        QCOMPARE(rf.spouse()->lastName(), QString());
        QCOMPARE(rf.spouse()->spouseFirstName(), QStringLiteral("Anne"));
        QCOMPARE(rf.spouse()->spouseDateOfBirth(), QDate(1980, 5, 17));
    }

    void availableForms()
    {
        QList<int> types;
        listAvailableForms({9}, types);
        QVERIFY(!types.contains(1) && !types.contains(93) && !types.contains(10));
        for (int i = 0; i < SFD_Forms_Num; ++i)
            QVERIFY(types.contains(SFD_Forms_Info[i]));
        const ProvinceForms &on = Province_Forms_Info[9];
        for (int i = 0; i < on.count; ++i)
            if (on.rows[i].mustHave == 0)
                QVERIFY(types.contains(on.rows[i].type));
    }

    void confirmations()
    {
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 5, false);
        rf.getForm(119, 0, true);   // Schedule 6 held: no suggestion
        m_messages.scriptAnswer(MsgButton::No);
        QVERIFY(!rf.confirmBeforeFiling(1, false));
        QCOMPARE(m_messages.shown().size(), 1);
        m_messages.clear();
        QVERIFY(rf.confirmBeforeFiling(1, true));
        QVERIFY(m_messages.shown().isEmpty());
        // an infirm child of a single parent who claims nothing at 30500
        rf.dependants().AllocData(12);
        rf.dependants().at(0).relation = DependantInfo::Child;
        rf.dependants().at(0).birthDate = QDate(2015, 1, 1);
        rf.dependants().at(0).infirm = true;
        m_messages.scriptAnswer(MsgButton::No);
        QVERIFY(!rf.confirmBeforeFiling(1, true));
        QVERIFY(m_messages.texts().value(0).contains(QStringLiteral("infirm children under age 18")));
    }

private:
    ScriptedMessages m_messages;
};

BQ_TEST_MAIN_CORE(TestReturnFile)
#include "tst_returnfile.moc"
