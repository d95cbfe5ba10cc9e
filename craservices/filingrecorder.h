#pragma once
#include <QString>

// Reports the outcome of an online filing to the e-signature service's filing
// records. The return window implements it; the filing dialogs reach it on
// their parent window without linking the return window.
class FilingRecorder
{
public:
    virtual ~FilingRecorder() = default;
    // 0 sent (or filing records off), -1 no service credentials, -99 the
    // service did not accept the record, -100 the post failed.
    virtual int recordFiling(int formType, bool accepted, const QString &confirmation, const QString &message) = 0;
    // What went wrong with the last record, in a sentence for the preparer; empty when it was sent.
    virtual QString filingRecordProblem() const { return QString(); }
};
