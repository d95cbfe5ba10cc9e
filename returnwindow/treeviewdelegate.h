#pragma once
#include <QStyledItemDelegate>

// Paints the tree's selected item as a light fill with a blue bar on its
// left edge instead of the style's own highlight.
class TreeViewDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
