#pragma once
#include <QTreeWidgetItem>

// An item of the navigation tree; it points at the entry it shows (not owned).
class TreeItem : public QTreeWidgetItem
{
public:
    TreeItem() = default;
    explicit TreeItem(void *data) : m_data(data) {}
    void *data() const { return m_data; }
    void setData(void *data) { m_data = data; }
    using QTreeWidgetItem::data;
    using QTreeWidgetItem::setData;

private:
    void *m_data = nullptr;
};

// An item of the "Tax Forms" section.
class TreeItemForm : public TreeItem
{
public:
    using TreeItem::TreeItem;
};
