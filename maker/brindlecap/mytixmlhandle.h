#pragma once
#include "cstring.h"
#include <QByteArray>
#include <string>
#include <tinyxml.h>

// A path through a TinyXML tree. Each step takes the first child element of
// the given name; a missing step makes every later step, and the result, null.
//
// Names match exactly, prefix included ("t1rsp:Confirmation"), unless the
// handle was made with a prefix P: then a child also matches name N when its
// own name is P, optional digits, ':' and N. With P "ns", "GetNOAResponse"
// finds GetNOAResponse, ns:GetNOAResponse and ns2:GetNOAResponse, never
// xs:GetNOAResponse. A name that has a prefix of its own always matches
// exactly.
class MyTiXmlHandle
{
public:
    explicit MyTiXmlHandle(const TiXmlNode *node, const char *prefix = nullptr);

    MyTiXmlHandle FirstChildElement(const char *name) const;
    MyTiXmlHandle FirstChildElement() const;
    // The next sibling element, whatever its name.
    MyTiXmlHandle NextSiblingElement() const;

    TiXmlElement *ToElement() const;
    TiXmlNode *ToNode() const { return const_cast<TiXmlNode *>(m_node); }
    bool exists() const { return ToElement() != nullptr; }

    // The element's text; empty when the element is absent or has no text.
    CString text() const;

    // True when an element of this name answers the lookup of name under prefix.
    static bool nameMatches(const char *elementName, const char *name, const char *prefix);
    // The first child element of parent that matches; null when none.
    static TiXmlElement *findChild(const TiXmlNode *parent, const char *name, const char *prefix);

private:
    const TiXmlNode *m_node;
    std::string m_prefix;
    bool m_hasPrefix;
};

// Text of the first child element named name (UTF-8); empty when the parent,
// the child or its text is missing.
CString getElementSubEleStringText(const TiXmlNode *parent, const char *name, const char *prefix = nullptr);
// The child's text as an integer (blanks around it allowed); fallback when it
// is missing or not a whole number.
int getElementSubEleStringAsInt(const TiXmlNode *parent, const char *name, int fallback = 0,
                                const char *prefix = nullptr);
// The child's text as a flag: "true", "yes", "y" and "1" (any case) are true,
// "false", "no", "n" and "0" false; anything else, or no child, gives fallback.
bool getElementSubEleStringAsBool(const TiXmlNode *parent, const char *name, bool fallback = false,
                                  const char *prefix = nullptr);
// An attribute of that child (UTF-8); empty when the child or the attribute is missing.
CString getElementSubEleStringAttribute(const TiXmlNode *parent, const char *name, const char *attribute,
                                        const char *prefix = nullptr);

// The element with its attributes and descendants as XML text, on one line;
// empty for null.
std::string printElementToString(const TiXmlElement *element);
// The whole document (declaration included) as XML text, on one line.
std::string printDocumentToString(const TiXmlDocument &document);

// Parses text that came from outside (a reply, a downloaded or stored document).
// TinyXML steps over a whole UTF-8 sequence from its lead byte and so reads past
// the end of text that stops inside one: the text is parsed from a copy that
// ends in enough zero bytes. True when the document is well formed.
bool parseXmlText(TiXmlDocument &doc, const char *data, size_t size,
                  TiXmlEncoding encoding = TIXML_ENCODING_UTF8);
inline bool parseXmlText(TiXmlDocument &doc, const QByteArray &text, TiXmlEncoding encoding = TIXML_ENCODING_UTF8)
{
    return parseXmlText(doc, text.constData(), size_t(text.size()), encoding);
}
inline bool parseXmlText(TiXmlDocument &doc, const std::string &text, TiXmlEncoding encoding = TIXML_ENCODING_UTF8)
{
    return parseXmlText(doc, text.data(), text.size(), encoding);
}
