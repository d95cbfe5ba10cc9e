#pragma once
#include <QString>

// Asks the maker's information page for one item (for example the latest build
// date of an edition). The reply is "<code> <word>"; codes 199 to 201 carry the
// item in the word.
class CWebInfoUtil
{
public:
    // host: the product's web host, optionally with ":port"; the request goes
    // to https://<host>/phpproj/pelvo/info/fernquaverinfo.php.
    explicit CWebInfoUtil(const QString &host, int timeoutMs = DefaultTimeoutMs);
    virtual ~CWebInfoUtil();

    // The reply's code; -1 when the reply does not begin with a number (also
    // when no reply came); -100 when the request raised an exception. info is
    // set to the reply's word only for the codes 199, 200 and 201.
    int queryInfo(const QByteArray &keyword1, const QByteArray &keyword2, QString &info);

    // Parses "<code> <word>" as queryInfo does; the word is cut to MaxWordLength.
    static int parseReply(const QString &reply, QString &word);

    static constexpr int DefaultTimeoutMs = 5000;
    static constexpr int MaxWordLength = 255;

private:
    QString m_host;
    int m_timeoutMs;
};

// Path of the information page on the product's web host.
extern const char *const kWebInfoPath;
