#pragma once
#include "cstring.h"
#include <string>
#include <vector>

// Where the Auto-fill client hands its progress and results: the progress
// dialog. Every call may come from a worker thread and returns at once (the
// receiver stores under its own lock and updates widgets by queued calls).
class TddProgressSink
{
public:
    virtual ~TddProgressSink();
    // Records a step; 0.
    virtual int setProgress(int step, int code) = 0;
    // False while the receiver is disabled: progress is then not handed over.
    virtual bool acceptsProgress() const = 0;
    // The S.I.N.s of the request, as entered.
    virtual std::vector<std::string> requestSins() const = 0;
    // The import's rows stored (or a negative failure) and items skipped.
    virtual void setImportResult(int savedCount, int skippedCount) = 0;
    // A notice's message for a S.I.N. (NOA items without a notice).
    virtual void addNoaMessage(const std::string &sin, const CString &message) = 0;
};
