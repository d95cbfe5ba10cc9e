// The generators of the report engine's type tables and data classes.
#include "bqtest.h"
#include "cmultiprovstaxmgr.h"
#include "ctaxdata_form.h"
#include "formprinttable.h"
#include "formtables.h"
#include "reporttypetables.h"
#include "settingsseam.h"
#include "taxfactory.h"
#include <memory>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <dlfcn.h>

namespace {

class FolderSettings : public SettingsSource
{
public:
    QHash<QString, QString> values;
    QString userSetting(const QString &) const override { return QString(); }
    QString configValue(const QString &key) const override { return values.value(key); }
};

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool anyPluginLoaded()
{
    CMultiProvsTaxMgr names(0, nullptr);
    for (int p = 1; p <= 13; ++p) {
        QString file;
        if (!names.getProvinceLibraryName(p, file))
            continue;
        const QByteArray path = (CMultiProvsTaxMgr::libraryFolder() + QLatin1Char('/') + file).toLocal8Bit();
        if (void *h = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD)) {
            dlclose(h);
            return true;
        }
    }
    return false;
}

void runAll()
{
    writeTaxFormTypeJava();
    writeSlipDataTypeJava();
    writeNoteDataTypeJava();
}

} // namespace

class TestReportTypes : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FolderSettings m_settings;
    QString m_java, m_xml, m_blank;

    QString constName(int type) const { return QString::fromUtf8(Global_FormsPrint_Info[type].constName); }
    bool hasXml(int type) const
    {
        const QString file = QString::fromUtf8(Global_FormsPrint_Info[type].fileName);
        return !file.isEmpty() && (QFile::exists(m_xml + QLatin1Char('/') + file) || QFile::exists(m_blank + QLatin1Char('/') + file));
    }

