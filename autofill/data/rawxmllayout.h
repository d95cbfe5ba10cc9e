#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Where the parts of an XML text stand, byte by byte: its elements (start
// tag, content, end tag) and the pieces of character data (text, comments,
// CDATA sections, attribute values). A change made through these places
// replaces only the characters it means to and keeps every other byte as it
// came: whitespace, indentation, empty elements, references, quotes.
struct RawXmlLayout
{
    struct Element
    {
        std::string name;          // as written, with its prefix
        size_t start = 0;          // its '<'
        size_t contentStart = 0;   // after its start tag; end for an empty element
        size_t contentEnd = 0;     // its end tag's '<'; end for an empty element
        size_t end = 0;            // after its end tag, or after "/>"
        int parent = -1;
        bool selfClosing = false;
        bool hasChildElements = false;
    };
    enum class PieceKind { Text, Comment, CData, Attribute };
    struct Piece
    {
        PieceKind kind;
        size_t at;
        size_t length;
        int element;   // the element it stands in (text) or belongs to (attribute); -1 outside
    };

    std::vector<Element> elements;   // in document order of their start tags
    std::vector<Piece> pieces;       // in document order

    // Lays out xml; false when it is not well-formed enough to say where
    // everything stands (a tag or section left open, an end tag that does not
    // close the open element).
    bool scan(const std::string &xml);

    // The local name of an element: its name without a prefix.
    static std::string localName(const std::string &name);
    // The character data of raw XML text with its references resolved (the
    // five named ones and character references).
    static std::string resolveReferences(const std::string &raw);
};
