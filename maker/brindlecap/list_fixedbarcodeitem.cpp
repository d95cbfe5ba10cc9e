#include "list_fixedbarcodeitem.h"
#include "cmemoryblock.h"
#include "fixedbarcodeitem.h"

List_FixedBarcodeItem::~List_FixedBarcodeItem() = default;

void List_FixedBarcodeItem::OutputToMemoryBlock(CMemoryBlock &block) const
{
    for (const FixedBarcodeItem *item : m_items)
        block.Append(item->text());
}

int List_FixedBarcodeItem::recordWidth() const
{
    int width = 0;
    for (const FixedBarcodeItem *item : m_items)
        width += item->width();
    return width;
}
