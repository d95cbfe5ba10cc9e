#pragma once
#include "cmemoryblock.h"
#include "cstring.h"

// What TLSW3Client::CallSoap read of one exchange. The sender makes it empty
// before each call.
struct RawHTTPSoapResponseStru
{
    CString responseCode;   // the status as text ("200"); empty when no status line came
    CString reasonPhrase;   // the status line's reason ("OK")
    CString location;       // a redirect's Location header, never followed
    CMemoryBlock body;      // the reply body, framing removed
    CString errorText;      // why the call failed; empty after a complete reply
    // 1 once any byte of the request went out: the server may have received
    // it, so a second post of the same filing is not safe.
    int requestSent = 0;
    int statusCode = 0;     // the status as a number; 0 when no status line came
};
