#pragma once
#include "fakehttpsserver.h"
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

namespace bqfakes {

// The CRA's Auto-fill (tax data delivery) and Express NOA web services and the
// CRA sign-in page, on one FakeHttpsServer (the certification-test layout: one
// host for both).
//
// SOAP routes (POST, production and test service names, tax year 2024): every
// request must carry a WS-Security user-name token whose Username is the spID
// ("<software code>J" Auto-fill, "T" NOA), whose Created is within five
// minutes, whose digest is Base64(SHA-1(nonce + Created + secret)) and whose
// nonce was never seen before; else a SOAP fault "wsse:FailedAuthentication"
// (HTTP 500), counted in refusals().
//  - staging keeps the S.I.N.s and answers ReturnCode 0 with a new token;
//  - get-data must carry the token of the browser's return (then of the last
//    not-ready answer), else a fault; it answers by scenario: not ready (0,
//    with a new token) notReadyCount times, then the scenario's answer.
//    The data answer has one item per staged S.I.N., named by the SHA-256 of
//    its nine digits (the first one in upper case), and one item of a S.I.N.
//    that was not staged.
//
// Sign-in page (GET on the sign-in start path): recomputes the key from the
// query (HMAC-SHA256 under the secret), checks every parameter, and answers
// 302 to "http://127.0.0.1:<listener port>/taxdata?t=..." ("/expnoa?t=..."
// for NOA); a wrong parameter gets 400, counted in signInRefusals().
class TddServicesFake
{
public:
    static constexpr char DataPath[] = "/ebci/awsc/tdd/ws/2024/CertTestDeliveryService";
    static constexpr char NoaPath[] = "/ebci/awsc/tdd/ws/2024/CertTestNOAService";
    static constexpr char ProductionDataPath[] = "/ebci/awsc/tdd/ws/2024/TaxDataDeliveryService";
    static constexpr char ProductionNoaPath[] = "/ebci/awsc/tdd/ws/2024/NoticeOfAssessmentService";
    static constexpr char SignInPath[] = "/ebci/awsc/tdd/certtest/auth/start";
    static constexpr char ScriptPath[] = "/ebci/awsc/tdd/certtest/pub/js/cra.js";
    // The certification-test secret of software code "095".
    static constexpr char DefaultSecret[] = "Pv9gS4nTk2WmC7xRq3LzF8bHd5JyU6Eo";

    enum class Answer {
        Data,          // ReturnCode 20 with the items
        NotAuthorised, // 10
        OtherCode,     // 30
        Fault,         // a SOAP fault
        Malformed,     // not XML
        Silent,        // no answer at all
        Unavailable,   // HTTP 503 without a SOAP body
        WebPage,       // HTTP 500 with a web page (well-formed XML) in place of the SOAP answer
    };

    struct Options
    {
        Answer answer = Answer::Data;
        int notReadyCount = 0;
        QByteArray itemPrefix = "ns2";       // namespace prefix of the Auto-fill items
        bool selfClosingItem = false;        // a self-closing item before the others
        int badNoaItem = -1;                 // this NOA item (0-based) has no identifier
        bool stageFault = false;             // staging answers a fault
    };

    TddServicesFake(FakeHttpsServer &server, const QByteArray &softwareCode = "095",
                    const QByteArray &secret = DefaultSecret);

    void setOptions(const Options &options);
    void setListenerPort(quint16 port);
    // The token the next get-data must carry, as if the sign-in page had
    // issued it (a test that sends the listener its own token).
    void expectToken(const QByteArray &token);

    // What the fake saw.
    QStringList stagedSins() const;
    QList<QByteArray> nonces() const;          // of every request, accepted or not
    int refusals() const;
    int signInRefusals() const;
    int getDataRequests() const;
    QByteArray browserToken() const;           // the last one the sign-in page issued

    // The item identifier of a S.I.N. (SHA-256 of its digits, lower case).
    static QByteArray identifierOf(const QString &sin);
    // A not-staged S.I.N. the data answers carry.
    static QString strangerSin() { return QStringLiteral("527000087"); }

private:
    FakeResponse soap(const FakeRequest &request, bool noa);
    FakeResponse signIn(const FakeRequest &request);
    QString checkToken(const QByteArray &body, bool noa);
    FakeResponse dataAnswer(bool noa) const;

    QByteArray m_code;
    QByteArray m_secret;
    mutable QMutex m_mutex;
    Options m_options;
    quint16 m_listenerPort = 0;
    QStringList m_staged;
    QList<QByteArray> m_nonces;
    QSet<QByteArray> m_seen;
    int m_refusals = 0;
    int m_signInRefusals = 0;
    int m_getRequests = 0;
    int m_notReadySent = 0;
    QByteArray m_stageToken;
    QByteArray m_browserToken;
    QByteArray m_expectedToken;
};

} // namespace bqfakes
