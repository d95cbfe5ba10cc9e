#pragma once
#include "rawhttpsoapresponsestru.h"
#include <QString>
#include <memory>

// HTTP/1.1 over TLS (GnuTLS) for the SOAP posts to the CRA.
//
// The server's certificate is always verified against the system's authorities,
// plus the test authority set with setTestCaFile (the application sets it only
// in test mode), and must name the host; there is no way to turn that off.
// Every step has a time-out, and the reply body has a size cap.
//
// Nothing of a request or reply body is ever logged.
class TLSW3Client
{
public:
    struct Timeouts
    {
        int connectMs = 15000;
        int handshakeMs = 20000;
        int writeMs = 30000;
        int readMs = 60000;     // from the end of the request to the end of the reply
    };

    TLSW3Client();
    ~TLSW3Client();
    TLSW3Client(const TLSW3Client &) = delete;
    TLSW3Client &operator=(const TLSW3Client &) = delete;

    // Connects and completes the handshake. host may carry its own port
    // ("host:8443"), which then replaces port. True when the session is up;
    // otherwise errorText() tells why.
    bool Connect(const QString &host, int port = 443);
    bool Connect(const char *host, int port = 443) { return Connect(QString::fromUtf8(host), port); }

    // POST of count bytes to path with the content type; reply is filled (its
    // fields are reset first). keepAlive false sends "Connection: close" and
    // closes the session after the reply; true leaves it open for another call.
    // True when a complete HTTP reply arrived, whatever its status.
    bool CallSoap(const char *path, bool keepAlive, const char *contentType, const char *bytes, int count,
                  RawHTTPSoapResponseStru &reply);

    void Close();
    bool isConnected() const;
    QString errorText() const { return m_error; }
    // Host and port of the last Connect.
    QString host() const { return m_host; }
    int port() const { return m_port; }

    void setTimeouts(const Timeouts &timeouts) { m_timeouts = timeouts; }
    Timeouts timeouts() const { return m_timeouts; }
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes > 0 ? bytes : DefaultMaxReplyBytes; }

    // Process-wide: time-outs of new clients; the extra trusted authority (a
    // PEM file; empty for none).
    static void setDefaultTimeouts(const Timeouts &timeouts);
    static Timeouts defaultTimeouts();
    static void setTestCaFile(const QString &path);
    static QString testCaFile();

    static constexpr qint64 DefaultMaxReplyBytes = 16 * 1024 * 1024;
    static constexpr int MaxHeaderBytes = 64 * 1024;

    // "host" or "host:port" into its parts; port defaultPort when not given.
    // False for an empty host or a port outside 1..65535.
    static bool splitHostPort(const QString &value, QString &host, int &port, int defaultPort = 443);

private:
    struct Session;
    bool fail(const QString &text);
    bool finish(bool keepAlive);

    std::unique_ptr<Session> m_session;
    Timeouts m_timeouts;
    qint64 m_maxReplyBytes = DefaultMaxReplyBytes;
    QString m_host;
    int m_port = 0;
    QString m_error;
};
