#pragma once

#include <QLabel>

// The line of the name selection about runs kept on this computer. Each refresh first adds
// what the family's files take now, then tells how many runs still wait, or names a pending
// file that cannot be used; it is hidden when there is nothing to tell.
class PendingRunsLine : public QLabel {
  public:
    PendingRunsLine(QWidget* parent, const QRect& geometry);
    void refresh();
};
