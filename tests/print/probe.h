#pragma once
// Runs the print probe in its own process and reads back what it printed.
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace probe {

struct Result
{
    QList<int> loads;
    int vms = -1;
    QList<int> jobs;
    QStringList pdfNames;
    QString output;   // standard output and error together
    bool finished = false;
};

inline Result run(const QStringList &args, const QHash<QString, QString> &env = {}, int timeoutMs = 120000)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (auto it = env.cbegin(); it != env.cend(); ++it)
        e.insert(it.key(), it.value());
    p.setProcessEnvironment(e);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bqprintprobe"), args);
    Result r;
    r.finished = p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    r.output = QString::fromUtf8(p.readAll());
    for (const QString &line : r.output.split(QLatin1Char('\n'))) {
        const QStringList w = line.split(QLatin1Char(' '));
        if (w.size() == 2 && w[0] == QLatin1String("load"))
            r.loads << w[1].toInt();
        else if (w.size() == 2 && w[0] == QLatin1String("vms"))
            r.vms = w[1].toInt();
        else if (w.size() >= 2 && w[0] == QLatin1String("job")) {
            r.jobs << w[1].toInt();
            r.pdfNames << line.section(QLatin1Char(' '), 2);
        }
    }
    return r;
}

} // namespace probe
