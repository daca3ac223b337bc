#include "PlaylistShading.h"

#include "PlaylistModel.h"

namespace {

const QColor failedRowColour(236, 112, 99);
const QColor truncatedRowColour(230, 180, 80);
const QColor tripShades[2] = {QColor(38, 50, 66), QColor(60, 52, 40)};

} // namespace

void PlaylistShading::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant trip = index.data(PlaylistModel::TripRole);
    if (trip.isValid())
        option->backgroundBrush = tripShades[trip.toInt() % 2];
    const int problem = index.data(PlaylistModel::ProblemRole).toInt();
    if (problem != PlaylistModel::NoProblem)
        option->palette.setColor(QPalette::Text, problem == PlaylistModel::Failed ? failedRowColour : truncatedRowColour);
}
