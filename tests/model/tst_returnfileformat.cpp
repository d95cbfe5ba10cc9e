// The .r24 format: round trips, hand-built files at every version boundary,
// the password, the result codes and the mends of the reader and the writer.
#include "bqtest.h"
#include "filingdocservices.h"
#include "cmultiprovstaxmgr.h"
#include "creturnfile.h"
#include "creservedarea.h"
#include "creturnfile_format.h"
#include "messages.h"
#include "oldblocks.h"
#include "returnfilefixture.h"
#include "settingsseam.h"
#include "taxdata_t183new.h"
#include "taxfactory.h"
#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <QSet>

using namespace returnfixture;

namespace {

class TestMode : public SettingsSource
{
public:
    QString userSetting(const QString &name) const override { return settings.value(name); }
    QString configValue(const QString &key) const override
    {
        return key == QLatin1String("MODEDEBUG") && testMode ? QStringLiteral("1") : QString();
    }
    bool testMode = false;
    QMap<QString, QString> settings;
};

QStringList &capturedLog()
{
    static QStringList lines;
    return lines;
}

void captureLog(QtMsgType, const QMessageLogContext &, const QString &text)
{
    capturedLog().append(text);
}

FormEntry *formOfType(const IndividualTaxData &p, int type)
{
    return p.forms().firstWithKey(type);
}

} // namespace

class TestReturnFileFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFilingDocServices(); }
    void init()
    {
        m_messages.clear();
        setMessageHandler(&m_messages);
        setSettingsSource(&m_settings);
        m_settings.testMode = false;
        m_settings.settings.clear();
    }
    void cleanup()
    {
        setMessageHandler(nullptr);
        setSettingsSource(nullptr);
        CMultiProvsTaxMgr::setLibraryFolder(QString());
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("coupled");
        QTest::newRow("single") << false;
        QTest::newRow("coupled") << true;
    }
    void roundTrip()
    {
        QFETCH(bool, coupled);
        CReturnFile source;
        IndividualTaxData *me = source.self();
        newPerson(*me, 9, QStringLiteral("Anne"), QStringLiteral("Roy"), coupled ? 0 : 5, coupled);
        fillPerson(*me, -1, 30, 3, 10);
        me->setPassword(QStringLiteral("Pw-1"));
        me->setReservedWord(4242);
        // links written as they stand
        me->forms().at(3)->linkedId = 901;
        me->slips().at(2)->linkedId = 902;
        if (coupled) {
            newPerson(*source.spouse(), 9, QStringLiteral("Ben"), QStringLiteral("Roy"), 0, true);
            fillPerson(*source.spouse(), 20, 10, 1, 5000);
            QVERIFY(source.isCoupled());
        }
        source.dependants().AllocData(12);
        source.dependants().at(2).firstName = QStringLiteral("Zo\u00e9");
        source.dependants().at(2).birthDate = QDate(2015, 6, 1);
        source.dependants().at(2).infirm = true;
        source.settings().setSelection(coupled, 1, 0x1234567);

        int code = -1;
        const QByteArray bytes = write(source, &code);
        QCOMPARE(code, 0);

        m_messages.scriptInput(QStringLiteral("Pw-1"));
        CReturnFile copy;
        QCOMPARE(read(bytes, copy), 0);
        QString why;
        QVERIFY2(sameEntries(*source.self(), *copy.self(), &why), qPrintable(why));
        QVERIFY2(sameEntries(*source.spouse(), *copy.spouse(), &why), qPrintable(why));
        QVERIFY(!copy.differsFrom(source));
        QVERIFY(copy.dependants() == source.dependants());
        QVERIFY(copy.settings() == source.settings());
        QCOMPARE(copy.self()->password(), CString(QStringLiteral("Pw-1")));
        QCOMPARE(copy.self()->reservedWord(), 4242);
        QCOMPARE(copy.self()->entryIdCounter(), source.self()->entryIdCounter());
        QCOMPARE(copy.spouse()->entryIdCounter(), source.spouse()->entryIdCounter());
        QCOMPARE(copy.self()->province(), 9);
        QCOMPARE(copy.isCoupled(), coupled);
        for (const IndividualTaxData *p : {copy.self(), copy.spouse()}) {
            QCOMPARE(p->isCoupled(), coupled);
            for (const FormEntry *e : p->forms())
                QCOMPARE(e->object->isCoupledReturn(), coupled);
        }
        // what was read writes the same bytes again
        QCOMPARE(write(copy), bytes);

        // the wizard records are refilled from the forms they describe
        source.self()->refreshWizardRecords(false);
        copy.self()->refreshWizardRecords(false);
        QCOMPARE(copy.self()->wizardData().count(), source.self()->wizardData().count());
        for (int i = 0; i < copy.self()->wizardData().count(); ++i)
            QVERIFY(!copy.self()->wizardData().at(i)->object->differs(*source.self()->wizardData().at(i)->object));
    }

    void versionBoundaries_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("code");
        QTest::newRow("65535 below the window") << 65535 << 255;
        QTest::newRow("65715 without notes") << 65715 << 0;
        QTest::newRow("65716 with notes") << 65716 << 0;
        QTest::newRow("65776 without barcode") << 65776 << 0;
        QTest::newRow("65777 with barcode") << 65777 << 0;
        QTest::newRow("65855 forms numbered on reading") << 65855 << 0;
        QTest::newRow("65856 form ids, no slip link") << 65856 << 0;
        QTest::newRow("65857 slip link") << 65857 << 0;
        QTest::newRow("65865 without the person word") << 65865 << 0;
        QTest::newRow("65866 with the person word") << 65866 << 0;
        QTest::newRow("65988 without the constant") << 65988 << 0;
        QTest::newRow("65989 with the constant") << 65989 << 0;
        QTest::newRow("66033 password dropped") << 66033 << 0;
        QTest::newRow("66034 password asked") << 66034 << 0;
        QTest::newRow("66098 current") << 66098 << 0;
        QTest::newRow("66099 much later version") << 66099 << 255;
    }
    void versionBoundaries()
    {
        QFETCH(int, version);
        QFETCH(int, code);
        m_messages.scriptInput(QStringLiteral("Secret"));
        CReturnFile rf;
        QCOMPARE(read(buildFile(sampleBlock(version)), rf), code);
        const QStringList shown = m_messages.texts();
        if (code != 0) {
            QVERIFY(shown.contains(returnfile::damagedFileText()));
            QCOMPARE(version > 66098, shown.join('\n').contains(QStringLiteral("much later version")));
            return;
        }
        const IndividualTaxData &me = *rf.self();
        const FormEntry *t1 = formOfType(me, 1);
        const FormEntry *t776 = formOfType(me, 12);
        QVERIFY(t1 && t776);
        if (version > 65855) {
            QCOMPARE(t1->id, 120);
            QCOMPARE(t776->id, 130);
            QCOMPARE(t776->linkedId, 5);
        } else {
            QCOMPARE(t1->id, 200);
            QCOMPARE(t776->id, 201);
            QCOMPARE(t776->linkedId, 0);
        }
        QCOMPARE(me.slips().count(), 1);
        QCOMPARE(me.slips().at(0)->id, 140);
        QCOMPARE(me.slips().at(0)->linkedId, version > 65856 ? 9 : 0);
        QCOMPARE(me.notes().count(), version > 65715 ? 1 : 0);
        if (version > 65715)
            QCOMPARE(me.notes().at(0)->id, 160);
        QCOMPARE(me.reservedWord(), version > 65865 ? 77 : -100);
        const bool asked = shown.contains(QStringLiteral("Please enter the password for this return file\n"
                                                         "This return file is proetected by a password\n\n"
                                                         "Press 'Cancel' button to cancel"));
        QCOMPARE(asked, version > 66033);
        QCOMPARE(rf.hasPassword(), version > 66033);
        QCOMPARE(me.password().isEmpty(), version <= 66033);
        // the objects' data came through whatever the version
        CTaxData_Form *expected = createForm(12);
        fillObject(expected, 2);
        QVERIFY(!t776->object->differs(*expected));
        delete expected;
        QCOMPARE(rf.dependants().at(0).firstName, QStringLiteral("Kid"));
        int person = -1, category = -1, key = -1;
        rf.settings().getCurrentSelection(person, category, key);
        QCOMPARE(person, 1);
        QCOMPARE(key, 5678);

        // a block of 66033 or older saves with an empty password slot
        if (version == 66033) {
            m_messages.clear();
            CReturnFile again;
            QCOMPARE(read(write(rf), again), 0);
            QVERIFY(!again.hasPassword());
            QVERIFY(m_messages.shown().isEmpty());
        }
    }

    void password_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<int>("code");
        QTest::newRow("same") << "Secret" << false << 0;
        QTest::newRow("other letter case") << "sECRET" << false << 0;
        QTest::newRow("cancelled") << QString() << false << 112;
        QTest::newRow("wrong") << "Secrets" << false << 112;
        QTest::newRow("wrong in test mode") << "nothing" << true << 112;
        QTest::newRow("right in test mode") << "secret" << true << 0;
    }
    void password()
    {
        QFETCH(QString, input);
        QFETCH(bool, testMode);
        QFETCH(int, code);
        m_settings.testMode = testMode;
        if (!input.isNull())
            m_messages.scriptInput(input);
        const QByteArray bytes = buildFile(sampleBlock(66098));
        capturedLog().clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureLog);
        CReturnFile rf;
        const int result = read(bytes, rf);
        qInstallMessageHandler(previous);
        QCOMPARE(result, code);
        // never in a log, in test mode either
        for (const QString &line : qAsConst(capturedLog()))
            QVERIFY2(!line.contains(QStringLiteral("Secret"), Qt::CaseInsensitive), qPrintable(line));
    }

    void province_data()
    {
        QTest::addColumn<int>("province");
        QTest::addColumn<int>("code");
        QTest::newRow("14") << 14 << 119;
        QTest::newRow("-1") << -1 << 119;
        QTest::newRow("0") << 0 << 255;
        QTest::newRow("13") << 13 << 0;
    }
    void province()
    {
        QFETCH(int, province);
        QFETCH(int, code);
        Block b = sampleBlock(66098);
        b.password.clear();
        b.province = province;
        if (province == 0)
            b.forms.clear();
        QByteArray selfOnly;
        {
            MyDataStream ar(&selfOnly, true);
            writeBlock(ar, b);
        }
        QByteArray bytes = buildFile(b);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        MyDataStream ar(&buffer, false);
        CReturnFile rf;
        QCOMPARE(rf.serialize(1, ar), code);
        QCOMPARE(m_messages.texts().contains(returnfile::damagedFileText()), code == 255);
        if (code == 255) // nothing read after self's block
            QCOMPARE(buffer.pos(), qint64(selfOnly.size()));
        if (code != 0)
            QVERIFY(rf.spouse()->forms().isEmpty());
    }

    // The stored next-entry id. The sample block's ids are T1 120, T776 130, the
    // T4 140 and the note 160. Every id handed out after the read (the forms the
    // reading completes, then a new slip) is fresh: it starts at the stored counter,
    // or at 161 when the counter is at or below the note's 160 (5001 when the
    // T776 holds 5000). A counter that cannot hand out a fresh id (not positive,
    // or at the top of an int) is damage.
    void entryIdCounter_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<int>("t776Id");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("firstFresh");
        QTest::newRow("above the ids: kept") << qint64(200) << 130 << 0 << 200;
        QTest::newRow("below the T776's id: raised") << qint64(125) << 130 << 0 << 161;
        QTest::newRow("equal to the note's id: raised") << qint64(160) << 130 << 0 << 161;
        QTest::newRow("below a form's id: raised") << qint64(200) << 5000 << 0 << 5001;
        QTest::newRow("largest int") << qint64(INT_MAX) << 130 << 255 << 0;
        QTest::newRow("negative") << qint64(-100) << 130 << 255 << 0;
        QTest::newRow("zero") << qint64(0) << 130 << 255 << 0;
        QTest::newRow("a form id at the largest int") << qint64(200) << INT_MAX << 255 << 0;
    }
    void entryIdCounter()
    {
        QFETCH(qint64, stored);
        QFETCH(int, t776Id);
        QFETCH(int, code);
        QFETCH(int, firstFresh);
        Block b = sampleBlock(66098);
        b.password.clear();
        b.nextId = int(stored);
        b.forms[1].id = t776Id;
        CReturnFile rf;
        QCOMPARE(read(buildFile(b), rf), code);
        if (code != 0) {
            QVERIFY(m_messages.texts().contains(returnfile::damagedFileText()));
            return;
        }
        IndividualTaxData &me = *rf.self();
        QVERIFY(me.addSlip(1, 0, 0));
        const QSet<int> fromFile{120, t776Id, 140, 160};
        QSet<int> seen;
        QList<int> fresh;
        auto take = [&](int id) {
            QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("id %1 twice").arg(id)));
            seen.insert(id);
            if (!fromFile.contains(id))
                fresh << id;
        };
        for (const FormEntry *e : me.forms())
            take(e->id);
        for (const FormEntry *e : me.slips())
            take(e->id);
        for (const NoteEntry *e : me.notes())
            take(e->id);
        QVERIFY(!fresh.isEmpty());
        std::sort(fresh.begin(), fresh.end());
        QCOMPARE(fresh.first(), firstFresh);
        QVERIFY(me.entryIdCounter() > fresh.last());
    }

    // A block result 251-253 ends the read: nothing more comes from the middle of the stream.
    void blockFailure_data()
    {
        QTest::addColumn<bool>("inSpouse");
        QTest::addColumn<bool>("badForm");
        QTest::addColumn<int>("code");
        QTest::newRow("self: slip not made") << false << false << 252;
        QTest::newRow("self: form not made") << false << true << 253;
        QTest::newRow("spouse: slip not made") << true << false << 252;
        QTest::newRow("spouse: form not made") << true << true << 253;
    }
    void blockFailure()
    {
        QFETCH(bool, inSpouse);
        QFETCH(bool, badForm);
        QFETCH(int, code);
        Block good = sampleBlock(66098);
        good.password.clear();
        Block bad = good;
        if (badForm)
            bad.forms.insert(1, {1, 121, 0, 7}); // written as a T1, its type then made unknown below
        else
            bad.slips.append({1, 141, 0, 7});
        QByteArray bytes = inSpouse ? buildFile(good, bad) : buildFile(bad);
        // an unknown type in place of the record's own
        QByteArray pattern;
        {
            MyDataStream ar(&pattern, true);
            if (badForm)
                ar << qint32(1) << qint32(121) << qint32(0);
            else
                ar << qint32(1) << qint32(141) << qint32(0);
        }
        const int at = bytes.indexOf(pattern);
        QVERIFY(at > 0);
        bytes[at] = char(250);
        CReturnFile rf;
        QCOMPARE(read(bytes, rf), code);
        int person = -1, category = -1, key = -1;
        rf.settings().getCurrentSelection(person, category, key);
        QCOMPARE(key, 0);   // the settings at the end were never read
        if (!inSpouse)
            QVERIFY(rf.spouse()->forms().isEmpty());
    }

    // Without the province's plug-in the read fails rather than dropping every form.
    void missingPlugin()
    {
        QTemporaryDir empty;
        CMultiProvsTaxMgr::setLibraryFolder(empty.path());
        Block b = sampleBlock(66098);
        b.password.clear();
        CReturnFile rf;
        QCOMPARE(read(buildFile(b), rf), 253);
        QVERIFY(m_messages.texts().join('\n').contains(QStringLiteral("could not be loaded")));
    }

    // The bytes around the barcode block are read past whatever they hold.
    void barcodeMarkerValuesIgnored_data()
    {
        QTest::addColumn<char>("byte");
        QTest::newRow("zero") << char(0);
        QTest::newRow("0xff") << char(0xff);
        QTest::newRow("capital B") << 'B';
    }
    void barcodeMarkerValuesIgnored()
    {
        QFETCH(char, byte);
        Block b = sampleBlock(66098);
        b.password.clear();
        const QByteArray sound = buildFile(b);
        QByteArray run;
        {
            MyDataStream ar(&run, true);
            ar.writeRawData(QByteArray(8, 'b').constData(), 8);
            ar << qint32(0);
            ar.writeRawData(QByteArray(8, 'b').constData(), 8);
        }
        QByteArray other = QByteArray(8, byte) + run.mid(8, 4) + QByteArray(8, byte);
        QByteArray bytes = sound;
        const int at = bytes.indexOf(run);
        QVERIFY(at > 0);
        bytes.replace(at, run.size(), other);
        CReturnFile expected, rf;
        QCOMPARE(read(sound, expected), 0);
        QCOMPARE(read(bytes, rf), 0);
        QString why;
        QVERIFY2(sameEntries(*expected.self(), *rf.self(), &why), qPrintable(why));
        QCOMPARE(rf.self()->forms().count(), expected.self()->forms().count());
    }

    void cutShort()
    {
        Block b = sampleBlock(66098);
        b.password.clear();
        const QByteArray bytes = buildFile(b);
        for (int cut : {bytes.size() - 1, bytes.size() - 24, bytes.size() / 2, 20}) {
            CReturnFile rf;
            QCOMPARE(read(bytes.left(cut), rf), 255);
        }
    }

    void save()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("anne.r24"));
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 5, false);
        QString error;
        QCOMPARE(rf.save(path, 1, &error), 0);
        QVERIFY(error.isEmpty());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray saved = f.readAll();
        f.close();
        QCOMPARE(saved, write(rf));

        int code = -1;
        CReturnFile *loaded = CReturnFile::load(path, code);
        QVERIFY(loaded);
        QCOMPARE(code, 0);
        QVERIFY(!loaded->differsFrom(rf));
        delete loaded;

        // a return without a province is refused before the file is touched
        CReturnFile empty;
        QCOMPARE(empty.save(path, 1, &error), 255);
        QVERIFY(error.contains(QStringLiteral("no province")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), saved);
        f.close();
        QVERIFY(write(empty).isEmpty());

        error.clear();
        QCOMPARE(rf.save(dir.filePath(QStringLiteral("missing/anne.r24")), 1, &error), 107);
        QVERIFY(!error.isEmpty());
        QVERIFY(!CReturnFile::load(dir.filePath(QStringLiteral("none.r24")), code));
        QCOMPARE(code, 107);
    }

    // The preparer's EFILE password never reaches a client's file.
    void preparerSecretNotWritten()
    {
        static const FieldTable table{{"Name", FieldKind::Text}, {"Secret", FieldKind::Text, 0, 0.0, true},
                                      {"Amount", FieldKind::Amount}};
        CTaxData_Form form(table, CTaxData_Form::KindForm, 96);
        form.setText(0, QStringLiteral("Preparer"));
        form.setText(1, QStringLiteral("S3cr3t-EFILE"));
        form.setAmount(2, 12.5);
        QByteArray bytes;
        {
            MyDataStream ar(&bytes, true);
            form.serialise(66098, kMarker, ar);
        }
        QVERIFY(!bytes.contains(QStringLiteral("S3cr3t").toUtf8()));
        CTaxData_Form back(table, CTaxData_Form::KindForm, 96);
        back.setText(1, QStringLiteral("in memory"));
        MyDataStream in(&bytes, false);
        QCOMPARE(back.serialise(66098, kMarker, in), 0);
        QCOMPARE(back.text(0), QStringLiteral("Preparer"));
        QCOMPARE(back.text(1), QStringLiteral("in memory"));
        QCOMPARE(back.amount(2), 12.5);

        // a whole return with the forms that the preparer's settings go into
        m_settings.settings = {{"BusinessEFilePassword", "S3cr3t-EFILE"}, {"BusinessEFilePasswordDbg", "S3cr3t-EFILE"},
                               {"BusinessEFileNum", "Q1234"}, {"BusinessName", "Prep Co"}};
        CReturnFile rf;
        newPerson(*rf.self(), 9, QStringLiteral("Anne"), QStringLiteral("Roy"), 5, false);
        rf.getForm(96, 0, true);
        rf.getForm(181, 0, true);
        rf.fillPreparerInfo();
        rf.recalculate(-1, nullptr);
        const QByteArray file = write(rf);
        QVERIFY(!file.isEmpty());
        for (const QByteArray &encoded : {QByteArray("S3cr3t"), QByteArray("S\0003\000c\000r\0003\000t", 11),
                                          QByteArray("\000S\0003\000c\000r\0003\000t", 12)})
            QVERIFY(!file.contains(encoded));
    }

    void summaryFirstAndSingleFormsInPlace()
    {
        Block b = sampleBlock(66098);
        b.password.clear();
        b.forms = {{1, 120, 0, 1}, {93, 121, 0, 2}, {4, 122, 0, 3}, {93, 123, 0, 4}, {4, 124, 0, 5}};
        CReturnFile rf;
        QCOMPARE(read(buildFile(b), rf), 0);
        const IndividualTaxData &me = *rf.self();
        QCOMPARE(me.countForms(93), 1);
        QCOMPARE(formOfType(me, 93)->id, 121);
        QCOMPARE(me.countForms(4), 1);
        CTaxData_Form *expected = createForm(4);
        fillObject(expected, 5);
        QVERIFY(!formOfType(me, 4)->object->differs(*expected));   // the second record filled the first entry
        delete expected;

        // the summary moves to the front when written
        rf.self()->removeForm(formOfType(me, 93)->object, true, false);
        rf.self()->addForm(93, 300, true, 0, false);
        QVERIFY(me.forms().at(0)->type != 93);
        CReturnFile back;
        QCOMPARE(read(write(rf), back), 0);
        QCOMPARE(back.self()->forms().at(0)->type, 93);
        QCOMPARE(rf.self()->forms().at(0)->type, 93);
    }

private:
    ScriptedMessages m_messages;
    TestMode m_settings;
};

BQ_TEST_MAIN_CORE(TestReturnFileFormat)
#include "tst_returnfileformat.moc"
