#include "batchcalc.h"
#include "filingdocservices.h"
#include "creturnfile.h"
#include "privatefile.h"
#include "tabwndapp.h"
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

void logLine(const QString &line)
{
    TabWndApp *app = TabWndApp::instance();
    if (app && !app->logPath().isEmpty())
        app->log(line.toUtf8().constData());
    else
        qInfo().noquote() << line;
}

int refusingButton(int buttons)
{
    for (int b : {MsgButton::Cancel, MsgButton::No, MsgButton::Abort, MsgButton::Close, MsgButton::Ignore})
        if (buttons & b)
            return b;
    return MsgButton::NoButton;
}

// Restores the handler that was in force before the run.
class BatchMessageScope
{
public:
    BatchMessageScope() : m_previous(messageHandler()) { setMessageHandler(&BatchMessages::instance()); }
    ~BatchMessageScope() { setMessageHandler(m_previous); }

private:
    MessageHandler *m_previous;
};

} // namespace

// ---- the non-interactive handler

BatchMessages &BatchMessages::instance()
{
    static BatchMessages handler;
    return handler;
}

void BatchMessages::information(void *, const QString &title, const QString &text)
{
    logLine(QStringLiteral("batch message: %1 - %2").arg(title, text));
}

int BatchMessages::question(void *, const QString &title, const QString &text, int buttons, int)
{
    const int answer = refusingButton(buttons);
    logLine(QStringLiteral("batch question refused: %1 - %2").arg(title, text));
    return answer;
}

bool BatchMessages::inputText(void *, const QString &title, const QString &label, QString &, bool)
{
    logLine(QStringLiteral("batch input cancelled: %1 - %2").arg(title, label));
    return false;
}

int BatchMessages::questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &,
                                        bool &checked, int buttons, int defaultButton)
{
    checked = false;
    return question(parent, title, text, buttons, defaultButton);
}

// ---- the batch run

bool isBatchCommandLine(const QStringList &arguments)
{
    return arguments.size() >= 3 && arguments.at(1).compare(QLatin1String("printresult"), Qt::CaseInsensitive) == 0;
}

bool isBatchCommandLine(int argc, char **argv)
{
    return argc >= 3 && qstricmp(argv[1], "printresult") == 0;
}

QString loadReturnForBatch(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QStringLiteral("cannot find return file");
    int code = 0;
    std::unique_ptr<CReturnFile> file(CReturnFile::load(path, code, appEdition ? appEdition : 1));
    if (code != 0 || !file)
        return QStringLiteral("return file read error, read error %1").arg(code);
    file->recalculate(-1, nullptr);
    return file->resultSummaryLine(0);
}

int runBatchCalculation(const QString &prefix, const QString &listPath)
{
    BatchMessageScope noBoxes;
    installFilingDocServices();

    QFile out(QStringLiteral("./taxresult.txt"));
    makePrivateFile(out.fileName());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        logLine(QStringLiteral("batch: cannot create taxresult.txt: %1").arg(out.errorString()));
        return BatchResultNotWritten;
    }
    const auto finish = [&out](int status) {
        out.close();
        if (out.error() != QFileDevice::NoError) {
            logLine(QStringLiteral("batch: taxresult.txt not written: %1").arg(out.errorString()));
            return int(BatchResultNotWritten);
        }
        return status;
    };

    if (listPath.isEmpty()) {
        out.write("====> no input file\n");
        return finish(BatchListNotRead);
    }
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        out.write("====> cannot open input file\n");
        return finish(BatchListNotRead);
    }

    // Whole lines of any length; LF or CR LF ends a line; blank lines are passed over.
    while (!list.atEnd()) {
        QByteArray line = list.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        // Blanks around the line and the whole path are dropped; blanks inside a path are kept.
        const QString path = (prefix + QFile::decodeName(line).trimmed()).trimmed();
        out.write(line);
        out.write("\n");
        out.write(loadReturnForBatch(path).toUtf8());
        out.write("\n\n");
        out.flush();
    }
    const bool listRead = list.error() == QFileDevice::NoError;
    if (!listRead)
        logLine(QStringLiteral("batch: list file not read to its end: %1").arg(list.errorString()));
    list.close();
    return finish(listRead ? BatchDone : BatchListNotRead);
}
