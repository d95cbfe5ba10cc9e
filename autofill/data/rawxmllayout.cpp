#include "rawxmllayout.h"
#include <cstdlib>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool startsAt(const std::string &s, size_t i, const char *prefix)
{
    return s.compare(i, std::char_traits<char>::length(prefix), prefix) == 0;
}

// After a markup declaration ("<!DOCTYPE ...>"), its internal subset and
// quoted literals included; npos when it does not end.
size_t declarationEnd(const std::string &xml, size_t i)
{
    int depth = 0;
    char quote = 0;
    for (; i < xml.size(); ++i) {
        const char c = xml[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        } else if (c == '>' && depth <= 0) {
            return i + 1;
        }
    }
    return std::string::npos;
}

void appendUtf8(std::string &out, unsigned long code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x110000) {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

class Scanner
{
public:
    Scanner(const std::string &xml, RawXmlLayout &layout) : m_xml(xml), m_layout(layout) {}

    bool run()
    {
        size_t i = 0;
        while (i < m_xml.size()) {
            i = m_xml[i] == '<' ? markup(i) : text(i);
            if (i == std::string::npos)
                return false;
        }
        return m_open.empty() && !m_layout.elements.empty();
    }

private:
    const std::string &m_xml;
    RawXmlLayout &m_layout;
    std::vector<int> m_open;

    int current() const { return m_open.empty() ? -1 : m_open.back(); }

    void addPiece(RawXmlLayout::PieceKind kind, size_t at, size_t end, int element)
    {
        if (end > at)
            m_layout.pieces.push_back({kind, at, end - at, element});
    }

    size_t text(size_t i)
    {
        size_t end = m_xml.find('<', i);
        if (end == std::string::npos)
            end = m_xml.size();
        addPiece(RawXmlLayout::PieceKind::Text, i, end, current());
        return end;
    }

    // A section from i: its content lies between the opening and closing marks.
    size_t section(size_t i, const char *open, const char *close, RawXmlLayout::PieceKind kind)
    {
        const size_t from = i + std::char_traits<char>::length(open);
        const size_t to = m_xml.find(close, from);
        if (to == std::string::npos)
            return std::string::npos;
        addPiece(kind, from, to, current());
        return to + std::char_traits<char>::length(close);
    }

    size_t markup(size_t i)
    {
        if (startsAt(m_xml, i, "<?")) {
            const size_t end = m_xml.find("?>", i + 2);
            return end == std::string::npos ? end : end + 2;
        }
        if (startsAt(m_xml, i, "<!--"))
            return section(i, "<!--", "-->", RawXmlLayout::PieceKind::Comment);
        if (startsAt(m_xml, i, "<![CDATA["))
            return section(i, "<![CDATA[", "]]>", RawXmlLayout::PieceKind::CData);
        if (startsAt(m_xml, i, "<!"))
            return declarationEnd(m_xml, i + 2);
        if (startsAt(m_xml, i, "</"))
            return endTag(i);
        return startTag(i);
    }

    size_t nameEnd(size_t i) const
    {
        while (i < m_xml.size() && !isSpace(m_xml[i]) && m_xml[i] != '/' && m_xml[i] != '>' && m_xml[i] != '=')
            ++i;
        return i;
    }

    size_t skipSpace(size_t i) const
    {
        while (i < m_xml.size() && isSpace(m_xml[i]))
            ++i;
        return i;
    }

    size_t endTag(size_t i)
    {
        const size_t from = i + 2;
        const size_t to = nameEnd(from);
        const size_t close = skipSpace(to);
        if (m_open.empty() || to == from || close >= m_xml.size() || m_xml[close] != '>')
            return std::string::npos;
        RawXmlLayout::Element &e = m_layout.elements[size_t(m_open.back())];
        if (m_xml.compare(from, to - from, e.name) != 0)
            return std::string::npos;
        e.contentEnd = i;
        e.end = close + 1;
        m_open.pop_back();
        return e.end;
    }

    size_t startTag(size_t i)
    {
        RawXmlLayout::Element e;
        e.start = i;
        const size_t to = nameEnd(i + 1);
        if (to == i + 1)
            return std::string::npos;
        e.name = m_xml.substr(i + 1, to - i - 1);
        e.parent = current();
        const int index = int(m_layout.elements.size());
        if (e.parent >= 0)
            m_layout.elements[size_t(e.parent)].hasChildElements = true;
        m_layout.elements.push_back(e);
        size_t at = attributes(to, index);
        if (at == std::string::npos)
            return at;
        RawXmlLayout::Element &made = m_layout.elements[size_t(index)];
        if (m_xml[at] == '/') {
            if (at + 1 >= m_xml.size() || m_xml[at + 1] != '>')
                return std::string::npos;
            made.selfClosing = true;
            made.contentStart = made.contentEnd = made.end = at + 2;
            return made.end;
        }
        made.contentStart = at + 1;
        m_open.push_back(index);
        return made.contentStart;
    }

    // The attributes from i; the position of the tag's "/>" or '>'.
    size_t attributes(size_t i, int element)
    {
        for (;;) {
            i = skipSpace(i);
            if (i >= m_xml.size())
                return std::string::npos;
            if (m_xml[i] == '>' || m_xml[i] == '/')
                return i;
            const size_t nameTo = nameEnd(i);
            if (nameTo == i)
                return std::string::npos;
            i = skipSpace(nameTo);
            if (i >= m_xml.size() || m_xml[i] != '=')
                return std::string::npos;
            i = skipSpace(i + 1);
            if (i >= m_xml.size() || (m_xml[i] != '"' && m_xml[i] != '\''))
                return std::string::npos;
            const size_t close = m_xml.find(m_xml[i], i + 1);
            if (close == std::string::npos)
                return close;
            addPiece(RawXmlLayout::PieceKind::Attribute, i + 1, close, element);
            i = close + 1;
        }
    }
};

} // namespace

bool RawXmlLayout::scan(const std::string &xml)
{
    elements.clear();
    pieces.clear();
    return Scanner(xml, *this).run();
}

std::string RawXmlLayout::localName(const std::string &name)
{
    const size_t colon = name.rfind(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

std::string RawXmlLayout::resolveReferences(const std::string &raw)
{
    static const struct { const char *name; char c; } named[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        const size_t semicolon = raw[i] == '&' ? raw.find(';', i) : std::string::npos;
        if (semicolon == std::string::npos) {
            out += raw[i];
            continue;
        }
        const std::string ref = raw.substr(i + 1, semicolon - i - 1);
        bool resolved = false;
        if (ref.size() > 1 && ref[0] == '#') {
            const bool hex = ref[1] == 'x' || ref[1] == 'X';
            char *end = nullptr;
            const std::string digits = ref.substr(hex ? 2 : 1);
            const unsigned long code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
            resolved = !digits.empty() && end && *end == '\0';
            if (resolved)
                appendUtf8(out, code);
        } else {
            for (const auto &n : named)
                if (ref == n.name) {
                    out += n.c;
                    resolved = true;
                }
        }
        if (!resolved) {
            out += raw[i];
            continue;
        }
        i = semicolon;
    }
    return out;
}
