#include "vantrelfake.h"
#include "pdffixture.h"

#include <QJsonArray>

namespace bqfakes {

namespace {
FakeResponse unauthorized()
{
    return FakeResponse::json({{"message", "Unauthorized"}}, 401);
}

// The first of names that the request's body lacks; empty when it has them all.
QString missingItem(const FakeRequest &request, const QStringList &names)
{
    for (const QString &name : names) {
        bool found = false;
        request.bodyValue(name, &found);
        if (!found)
            return name;
    }
    return {};
}

FakeResponse missing(const QString &item)
{
    return FakeResponse::json({{"message", QStringLiteral("missing item %1").arg(item)}}, 400);
}
} // namespace

VantrelFake::VantrelFake(FakeHttpsServer &server, const VantrelAccount &account)
    : m_server(server), m_account(account)
{
    serveVantrelVerify(server, account);
    server.route("POST", LoginPath, [this](const FakeRequest &r) { return login(r); });
    server.route("POST", SignaturePath, [this](const FakeRequest &r) { return signatureRequest(r); });
    server.route("POST", QByteArray(SignaturePath) + "/*", [this](const FakeRequest &r) { return signatureStatus(r); });
    server.route("POST", FilingPath, [this](const FakeRequest &r) { return filing(r); });
    server.route("POST", TemplatePath, [this](const FakeRequest &r) { return latestTemplate(r); });
    server.route("GET", TemplatePdfPath, [this](const FakeRequest &) {
        QMutexLocker lock(&m_mutex);
        return templateFile(letterPdf("Client letter of the preparer"), "application/pdf", m_pdfDownload);
    });
    server.route("GET", TemplateXmlPath, [this](const FakeRequest &) {
        QMutexLocker lock(&m_mutex);
        return templateFile("<?xml version=\"1.0\"?><clientletter version=\"3\"><page n=\"1\"/></clientletter>\n",
                            "application/xml", m_xmlDownload);
    });
}

void VantrelFake::setStatus(int id, const QString &status, const QString &completedAtUtc)
{
    QMutexLocker lock(&m_mutex);
    m_signatures[id] = Signature{status, completedAtUtc};
}

void VantrelFake::setFilingReply(FilingReply reply)
{
    QMutexLocker lock(&m_mutex);
    m_filingReply = reply;
}

void VantrelFake::setTemplateVersion(int version)
{
    QMutexLocker lock(&m_mutex);
    m_templateVersion = version;
}

int VantrelFake::lastRequestId() const
{
    QMutexLocker lock(&m_mutex);
    return m_nextId - 1;
}

void VantrelFake::setSignatureReply(const FakeResponse &reply)
{
    QMutexLocker lock(&m_mutex);
    m_signatureReply = reply.body.isEmpty() ? std::nullopt : std::optional<FakeResponse>(reply);
}

void VantrelFake::setStatusReply(const FakeResponse &reply)
{
    QMutexLocker lock(&m_mutex);
    m_statusReply = reply.body.isEmpty() ? std::nullopt : std::optional<FakeResponse>(reply);
}

void VantrelFake::setPdfDownload(Download how)
{
    QMutexLocker lock(&m_mutex);
    m_pdfDownload = how;
}

void VantrelFake::setXmlDownload(Download how)
{
    QMutexLocker lock(&m_mutex);
    m_xmlDownload = how;
}

// A failing download is a 500; a truncated one announces more bytes than it sends.
FakeResponse VantrelFake::templateFile(const QByteArray &body, const QByteArray &type, Download how) const
{
    if (how == Download::Fail)
        return FakeResponse::text("server error", 500);
    if (how == Download::Truncated)
        return FakeResponse::raw("HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: "
                                 + QByteArray::number(body.size() + 100) + "\r\nConnection: close\r\n\r\n"
                                 + body.left(body.size() / 2));
    FakeResponse r = FakeResponse::text(how == Download::NotWhole ? body.left(body.size() / 2) : body);
    r.contentType = type;
    return r;
}

QByteArray VantrelFake::letterPdf(const QByteArray &text)
{
    return pdffixture::onePage(text);
}

bool VantrelFake::basicOk(const FakeRequest &request) const
{
    const QByteArray expected = "Basic " + (m_account.email + QLatin1Char(':') + m_account.password).toUtf8().toBase64();
    return request.header("authorization") == expected;
}

bool VantrelFake::bearerOk(const FakeRequest &request) const
{
    return request.header("authorization") == "Bearer " + QByteArray(Token);
}

FakeResponse VantrelFake::login(const FakeRequest &request) const
{
    const QString lack = missingItem(request, {QStringLiteral("email"), QStringLiteral("password")});
    if (!lack.isEmpty())
        return missing(lack);
    if (request.bodyValue(QStringLiteral("email")) != m_account.email
        || request.bodyValue(QStringLiteral("password")) != m_account.password)
        return FakeResponse::json({{"message", "Invalid email or password"}}, 401);
    return FakeResponse::json({{"access_token", Token}, {"token_type", "Bearer"}});
}

FakeResponse VantrelFake::signatureRequest(const FakeRequest &request)
{
    if (!basicOk(request))
        return unauthorized();
    bool hasDocument = false;
    for (const MultipartPart &part : request.parts())
        hasDocument = hasDocument || (part.name == "document_file" && !part.fileName.isEmpty());
    if (!hasDocument)
        return missing(QStringLiteral("document_file"));
    const QString lack = missingItem(request, {"email", "password", "licdata", "expires_in_days", "sw", "func", "form",
                                               "sender_note", "login_type"});
    if (!lack.isEmpty())
        return missing(lack);
    const QString func = request.bodyValue(QStringLiteral("func"));
    {
        QMutexLocker lock(&m_mutex);
        if (m_signatureReply)
            return *m_signatureReply;
    }
    if (request.bodyValue(QStringLiteral("sw")) != QLatin1String("T1KV2024")
        || request.bodyValue(QStringLiteral("login_type")) != QLatin1String("fernquaver")
        || (func != QLatin1String("VANTREL") && func != QLatin1String("DOCDELI")))
        return FakeResponse::json({{"message", "unknown software or function"}}, 400);
    if (func == QLatin1String("DOCDELI"))
        return FakeResponse::json({{"message", "The download link was sent."}});
    QMutexLocker lock(&m_mutex);
    const int id = m_nextId++;
    m_signatures.insert(id, Signature());
    return FakeResponse::json({{"message", "The signature request was sent."}, {"sr_id", id}});
}

FakeResponse VantrelFake::signatureStatus(const FakeRequest &request) const
{
    if (!bearerOk(request))
        return unauthorized();
    bool ok = false;
    const int id = request.path.mid(int(sizeof SignaturePath)).toInt(&ok);
    QMutexLocker lock(&m_mutex);
    if (m_statusReply)
        return *m_statusReply;
    if (!ok || !m_signatures.contains(id))
        return FakeResponse::json({{"message", "No such signature request"}}, 404);
    const Signature s = m_signatures.value(id);
    QJsonObject reply{{"sr_id", id}, {"status", s.status}};
    if (!s.completedAtUtc.isEmpty())
        reply.insert(QStringLiteral("completed_at_utc"), s.completedAtUtc);
    return FakeResponse::json(reply);
}

FakeResponse VantrelFake::filing(const FakeRequest &request) const
{
    if (!basicOk(request))
        return unauthorized();
    const QString lack = missingItem(request, {"licdata", "sw", "func", "form", "taxpayer_name", "taxpayer_phone",
                                               "login_type", "filed_at", "tax_year_end", "status", "confirmation_code",
                                               "filing_message"});
    if (!lack.isEmpty())
        return missing(lack);
    const QString status = request.bodyValue(QStringLiteral("status"));
    if (request.bodyValue(QStringLiteral("func")) != QLatin1String("FLNGRCD")
        || (status != QLatin1String("30100") && status != QLatin1String("30110")))
        return FakeResponse::json({{"message", "unknown function or status"}}, 400);
    QMutexLocker lock(&m_mutex);
    switch (m_filingReply) {
    case FilingReply::LongSuccess:
        return FakeResponse::json({{"success", true},
                                   {"message", "Filing recorded"},
                                   {"record", QJsonObject{{"form", request.bodyValue(QStringLiteral("form"))},
                                                          {"status", status},
                                                          {"notes", QString(240, QLatin1Char('n'))}}}});
    case FilingReply::Refused: return FakeResponse::json({{"success", false}});
    case FilingReply::NotJson: return FakeResponse::text("OK");
    case FilingReply::ServerError:
        return FakeResponse::json({{"success", false}, {"message", "Server Error"}}, 500);
    case FilingReply::ShortSuccess: break;
    }
    return FakeResponse::json({{"success", true}, {"message", "Filing recorded"}});
}

FakeResponse VantrelFake::latestTemplate(const FakeRequest &request) const
{
    if (!bearerOk(request))
        return unauthorized();
    const QString lack = missingItem(request, {"software_name", "software_version", "type", "version_info_only"});
    if (!lack.isEmpty())
        return missing(lack);
    QMutexLocker lock(&m_mutex);
    QJsonArray data;
    if (m_templateVersion > 0)
        data.append(QJsonObject{{"template_version", m_templateVersion},
                                {"template_pdf_url", m_server.url(QString::fromLatin1(TemplatePdfPath))},
                                {"template_xml_url", m_server.url(QString::fromLatin1(TemplateXmlPath))}});
    return FakeResponse::json({{"success", true}, {"data", data}});
}

} // namespace bqfakes
