// The report engine bridge, run in a probe process per engine variant (one
// virtual machine per process).
#include "bqtest.h"
#include "probe.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestJavaBridge : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QStringList engineArgs(const QString &jar, const QString &out) const
    {
        return {QStringLiteral("--set"), QStringLiteral("JAVACLASSPATH=") + QStringLiteral(BQ_ITEXT_JAR ":") + jar,
                QStringLiteral("--set"), QStringLiteral("PDFPATH=/pdf"), QStringLiteral("--set"),
                QStringLiteral("XMLPATH=/xml"), QStringLiteral("--out"), out};
    }
    QString folder(const QString &name) const
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    static QString calls(const QString &pdf)
    {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
    void secondLoadMakesNoSecondVm()
    {
        const QString out = folder(QStringLiteral("second"));
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), out)
                                           << QStringLiteral("--loads") << QStringLiteral("2")
                                           << QStringLiteral("--jobs") << QStringLiteral("2")
                                           << QStringLiteral("return.r24"));
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.loads, QList<int>({0, 0}));
        QCOMPARE(r.vms, 1);
        QCOMPARE(r.jobs, QList<int>({0, 0}));
        QCOMPARE(r.pdfNames.at(0), out + QStringLiteral("/probe.pdf"));
        // the engine gets the configured folders and the job's settings in order
        QCOMPARE(calls(r.pdfNames.at(0)),
                 QStringLiteral("init\ndo /pdf\nif /xml\nfolder %1\nmask 0\nprepare\nint\nnew\nfor\nread return.r24\n"
                                "write 0 0 0\n").arg(out));
    }

    void noJvmLibrary()
    {
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), folder(QStringLiteral("nojvm")))
                                           << QStringLiteral("--set") << QStringLiteral("JVMPATH=/nonexistent/libjvm.so")
                                           << QStringLiteral("return.r24"));
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.loads, QList<int>({-21}));
        QCOMPARE(r.vms, 0);
        QCOMPARE(r.jobs, QList<int>({-99}));   // refused, not run on a null environment
    }

    void missingEngineClassTwiceWithOneVm()
    {
        const probe::Result r = probe::run({QStringLiteral("--set"), QStringLiteral("JAVACLASSPATH=" BQ_ITEXT_JAR),
                                            QStringLiteral("--loads"), QStringLiteral("2"), QStringLiteral("--jobs"),
                                            QStringLiteral("1")});
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.loads, QList<int>({-101, -101}));
        QCOMPARE(r.vms, 1);
        QCOMPARE(r.jobs, QList<int>({-99}));
        QVERIFY2(!r.output.contains(QLatin1String("WARNING")), qPrintable(r.output));
    }

    void engineWithoutPdfNameKeepsTheGivenName()
    {
        const QString out = folder(QStringLiteral("nostring"));
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_NOSTRING_JAR), out)
                                           << QStringLiteral("--pdf") << QStringLiteral("given.pdf")
                                           << QStringLiteral("return.r24"));
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QCOMPARE(r.pdfNames, QStringList({QStringLiteral("given.pdf")}));
        QVERIFY(QFile::exists(out + QStringLiteral("/probe.pdf")));
    }

    void exceptionInAStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("code");
        QTest::newRow("constructor") << "init" << -141;
        QTest::newRow("pdf folder") << "do" << -142;
        QTest::newRow("xml folder") << "if" << -143;
        QTest::newRow("output folder") << "folder" << -144;
        QTest::newRow("mask") << "mask" << -145;
        QTest::newRow("prepare") << "prepare" << -146;
        QTest::newRow("int") << "int" << -147;
        QTest::newRow("new") << "new" << -148;
        QTest::newRow("for") << "for" << -149;
        QTest::newRow("kind") << "kind" << -150;
        QTest::newRow("read") << "read" << -151;
        QTest::newRow("write") << "write" << -152;
    }
    void exceptionInAStep()
    {
        QFETCH(QString, step);
        QFETCH(int, code);
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), folder(step))
                                               << QStringLiteral("--kind") << QStringLiteral("1")
                                               << QStringLiteral("--jobs") << QStringLiteral("2")
                                               << QStringLiteral("return.r24"),
                                           {{QStringLiteral("BQ_TEST_THROW"), step}});
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({code, 0}));
        QVERIFY2(r.output.contains(QStringLiteral("test failure in ") + step), qPrintable(r.output));
    }

    void readAndWriteResults_data()
    {
        QTest::addColumn<QString>("read");
        QTest::addColumn<int>("code");
        QTest::newRow("read") << "0" << 0;
        QTest::newRow("no barcode data") << "5166" << 0;
        QTest::newRow("older file") << "5167" << 0;
        QTest::newRow("refused") << "1" << -116;
    }
    void readAndWriteResults()
    {
        QFETCH(QString, read);
        QFETCH(int, code);
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), folder(QStringLiteral("read") + read))
                                               << QStringLiteral("return.r24"),
                                           {{QStringLiteral("BQ_TEST_READ"), read}});
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({code}));
        QVERIFY(r.output.contains(QStringLiteral("read data:  ") + read));
    }

    void unwritableFolderFailsTheWrite()
    {
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), m_dir.filePath(QStringLiteral("missing/folder")))
                                           << QStringLiteral("return.r24"));
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({-117}));
    }

    void headerKindAndDefaultFolder()
    {
        // PrintHeader on skips "new" only; a non-zero kind is handed over; no folder means RetPdfPath
        const QString pref = folder(QStringLiteral("pref"));
        QStringList args = engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), QString()).mid(0, 6);
        args << QStringLiteral("--set") << QStringLiteral("PrintHeader=1") << QStringLiteral("--user")
             << QStringLiteral("RetPdfPath=") + pref << QStringLiteral("--kind") << QStringLiteral("1")
             << QStringLiteral("--spouse") << QStringLiteral("return.r24");
        const probe::Result r = probe::run(args);
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs, QList<int>({0}));
        QCOMPARE(r.pdfNames.at(0), pref + QStringLiteral("/probe.pdf"));
        QCOMPARE(calls(r.pdfNames.at(0)),
                 QStringLiteral("init\ndo /pdf\nif /xml\nfolder %1\nmask 0\nprepare\nint\nfor\nkind 1\nread return.r24\n"
                                "write 1 0 0\n").arg(pref));
    }

    void longClassPath()
    {
        QString padding;
        while (padding.size() < 10 * 1024)
            padding += QStringLiteral("/nonexistent/folder/of/jars/number%1.jar:").arg(padding.size());
        QStringList args = engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), folder(QStringLiteral("long")));
        args[1] = QStringLiteral("JAVACLASSPATH=") + padding + QStringLiteral(BQ_ITEXT_JAR ":" BQ_ENGINE_BASIC_JAR);
        const probe::Result r = probe::run(args << QStringLiteral("return.r24"));
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.loads, QList<int>({0}));
        QCOMPARE(r.jobs, QList<int>({0}));
    }

    // A machine that gives up its start would end the process (and lose unsaved
    // edits): the load fails with a code instead, and no second start is tried.
    void machineThatCannotStart()
    {
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), folder(QStringLiteral("nostart")))
                                               << QStringLiteral("--loads") << QStringLiteral("2")
                                               << QStringLiteral("return.r24"),
                                           {{QStringLiteral("JAVA_TOOL_OPTIONS"), QStringLiteral("-Xmx1m")}});
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.loads, QList<int>({-10, -10}));
        QCOMPARE(r.jobs, QList<int>({-99}));
        QVERIFY2(r.output.contains(QLatin1String("Too small maximum heap")), qPrintable(r.output));
    }

    void checkedJniStaysQuiet()
    {
        const probe::Result r = probe::run(engineArgs(QStringLiteral(BQ_ENGINE_BASIC_JAR), folder(QStringLiteral("xcheck")))
                                               << QStringLiteral("--jobs") << QStringLiteral("50")
                                               << QStringLiteral("--kind") << QStringLiteral("1")
                                               << QStringLiteral("return.r24"),
                                           {{QStringLiteral("JAVA_TOOL_OPTIONS"), QStringLiteral("-Xcheck:jni")},
                                            {QStringLiteral("BQ_TEST_THROW"), QStringLiteral("read")}});
        QVERIFY2(r.finished, qPrintable(r.output));
        QCOMPARE(r.jobs.size(), 50);
        QCOMPARE(r.jobs.first(), -151);
        QCOMPARE(r.jobs.last(), 0);
        QVERIFY(r.output.contains(QLatin1String("Picked up JAVA_TOOL_OPTIONS: -Xcheck:jni")));   // the checks ran
        QVERIFY2(!r.output.contains(QLatin1String("WARNING")), qPrintable(r.output));
    }
};

BQ_TEST_MAIN_CORE(TestJavaBridge)
#include "tst_javabridge.moc"
