// The wait cursor of a notice transformation that runs on a worker: shown on
// the GUI thread while the request waits, restored when it has failed.
#include "bqtest.h"
#include "fakehttpsserver.h"
#include "noataxdataoneperson.h"
#include "noawaitcursor.h"
#include "qwebclient.h"
#include <QApplication>
#include <QThread>

using namespace bqfakes;

class TstNoaWaitCursor : public QObject
{
    Q_OBJECT

private slots:
    void shownWhileWaitingAndRestored()
    {
        FakeHttpsServer server;
        server.route("POST", "/expnoaserv/ExpNOAServ", [](const FakeRequest &) { return FakeResponse::silent(); });
        QVERIFY(server.start());
        QWebClient::setDefaultCaFile(server.caFile());
        QWebClient::setDefaultTimeout(1500);
        setNoaTransformUrl(server.url(QStringLiteral("/expnoaserv/ExpNOAServ")));
        installNoaWaitCursor();

        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("noa2024_xxxxx4286_1.html"));
        int result = -1;
        QThread *worker = QThread::create([&result, page] {
            result = requestNoaHtml(page, "<a><MaskedAccountNumber>xxxxx4286</MaskedAccountNumber></a>", "t");
        });
        worker->start();
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::overrideCursor()
                                     && QApplication::overrideCursor()->shape() == Qt::WaitCursor,
                                 1000);
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
        QTRY_VERIFY(!QApplication::overrideCursor());
        delete worker;
        QCOMPARE(result, 1);   // the post timed out
        QVERIFY(!QFile::exists(page));

        setNoaWaitCursorHook(nullptr);
        setNoaTransformUrl(QString());
        QWebClient::setDefaultCaFile(QString());
        server.stop();
    }
};

BQ_TEST_MAIN_IMPL(TstNoaWaitCursor, QApplication)
#include "tst_noawaitcursor.moc"
