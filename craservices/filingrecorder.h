#pragma once
#include <QString>

// Reports the outcome of an online filing to the e-signature service's filing
// records. The return window implements it; the filing dialogs reach it on
// their parent window without linking the return window.
class FilingRecorder
{
public:
    struct Result
    {
        // 0 sent (or filing records off), -1 no service credentials, -99 the
        // service did not accept the record, -100 the post failed.
        int status = 0;
        // What went wrong, in a sentence for the preparer; empty when it was sent.
        QString problem;

        // A result's line with the problem, when there is one, below it.
        QString belowLine(const QString &line) const
        {
            if (problem.isEmpty() || line.isEmpty())
                return line + problem;
            return line + QLatin1Char('\n') + problem;
        }
    };
    virtual ~FilingRecorder() = default;
    virtual Result recordFiling(int formType, bool accepted, const QString &confirmation, const QString &message) = 0;
};
