#pragma once
// What the tests of the Auto-fill exchange share: the settings the client
// reads, pointed at the stand-ins; the application database's tables; a raw
// client of the local listener and the browser step caught in the process.
#include "settingsseam.h"
#include "tddservicesfake.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMap>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace tddtest {

class Settings : public SettingsSource
{
public:
    QMap<QString, QString> values;
    QString userSetting(const QString &) const override { return QString(); }
    QString configValue(const QString &key) const override { return values.value(key); }
};

// Runs fn on a thread of its own while this thread's events go on (the
// listener lives here); false when it did not end within timeoutMs (only
// against a hang).
inline bool runBeside(const std::function<void()> &fn, int timeoutMs = 60000)
{
    QThread *thread = QThread::create(fn);
    thread->start();
    QElapsedTimer clock;
    clock.start();
    while (!thread->isFinished() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const bool done = thread->wait(timeoutMs);
    delete thread;
    return done;
}

// Sends the chunks (pauseMs apart) to 127.0.0.1:port and reads until the
// server closes; what came back.
inline QByteArray blockingExchange(quint16 port, const QList<QByteArray> &chunks, int pauseMs = 50)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(3000))
        return "<no connection>";
    for (int i = 0; i < chunks.size(); ++i) {
        if (i > 0)
            QThread::msleep(pauseMs);
        socket.write(chunks.at(i));
        socket.waitForBytesWritten(3000);
    }
    QByteArray answer;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(3000))
        answer += socket.readAll();
    answer += socket.readAll();
    return answer;
}

inline QByteArray exchange(quint16 port, const QList<QByteArray> &chunks, int pauseMs = 50)
{
    QByteArray answer;
    runBeside([&] { answer = blockingExchange(port, chunks, pauseMs); });
    return answer;
}

inline quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

inline bool createTables(const QString &path)
{
    bool ok;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tddtest_schema"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("create table if not exists tb_taxpayers (id integer primary key autoincrement, "
                                         "name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))"));
        ok = ok && q.exec(QStringLiteral("create table if not exists tb_taxdata (id integer primary key autoincrement, "
                                         "uid integer, create_time datetime, data1 text, html1 text, taxyear integer)"));
        ok = ok && q.exec(QStringLiteral("create table if not exists tb_taxnoa (id integer primary key autoincrement, "
                                         "uid integer, create_time datetime, data1 text, htmlfile varchar(256), "
                                         "taxyear integer)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tddtest_schema"));
    return ok;
}

// The settings of certification-test mode pointed at the fake on hostPort.
inline void pointAt(Settings &s, const QString &hostPort, const QString &folder, quint16 listenerPort)
{
    s.values = {
        {QStringLiteral("tddServiceHost"), hostPort},
        {QStringLiteral("tddServicePath"), QStringLiteral("/ebci/awsc/tdd/ws/")},
        {QStringLiteral("tddDataServiceName"), QStringLiteral("/CertTestDeliveryService")},
        {QStringLiteral("tddNoaServiceName"), QStringLiteral("/CertTestNOAService")},
        {QStringLiteral("tddSignInHost"), hostPort},
        {QStringLiteral("tddSignInPath"), QStringLiteral("/ebci/awsc/tdd/certtest/auth/start")},
        {QStringLiteral("tddScriptUrl"), QStringLiteral("https://") + hostPort
                                             + QStringLiteral("/ebci/awsc/tdd/certtest/pub/js/cra.js")},
        {QStringLiteral("tddServiceSecret095"), QString::fromLatin1(bqfakes::TddServicesFake::DefaultSecret)},
        {QStringLiteral("tddServiceSecretOther"), QStringLiteral("Rn8cV3kPq6WsT2mXz9LdH4fBj7GyA1Uo")},
        {QStringLiteral("EfileSoftwareCode"), QStringLiteral("095")},
        {QStringLiteral("MODEDEBUG"), QStringLiteral("1")},
        {QStringLiteral("FullLog"), QStringLiteral("1")},
        {QStringLiteral("runFolder"), folder},
        {QStringLiteral("noaFolder"), folder + QStringLiteral("/noa1")},
        {QStringLiteral("databasePath"), folder + QStringLiteral("/mydata2024e.db")},
        {QStringLiteral("appEdition"), QStringLiteral("1")},
        {QStringLiteral("TDDLISTENPORT"), QString::number(listenerPort)},
    };
}

// The user's browser: the sign-in address is followed on a second thread to
// the fake sign-in page, whose redirect target goes to the listener as a raw
// GET. Registered for "https" while it lives. Its threads are joined by the
// destructor, so that they have wholly ended, their thread-local clean-up (the
// TLS library's among it) included: a QThread's wait() returns before that
// clean-up, which then races with the process's exit.
class BrowserStand : public QObject
{
    Q_OBJECT
public:
    explicit BrowserStand(const QString &caFile) : m_caFile(caFile)
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "handleUrl");
    }
    ~BrowserStand() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        for (std::thread &t : m_threads)
            t.join();
    }

    struct Visit
    {
        QUrl address;
        int signInStatus = 0;
        QByteArray location;
        QByteArray listenerAnswer;
    };
    QList<Visit> visits() const
    {
        QMutexLocker lock(&m_mutex);
        return m_visits;
    }
    bool allDone() const { return m_following == 0; }

public slots:
    void handleUrl(const QUrl &url)
    {
        // the GUI thread, where the listener runs, must not block
        ++m_following;
        m_threads.emplace_back([this, url] {
            follow(url);
            --m_following;
        });
    }

private:
    void follow(const QUrl &url)
    {
        Visit visit;
        visit.address = url;
        QSslSocket tls;
        QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
        conf.setCaCertificates(QSslCertificate::fromPath(m_caFile));
        tls.setSslConfiguration(conf);
        tls.connectToHostEncrypted(url.host(), quint16(url.port(443)));
        if (tls.waitForEncrypted(5000)) {
            const QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
            tls.write("GET " + target + " HTTP/1.1\r\nHost: " + url.host().toLatin1() + ":"
                      + QByteArray::number(url.port(443)) + "\r\nConnection: close\r\n\r\n");
            QByteArray reply;
            while (tls.waitForReadyRead(5000))
                reply += tls.readAll();
            reply += tls.readAll();
            visit.signInStatus = reply.mid(9, 3).toInt();
            for (const QByteArray &line : reply.split('\n'))
                if (line.toLower().startsWith("location:"))
                    visit.location = line.mid(9).trimmed();
        }
        if (visit.signInStatus == 302) {
            const QUrl back(QString::fromLatin1(visit.location));
            visit.listenerAnswer = blockingExchange(
                quint16(back.port()), {"GET " + back.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority)
                                           + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"});
        }
        QMutexLocker lock(&m_mutex);
        m_visits << visit;
    }

    QString m_caFile;
    mutable QMutex m_mutex;
    QList<Visit> m_visits;
    std::vector<std::thread> m_threads;
    std::atomic<int> m_following{0};
};

} // namespace tddtest
