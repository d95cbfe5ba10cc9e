#include "bqtest.h"
#include "qserversocket.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>

class TestQServerSocket : public QObject
{
    Q_OBJECT

    // Only against a hang: every wait below ends on an event the server causes.
    static constexpr int HangMs = 60000;

    // Connects a client to the listener; the caller deletes it.
    static QTcpSocket *connectTo(const QServerSocket &server)
    {
        auto client = new QTcpSocket;
        client->connectToHost(QHostAddress::LocalHost, server.serverPort());
        if (!client->waitForConnected(HangMs)) {
            delete client;
            return nullptr;
        }
        return client;
    }

    // Waits until the client sees the server close the connection.
    static bool closedByServer(QTcpSocket *client)
    {
        return QTest::qWaitFor([client] { return client->state() != QAbstractSocket::ConnectedState; }, HangMs);
    }

private slots:
    void listensOnLoopbackOnly()
    {
        QServerSocket server(0);
        QVERIFY2(server.isListening(), qPrintable(server.errorString()));
        QVERIFY(server.serverPort() != 0);
        QCOMPARE(server.serverAddress(), QHostAddress(QHostAddress::LocalHost));

        QProcess ss;
        ss.start(QStringLiteral("ss"), {QStringLiteral("-ltnH")});
        if (!ss.waitForFinished(5000) || ss.exitCode() != 0)
            QSKIP("ss (iproute2) is not available");
        const QString suffix = QStringLiteral(":%1").arg(server.serverPort());
        QStringList ours;
        for (const QString &line : QString::fromLocal8Bit(ss.readAllStandardOutput()).split('\n')) {
            const QStringList columns = line.simplified().split(' ');
            if (columns.size() >= 4 && columns.at(3).endsWith(suffix))
                ours << columns.at(3);
        }
        QCOMPARE(ours, QStringList{QStringLiteral("127.0.0.1") + suffix});

        server.close();
        QVERIFY(!server.isListening());
        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(!late.waitForConnected(1000));
    }

    void wholeRequestOnceFromSplitWrites_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("headers split") << QByteArray("GET /TAXDATA?t=abc HTTP/1.1\r\nHo")
                                       << QByteArray("st: 127.0.0.1\r\n\r\n")
                                       << QByteArray("GET /TAXDATA?t=abc HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QTest::newRow("body after headers") << QByteArray("POST /x HTTP/1.1\r\nContent-Length: 5\r\n\r\nab")
                                            << QByteArray("cde")
                                            << QByteArray("POST /x HTTP/1.1\r\nContent-Length: 5\r\n\r\nabcde");
    }
    void wholeRequestOnceFromSplitWrites()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QByteArray, request);
        QServerSocket server(0);
        QVERIFY(server.isListening());
        QSignalSpy spy(&server, &QServerSocket::dataReceived);
        connect(&server, &QServerSocket::dataReceived, this, [](QTcpSocket *socket, const QByteArray &) {
            socket->write("HTTP/1.0 200 OK\n\nthanks");
            socket->disconnectFromHost();
        });
        QScopedPointer<QTcpSocket> client(connectTo(server));
        QVERIFY(client);
        client->write(first);
        client->flush();
        QTest::qWait(150);
        QCOMPARE(spy.count(), 0);
        client->write(second);
        QVERIFY(spy.wait(HangMs));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).toByteArray(), request);
        QVERIFY(closedByServer(client.data()));
        QVERIFY(client->readAll().endsWith("thanks"));
        QCOMPARE(spy.count(), 1);
    }

    void overLongOrIdleRequestIsClosed_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("headers over the cap") << QByteArray("GET /" + QByteArray(3000, 'a'));
        QTest::newRow("body over the cap") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 5000\r\n\r\n");
        QTest::newRow("idle half request") << QByteArray("GET / HTTP/1.1\r\n");
    }
    void overLongOrIdleRequestIsClosed()
    {
        QFETCH(QByteArray, sent);
        QServerSocket server(0);
        server.setMaxRequestBytes(2048);
        server.setIdleTimeout(300);
        QSignalSpy spy(&server, &QServerSocket::dataReceived);
        QScopedPointer<QTcpSocket> client(connectTo(server));
        QVERIFY(client);
        client->write(sent);
        QVERIFY(closedByServer(client.data()));
        QCOMPARE(spy.count(), 0);
    }

    // A request dripped a byte every 100 ms is cut by its own deadline, and
    // nothing is handed on. The idle timer keeps its own length: a pause of
    // the machine between two bytes must not let it cut the connection first.
    void drippingRequestIsCut()
    {
        QServerSocket server(0);
        server.setRequestTimeout(800);
        QSignalSpy spy(&server, &QServerSocket::dataReceived);
        // the clock starts before the server has taken the connection (that is
        // done in the event loop below), so it never runs behind the deadline
        QElapsedTimer clock;
        clock.start();
        QScopedPointer<QTcpSocket> client(connectTo(server));
        QVERIFY(client);
        const QByteArray request = "GET /taxdata?t=abcdefgh HTTP/1.1\r\nHost: 127.0.0.1\r\n";
        int sent = 0;
        // without the deadline the dripping would go on for ever
        while (client->state() == QAbstractSocket::ConnectedState) {
            client->write(request.mid(sent++ % request.size(), 1));
            QTest::qWait(100);
        }
        // never before the deadline (a coarse timer may fire up to 5 % early)
        QVERIFY2(clock.elapsed() >= 700, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(spy.count(), 0);
    }

    // An answered connection that the peer never closes does not stay open.
    void answeredConnectionHeldOpenIsCut()
    {
        QServerSocket server(0);
        server.setRequestTimeout(300);
        connect(&server, &QServerSocket::dataReceived, [](QTcpSocket *socket, const QByteArray &) {
            socket->write("HTTP/1.0 200 OK\n\n");
        });
        QScopedPointer<QTcpSocket> client(connectTo(server));
        QVERIFY(client);
        client->write("GET / HTTP/1.1\r\n\r\n");
        QVERIFY(closedByServer(client.data()));
        QCOMPARE(client->readAll(), QByteArray("HTTP/1.0 200 OK\n\n"));
    }
};

BQ_TEST_MAIN_CORE(TestQServerSocket)
#include "tst_qserversocket.moc"
