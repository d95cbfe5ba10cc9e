#pragma once
#include "cstring.h"
#include "tddwebservice.h"
#include <QByteArray>
#include <QObject>

class DlgTDDProgressWait;
class QServerSocket;
class QTcpSocket;

// The local listener that receives the browser's return from the CRA sign-in
// ("GET /taxdata?t=...", "/TAXDATA", "/expnoa", "/logout") on 127.0.0.1, and
// the one Auto-fill client of the program. Lives on the GUI thread.
class TddHttpServer : public QObject
{
    Q_OBJECT
public:
    // The single listener; null before createTddHttpServer.
    static TddHttpServer *instance();
    ~TddHttpServer() override;

    // Binds 127.0.0.1:port (a listening socket that exists is replaced); false
    // when the port cannot be bound (the client's failure then says why).
    bool start(int port);
    void stop();
    bool isRunning() const { return m_socket != nullptr; }
    quint16 port() const;

    TddWebService &client() { return m_client; }
    DlgTDDProgressWait *progressDialog() const { return m_dialog; }
    void setProgressDialog(DlgTDDProgressWait *dialog);
    // Data workers started since the program began (tests).
    int dataWorkersStarted() const { return m_workersStarted; }

public slots:
    void dataReceived(QTcpSocket *socket, QByteArray data);

private:
    TddHttpServer();
    enum class TokenTaken { No, StartWorker, Kept };
    // Takes the token when a sign-in of this run waits for it: an idle client
    // gets it (the worker then holds the busy flag); a busy one keeps it in case
    // the token being checked is refused.
    TokenTaken acceptToken(const QByteArray &rawToken, const QByteArray &decoded);
    void startDataWorker();
    void answer(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body);
    void log(const char *text) const;

    TddWebService m_client;
    CString m_logPath;
    QServerSocket *m_socket = nullptr;
    DlgTDDProgressWait *m_dialog = nullptr;
    int m_workersStarted = 0;

    friend TddHttpServer *createTddHttpServer(DlgTDDProgressWait *dialog);
};

// Makes the listener on the first call; on every call sets its (and its
// client's) progress dialog.
TddHttpServer *createTddHttpServer(DlgTDDProgressWait *dialog);
