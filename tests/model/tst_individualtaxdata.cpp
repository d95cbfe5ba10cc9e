#include "bqtest.h"
#include "filingdocservices.h"
#include "mydatastream.h"
#include "personfixture.h"
#include "taxdata_t1mnew.h"
#include "taxdata_t1new.h"
#include "taxdata_taxnote.h"
#include <QBuffer>

class TestIndividualTaxData : public QObject
{
    Q_OBJECT
    PersonFixture m_fx;

    // One form record as the file holds it after its header: the object's data.
    static QByteArray objectData(CTaxData_Form &object)
    {
        QByteArray bytes;
        MyDataStream out(&bytes, true);
        object.serialise(IndividualTaxData::kCurrentFileVersion, CString(IndividualTaxData::kMarkerText), out);
        return bytes;
    }

    // Reads one form record of the type into the person.
    int readForm(IndividualTaxData &p, IndividualTaxData::ReadContext &ctx, int type, int id, double amount = 0)
    {
        IndividualTaxData scratch(0, nullptr);
        scratch.storeReadProvince(9);
        if (!scratch.loadProvincePlugin())
            return -3;
        FormEntry *source = scratch.addForm(type, 1, false, 0, false);
        if (!source)
            return -2;
        source->object->setValueByKey(QStringLiteral("Amount"), QString::number(amount));
        QByteArray bytes = objectData(*source->object);
        scratch.removeForm(source->object, false, false);
        delete source;
        MyDataStream in(&bytes, false);
        return p.readFormRecord(ctx, type, id, 0, in);
    }

    static QList<int> types(const IndividualTaxData &p)
    {
        QList<int> t;
        for (const FormEntry *e : p.forms())
            t << e->type;
        return t;
    }

private slots:
    void initTestCase() { QVERIFY(m_fx.setUp()); }
    void cleanupTestCase() { m_fx.tearDown(); }

    void newPersonFields()
    {
        IndividualTaxData p(0, &m_fx.deps);
        QCOMPARE(p.province(), 0);
        QCOMPARE(p.fileVersion(), 66098);
        QCOMPARE(p.taxYear(), 0);
        QCOMPARE(p.reservedWord(), -100);
        QCOMPARE(p.entryIdCounter(), 100);
        QCOMPARE(p.movingAmountCarried(), 0.0);
        QVERIFY(!p.isCoupled());
        QCOMPARE(p.dependants(), &m_fx.deps);
    }

    void entryIdsFromTheCounter()
    {
        IndividualTaxData p(0, &m_fx.deps);
        QCOMPARE(p.addForm(3, 0, true, 0, false)->id, 100);
        QCOMPARE(p.addSlip(1, -1, 0)->id, 101);
        QCOMPARE(p.addForm(12, 250, true, 0, false)->id, 250);   // kept, counter not moved
        QCOMPARE(p.addForm(12, 0, true, 0, false)->id, 102);
        QCOMPARE(p.addNote(7)->id, 7);                           // notes take the caller's id
        QCOMPARE(p.entryIdCounter(), 103);
    }

