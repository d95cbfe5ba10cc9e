#include "barcodedecoder.h"

namespace barcodedecoder {

int recordWidth(const QByteArray &text)
{
    if (text.startsWith("01"))
        return 484;
    if (text.startsWith("03"))
        return 564;
    return 0;
}

Block decode(const QByteArray &text)
{
    Block b;
    const int width = recordWidth(text);
    if (width == 0 || text.size() < width)
        return b;
    b.valid = true;
    b.record = text.left(width);
    QByteArray rest = text.mid(width);
    b.terminated = rest.endsWith("-EOD");
    if (b.terminated)
        rest.chop(4);
    if (!rest.isEmpty())
        b.entries = rest.split('-');
    return b;
}

} // namespace barcodedecoder
