#include "testcertificates.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// Runs certtool with a bounded wait; empty on success, else what went wrong.
QString certtool(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("certtool"), arguments);
    if (!process.waitForStarted(5000))
        return QStringLiteral("certtool cannot be started (install gnutls-bin): %1").arg(process.errorString());
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(1000);
        return QStringLiteral("certtool did not finish");
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("certtool %1 failed: %2")
            .arg(arguments.value(0), QString::fromLocal8Bit(process.readAll()).trimmed());
    return {};
}
} // namespace

TestCertificates TestCertificates::generate(const QString &folder, const QString &dnsName, const QString &ipAddress)
{
    TestCertificates out;
    const QDir dir(folder);
    const QString caKey = dir.filePath(QStringLiteral("ca-key.pem"));
    const QString caTemplate = dir.filePath(QStringLiteral("ca.tmpl"));
    const QString serverTemplate = dir.filePath(QStringLiteral("server.tmpl"));
    const QString caFile = dir.filePath(QStringLiteral("ca.pem"));
    const QString certFile = dir.filePath(QStringLiteral("server.pem"));
    const QString keyFile = dir.filePath(QStringLiteral("server-key.pem"));

    if (!writeText(caTemplate, "cn = \"Brackenquill Test Authority\"\nca\ncert_signing_key\nexpiration_days = 2\n")
        || !writeText(serverTemplate, "cn = \"" + dnsName.toUtf8() + "\"\ndns_name = \"" + dnsName.toUtf8() + "\"\n"
                                          + (ipAddress.isEmpty() ? QByteArray() : "ip_address = \"" + ipAddress.toUtf8() + "\"\n")
                                          + "tls_www_server\nsigning_key\nexpiration_days = 2\n")) {
        out.errorString = QStringLiteral("Cannot write the certificate templates in %1").arg(folder);
        return out;
    }
    const QList<QStringList> steps = {
        {"--generate-privkey", "--key-type=ecdsa", "--no-text", "--outfile", caKey},
        {"--generate-self-signed", "--load-privkey", caKey, "--template", caTemplate, "--no-text", "--outfile",
         caFile},
        {"--generate-privkey", "--key-type=ecdsa", "--no-text", "--outfile", keyFile},
        {"--generate-certificate", "--load-privkey", keyFile, "--load-ca-certificate", caFile,
         "--load-ca-privkey", caKey, "--template", serverTemplate, "--no-text", "--outfile", certFile},
    };
    for (const QStringList &step : steps) {
        out.errorString = certtool(step);
        if (!out.errorString.isEmpty())
            return out;
    }
    out.caFile = caFile;
    out.certFile = certFile;
    out.keyFile = keyFile;
    return out;
}

const TestCertificates &TestCertificates::shared()
{
    static QTemporaryDir folder;
    static const TestCertificates certificates = folder.isValid()
        ? generate(folder.path())
        : TestCertificates{{}, {}, {}, QStringLiteral("Cannot make a temporary folder")};
    return certificates;
}
