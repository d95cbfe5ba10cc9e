#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>

// Digests, HMAC, Base64 and percent coding of the web-service clients.

// The 20-byte SHA-1 digest, or its 40 lower-case hex digits.
QByteArray SHA1(const QByteArray &data, bool hexDigits = false);
// The 32-byte SHA-256 digest, or its 64 lower-case hex digits.
QByteArray SHA256(const QByteArray &data, bool hexDigits = false);

// HMAC-SHA256 (RFC 2104 over SHA256): 32 bytes into out.
void hmacSha256(const unsigned char *message, std::size_t messageLength, const unsigned char *key,
                std::size_t keyLength, unsigned char out[32]);
QByteArray hmacSha256(const QByteArray &message, const QByteArray &key);

// Standard Base64 with padding.
QByteArray Base64encode(const QByteArray &data);

// Percent coding (RFC 3986): every byte but letters, digits and "-._~" becomes
// %XX with upper-case hex digits. A QString is coded as UTF-8.
QByteArray urlEncode(const QByteArray &bytes);
QByteArray urlEncode(const QString &text);
// The reverse: each %XX becomes its byte; "+" stays "+" (not a blank), and a
// "%" not followed by two hex digits is kept as it stands.
QByteArray urlDecode(const QByteArray &text);
QString urlDecodeToString(const QString &text);
