#pragma once
#include "cstring.h"
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <cstdio>
#include <functional>
#include <string>

class QThread;
class TddProgressSink;
struct TddConfig;

// The codes of step 1000 that end a run; the staging ones (-5, -10, -20, -99,
// 100) and the get-data reply's own code come beside them.
namespace TddFailure {
constexpr int NoProgressDialog = -5;
constexpr int StageUnbuildable = -10;
constexpr int PostFailed = -20;
constexpr int PostException = -99;
constexpr int StageRefused = 100;
constexpr int GetUnbuildable = -11;     // the get-data document could not be built
constexpr int GetPostFailed = -21;      // a get-data post failed
constexpr int GetUnreadable = -12;      // the get-data reply is not XML
constexpr int GetFault = -13;           // the get-data reply is a SOAP fault
constexpr int NotAuthorised = 10;       // get-data answered 10
constexpr int NotReady = -30;           // three not-ready answers
constexpr int BrowserRefused = 99;      // the browser did not start
constexpr int ListenerPort = -31;       // the local port could not be bound
} // namespace TddFailure

// One reply of the two services, read by parseSoapResponse.
struct TddServiceReply
{
    CString returnCode;   // ReturnCode
    std::string value;    // the requested element's text (TokenIdentifier)
    CString message;      // a parse or fault message
    bool fault = false;   // result 10 with a SOAP fault (else the reply holds neither)
};

// The request documents. Each request carries 16 fresh bytes of the system
// random generator as its nonce. 0 built; else the template filler's result.
int buildStageRequest(const CString &taxYear, int mode, QByteArray &out);
int buildGetRequest(const CString &taxYear, int mode, const QByteArray &token, QByteArray &out);
// Base64(SHA-1(nonce + created + secret)), 28 characters.
void passwordDigest(const QByteArray &secret, const QByteArray &created, const QByteArray &nonce, QByteArray &out);
// 0 read; 1 not XML ("response parse error"); 10 no such response (the fault
// string, or "Error: no response and Fault", in message).
int parseSoapResponse(const QByteArray &reply, const char *responseElement, const char *valueElement,
                      TddServiceReply &out);
// spID ("095J" Auto-fill, "095T" NOA) and the service secret of the software code.
void selectServiceCredentials(int mode, CString &spID, CString &secret);
void selectServiceCredentials(const TddConfig &config, int mode, CString &spID, CString &secret);
// The sign-in key (HMAC-SHA256 of the address's values under the secret,
// Base64, percent-coded).
void authUrlKey(int mode, CString &key, const QString &timeStamp, const QByteArray &encodedPath,
                const QString &language, const QByteArray &encodedTokenAndYear);

// The client of the CRA's tax data delivery (Auto-fill, mode 1) and notice of
// assessment (Express NOA, any other mode) services.
class TddWebService
{
public:
    TddWebService();
    virtual ~TddWebService();
    TddWebService(const TddWebService &) = delete;
    TddWebService &operator=(const TddWebService &) = delete;

    // A new run: year, mode; clears the cancel of the last run.
    void setRequest(const CString &taxYear, short mode);
    short mode() const { return m_mode; }
    const CString &taxYear() const { return m_taxYear; }

    // Takes the busy flag when it is free; false when another worker holds it.
    bool setBusy();
    void clearBusy();
    bool isBusy() const;

    // The progress dialog (not owned); null detaches it. Detaching waits for a
    // hand-over in progress, so nothing reaches a dialog after this returns.
    void setProgressDialog(TddProgressSink *sink);
    bool hasProgressDialog();
    // 1 when no dialog takes progress; else hands (step, code) over and 0.
    int reportProgress(int step, int code);

