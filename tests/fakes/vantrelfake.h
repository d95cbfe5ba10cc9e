#pragma once
#include "fakeservices.h"
#include <QMap>
#include <QMutex>
#include <optional>

namespace bqfakes {

// The e-signature service's requests beside serveVantrelVerify, with the items
// the program sends, on a FakeHttpsServer. Replies are JSON objects; wrong
// credentials get 401 {"message": ...}, a request that lacks an item 400.
//   POST /api/user/login             form items email, password -> {"access_token"}
//   POST /api/signature-requests     Basic base64(email:password); multipart with
//        the file part "document_file" and the items email, password, licdata,
//        expires_in_days, [date_pos], sw "T1KV2024", func "VANTREL" or "DOCDELI",
//        form, sender_note, login_type "fernquaver" -> {"message", "sr_id"}
//        ("sr_id" only for VANTREL)
//   POST /api/signature-requests/<id> Bearer token -> {"sr_id", "status",
//        ["completed_at_utc"]}; an unknown id 404
//   POST /api/filing                 Basic; form items licdata, sw, func "FLNGRCD",
//        form, taxpayer_name, taxpayer_phone, login_type, filed_at, tax_year_end,
//        status "30100" or "30110", confirmation_code, filing_message -> the reply
//        chosen with setFilingReply ({"success": true, "message": "Filing recorded"})
//   POST /api/templates/latest       Bearer; items software_name, software_version,
//        type, version_info_only -> {"success": true, "data": [...]} with the
//        template's version and the addresses of its PDF and XML (GET /files/...)
class VantrelFake
{
public:
    static constexpr char LoginPath[] = "/api/user/login";
    static constexpr char SignaturePath[] = "/api/signature-requests";
    static constexpr char FilingPath[] = "/api/filing";
    static constexpr char TemplatePath[] = "/api/templates/latest";
    static constexpr char TemplatePdfPath[] = "/files/t1_clientletter_own.pdf";
    static constexpr char TemplateXmlPath[] = "/files/t1_clientletter_own.xml";
    static constexpr char Token[] = "vt-4b1f0c9e2d7a";

    // Mounts every route, serveVantrelVerify's included.
    VantrelFake(FakeHttpsServer &server, const VantrelAccount &account = VantrelAccount());

    // The status a later query of request id answers; completedAt empty leaves
    // "completed_at_utc" out.
    void setStatus(int id, const QString &status, const QString &completedAtUtc = QString());
    // What a valid filing record gets.
    enum class FilingReply {
        ShortSuccess,   // {"success": true, "message": "Filing recorded"}
        LongSuccess,    // {"success": true, ...} of well over 200 characters
        Refused,        // {"success": false}
        NotJson,        // "OK" as plain text
        ServerError,    // HTTP 500
    };
    void setFilingReply(FilingReply reply);
    // 0: the service has no template.
    void setTemplateVersion(int version);
    int lastRequestId() const;
    // A whole one-page PDF showing text (the template's PDF shows "Client letter
    // of the preparer").
    static QByteArray letterPdf(const QByteArray &text);

    // Scenarios: a reply given here replaces the normal one of the route
    // (after the credentials were checked); an empty body restores it.
    void setSignatureReply(const FakeResponse &reply);
    void setStatusReply(const FakeResponse &reply);
    // How the template files are served: NotWhole sends, as if whole, only the
    // first half of the file.
    enum class Download { Whole, Fail, Truncated, NotWhole };
    void setPdfDownload(Download how);
    void setXmlDownload(Download how);

private:
    struct Signature
    {
        QString status = QStringLiteral("pending");
        QString completedAtUtc;
    };
    bool basicOk(const FakeRequest &request) const;
    bool bearerOk(const FakeRequest &request) const;
    FakeResponse login(const FakeRequest &request) const;
    FakeResponse signatureRequest(const FakeRequest &request);
    FakeResponse signatureStatus(const FakeRequest &request) const;
    FakeResponse filing(const FakeRequest &request) const;
    FakeResponse latestTemplate(const FakeRequest &request) const;

    FakeHttpsServer &m_server;
    VantrelAccount m_account;
    mutable QMutex m_mutex;
    QMap<int, Signature> m_signatures;
    int m_nextId = 123;
    int m_templateVersion = 3;
    std::optional<FakeResponse> m_signatureReply;
    std::optional<FakeResponse> m_statusReply;
    Download m_pdfDownload = Download::Whole;
    Download m_xmlDownload = Download::Whole;
    FakeResponse templateFile(const QByteArray &body, const QByteArray &type, Download how) const;
    FilingReply m_filingReply = FilingReply::ShortSuccess;
};

} // namespace bqfakes
