#include "treeviewdelegate.h"
#include <QPainter>

void TreeViewDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_Selected))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const bool lightBase = option.palette.color(QPalette::Base).lightness() > 128;
    const QRect fill = option.rect.adjusted(2, 1, -2, -1);
    painter->fillRect(fill, lightBase ? QColor(0, 120, 215, 25) : QColor(0, 120, 215, 40));
    QPen pen(QColor(0, 120, 212), 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter->setPen(pen);
    painter->drawLine(option.rect.topLeft(), option.rect.bottomLeft());
    painter->restore();
}