    int stageRequest();
    // Builds the signed sign-in address, reports step 20 and has the GUI thread
    // open it; 0 when asked. A browser that does not start reports (1000, 99).
    int openAuthPage();
    // The browser's token, percent-decoded; true when it is shorter than 6
    // characters (then not kept).
    bool takeToken(const QByteArray &rawToken);
    void fetchData();
    // The imports: rows stored, or -2 (not XML) / -5 (no data element); the
    // items skipped in lastSkippedCount.
    int parseTaxDataResponse(FILE *log, const std::string &reply);
    int parseNoaResponse(FILE *log, const std::string &reply);
    int lastSkippedCount() const { return m_lastSkipped; }
    // One SOAP post: 0, -20 failed, -99 exception. status and reason, when
    // given, get the reply's HTTP status (0 when none came) and its reason.
    int postSoap(const QByteArray &request, QByteArray &reply, int *status = nullptr, QString *reason = nullptr);

    // A sign-in of this run waits for the browser's return.
    bool isSignInPending() const { return m_signInPending.load(); }
    void setSignInPending(bool pending) { m_signInPending = pending; }

    // Any local process can send the listener a token. A token that comes while
    // a worker checks another is kept (oldest first, a few at most) and tried
    // when the web service refuses the one in hand; false when it is not kept.
    bool offerToken(const QByteArray &rawToken);
    // How long a worker whose token was refused waits for another (scaled
    // like every wait); tests shorten it.
    static void setTokenGraceMs(int ms);
    static constexpr int DefaultTokenGraceMs = 5 * 60 * 1000;
    static constexpr size_t MaxOfferedTokens = 16;

    // Stops the run: waits return at once, later posts fail, no progress.
    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    // Waits ms (scaled); false when cancelled before or during the wait.
    bool waitFor(int ms);
    // Tests scale every wait of the road (percent of the full time,
    // 1..MaxWaitPercent): shorter for speed, far longer to show a wait is cut.
    static void setWaitPercent(int percent);
    static constexpr int MaxWaitPercent = 10000;
    static int scaledMs(int ms);

    // Why the last run failed, when known (the connection's error, an
    // unreadable reply, the service's fault, the listener's port); empty
    // otherwise. A new run (setRequest) clears it.
    QString lastFailure() const;
    void setFailure(const QString &failure);

    QString signInAddress() const;
    QByteArray stageToken() const;
    QByteArray browserToken() const;

    // How the sign-in address reaches the browser (on the GUI thread); the
    // desktop's default unless replaced.
    using BrowserOpener = std::function<bool(const QUrl &)>;
    static void setBrowserOpener(BrowserOpener opener);

private:
    enum class GetAnswer { Imported, Again, Stop, TokenRefused };
    bool nextOfferedToken(QByteArray &token);
    GetAnswer refuseToken(int failure, FILE *log);
    GetAnswer getDataTries(QByteArray token, FILE *log);
    GetAnswer getDataOnce(int tryIndex, QByteArray &token, FILE *log);
    QByteArray buildSignInAddress(const TddConfig &config, QByteArray &timeStampOut) const;
    int logPostStart(const TddConfig &config, const QByteArray &request);
    void storeDigestMap(std::vector<std::pair<std::string, std::string>> &map) const;

    // std locks, so that thread checkers see them (the system's Qt is not instrumented)
    mutable std::mutex m_dataMutex;  // the texts below
    CString m_signInAddress;
    QByteArray m_stageToken;
    QByteArray m_browserToken;
    QString m_lastFailure;

    mutable std::mutex m_sinkMutex;
    TddProgressSink *m_sink = nullptr;

    std::mutex m_cancelMutex;
    std::condition_variable m_cancelWake;
    std::atomic<bool> m_cancelled{false};
    QThread *m_postThread = nullptr;  // the worker posting now, under m_cancelMutex
    std::deque<QByteArray> m_offeredTokens;   // decoded, under m_cancelMutex

    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_signInPending{false};
    short m_mode = 1;
    CString m_taxYear;
    int m_taxYearNumber = 0;
    int m_lastSkipped = 0;
    int m_refusedFailure = 0;   // worker thread only
};
