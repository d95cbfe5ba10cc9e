#include "tddlistenerrequest.h"
#include "cryptocoding.h"
#include <QList>

namespace {
bool isTokenByte(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7f;
}

TddListenerRequest withKind(TddListenerRequest::Kind kind)
{
    TddListenerRequest r;
    r.kind = kind;
    return r;
}

// The request line's token after prefix; Malformed when out of bounds.
TddListenerRequest tokenRequest(TddListenerRequest::Kind kind, const QByteArray &raw, const QByteArray &version)
{
    if (raw.size() > 3 * TddListenerRequest::MaxTokenBytes)
        return withKind(TddListenerRequest::Malformed);
    for (char c : raw)
        if (!isTokenByte(c))
            return withKind(TddListenerRequest::Malformed);
    TddListenerRequest r;
    r.token = urlDecode(raw);
    if (r.token.size() > TddListenerRequest::MaxTokenBytes)
        return withKind(TddListenerRequest::Malformed);
    r.kind = kind;
    r.rawToken = raw;
    r.version = version;
    return r;
}
} // namespace

TddListenerRequest parseTddListenerRequest(const QByteArray &request)
{
    int headerEnd = request.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        headerEnd = request.size();
    if (headerEnd > TddListenerRequest::MaxHeaderBytes)
        return withKind(TddListenerRequest::Malformed);
    const QByteArray head = request.left(headerEnd);
    const bool silent = head.contains("marlock4862");
    const TddListenerRequest::Kind otherwise = silent ? TddListenerRequest::Silent : TddListenerRequest::Malformed;

    int lineEnd = head.indexOf("\r\n");
    if (lineEnd < 0)
        lineEnd = head.size();
    const QByteArray line = head.left(lineEnd);
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || parts.at(0) != "GET")
        return withKind(otherwise);
    const QByteArray &target = parts.at(1);
    const QByteArray &version = parts.at(2);
    if (version != "HTTP/1.0" && version != "HTTP/1.1")
        return withKind(otherwise);

    static const struct { const char *prefix; TddListenerRequest::Kind kind; } tokenPaths[] = {
        {"/taxdata", TddListenerRequest::TaxData},
        {"/TAXDATA", TddListenerRequest::TaxDataUpper},
        {"/expnoa", TddListenerRequest::ExpNoa},
    };
    for (const auto &p : tokenPaths) {
        const QByteArray prefix(p.prefix);
        if (!target.startsWith(prefix))
            continue;
        const QByteArray rest = target.mid(prefix.size());
        if (rest.startsWith("?t="))
            return tokenRequest(p.kind, rest.mid(3), version);
        if (rest.isEmpty() || rest.startsWith('?'))
            return withKind(otherwise);
    }
    if (target == "/logout" || target.startsWith("/logout?")) {
        TddListenerRequest r = withKind(TddListenerRequest::Logout);
        r.version = version;
        return r;
    }
    return withKind(silent ? TddListenerRequest::Silent : TddListenerRequest::UnknownPath);
}
