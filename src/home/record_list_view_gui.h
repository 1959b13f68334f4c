#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// A level's record list (List5): plain text lines, filled as a whole. The lines live in a
// string-list model, so that a list of thousands of lines is filled without one item
// object per line.
class RecordListView : public QListView {
    Q_OBJECT
  public:
    explicit RecordListView(QWidget* parent);

    void setLines(const QStringList& lines);
    void clear();
    int count() const;
    QStringList lines() const;
    // Leaves no line selected or current.
    void clearChoice();
    // Scrolls so that the line is in view, in the middle when the list is longer.
    void scrollToRow(int row);

  private:
    QStringListModel* model_;
};
