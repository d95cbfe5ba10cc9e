// libFuzzer target: any bytes through the local listener's request reader.
#include "tddlistenerrequest.h"
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray request(reinterpret_cast<const char *>(data), int(size));
    const TddListenerRequest r = parseTddListenerRequest(request);
    // a token is bounded and only on the token paths
    if (r.token.size() > TddListenerRequest::MaxTokenBytes || (!r.carriesToken() && !r.token.isEmpty()))
        __builtin_trap();
    return 0;
}
