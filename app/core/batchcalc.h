#pragma once
// Batch calculation: "printresult <prefix> <list file>" recalculates every return
// file of the list and writes each result summary line to "./taxresult.txt",
// without a window and without asking anything.
#include "messages.h"
#include <QString>

// Exit status of a batch run.
enum BatchStatus {
    BatchDone = 0,             // the list was read and the result file written
    BatchListNotRead = 1,      // no list file given, or it cannot be read
    BatchResultNotWritten = 2, // "./taxresult.txt" cannot be created or written
};

// The handler that stands in for every box during a batch run: each message,
// question and input is logged and answered as a refusal (a password prompt is
// cancelled, so a protected file gives its read error).
class BatchMessages : public MessageHandler
{
public:
    void information(void *parent, const QString &title, const QString &text) override;
    int question(void *parent, const QString &title, const QString &text, int buttons, int defaultButton) override;
    bool inputText(void *parent, const QString &title, const QString &label, QString &value, bool password) override;
    int questionWithCheckbox(void *parent, const QString &title, const QString &text, const QString &checkText,
                             bool &checked, int buttons, int defaultButton) override;

    // The process-wide handler of the batch mode.
    static BatchMessages &instance();
};

// True when the command line (the program's path first) asks for the batch mode:
// "printresult" in any letter case followed by at least one more argument.
bool isBatchCommandLine(const QStringList &arguments);
bool isBatchCommandLine(int argc, char **argv);

// Writes "./taxresult.txt" in the current folder from the list file; each list
// line is appended to prefix as it stands. Returns a BatchStatus. The files are
// recalculated on threads (threads at once; 0: BQ_BATCH_THREADS, else one per
// core; 1: one after the other) and their results written in list order.
int runBatchCalculation(const QString &prefix, const QString &listPath, int threads = 0);

// The result text of one return file: "cannot find return file", the read
// error with its code, or the file's result summary line after a recalculation.
QString loadReturnForBatch(const QString &path);
