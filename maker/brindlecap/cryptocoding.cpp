#include "cryptocoding.h"
#include <gnutls/crypto.h>
#include <gnutls/gnutls.h>

// GnuTLS's digests use the processor's SHA instructions where it has them.
static QByteArray digestOf(gnutls_digest_algorithm_t algorithm, int size, const QByteArray &data, bool hexDigits)
{
    QByteArray digest(size, '\0');
    gnutls_hash_fast(algorithm, data.constData(), size_t(data.size()), digest.data());
    return hexDigits ? digest.toHex() : digest;
}

QByteArray SHA1(const QByteArray &data, bool hexDigits)
{
    return digestOf(GNUTLS_DIG_SHA1, 20, data, hexDigits);
}

QByteArray SHA256(const QByteArray &data, bool hexDigits)
{
    return digestOf(GNUTLS_DIG_SHA256, 32, data, hexDigits);
}

QByteArray hmacSha256(const QByteArray &message, const QByteArray &key)
{
    constexpr int BlockSize = 64;
    QByteArray k = key.size() > BlockSize ? SHA256(key) : key;
    k.append(QByteArray(BlockSize - k.size(), '\0'));
    QByteArray inner(BlockSize, '\0');
    QByteArray outer(BlockSize, '\0');
    for (int i = 0; i < BlockSize; ++i) {
        inner[i] = char(k.at(i) ^ 0x36);
        outer[i] = char(k.at(i) ^ 0x5c);
    }
    return SHA256(outer + SHA256(inner + message));
}

void hmacSha256(const unsigned char *message, std::size_t messageLength, const unsigned char *key,
                std::size_t keyLength, unsigned char out[32])
{
    const QByteArray m = QByteArray::fromRawData(reinterpret_cast<const char *>(message), int(messageLength));
    const QByteArray k = QByteArray::fromRawData(reinterpret_cast<const char *>(key), int(keyLength));
    const QByteArray mac = hmacSha256(m, k);
    std::copy(mac.constBegin(), mac.constEnd(), reinterpret_cast<char *>(out));
}

QByteArray Base64encode(const QByteArray &data)
{
    return data.toBase64();
}

QByteArray urlEncode(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const uchar u = uchar(c);
        const bool unreserved = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')
            || u == '-' || u == '.' || u == '_' || u == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0x0f];
        }
    }
    return out;
}

QByteArray urlEncode(const QString &text)
{
    return urlEncode(text.toUtf8());
}

static int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QByteArray urlDecode(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '%' && i + 2 < text.size() && hexValue(text.at(i + 1)) >= 0 && hexValue(text.at(i + 2)) >= 0) {
            out += char(hexValue(text.at(i + 1)) * 16 + hexValue(text.at(i + 2)));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QString urlDecodeToString(const QString &text)
{
    return QString::fromUtf8(urlDecode(text.toUtf8()));
}
