#pragma once
#include <QByteArray>

// One request to the local listener, read with bounds: the header block at most
// 8 KiB, the request line "GET <target> HTTP/1.0|1.1", the token at most 2 KiB
// once decoded. Only "/taxdata?t=", "/TAXDATA?t=", "/expnoa?t=" and "/logout"
// are known.
struct TddListenerRequest
{
    enum Kind {
        Malformed,      // 400
        UnknownPath,    // 404
        Silent,         // carries "marlock4862" on no known path: no answer at all
        Logout,
        TaxData,        // "/taxdata?t="
        TaxDataUpper,   // "/TAXDATA?t="
        ExpNoa,         // "/expnoa?t="
    };
    Kind kind = Malformed;
    QByteArray rawToken;   // as sent (percent-coded)
    QByteArray token;      // decoded
    QByteArray version;    // "HTTP/1.0" or "HTTP/1.1"

    bool carriesToken() const { return kind == TaxData || kind == TaxDataUpper || kind == ExpNoa; }

    static constexpr int MaxHeaderBytes = 8 * 1024;
    static constexpr int MaxTokenBytes = 2 * 1024;
};

TddListenerRequest parseTddListenerRequest(const QByteArray &request);
