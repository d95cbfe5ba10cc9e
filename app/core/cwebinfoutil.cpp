#include "cwebinfoutil.h"
#include "qwebclient.h"
#include <QRegularExpression>
#include <exception>

const char *const kWebInfoPath = "/phpproj/pelvo/info/fernquaverinfo.php";

CWebInfoUtil::CWebInfoUtil(const QString &host, int timeoutMs) : m_host(host), m_timeoutMs(timeoutMs) {}

CWebInfoUtil::~CWebInfoUtil() = default;

int CWebInfoUtil::parseReply(const QString &reply, QString &word)
{
    // A decimal code, optional white space, then one word without white space.
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?\\d+)\\s*(\\S*)"));
    const QRegularExpressionMatch m = re.match(reply);
    if (!m.hasMatch())
        return -1;
    bool ok = false;
    const int code = m.captured(1).toInt(&ok);
    if (!ok)
        return -1;
    word = m.captured(2).left(MaxWordLength);
    return code;
}

int CWebInfoUtil::queryInfo(const QByteArray &keyword1, const QByteArray &keyword2, QString &info)
{
    try {
        QWebClient client(QStringLiteral("https://%1%2").arg(m_host, QLatin1String(kWebInfoPath)), false);
        client.setTimeout(m_timeoutMs);
        client.addQueryItem(QStringLiteral("kw1"), QString::fromUtf8(keyword1));
        client.addQueryItem(QStringLiteral("kw2"), QString::fromUtf8(keyword2));
        const QString reply = client.post();
        QString word;
        const int code = parseReply(reply, word);
        if (code == 199 || code == 200 || code == 201)
            info = word;
        return code;
    } catch (const std::exception &) {
        return -100;
    } catch (...) {
        return -100;
    }
}
