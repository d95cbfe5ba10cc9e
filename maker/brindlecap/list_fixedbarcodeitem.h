#pragma once
#include <vector>

class CMemoryBlock;
class FixedBarcodeItem;

// Base of the fixed-width barcode records: the ordered list of the record's items
// (members of the derived record, which owns them).
class List_FixedBarcodeItem
{
public:
    List_FixedBarcodeItem() = default;
    List_FixedBarcodeItem(const List_FixedBarcodeItem &) = delete;
    List_FixedBarcodeItem &operator=(const List_FixedBarcodeItem &) = delete;
    virtual ~List_FixedBarcodeItem();

    // Appends every item's text in list order.
    void OutputToMemoryBlock(CMemoryBlock &block) const;
    // Called by an item's constructor.
    void addItem(FixedBarcodeItem *item) { m_items.push_back(item); }
    int itemCount() const { return int(m_items.size()); }
    // The sum of the items' widths.
    int recordWidth() const;

private:
    std::vector<FixedBarcodeItem *> m_items;
};