private slots:
    void initTestCase()
    {
        setSettingsSource(&m_settings);
        m_java = m_dir.filePath(QStringLiteral("java"));
        m_xml = m_dir.filePath(QStringLiteral("xml"));
        m_blank = m_dir.filePath(QStringLiteral("bformxml"));
        for (const QString &f : {m_java, m_xml, m_blank})
            QVERIFY(QDir().mkpath(f));
    }
    void cleanupTestCase() { setSettingsSource(nullptr); }

    // first: nothing else in this process may have loaded a plug-in yet
    void emptyProjectPathWritesNothing()
    {
        m_settings.values = {{QStringLiteral("XMLPATH"), m_xml}, {QStringLiteral("BFORM_XMLPATH"), m_blank}};
        QVERIFY(!anyPluginLoaded());
        runAll();
        QVERIFY(!anyPluginLoaded());
        QVERIFY(QDir(m_java).isEmpty());
        QVERIFY(QDir(m_xml).isEmpty());
        QVERIFY(QDir(m_blank).isEmpty());
        QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());   // no file beside the folders either
    }

    void tablesAndDataClasses()
    {
        m_settings.values = {{QStringLiteral("JAVAPROJPATH"), m_java}, {QStringLiteral("XMLPATH"), m_xml},
                             {QStringLiteral("BFORM_XMLPATH"), m_blank}};
        runAll();
        const QString forms = readAll(m_java + QStringLiteral("/TaxFormType.java"));
        const QString slips = readAll(m_java + QStringLiteral("/SlipDataType.java"));
        const QString notes = readAll(m_java + QStringLiteral("/NoteDataType.java"));
        QVERIFY(forms.startsWith(QLatin1String("package brackenquill.makereport;\nimport java.io.*;\nimport java.util.Vector;\n\npublic class TaxFormType\n{\n")));
        QVERIFY(forms.contains(QLatin1String("static final int CONST_T1 = 1;\n")));
        QVERIFY(forms.contains(QLatin1String("pdfFiles = new InfoFileItem[214];\n\npdfFiles[  0] = null;\n")));
        QVERIFY(forms.contains(QLatin1String("pdfFiles[  1] = new InfoFileItem(CONST_T1, \"T1\", \"T1 General Income Tax and Benefit Return\", \"t1_2024.xml\");\n")));
        QVERIFY(forms.contains(QLatin1String("for (int j=0; j<214; j++)\n")));
        QCOMPARE(forms.count(QLatin1String("static final int CONST_")), 213);
        QCOMPARE(forms.count(QLatin1String("= new InfoFileItem(CONST_")), 213);
        QCOMPARE(slips.count(QLatin1String("static final int CONST_")), 26);
        QVERIFY(notes.contains(QLatin1String("static final int CONST_NOTE_GENERAL= 1;\n\nNoteDataType()\n{\n}\n}\n")));
        QVERIFY(QFile::exists(m_java + QStringLiteral("/NoteData_General.java")));

        // the T1 is made federally, Ontario's tax by its plug-in: both have their files
        for (int type : {1, 24}) {
            QVERIFY2(QFile::exists(m_java + QLatin1Char('/') + constName(type) + QStringLiteral(".java")), qPrintable(constName(type)));
            QVERIFY(hasXml(type));
        }
        // slip type 12: a constant but no class
        QVERIFY(slips.contains(QLatin1String("static final int CONST_SLIP_UNUSED_12 = 12;\n")));
        QVERIFY(!QFile::exists(m_java + QStringLiteral("/SLIP_UNUSED_12.java")));
        QVERIFY(QFile::exists(m_java + QStringLiteral("/SLIP_T4.java")));
        QVERIFY(QFile::exists(m_blank + QStringLiteral("/SLIP_T4.xml")));
        // data classes without XML files
        for (int type : {131, 159, 165}) {
            QVERIFY2(QFile::exists(m_java + QLatin1Char('/') + constName(type) + QStringLiteral(".java")), qPrintable(constName(type)));
            QVERIFY2(!hasXml(type), qPrintable(constName(type)));
        }
        // expired forms: the constant and the table line only
        for (int type : {2, 19, 33}) {
            QVERIFY(IsFormExpired(type, 0));
            QVERIFY(forms.contains(QStringLiteral("static final int CONST_%1 = %2;\n").arg(constName(type)).arg(type)));
            QVERIFY(forms.contains(QStringLiteral("pdfFiles[%1] = new InfoFileItem(CONST_%2,").arg(type, 3).arg(constName(type))));
            QVERIFY(!QFile::exists(m_java + QLatin1Char('/') + constName(type) + QStringLiteral(".java")));
        }
        QVERIFY(!anyPluginLoaded());   // every plug-in released again

        // the XML files list the fields by key, kind and line code; the blank form only coded ones
        const QString t1File = QString::fromUtf8(Global_FormsPrint_Info[1].fileName);
        const QString data = readAll(m_xml + QLatin1Char('/') + t1File);
        const QString blank = readAll(m_blank + QLatin1Char('/') + t1File);
        QVERIFY(data.contains(QLatin1String("<form name=\"T1\" type=\"1\" version=\"66098\">")));
        QVERIFY(data.contains(QLatin1String("key=\"FirstName\" kind=\"5\"")));
        QVERIFY(blank.contains(QLatin1String("key=\"15000\" kind=\"1\" code=\"15000\"")));
        QVERIFY(!blank.contains(QLatin1String("FirstName")));
    }

    void writersReportAFileNotWritten()
    {
        std::unique_ptr<CTaxData_Form> t1(createForm(1));
        QVERIFY(t1);
        const QString missing = m_dir.filePath(QStringLiteral("no/such/folder"));
        QCOMPARE(t1->writeJavaClass(missing, QStringLiteral("T1"), 0), 1);
        QCOMPARE(t1->writeXml(missing, QStringLiteral("T1"), QStringLiteral("t1.xml"), 66098), 1);
        QCOMPARE(t1->writeBlankFormXml(QString(), QStringLiteral("T1"), QStringLiteral("t1.xml"), 66098), 1);
    }

    void generatedSourcesCompileAgainstTheEngine()
    {
        const QStringList sources = QDir(m_java).entryList({QStringLiteral("*.java")}, QDir::Files);
        QVERIFY(sources.size() > 100);
        QProcess javac;
        javac.setWorkingDirectory(m_java);
        javac.setProcessChannelMode(QProcess::MergedChannels);
        QDir().mkpath(m_dir.filePath(QStringLiteral("classes")));
        javac.start(QStringLiteral("javac"), QStringList{QStringLiteral("-nowarn"), QStringLiteral("-cp"),
                                                         QStringLiteral(BQ_BIN_DIR "/mr.jar"), QStringLiteral("-d"),
                                                         m_dir.filePath(QStringLiteral("classes"))} + sources);
        QVERIFY(javac.waitForFinished(180000));
        QVERIFY2(javac.exitCode() == 0, javac.readAll().constData());
    }

    void javaLiterals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("literal");
        QTest::newRow("plain") << "T1 General" << "\"T1 General\"";
        QTest::newRow("quote") << "the \"new\" form" << "\"the \\\"new\\\" form\"";
        QTest::newRow("backslash") << "C:\\forms" << "\"C:\\\\forms\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\\015b\"";
        QTest::newRow("accent and CJK") << QString::fromUtf8("Qu\u00e9bec \u7a0e") << "\"Qu\\u00e9bec \\u7a0e\"";
    }
    void javaLiterals()
    {
        QFETCH(QString, text);
        QFETCH(QString, literal);
        QCOMPARE(javaStringLiteral(text), literal);
    }

    void escapedLiteralsCompileBack()
    {
        // every awkward text goes through javac and prints back unchanged
        const QStringList texts{QStringLiteral("the \"new\" form"), QStringLiteral("C:\\forms\\"), QStringLiteral("a\nb\rc\td"),
                                QString::fromUtf8("Qu\u00e9bec \u7a0e \\u000a")};
        QString src = QStringLiteral("public class Literals { public static void main(String[] a) throws Exception {\n"
                                     "java.io.PrintStream out = new java.io.PrintStream(System.out, true, \"UTF-8\");\n");
        for (const QString &t : texts)
            src += QStringLiteral("out.print(%1); out.print('|');\n").arg(javaStringLiteral(t));
        src += QStringLiteral("} }\n");
        const QString folder = m_dir.filePath(QStringLiteral("literals"));
        QDir().mkpath(folder);
        QFile f(folder + QStringLiteral("/Literals.java"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(src.toUtf8());
        f.close();
        QProcess p;
        p.setWorkingDirectory(folder);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("java"), {QStringLiteral("Literals.java")});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(QString::fromUtf8(p.readAll()), texts.join(QLatin1Char('|')) + QLatin1Char('|'));
    }
};

BQ_TEST_MAIN_CORE(TestReportTypes)
#include "tst_reporttypes.moc"
