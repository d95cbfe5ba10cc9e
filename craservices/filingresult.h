#pragma once
#include "cstring.h"
#include <QStringList>

// Result of one EFILE, ReFILE, NETFILE, NETFILE-terms or T1135 reply.
class FilingResult
{
public:
    // kind: 0 NETFILE terms request, 1 T1 return, 101 T1135.
    explicit FilingResult(int kind);
    ~FilingResult();

    // True when resultCode starts with "184" (the CRA's processing errors).
    bool isCode184() const;

    int kind;
    bool confirmed = false;
    CString resultCode = "-100";
    CString confirmation;
    CString time;
    CString detail;
    CString cvIndicator;
    CString message;
    // Why the exchange failed, when that is known: the connection's own error
    // (an untrusted or expired certificate, a time-out) or why the reply could
    // not be read. Shown beside the failure message and written to the log.
    CString failure;
};

// Result of one T1013 or T183 PAD reply.
struct FormFilingReply
{
    int receivedFormsCount = 0;
    CString confirmationNumber;
    CString responseText;
    QStringList responseCodes;
    // PAD: the reply carried a Rejection, ProcessingError or SystemError.
    bool rejected = false;
    CString failure;   // as FilingResult::failure
};

// What the T1135 sender hands to the form filing dialog.
struct T1135FilingReply
{
    int confirmed = 0;
    CString confirmation;
    CString resultCode;
    CString message;
    CString failure;   // as FilingResult::failure
};
