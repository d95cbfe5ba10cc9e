#include "bqtest.h"
#include "fileassociation.h"
#include <QFileInfo>
#include <QUrl>

class TestPlatform : public QObject
{
    Q_OBJECT
    QString dataHome() const { return FileAssociation::dataHome(); }

private slots:
    void quoteExecArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain") << "/opt/bq/brackenquill" << "\"/opt/bq/brackenquill\"";
        QTest::newRow("space") << "/opt/my apps/bq" << "\"/opt/my apps/bq\"";
        QTest::newRow("reserved") << "/a\"b`c$d\\e" << "\"/a\\\"b\\`c\\$d\\\\e\"";
        QTest::newRow("percent") << "/opt/100%/bq" << "\"/opt/100%%/bq\"";
    }
    void quoteExecArgument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, quoted);
        QCOMPARE(FileAssociation::quoteExecArgument(argument), quoted);
    }

    void desktopEntry()
    {
        const QString entry = FileAssociation::desktopEntry(QStringLiteral("/opt/my apps/brackenquill"));
        QVERIFY(entry.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(entry.contains(QLatin1String("\nExec=\"/opt/my apps/brackenquill\" %u\n")));
        QVERIFY(entry.contains(QLatin1String("\nMimeType=application/x-brackenquill2024;x-scheme-handler/brackenquill;\n")));
        QVERIFY(entry.contains(QLatin1String("\nIcon=application-x-brackenquill2024\n")));
        // A backslash is escaped for the quoting rule and again for the string rule.
        QVERIFY(FileAssociation::desktopEntry(QStringLiteral("/a\\b")).contains(QLatin1String("Exec=\"/a\\\\\\\\b\" %u")));
    }

    void mimePackage()
    {
        const QString xml = FileAssociation::mimePackage();
        QVERIFY(xml.contains(QLatin1String("<mime-type type=\"application/x-brackenquill2024\">")));
        QVERIFY(xml.contains(QLatin1String("<glob pattern=\"*.r24\" case-sensitive=\"true\"/>")));
        QVERIFY(xml.contains(QLatin1String("<icon name=\"application-x-brackenquill2024\"/>")));
    }

    void writeUnderDataHome()
    {
        QVERIFY(dataHome().startsWith(bqtest::isolatedHome().path()));
        const QString icon = bqtest::isolatedHome().path() + QStringLiteral("/icon.png");
        QFile f(icon);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PNGDATA");
        f.close();

        QVERIFY(FileAssociation::write(QStringLiteral("/opt/bq/brackenquill"), icon, false));
        const QString desktop = dataHome() + QStringLiteral("/applications/brackenquill2024.desktop");
        const QString mime = dataHome() + QStringLiteral("/mime/packages/brackenquill2024.xml");
        const QString mimeIcon =
            dataHome() + QStringLiteral("/icons/hicolor/48x48/mimetypes/application-x-brackenquill2024.png");
        for (const QString &path : {desktop, mime, mimeIcon})
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QFile d(desktop);
        QVERIFY(d.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(d.readAll()), FileAssociation::desktopEntry(QStringLiteral("/opt/bq/brackenquill")));

        // The next start with another program path rewrites the entry.
        QVERIFY(FileAssociation::write(QStringLiteral("/srv/bq2/brackenquill"), icon, false));
        d.close();
        QVERIFY(d.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(d.readAll()).contains(QLatin1String("Exec=\"/srv/bq2/brackenquill\" %u")));
    }

    void writeFailureIsReported()
    {
        // An unreadable icon and a data folder that cannot be written: false, no crash.
        const QString blocked = bqtest::isolatedHome().path() + QStringLiteral("/blocked");
        QFile b(blocked);
        QVERIFY(b.open(QIODevice::WriteOnly)); // a file where a folder is expected
        b.close();
        const QByteArray old = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
        QVERIFY(!FileAssociation::write(QStringLiteral("/opt/bq/brackenquill"), QStringLiteral("/no/icon.png"), false));
        qputenv("XDG_DATA_HOME", old);
    }

    void localPathFromArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("path");
        QTest::newRow("path") << "/home/a/x.r24" << "/home/a/x.r24";
        QTest::newRow("file url") << QUrl::fromLocalFile(QStringLiteral("/home/a b/x.r24")).toString()
                                  << "/home/a b/x.r24";
        QTest::newRow("encoded url") << "file:///home/a%20b/x.r24" << "/home/a b/x.r24";
        QTest::newRow("scheme url") << "brackenquill://open" << "brackenquill://open";
    }
    void localPathFromArgument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, path);
        QCOMPARE(FileAssociation::localPathFromArgument(argument), path);
    }
};

BQ_TEST_MAIN_CORE(TestPlatform)
#include "tst_platform.moc"
