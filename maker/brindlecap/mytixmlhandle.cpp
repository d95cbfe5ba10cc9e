#include "mytixmlhandle.h"
#include <QByteArray>
#include <cstring>

MyTiXmlHandle::MyTiXmlHandle(const TiXmlNode *node, const char *prefix)
    : m_node(node), m_prefix(prefix ? prefix : ""), m_hasPrefix(prefix && *prefix)
{
}

bool MyTiXmlHandle::nameMatches(const char *elementName, const char *name, const char *prefix)
{
    if (!elementName || !name)
        return false;
    if (std::strcmp(elementName, name) == 0)
        return true;
    if (!prefix || !*prefix || std::strchr(name, ':'))
        return false;
    const std::size_t prefixLength = std::strlen(prefix);
    if (std::strncmp(elementName, prefix, prefixLength) != 0)
        return false;
    const char *p = elementName + prefixLength;
    while (*p >= '0' && *p <= '9')
        ++p;
    return *p == ':' && std::strcmp(p + 1, name) == 0;
}

TiXmlElement *MyTiXmlHandle::findChild(const TiXmlNode *parent, const char *name, const char *prefix)
{
    if (!parent || !name)
        return nullptr;
    for (const TiXmlElement *e = parent->FirstChildElement(); e; e = e->NextSiblingElement())
        if (nameMatches(e->Value(), name, prefix))
            return const_cast<TiXmlElement *>(e);
    return nullptr;
}

MyTiXmlHandle MyTiXmlHandle::FirstChildElement(const char *name) const
{
    return MyTiXmlHandle(findChild(m_node, name, m_hasPrefix ? m_prefix.c_str() : nullptr),
                         m_hasPrefix ? m_prefix.c_str() : nullptr);
}

MyTiXmlHandle MyTiXmlHandle::FirstChildElement() const
{
    return MyTiXmlHandle(m_node ? m_node->FirstChildElement() : nullptr, m_hasPrefix ? m_prefix.c_str() : nullptr);
}

MyTiXmlHandle MyTiXmlHandle::NextSiblingElement() const
{
    return MyTiXmlHandle(m_node ? m_node->NextSiblingElement() : nullptr, m_hasPrefix ? m_prefix.c_str() : nullptr);
}

TiXmlElement *MyTiXmlHandle::ToElement() const
{
    return m_node ? const_cast<TiXmlElement *>(m_node->ToElement()) : nullptr;
}

CString MyTiXmlHandle::text() const
{
    const TiXmlElement *e = ToElement();
    const char *t = e ? e->GetText() : nullptr;
    return t ? CString(QString::fromUtf8(t)) : CString();
}

CString getElementSubEleStringText(const TiXmlNode *parent, const char *name, const char *prefix)
{
    const TiXmlElement *child = MyTiXmlHandle::findChild(parent, name, prefix);
    const char *t = child ? child->GetText() : nullptr;
    return t ? CString(QString::fromUtf8(t)) : CString();
}

int getElementSubEleStringAsInt(const TiXmlNode *parent, const char *name, int fallback, const char *prefix)
{
    bool ok = false;
    const int v = getElementSubEleStringText(parent, name, prefix).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

bool getElementSubEleStringAsBool(const TiXmlNode *parent, const char *name, bool fallback, const char *prefix)
{
    const QString t = getElementSubEleStringText(parent, name, prefix).trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("y") || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("n") || t == QLatin1String("0"))
        return false;
    return fallback;
}

CString getElementSubEleStringAttribute(const TiXmlNode *parent, const char *name, const char *attribute,
                                        const char *prefix)
{
    const TiXmlElement *child = MyTiXmlHandle::findChild(parent, name, prefix);
    const char *v = child && attribute ? child->Attribute(attribute) : nullptr;
    return v ? CString(QString::fromUtf8(v)) : CString();
}

std::string printElementToString(const TiXmlElement *element)
{
    if (!element)
        return {};
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    element->Accept(&printer);
    return printer.Str();
}

std::string printDocumentToString(const TiXmlDocument &document)
{
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    document.Accept(&printer);
    return printer.Str();
}

bool parseXmlText(TiXmlDocument &doc, const char *data, size_t size, TiXmlEncoding encoding)
{
    // a lead byte announces at most 4 bytes; the parser stops at the first zero after it
    constexpr size_t kPadding = 16;
    std::string padded;
    padded.reserve(size + kPadding);
    padded.append(data, size);
    padded.append(kPadding, '\0');
    doc.Parse(padded.c_str(), nullptr, encoding);
    return !doc.Error();
}
