// Starts every stand-in server of tests/fakes on free ports of 127.0.0.1,
// prints the gr_path.ini lines that point the program at them, and runs until
// Ctrl-C (or SIGTERM). On the way out it lists on stderr every request each
// server read, with the items of form bodies (passwords masked), so a run of
// the program can be checked afterwards.
//
//   build/bin/bqfakeservers > fragment.ini
//
// A stand-in joins by adding a row to stands() below: it mounts its routes on
// its own server and names the configuration lines that reach it.
#include "crafilingfake.h"
#include "fakehttpsserver.h"
#include "handshakedropserver.h"
#include "noatransformfake.h"
#include "tddservicesfake.h"
#include "vantrelfake.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <functional>
#include <memory>
#include <vector>

using namespace bqfakes;

namespace {
std::atomic<bool> g_stop{false};

void onSignal(int)
{
    g_stop = true;
}

struct Stand
{
    const char *name;
    // Mounts the routes; what it returns lives as long as the server.
    std::function<std::shared_ptr<void>(FakeHttpsServer &)> mount;
    // The configuration lines, given the server's "127.0.0.1:<port>" and base URL.
    std::function<QStringList(const QString &hostPort, const QString &baseUrl)> lines;
};

std::vector<Stand> stands()
{
    return {
        {"CRA filing (EFILE, ReFILE, NETFILE, T1013, PAD, T1135)",
         [](FakeHttpsServer &s) { return std::static_pointer_cast<void>(std::make_shared<CraFilingFake>(s)); },
         [](const QString &hostPort, const QString &) {
             return QStringList{"EOLSERVER=" + hostPort, "NETFILESERVER=" + hostPort, "T1013SERVER=" + hostPort};
         }},
        {"e-signature service",
         [](FakeHttpsServer &s) { return std::static_pointer_cast<void>(std::make_shared<VantrelFake>(s)); },
         [](const QString &, const QString &baseUrl) { return QStringList{"VantrelServer=" + baseUrl}; }},
        {"notice-of-assessment transformation",
         [](FakeHttpsServer &s) { return std::static_pointer_cast<void>(std::make_shared<NoaTransformFake>(s)); },
         [](const QString &, const QString &baseUrl) { return QStringList{"NOATRANSFORMSERVER=" + baseUrl}; }},
        {"CRA Auto-fill and Express NOA services and sign-in page (listener on 46249)",
         [](FakeHttpsServer &s) {
             auto fake = std::make_shared<TddServicesFake>(s);
             fake->setListenerPort(46249);
             return std::static_pointer_cast<void>(fake);
         },
         [](const QString &hostPort, const QString &) {
             return QStringList{"TDDSERVER=" + hostPort, "TDDSIGNINSERVER=" + hostPort};
         }},
    };
}
// "<stand>: POST /path (n bytes)", then one line per form item.
void listRequests(QTextStream &err, const char *stand, const FakeHttpsServer &server)
{
    for (const FakeRequest &request : server.requests()) {
        err << "bqfakeservers: " << stand << ": " << request.method << " " << request.path << " ("
            << request.body.size() << " bytes)\n";
        if (!request.header("content-type").startsWith("application/x-www-form-urlencoded"))
            continue;
        for (const auto &item : request.formItems()) {
            const bool secret = item.first.contains(QLatin1String("password"), Qt::CaseInsensitive);
            err << "    " << item.first << " = " << (secret ? QStringLiteral("*****") : item.second) << "\n";
        }
        const QByteArray authorization = request.header("authorization");
        if (!authorization.isEmpty())
            err << "    (authorization: " << authorization.left(authorization.indexOf(' ')) << " ...)\n";
    }
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    std::vector<std::unique_ptr<FakeHttpsServer>> servers;
    std::vector<std::shared_ptr<void>> mounted;
    QStringList fragment;
    for (const Stand &stand : stands()) {
        auto server = std::make_unique<FakeHttpsServer>();
        mounted.push_back(stand.mount(*server));
        if (!server->start()) {
            err << "bqfakeservers: " << stand.name << " did not start: " << server->errorString() << "\n";
            return 1;
        }
        fragment << QStringLiteral("# %1").arg(QLatin1String(stand.name));
        fragment << stand.lines(QStringLiteral("127.0.0.1:%1").arg(server->port()), server->baseUrl());
        servers.push_back(std::move(server));
    }
    HandshakeDropServer dropper;
    if (!dropper.start()) {
        err << "bqfakeservers: the handshake-drop listener did not start\n";
        return 1;
    }

    out << "# gr_path.ini lines for the stand-in servers of bqfakeservers (Ctrl-C stops them)\n";
    out << "MODEDEBUG=1\n";
    out << "TestCAFile=" << servers.front()->caFile() << "\n";
    for (const QString &line : fragment)
        out << line << "\n";
    out << "# a listener that closes during the TLS handshake: 127.0.0.1:" << dropper.port() << "\n";
    out.flush();

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [] {
        if (g_stop)
            QCoreApplication::quit();
    });
    poll.start(100);
    const int result = app.exec();
    dropper.stop();
    const std::vector<Stand> named = stands();
    for (size_t i = 0; i < servers.size(); ++i) {
        servers[i]->stop();
        listRequests(err, named[i].name, *servers[i]);
    }
    err << "bqfakeservers: stopped\n";
    return result;
}