    void findFormEntryById_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("found");   // id of the entry found, 0 for none
        QTest::newRow("one entry, other id") << QList<int>{3} << 3;
        QTest::newRow("two entries, neither") << QList<int>{3, 5} << 0;
        QTest::newRow("two entries, one matches") << QList<int>{3, 7} << 7;
    }
    void findFormEntryById()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, found);
        IndividualTaxData p(0, &m_fx.deps);
        for (int id : ids)
            QVERIFY(p.addForm(12, id, true, 0, false));
        FormEntry *e = p.findFormEntry(12, 7, false);
        QCOMPARE(e ? e->id : 0, found);
        QCOMPARE(p.forms().count(), ids.size());
        QCOMPARE(p.getForm(12, 7, false), e ? e->object : nullptr);
    }

    void findWithCreateAppendsPrefilledForm()
    {
        IndividualTaxData p(0, &m_fx.deps);
        auto *t1 = static_cast<TaxData_T1New *>(p.addForm(1, 0, true, 0, false)->object);
        t1->setFirstName(QStringLiteral("Anne"));
        t1->setLastName(QStringLiteral("Roy"));
        p.addForm(3, 0, true, 0, false);
        FormEntry *e = p.findFormEntry(12, 0, true);
        QVERIFY(e);
        QCOMPARE(p.forms().items().last(), e);
        QCOMPARE(e->object->valueByKey(QStringLiteral("OwnerName")), QStringLiteral("Anne Roy"));
        QCOMPARE(p.findFormEntry(12, 0, false), e);
        QVERIFY(!p.findFormEntry(4, 0, false));
        QCOMPARE(p.forms().count(), 3);
    }

    void refusedAndUnknownTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("177") << 177;
        QTest::newRow("178") << 178;
    }
    void refusedAndUnknownTypes()
    {
        QFETCH(int, type);
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);   // the plug-in would make any type
        QVERIFY(!p.addForm(type, 0, true, 0, false));
        QVERIFY(!p.findFormEntry(type, 0, true));
        QCOMPARE(p.forms().count(), 0);
        QCOMPARE(p.entryIdCounter(), 101);   // findFormEntry drew an id before addForm refused
    }

    void provincialFormsAndWithoutPlugin()
    {
        IndividualTaxData none(0, &m_fx.deps);
        QVERIFY(!none.addForm(24, 0, true, 0, false));   // no plug-in loaded
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        FormEntry *e = p.addForm(24, 0, true, 0, false);
        QVERIFY(e && e->object);
        QVERIFY(p.hasForm(24));
    }

    void countsAndCollections()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.addForm(35, 0, true, 0, false);
        p.addForm(3, 0, true, 0, false);
        p.addForm(35, 0, true, 0, false);
        FormEntry *notInserted = p.addForm(35, 0, false, 0, false);
        QCOMPARE(p.countForms(35), 2);
        QCOMPARE(p.formCount(35), 2);
        QCOMPARE(p.formCount(0), 3);
        QList<FormEntry *> list;
        p.collectForms(35, list);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.first()->id, 100);
        QList<CTaxData_Form *> credits;
        QCOMPARE(p.collectForeignTaxCreditForms(credits), 0);
        QCOMPARE(credits.size(), 2);
        p.removeForm(notInserted->object, false, false);   // only the object goes
        delete notInserted;
        QCOMPARE(p.formCount(0), 3);
    }

    void linkedIdsOfFormsAndSlips()
    {
        IndividualTaxData p(0, &m_fx.deps);
        FormEntry *f = p.addForm(12, 0, true, 0, false);
        FormEntry *s = p.addSlip(8, 0, 0);
        QVERIFY(p.setFormLinkedId(f->object, 12));
        QVERIFY(p.setSlipLinkedId(s->object, 44));
        QCOMPARE(p.formLinkedId(f->object), 12);
        QCOMPARE(p.formEntryId(f->object), f->id);
        QCOMPARE(p.slipLinkedId(s->object), 44);
        QCOMPARE(p.slipEntryId(s->object), s->id);
        QVERIFY(!p.setFormLinkedId(s->object, 1));   // a slip is not a form
        QCOMPARE(p.formEntryId(s->object), 0);
        QCOMPARE(p.slipLinkedId(nullptr), 0);
    }

    void equalsIgnoresOrderNotCount()
    {
        IndividualTaxData a(0, &m_fx.deps), b(0, &m_fx.deps);
        a.addForm(3, 0, true, 0, false);
        a.addForm(12, 104, true, 0, false);
        b.addForm(12, 104, true, 0, false);
        b.addForm(3, 0, true, 0, false);
        QVERIFY(a.equals(b));
        QVERIFY(b.equals(a));

        b.addForm(12, 105, true, 0, false);
        a.addForm(3, 0, true, 0, false);   // same count, other quantities
        QVERIFY(!a.equals(b));
        QVERIFY(a.differs(b));
    }

    void equalsComparesDataAndIds()
    {
        IndividualTaxData a(0, &m_fx.deps), b(0, &m_fx.deps);
        FormEntry *fa = a.addForm(12, 104, true, 0, false);
        FormEntry *fb = b.addForm(12, 104, true, 0, false);
        a.addSlip(1, 110, 0);
        b.addSlip(1, 110, 0);
        a.addNote(5);
        b.addNote(5);
        QVERIFY(a.equals(b));
        fb->object->setValueByKey(QStringLiteral("GrossRents"), QStringLiteral("12"));
        QVERIFY(!a.equals(b));
        fa->object->copyAll(*fb->object);
        QVERIFY(a.equals(b));
        fb->id = 106;   // a multiple-instance form is matched by id
        QVERIFY(!a.equals(b));
        fb->id = 104;
        b.findNote(5, false)->setTitle(QStringLiteral("x"));
        QVERIFY(!a.equals(b));
        b.findNote(5, false)->setTitle(QString());
        b.addWizardData(1);   // wizard data takes no part
        QVERIFY(a.equals(b));
    }

    void displayName_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("linkedId");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<QString>("name");
        QTest::newRow("shared single") << 3 << 12 << QString() << true << QStringLiteral("S-Schedule 2");
        QTest::newRow("shared multiple") << 109 << 12 << QStringLiteral("Farm é") << true
                                         << QStringLiteral("S-T1273 - Farm é (104)");
        QTest::newRow("shared multiple, no description") << 109 << 12 << QString() << true
                                                         << QStringLiteral("S-T1273");
        QTest::newRow("not shared") << 109 << 0 << QStringLiteral("Farm") << true
                                    << QStringLiteral("old:T1273 - Farm (104)");
        QTest::newRow("prefix not wanted") << 3 << 12 << QString() << false << QStringLiteral("old:Schedule 2");
    }
    void displayName()
    {
        QFETCH(int, type);
        QFETCH(int, linkedId);
        QFETCH(QString, description);
        QFETCH(bool, prefix);
        QFETCH(QString, name);
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        FormEntry *e = p.addForm(type, 104, true, linkedId, false);
        QVERIFY(e);
        e->object->setValueByKey(QStringLiteral("Description"), description);
        CString text("old:");
        p.formDisplayName(prefix, e, text);
        QCOMPARE(QString(text), name);
    }

    void removeFormWithPartner()
    {
        IndividualTaxData p(0, &m_fx.deps), spouse(0, &m_fx.deps);
        m_fx.inOntario(p);
        FormEntry *on428 = p.addForm(24, 0, true, 0, false);
        FormEntry *on479 = p.addForm(25, 0, true, 0, false);
        FormEntry *t776 = p.addForm(12, 0, true, 0, false);
        FormEntry *copy = spouse.addForm(12, 0, true, t776->id, false);   // the partner's linked copy
        p.setFormLinkedId(t776->object, copy->id);
        QCOMPARE(p.partnerForm(on428->object), on479->object);
        QVERIFY(!p.partnerForm(on479->object));
        QCOMPARE(p.prerequisiteForm(24), 25);

        const int released = m_fx.pluginCounter("tstReleasedCount");
        p.removeForm(on428->object, true, true);
        QCOMPARE(types(p), QList<int>{12});
        QCOMPARE(m_fx.pluginCounter("tstReleasedCount"), released + 2);   // the plug-in deleted both

        p.removeForm(t776->object, true, true);
        QCOMPARE(p.forms().count(), 0);
        QCOMPARE(spouse.forms().count(), 1);   // the other person's copy stays
        QCOMPARE(spouse.forms().at(0)->linkedId, 100 + 2);

        IndividualTaxData other(0, &m_fx.deps);
        FormEntry *foreign = other.addForm(3, 0, true, 0, false);
        p.removeForm(foreign->object, true, false);   // held by no entry of p: nothing happens
        QCOMPARE(other.forms().count(), 1);
    }

    void slipsAndNotes()
    {
        IndividualTaxData p(0, &m_fx.deps);
        QVERIFY(!p.addSlip(12, 0, 0));
        QVERIFY(!p.addSlip(19, 0, 0));
        QVERIFY(!p.findSlip(8, 300, false));
        CTaxData_Form *t5 = p.findSlip(8, 300, true);
        QVERIFY(t5);
        QCOMPARE(p.findSlip(8, 300, false), t5);
        QCOMPARE(p.slipEntryId(t5), 300);
        QVERIFY(!p.hasSharedSlip());
        p.removeSlip(t5);
        QCOMPARE(p.slips().count(), 0);

        TaxData_TaxNote *n = p.findNote(9, true);
        QVERIFY(n);
        QCOMPARE(p.findNote(9, false), n);
        p.removeNote(n);
        QVERIFY(!p.findNote(9, false));
    }

    void wizardData()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.setCoupled(true);
        for (int type = 1; type <= 5; ++type) {
            WizardEntry *e = p.addWizardData(type);
            QVERIFY(e && e->object);
            QVERIFY(e->object->isCoupledReturn());
        }
        QVERIFY(!p.addWizardData(6));   // no plug-in
        QVERIFY(!p.addWizardData(7));
        m_fx.inOntario(p);
        QVERIFY(p.findWizardData(6, true));
        QCOMPARE(p.findWizardData(3, true), p.wizardData().at(2)->object);
        QCOMPARE(p.wizardData().count(), 6);
        p.clear();   // the plug-in releases its record
        QCOMPARE(p.wizardData().count(), 0);
    }

    void clearReleasesProvincialFormsThroughThePlugin()
    {
        IndividualTaxData p(0, &m_fx.deps);
        m_fx.inOntario(p);
        p.addForm(24, 0, true, 0, false);
        p.addForm(3, 0, true, 0, false);
        p.addSlip(1, 0, 0);
        p.addNote(1);
        const int released = m_fx.pluginCounter("tstReleasedCount");
        p.clear();
        QCOMPARE(m_fx.pluginCounter("tstReleasedCount"), released + 1);
        QCOMPARE(p.forms().count() + p.slips().count() + p.notes().count(), 0);
        QList<int> loaded;
        p.provinceManager().listLoadedProvinces(loaded);
        QVERIFY(loaded.isEmpty());
    }

    void deepCopy()
    {
        IndividualTaxData a(0, &m_fx.deps), b(0, &m_fx.deps);
        m_fx.inOntario(a);
        a.addForm(24, 0, true, 0, false);
        FormEntry *t776 = a.addForm(12, 0, true, 33, false);
        t776->object->setValueByKey(QStringLiteral("GrossRents"), QStringLiteral("1500"));
        a.addSlip(8, 0, 7);
        a.addNote(4)->note->setTitle(QStringLiteral("n"));
        a.addWizardData(2);
        b.addForm(3, 0, true, 0, false);   // replaced by the copy

        b.copyFrom(a);
        QCOMPARE(b.province(), 9);
        QCOMPARE(b.entryIdCounter(), a.entryIdCounter());
        QCOMPARE(types(b), types(a));
        QVERIFY(b.equals(a));
        QCOMPARE(b.forms().at(1)->linkedId, 33);
        QCOMPARE(b.slips().at(0)->linkedId, 7);
        QVERIFY(b.forms().at(1)->object != t776->object);
        QCOMPARE(b.wizardData().count(), 1);
    }

    void copyHeaderAndCompare()
    {
        IndividualTaxData a(0, &m_fx.deps), b(0, &m_fx.deps);
        a.addForm(3, 0, true, 0, false);
        FormEntry *src = a.addForm(12, 0, true, 0, false);
        src->object->setValueByKey(QStringLiteral("GrossRents"), QStringLiteral("99"));
        b.addForm(3, 0, true, 0, false);
        b.addForm(12, 0, true, 0, false);
        a.nextEntryId();
        a.setFileVersion(66000);
        QVERIFY(b.copyHeaderAndCompare(a));
        QVERIFY(b.equals(a));
        QCOMPARE(b.fileVersion(), 66000);

        // another province: only the version and the counter are copied
        IndividualTaxData c(0, &m_fx.deps);
        c.storeReadProvince(9);
        c.setEntryIdCounter(500);
        QVERIFY(!b.copyHeaderAndCompare(c));
        QCOMPARE(b.entryIdCounter(), 500);
        QCOMPARE(b.fileVersion(), 66098);
        QCOMPARE(b.forms().count(), 2);

        // a different type at a position ends it
        IndividualTaxData d(0, &m_fx.deps);
        d.addForm(3, 0, true, 0, false);
        d.addForm(4, 0, true, 0, false);
        QVERIFY(!b.copyHeaderAndCompare(d));
    }

    void setProvinceMovesProvincialForms()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.addForm(1, 0, true, 0, false);
        p.setProvince(0, 9);   // leaving no province keeps the federal forms
        QCOMPARE(types(p), (QList<int>{1, 24}));   // ON428 is a must-have form of Ontario
        p.addForm(26, 0, true, 0, false);
        QCOMPARE(p.province(), 9);
        p.setProvince(9, 0);
        QCOMPARE(types(p), QList<int>{1});
    }

    void setCoupledReachesEveryForm()
    {
        IndividualTaxData p(0, &m_fx.deps);
        FormEntry *a = p.addForm(3, 0, true, 0, false);
        p.setCoupled(true);
        FormEntry *b = p.addForm(12, 0, true, 0, false);
        QVERIFY(a->object->isCoupledReturn() && b->object->isCoupledReturn());
        p.setCoupled(false);
        QVERIFY(!a->object->isCoupledReturn() && !b->object->isCoupledReturn());
    }

    void summaryFirstBeforeWriting()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.addForm(1, 0, true, 0, false);
        p.addForm(3, 0, true, 0, false);
        FormEntry *ks = p.addForm(93, 0, true, 0, false);
        p.setPassword(QStringLiteral("pw"));
        p.prepareForWrite();
        QCOMPARE(p.forms().at(0), ks);
        QCOMPARE(types(p), (QList<int>{93, 1, 3}));
        QCOMPARE(p.findFormEntry(93, 0, false), ks);
        QCOMPARE(p.fileVersion(), 66098);
        QCOMPARE(p.taxYear(), 2024);
        QCOMPARE(QString(p.reservedStrings().get(1)), QStringLiteral("pw"));
        QCOMPARE(p.reservedStrings().get(2).size(), 15);
        int year = 0;
        QVERIFY(p.getIntValue(995, year));
        QCOMPARE(year, 2024);
    }

    void obsoleteForms_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("taxYear");
        QTest::addColumn<bool>("obsolete");
        QTest::newRow("19 in 2007") << 19 << 2007 << false;
        QTest::newRow("19 in 2008") << 19 << 2008 << true;
        QTest::newRow("33 in 2024") << 33 << 2024 << true;
        QTest::newRow("100") << 100 << 2000 << true;
        QTest::newRow("141") << 141 << 2000 << true;
        QTest::newRow("expired 2") << 2 << 2024 << true;
        QTest::newRow("T776") << 12 << 2024 << false;
    }
    void obsoleteForms()
    {
        QFETCH(int, type);
        QFETCH(int, taxYear);
        QFETCH(bool, obsolete);
        IndividualTaxData p(0, &m_fx.deps);
        p.setTaxYear(taxYear);
        QCOMPARE(p.isObsoleteForm(type), obsolete);
    }

    void readingKeepsTheFirstSummaryAndDropsObsoleteForms()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.setTaxYear(2024);
        m_fx.inOntario(p);
        IndividualTaxData::ReadContext ctx;
        ctx.version = 66098;
        ctx.marker = CString(IndividualTaxData::kMarkerText);
        ctx.provinceReady = true;
        QCOMPARE(readForm(p, ctx, 93, 120), 0);
        QCOMPARE(readForm(p, ctx, 100, 121), 0);
        QCOMPARE(readForm(p, ctx, 93, 122), 0);
        QCOMPARE(readForm(p, ctx, 19, 123), 0);
        QCOMPARE(readForm(p, ctx, 24, 124, 55), 0);
        QCOMPARE(readForm(p, ctx, 24, 125, 66), 0);   // single form: read into the first
        QCOMPARE(readForm(p, ctx, 109, 126), 0);
        QCOMPARE(readForm(p, ctx, 109, 127), 0);      // multiple: a second entry
        QCOMPARE(types(p), (QList<int>{93, 24, 109, 109}));
        QCOMPARE(p.forms().at(0)->id, 120);
        QCOMPARE(p.forms().at(1)->id, 124);
        QCOMPARE(p.forms().at(1)->object->valueByCode(100), 66.0);
        QCOMPARE(p.entryIdCounter(), 100);
    }

    void readingOldBlocks()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.setTaxYear(2006);
        p.setEntryIdCounter(140);
        m_fx.inOntario(p);
        IndividualTaxData::ReadContext ctx;
        ctx.version = 65855;   // no ids in the file
        ctx.provinceReady = true;
        QCOMPARE(readForm(p, ctx, 19, 999), 0);   // survives in a 2006 return
        QCOMPARE(readForm(p, ctx, 109, 999), 0);
        QCOMPARE(p.forms().at(0)->id, 140);
        QCOMPARE(p.forms().at(1)->id, 141);
        QCOMPARE(p.forms().at(1)->linkedId, 0);
        QCOMPARE(p.entryIdCounter(), 142);
    }

    void readingWithoutProvinceDropsEveryForm()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.setTaxYear(2024);
        IndividualTaxData::ReadContext ctx;
        ctx.version = 66098;
        ctx.provinceReady = false;
        QCOMPARE(readForm(p, ctx, 3, 101), 0);
        QCOMPARE(p.forms().count(), 0);
        QCOMPARE(readForm(p, ctx, 24, 102), 253);   // no plug-in makes it: not made
    }

    void readingMovingExpenses()
    {
        IndividualTaxData p(0, &m_fx.deps);
        p.setTaxYear(2024);
        TaxData_T1MNew t1m;
        t1m.setAmount(TaxData_T1MNew::F_CarryForward, 812.5);
        QByteArray bytes = objectData(t1m);
        MyDataStream in(&bytes, false);
        IndividualTaxData::ReadContext ctx;
        ctx.version = 66098;
        ctx.provinceReady = true;
        QCOMPARE(p.readFormRecord(ctx, 102, 101, 0, in), 0);
        QCOMPARE(p.movingAmountCarried(), 812.5);
    }

    void readingSlipsAndNotes()
    {
        IndividualTaxData source(0, nullptr);
        CTaxData_Form *t4 = source.addSlip(1, 0, 0)->object;
        TaxData_TaxNote *note = source.addNote(3)->note;
        note->setTitle(QStringLiteral("title"));
        QByteArray bytes = objectData(*t4) + objectData(*note);

        IndividualTaxData p(0, &m_fx.deps);
        IndividualTaxData::ReadContext ctx;
        ctx.version = 65856;   // slips without a linked id
        MyDataStream in(&bytes, false);
        QCOMPARE(p.readSlipRecord(ctx, 1, 150, 77, in), 0);
        QCOMPARE(p.readNoteRecord(ctx, 3, in), 0);
        QCOMPARE(p.slips().at(0)->linkedId, 0);
        QCOMPARE(p.findNote(3, false)->title(), QStringLiteral("title"));
        QByteArray none;
        MyDataStream empty(&none, false);
        QCOMPARE(p.readSlipRecord(ctx, 19, 151, 0, empty), 252);
    }
    void skipBarcodeBlock_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("gap");   // bytes between the block and the closing marker
        auto i32 = [](qint32 v) {
            QByteArray b;
            MyDataStream s(&b, true);
            s << v;
            return b;
        };
        QTest::newRow("not eligible") << 66098 << i32(0) << 0;
        QTest::newRow("T1 only") << 66098 << i32(5) + "T1EOD" + i32(0) << 0;
        QTest::newRow("two SFD blocks") << 66098 << i32(3) + "abc" + i32(2) + i32(4) + "sfd1" + i32(0) << 0;
        QTest::newRow("old file, lengths off") << 66063 << i32(3) + "abc" + i32(1) + i32(900) + "sfd" << 0;
        QTest::newRow("old file, marker at the last peeked byte")
            << 66063 << i32(3) + "abc" + i32(1) + QByteArray(3092, 'x') << 0;
        QTest::newRow("old file, marker out of reach")
            << 66063 << i32(3) + "abc" + i32(1) << 3093;
    }
    void skipBarcodeBlock()
    {
        QFETCH(int, version);
        QFETCH(QByteArray, block);
        QFETCH(int, gap);
        const QByteArray marker(8, 'b');
        QByteArray file = block + QByteArray(gap, 'x') + marker + "rest";
        QBuffer device(&file);
        QVERIFY(device.open(QIODevice::ReadOnly));
        MyDataStream in(&device, false);
        IndividualTaxData p(0, &m_fx.deps);
        p.setFileVersion(version);
        p.skipBarcodeData(in);
        QVERIFY(in.ok());
        if (gap > 0) {   // not found: the reader goes on after the SFD count
            QCOMPARE(device.pos(), qint64(block.size()));
            return;
        }
        QCOMPARE(device.read(8), marker);
    }

    void writtenBarcodeBlockIsSkippedExactly()
    {
        for (bool withServices : {false, true}) {
            if (withServices)
                installFilingDocServices();
            IndividualTaxData p(0, &m_fx.deps);
            p.addForm(1, 0, true, 0, false);
            // the mailing address the checks before filing ask for
            p.t1()->setText(TaxData_T1New::F_Street, QStringLiteral("12 Birch Ave"));
            p.t1()->setText(TaxData_T1New::F_City, QStringLiteral("Ottawa"));
            p.t1()->setText(TaxData_T1New::F_MailProvince, QStringLiteral("ON"));
            p.t1()->setText(TaxData_T1New::F_Postcode, QStringLiteral("K1A 0B1"));
            QByteArray file;
            {
                MyDataStream out(&file, true);
                p.writeBarcodeData(1, out);
                out << qint32(4242);
            }
            MyDataStream in(&file, false);
            p.skipBarcodeData(in);
            qint32 after = 0;
            in >> after;
            QCOMPARE(after, 4242);
            QList<ValidationMessageGroup *> groups;
            // NETFILE: the EFILE prerequisites do not apply to this bare T1
            QCOMPARE(p.checkForFiling(2, groups), 0);
            QList<CString> coupleMessages;
            QCOMPARE(p.checkCoupledReturns(1, coupleMessages, p), 0);
            QVERIFY(p.confirmPersonBeforeFiling(1, true));
        }
        IndividualTaxData::setFilingServices(nullptr);
    }
};

BQ_TEST_MAIN_CORE(TestIndividualTaxData)
#include "tst_individualtaxdata.moc"
