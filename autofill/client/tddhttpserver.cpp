#include "tddhttpserver.h"
#include "dlgtddprogresswait.h"
#include "qserversocket.h"
#include "tddconfig.h"
#include "tddlistenerrequest.h"
#include "tddlogfile.h"
#include "templatefiller.h"
#include "threadtddgetdata.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace {
TddHttpServer *gListener = nullptr;

const char kHello[] = "Hello from Brackenquill 2024";
const char kLoggedOut[] = "You have logged out of CRA secure session!";

void deleteListener()
{
    delete gListener;
    gListener = nullptr;
}

const char *reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    default: return "Error";
    }
}
} // namespace

TddHttpServer *TddHttpServer::instance()
{
    return gListener;
}

TddHttpServer *createTddHttpServer(DlgTDDProgressWait *dialog)
{
    if (!gListener) {
        gListener = new TddHttpServer();
        qAddPostRoutine(deleteListener);
    }
    gListener->setProgressDialog(dialog);
    return gListener;
}

TddHttpServer::TddHttpServer()
{
    m_logPath = currentTddConfig().listenerLogPath();
}

TddHttpServer::~TddHttpServer()
{
    stop();
}

void TddHttpServer::setProgressDialog(DlgTDDProgressWait *dialog)
{
    m_dialog = dialog;
    m_client.setProgressDialog(dialog);
}

void TddHttpServer::log(const char *text) const
{
    appendTddLogLine(currentTddConfig().listenerLogPath(), text);
}

bool TddHttpServer::start(int port)
{
    if (m_socket) {
        m_socket->close();
        delete m_socket;
        m_socket = nullptr;
    }
    auto socket = new QServerSocket(quint16(port), this);
    if (!socket->isListening()) {
        log("http server cannot bind its port");
        m_client.setFailure(QStringLiteral("the local port %1, where the browser comes back from the CRA sign-in, "
                                           "cannot be opened (%2); another program may be using it")
                                .arg(port)
                                .arg(socket->errorString()));
        delete socket;
        return false;
    }
    socket->setMaxRequestBytes(TddListenerRequest::MaxHeaderBytes);
    m_socket = socket;
    connect(m_socket, &QServerSocket::dataReceived, this, &TddHttpServer::dataReceived);
    connect(m_socket, &QServerSocket::requestTooLarge, this, [this](QTcpSocket *socket) {
        log("request refused: too large");
        answer(socket, 400, "text/plain", kHello);
    });
    log("http server up");
    return true;
}

void TddHttpServer::stop()
{
    if (!m_socket)
        return;
    log("http server down");
    m_socket->close();
    delete m_socket;
    m_socket = nullptr;
}

quint16 TddHttpServer::port() const
{
    return m_socket ? m_socket->serverPort() : 0;
}

TddHttpServer::TokenTaken TddHttpServer::acceptToken(const QByteArray &rawToken, const QByteArray &decoded)
{
    if (decoded.size() < 6) {
        log("token refused: too short");
        return TokenTaken::No;
    }
    if (!m_dialog || !m_client.isSignInPending()) {
        log("token refused: no sign-in pending");
        return TokenTaken::No;
    }
    if (!m_client.setBusy()) {
        if (m_client.offerToken(rawToken)) {
            log("token kept: a worker checks another");
            return TokenTaken::Kept;
        }
        log("token refused: a worker is running");
        return TokenTaken::No;
    }
    if (m_client.takeToken(rawToken)) {
        m_client.clearBusy();
        return TokenTaken::No;
    }
    return TokenTaken::StartWorker;
}

void TddHttpServer::startDataWorker()
{
    auto worker = new ThreadTDDGetData(&m_client, m_dialog);
    ++m_workersStarted;
    worker->start(QThread::InheritPriority);
}

void TddHttpServer::answer(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body)
{
    QByteArray head = "HTTP/1.0 " + QByteArray::number(status) + " " + reason(status) + "\n";
    head += "Content-Type: " + contentType + "\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\n\n";
    socket->write(head + body);
    socket->flush();
    socket->disconnectFromHost();
}

void TddHttpServer::dataReceived(QTcpSocket *socket, QByteArray data)
{
    try {
        m_client.reportProgress(25, 0);
        const TddListenerRequest request = parseTddListenerRequest(data);
        switch (request.kind) {
        case TddListenerRequest::Silent:
            socket->disconnectFromHost();
            return;
        case TddListenerRequest::Malformed:
            log("request refused: malformed");
            answer(socket, 400, "text/plain", kHello);
            return;
        case TddListenerRequest::UnknownPath:
            answer(socket, 404, "text/plain", kHello);
            return;
        case TddListenerRequest::Logout:
            answer(socket, 200, "text/plain", kLoggedOut);
            return;
        default:
            break;
        }
        m_client.reportProgress(30, 0);
        const TokenTaken taken = acceptToken(request.rawToken, request.token);
        if (taken == TokenTaken::No) {
            answer(socket, 400, "text/plain", kHello);
            return;
        }
        m_client.reportProgress(40, 0);
        TemplateVars vars;
        vars.insert("crajsurl", CString(currentTddConfig().scriptUrl));
        QByteArray page;
        processTemplatePartInString(page, QStringLiteral(":/tdd/tdd/tdd_logouthtml.xmt"), vars, TemplateUtf8);
        answer(socket, 200, "text/html", page);
        if (taken == TokenTaken::StartWorker)
            startDataWorker();
    } catch (...) {
        log("svr accept exception");
        m_client.reportProgress(1000, 0);
    }
}
