#include "pdfcheck.h"
#include <QFile>
#include <cstring>

namespace {

bool isPdfSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

// Numbers and words of a PDF from a position on, white space between them.
class Scanner
{
public:
    Scanner(const QByteArray &bytes, qint64 at) : m_bytes(bytes), m_pos(at) {}

    qint64 pos() const { return m_pos; }
    bool number(qint64 &value)
    {
        skipSpace();
        const qint64 start = m_pos;
        value = 0;
        while (m_pos < m_bytes.size() && m_pos - start < 18 && m_bytes.at(int(m_pos)) >= '0'
               && m_bytes.at(int(m_pos)) <= '9')
            value = value * 10 + (m_bytes.at(int(m_pos++)) - '0');
        return m_pos > start;
    }
    bool word(const char *w)
    {
        skipSpace();
        const int len = int(std::strlen(w));
        if (m_bytes.mid(int(m_pos), len) != w)
            return false;
        m_pos += len;
        return true;
    }
    char letter()
    {
        skipSpace();
        return m_pos < m_bytes.size() ? m_bytes.at(int(m_pos++)) : '\0';
    }

private:
    void skipSpace()
    {
        while (m_pos < m_bytes.size() && isPdfSpace(m_bytes.at(int(m_pos))))
            ++m_pos;
    }

    const QByteArray &m_bytes;
    qint64 m_pos;
};

bool isDigitAt(const QByteArray &bytes, qint64 offset)
{
    return offset > 0 && offset < bytes.size() && bytes.at(int(offset)) >= '0' && bytes.at(int(offset)) <= '9';
}

// "<number> <generation> obj" beginning exactly at offset (any number when
// number is negative).
bool objectAt(const QByteArray &bytes, qint64 offset, qint64 number = -1)
{
    if (!isDigitAt(bytes, offset))
        return false;
    Scanner s(bytes, offset);
    qint64 n = 0, generation = 0;
    return s.number(n) && (number < 0 || n == number) && s.number(generation) && s.word("obj");
}

// A table after "xref": subsections of "first count" and count entries
// "offset generation n|f", then the trailer naming the document's root.
bool xrefTableWhole(const QByteArray &bytes, Scanner s)
{
    bool any = false;
    while (!s.word("trailer")) {
        qint64 first = 0, count = 0;
        if (!s.number(first) || !s.number(count) || count > bytes.size() / 18)
            return false;
        for (qint64 i = 0; i < count; ++i) {
            qint64 offset = 0, generation = 0;
            if (!s.number(offset) || !s.number(generation))
                return false;
            const char kind = s.letter();
            if (kind == 'n' ? !objectAt(bytes, offset, first + i) : kind != 'f')
                return false;
        }
        any = true;
    }
    return any && bytes.indexOf("/Root", int(s.pos())) >= 0;
}

// A cross-reference stream: an object whose dictionary is of type XRef.
bool xrefStreamAt(const QByteArray &bytes, qint64 offset)
{
    return objectAt(bytes, offset) && bytes.mid(int(offset), 1024).contains("/XRef");
}

} // namespace

bool isWholePdf(const QByteArray &bytes)
{
    if (!bytes.startsWith("%PDF-"))
        return false;
    int end = bytes.size();
    while (end > 0 && isPdfSpace(bytes.at(end - 1)))
        --end;
    const QByteArray eof("%%EOF");
    if (end < eof.size() || bytes.mid(end - eof.size(), eof.size()) != eof)
        return false;
    const int startxref = bytes.lastIndexOf("startxref", end - eof.size());
    if (startxref < 0)
        return false;
    Scanner s(bytes, startxref + int(std::strlen("startxref")));
    qint64 offset = 0;
    if (!s.number(offset) || offset <= 0 || offset >= startxref)
        return false;
    if (bytes.mid(int(offset), 4) == "xref")
        return xrefTableWhole(bytes, Scanner(bytes, offset + 4));
    return xrefStreamAt(bytes, offset);
}

bool isWholePdfFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && isWholePdf(file.readAll());
}
