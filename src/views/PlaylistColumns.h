#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>

class QTableView;

// The widths of a table's columns: each fits its header and cells (in the
// interface language, for the rows listed) until the user drags it; from
// then on it keeps the user's width, which the owner can store (widths())
// and give back at the next start (restore()). One column takes the room
// the others leave.
class PlaylistColumns : public QObject
{
    Q_OBJECT
public:
    PlaylistColumns(QTableView *table, int stretchColumn);

    // Widths the user gave, as widths() wrote them; anything else is ignored.
    void restore(const QByteArray &widths);
    QByteArray widths() const;
    // Measures again the columns the user has not sized, once per event-loop turn.
    void fitLater();

signals:
    // The user has given a column another width.
    void widthsChanged(const QByteArray &widths);

private:
    static constexpr int measuredRows = 64;
    void fit();
    void onSectionResized(int column, int oldWidth, int newWidth);

    QTableView *mTable;
    int mStretchColumn;
    QMap<int, int> mUserWidths;
    bool mResizing = false;
    bool mFitPending = false;
};
