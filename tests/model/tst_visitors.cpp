#include "bqtest.h"
#include "cenumtaxformobj.h"
#include "cenumtaxnoteobj.h"
#include "cenumtaxslipobj.h"
#include "cenumtaxwizardobj.h"
#include "cnetfilegenobj.h"
#include "csetcoupledflagobj.h"
#include "netfilegenobjparamstru.h"
#include "personfixture.h"

namespace {
// Records the protocol; stops at the entry numbered stopAt (1-based), 0 never.
class FormRecorder : public CEnumTaxFormObj
{
public:
    explicit FormRecorder(int stopAt) : m_stopAt(stopAt) {}
    bool OnEnumBegin(void *) override { calls << QStringLiteral("begin"); return true; }
    bool OnEnumItem(FormEntry *e, void *) override
    {
        ++count;
        calls << QString::number(e->type);
        return count != m_stopAt;
    }
    bool OnEnumEnd(void *) override { calls << QStringLiteral("end"); return false; }
    QStringList calls;

private:
    int m_stopAt;
};

class NoteStopper : public CEnumTaxNoteObj
{
public:
    bool OnEnumItem(NoteEntry *, void *) override { return ++count < 2; }
};

class WizardRefuser : public CEnumTaxWizardObj
{
public:
    bool OnEnumItem(WizardEntry *, void *) override
    {
        ++count;
        return false;
    }
};
} // namespace

class TestVisitors : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;

private slots:
    void initTestCase() { QVERIFY(m_fx.setUp()); }
    void cleanupTestCase() { m_fx.tearDown(); }

    void defaultsOnlyCount()
    {
        IndividualTaxData p(0, &m_fx.deps);
        for (int type : {3, 4, 12})
            p.addForm(type, 0, true, 0, false);
        p.addSlip(1, 0, 0);
        p.addSlip(8, 0, 0);
        p.addNote(1);
        p.addWizardData(1);
        p.addWizardData(2);
        CEnumTaxFormObj forms;
        CEnumTaxSlipObj slips;
        CEnumTaxNoteObj notes;
        CEnumTaxWizardObj wizard;
        QVERIFY(p.forEachForm(&forms, nullptr));
        QVERIFY(p.forEachSlip(&slips, nullptr));
        QVERIFY(p.forEachNote(&notes, nullptr));
        QVERIFY(p.forEachWizardData(&wizard, nullptr));
        QCOMPARE(forms.count, 3);
        QCOMPARE(slips.count, 2);
        QCOMPARE(notes.count, 1);
        QCOMPARE(wizard.count, 2);
        QVERIFY(p.forEachForm(&forms, nullptr));   // counts add up over walks
        QCOMPARE(forms.count, 6);
    }

    void earlyStop_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("never") << 0 << QStringList{"begin", "3", "4", "12", "35", "end"};
        QTest::newRow("third") << 3 << QStringList{"begin", "3", "4", "12", "end"};
        QTest::newRow("first") << 1 << QStringList{"begin", "3", "end"};
    }
    void earlyStop()
    {
        QFETCH(int, stopAt);
        QFETCH(QStringList, calls);
        IndividualTaxData p(0, &m_fx.deps);
        for (int type : {3, 4, 12, 35})
            p.addForm(type, 0, true, 0, false);
        FormRecorder v(stopAt);
        QCOMPARE(p.forEachForm(&v, nullptr), stopAt == 0);
        QCOMPARE(v.calls, calls);
    }

    void emptyListsStillBeginAndEnd()
    {
        IndividualTaxData p(0, &m_fx.deps);
        FormRecorder v(0);
        QVERIFY(p.forEachForm(&v, nullptr));
        QCOMPARE(v.calls, (QStringList{"begin", "end"}));
    }

    void notesStopWizardsDoNot()
    {
        IndividualTaxData p(0, &m_fx.deps);
        for (int id : {1, 2, 3})
            p.addNote(id);
        for (int type : {1, 2, 3})
            p.addWizardData(type);
        NoteStopper notes;
        QVERIFY(!p.forEachNote(&notes, nullptr));
        QCOMPARE(notes.count, 2);
        WizardRefuser wizard;
        QVERIFY(!p.forEachWizardData(&wizard, nullptr));
        QCOMPARE(wizard.count, 3);
    }

    void setCoupledFlag()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.setCoupled(true);
        for (int type : {3, 4, 12})
            p.addForm(type, 0, true, 0, false);
        CSetCoupledFlagObj v;
        bool coupled = false;
        p.forEachForm(&v, &coupled);
        QCOMPARE(v.count, 3);
        for (const FormEntry *e : p.forms())
            QVERIFY(!e->object->isCoupledReturn());
        coupled = true;
        p.forEachForm(&v, &coupled);
        for (const FormEntry *e : p.forms())
            QVERIFY(e->object->isCoupledReturn());
    }

    void netfileRecords()
    {
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        // made by the test plug-in, which counts the forms asked to write records
        for (int type : {19, 22, 33, 109, 24, 25})
            QVERIFY(p.addForm(type, 0, true, 0, false));
        for (int type : {12, 125, 35, 3, 35})
            QVERIFY(p.addForm(type, 0, true, 0, false));
        CString text;
        int counter = 0;
        NetfileGenObjParamStru param;
        param.recordText = &text;
        param.counter = &counter;
        CNetfileGenObj v;
        const int before = m_fx.pluginCounter("tstNetfileCalls");
        QVERIFY(p.forEachForm(&v, &param));
        QCOMPARE(v.count, 11);
        QCOMPARE(m_fx.pluginCounter("tstNetfileCalls") - before, 2);   // 24 and 25 only
        QCOMPARE(counter, 2);
    }
};

BQ_TEST_MAIN_CORE(TestVisitors)
#include "tst_visitors.moc"
