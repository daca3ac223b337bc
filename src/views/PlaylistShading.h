#pragma once

#include <QStyledItemDelegate>

// Paints what the playlist says of its rows: the rows of one trip share a
// shade and the next trip has the other, so that where one drive ends and
// the next begins shows at a glance; files that failed, or hold less than
// they should, stand out from the table's grey text.
class PlaylistShading : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
