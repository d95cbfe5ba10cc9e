#pragma once
#include <QString>

// A certificate authority and a server certificate for "localhost" and
// 127.0.0.1 signed by it, made at test time with certtool (gnutls-bin).
// Clients trust the server by adding caFile to their configuration.
struct TestCertificates
{
    QString caFile;     // PEM certificate of the authority
    QString certFile;   // PEM server certificate
    QString keyFile;    // PEM server private key
    QString errorString;

    bool isValid() const { return errorString.isEmpty() && !caFile.isEmpty(); }

    // Makes a new authority and server certificate in folder (which must exist).
    // The certificate names dnsName and, when not empty, ipAddress.
    static TestCertificates generate(const QString &folder, const QString &dnsName = QStringLiteral("localhost"),
                                     const QString &ipAddress = QStringLiteral("127.0.0.1"));
    // One set per process, made on first use in a temporary folder that is
    // removed when the process ends.
    static const TestCertificates &shared();
};
