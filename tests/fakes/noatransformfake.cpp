#include "noatransformfake.h"
#include <QXmlStreamReader>

namespace bqfakes {

namespace {
// The text of the first element of that local name (with lang, of that
// xml:lang in any case); empty when none.
QString firstText(const QString &xml, const QString &localName, const QString &lang = QString())
{
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);   // prefixes need not be declared
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = reader.qualifiedName();
        if (name.mid(name.lastIndexOf(QLatin1Char(':')) + 1) != localName)
            continue;
        if (!lang.isEmpty()
            && reader.attributes().value(QStringLiteral("xml:lang")).compare(lang, Qt::CaseInsensitive) != 0)
            continue;
        return reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return QString();
}
} // namespace

NoaTransformFake::NoaTransformFake(FakeHttpsServer &server)
{
    server.route("POST", Path, [this](const FakeRequest &r) { return transform(r); });
}

QByteArray NoaTransformFake::pageFor(const QString &noticeXml)
{
    const QString account = firstText(noticeXml, QStringLiteral("MaskedAccountNumber"));
    const QString summary = firstText(noticeXml, QStringLiteral("AssessmentSummaryText"), QStringLiteral("en"));
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Notice of Assessment 2024</title></head>"
                          "<body><h1>Notice of Assessment</h1><p>Tax year: 2024</p>"
                          "<p>Social insurance number: %1</p><p>%2</p></body></html>\n")
        .arg(account.toHtmlEscaped(), summary.toHtmlEscaped())
        .toUtf8();
}

FakeResponse NoaTransformFake::transform(const FakeRequest &request) const
{
    for (const char *name : {"noaxml", "testtime", "taxyear", "xsltType"}) {
        bool found = false;
        request.bodyValue(QLatin1String(name), &found);
        if (!found)
            return FakeResponse::text("missing item " + QByteArray(name), 400);
    }
    if (request.bodyValue(QStringLiteral("taxyear")) != QLatin1String("2024")
        || request.bodyValue(QStringLiteral("xsltType")) != QLatin1String("t1noa_2023"))
        return FakeResponse::text("unknown transformation", 400);
    switch (m_reply.load()) {
    case Reply::ServerError:
        return FakeResponse::text("Internal Server Error", 500);
    case Reply::Empty:
        return FakeResponse::text(QByteArray());
    case Reply::Page:
        break;
    }
    FakeResponse page = FakeResponse::text(pageFor(request.bodyValue(QStringLiteral("noaxml"))));
    page.contentType = "text/html; charset=UTF-8";
    return page;
}

} // namespace bqfakes
