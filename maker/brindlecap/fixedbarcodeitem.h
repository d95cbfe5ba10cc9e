#pragma once
#include "cstring.h"
#include <QByteArray>

class List_FixedBarcodeItem;

// One fixed-width item of a barcode record. It appends itself to its record's list
// when constructed, so that the members' order is the record's order. Its text is
// always exactly its width in bytes (UTF-8): a longer text is cut without splitting
// a character, a shorter one padded.
class FixedBarcodeItem
{
public:
    FixedBarcodeItem(List_FixedBarcodeItem &list, int width, const char *defaultText = nullptr);
    FixedBarcodeItem(const FixedBarcodeItem &) = delete;
    FixedBarcodeItem &operator=(const FixedBarcodeItem &) = delete;

    // The text, padded on the right with blanks.
    void SetValue(const char *text);
    void SetValue(const CString &text);
    // The text padded on the left (numbers) or on the right with the character.
    void SetValueLeftPadding(const CString &text, char padding);
    void SetValueRightPadding(const CString &text, char padding);
    void SetAllCharsTo(char c);

    int width() const { return m_width; }
    const QByteArray &text() const { return m_text; }

private:
    void fit(const QByteArray &utf8, char padding, bool padLeft);

    int m_width;
    QByteArray m_text;
};
