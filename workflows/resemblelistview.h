#pragma once

#include <QListView>

// The resemble list: rows of one size, so a row whose text, icon or weight changes is painted again
// without the list laying out every row anew, which a plain list view does for each change and which
// costs a million rows' worth of work for every press and every thumbnail that arrives. The rows keep
// the size they were laid out with (a bold prime row is a few pixels wider at most); a new language,
// whose texts may be longer, lays them out again.
class ResembleListView : public QListView
{
    Q_OBJECT

public:
    explicit ResembleListView(QWidget *parent = nullptr);

    void layOutAgain();

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles = QVector<int>()) override;
};
