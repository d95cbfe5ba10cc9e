// Log files of the run folder.
#include "applog.h"
#include "tabwndapp.h"
#include "utils.h"
#include "privatefile.h"
#include <QDir>
#include <QFile>
#include <QMutex>

namespace {
QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

// One entry goes out in a single unbuffered append, under a lock: entries of
// several threads (and of several processes, through O_APPEND) never interleave.
int appendWhole(const QString &path, const QByteArray &bytes)
{
    QMutexLocker lock(&logMutex());
    makePrivateFile(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return -1;
    return file.write(bytes) == bytes.size() ? 0 : -1;
}

QByteArray entry(const char *message)
{
    return QByteArrayLiteral("Log: ") + GetCurTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")).toUtf8()
        + QByteArray(message ? message : "") + '\n';
}
} // namespace

namespace {
QString s_qtLogPath;
bool s_qtAlsoToConsole = false;
QtMessageHandler s_consoleHandler = nullptr;

void toProgramLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    appendWhole(s_qtLogPath, entry(message.toUtf8().constData()));
    if (s_qtAlsoToConsole && s_consoleHandler)
        s_consoleHandler(type, context, message);
}
} // namespace

QtMessageHandler routeQtMessagesToLog(const QString &path, bool alsoToConsole)
{
    s_qtLogPath = path;
    s_qtAlsoToConsole = alsoToConsole;
    const QtMessageHandler previous = qInstallMessageHandler(toProgramLog);
    if (previous != toProgramLog)
        s_consoleHandler = previous;
    return previous;
}

int logToFile(const QString &path, const char *message)
{
    return appendWhole(path, entry(message));
}

void TabWndApp::openLog()
{
    makePrivateFile(m_logPath);
    QFile file(m_logPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        showInformation(tr("File folder is read only, please adjust security settings to allow program write access!"));
        return;
    }
    file.write("Log file created\n");
}

void TabWndApp::log(const char *message)
{
    appendWhole(m_logPath, entry(message));
}

void TabWndApp::efileLogPath(CString &path, bool result) const
{
    path = m_runFolder + (result ? QStringLiteral("/efileresult.txt") : QStringLiteral("/efilelog.txt"));
}

int TabWndApp::appendFilingRecord(const QString &name, const QString &result, const QString &confirmation,
                                  const QString &message)
{
    CString path;
    efileLogPath(path, false);
    QByteArray record;
    record += "Time: " + GetCurTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8() + " \n";
    record += "Name: " + name.toUtf8() + '\n';
    record += "Result: " + result.toUtf8() + '\n';
    record += "Confirmation: " + confirmation.toUtf8() + '\n';
    record += "Msg: " + message.toUtf8() + "\n\n\n";
    appendWhole(path, record);
    return 0;
}

void TabWndApp::runFilePath(CString &path, int kind) const
{
    switch (kind) {
    case 0: path = m_runFolder + m_sep + QStringLiteral("tddlog.txt"); break;
    case 1: path = m_runFolder + m_sep + QStringLiteral("tddlog2.txt"); break;
    case 2: path = m_runFolder + m_sep + QStringLiteral("findfiles.csv"); break;
    default: path = m_runFolder + m_sep; break;
    }
    path = QDir::toNativeSeparators(path);
}
