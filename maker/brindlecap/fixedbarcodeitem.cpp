#include "fixedbarcodeitem.h"
#include "list_fixedbarcodeitem.h"

namespace {
// The longest prefix of at most width bytes that ends on a character boundary.
int cutPoint(const QByteArray &utf8, int width)
{
    if (utf8.size() <= width)
        return utf8.size();
    int end = width;
    while (end > 0 && (quint8(utf8.at(end)) & 0xC0) == 0x80)
        --end;
    return end;
}
} // namespace

FixedBarcodeItem::FixedBarcodeItem(List_FixedBarcodeItem &list, int width, const char *defaultText)
    : m_width(width > 0 ? width : 0)
{
    fit(QByteArray(defaultText ? defaultText : ""), ' ', false);
    list.addItem(this);
}

void FixedBarcodeItem::SetValue(const char *text) { fit(QByteArray(text ? text : ""), ' ', false); }
void FixedBarcodeItem::SetValue(const CString &text) { fit(text.toUtf8(), ' ', false); }

void FixedBarcodeItem::SetValueLeftPadding(const CString &text, char padding)
{
    fit(text.toUtf8(), padding, true);
}

void FixedBarcodeItem::SetValueRightPadding(const CString &text, char padding)
{
    fit(text.toUtf8(), padding, false);
}

void FixedBarcodeItem::SetAllCharsTo(char c) { m_text = QByteArray(m_width, c); }

void FixedBarcodeItem::fit(const QByteArray &utf8, char padding, bool padLeft)
{
    const QByteArray kept = utf8.left(cutPoint(utf8, m_width));
    const QByteArray pad(m_width - kept.size(), padding);
    m_text = padLeft ? pad + kept : kept + pad;
}
