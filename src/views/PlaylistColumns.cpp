#include "PlaylistColumns.h"

#include <QDataStream>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>

PlaylistColumns::PlaylistColumns(QTableView *table, int stretchColumn)
    : QObject(table)
    , mTable(table)
    , mStretchColumn(stretchColumn)
{
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
    // The measured columns hold texts of one form each (times, durations,
    // sizes, trips): the rows in view and a few more give their width.
    // Measuring a whole card's rows on every report held the window up.
    header->setResizeContentsPrecision(measuredRows);
    connect(header, &QHeaderView::sectionResized, this, &PlaylistColumns::onSectionResized);
    // New rows, later reports (a duration) and a model reset may need more room.
    QAbstractItemModel *model = table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &PlaylistColumns::fitLater);
    connect(model, &QAbstractItemModel::dataChanged, this, &PlaylistColumns::fitLater);
    connect(model, &QAbstractItemModel::modelReset, this, &PlaylistColumns::fitLater);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &PlaylistColumns::fitLater);
    fit();
}

void PlaylistColumns::restore(const QByteArray &widths)
{
    QDataStream stream(widths);
    QMap<int, int> stored;
    stream >> stored;
    if (stream.status() != QDataStream::Ok)
        return;
    const int columns = mTable->model()->columnCount();
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        if (it.key() >= 0 && it.key() < columns && it.key() != mStretchColumn && it.value() > 0 && it.value() <= 4000)
            mUserWidths.insert(it.key(), it.value());
    fit();
}

QByteArray PlaylistColumns::widths() const
{
    QByteArray widths;
    QDataStream stream(&widths, QIODevice::WriteOnly);
    stream << mUserWidths;
    return widths;
}

void PlaylistColumns::fitLater()
{
    if (mFitPending)
        return;
    mFitPending = true;
    QTimer::singleShot(0, this, &PlaylistColumns::fit);
}

void PlaylistColumns::fit()
{
    mFitPending = false;
    mResizing = true;
    for (int column = 0; column < mTable->model()->columnCount(); ++column) {
        if (column == mStretchColumn)
            continue;
        if (mUserWidths.contains(column))
            mTable->setColumnWidth(column, mUserWidths.value(column));
        else
            mTable->resizeColumnToContents(column);
    }
    mResizing = false;
}

// Only a drag of the user's reaches here unguarded: the stretched column
// follows the others and is never the user's.
void PlaylistColumns::onSectionResized(int column, int, int newWidth)
{
    if (mResizing || column == mStretchColumn || mUserWidths.value(column) == newWidth)
        return;
    mUserWidths.insert(column, newWidth);
    emit widthsChanged(widths());
}
