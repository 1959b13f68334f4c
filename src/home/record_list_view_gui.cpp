#include "home/record_list_view_gui.h"

#include <QStringListModel>

RecordListView::RecordListView(QWidget* parent)
    : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void RecordListView::setLines(const QStringList& lines) {
    model_->setStringList(lines);
}

void RecordListView::clear() {
    model_->setStringList({});
}

int RecordListView::count() const {
    return model_->rowCount();
}

QStringList RecordListView::lines() const {
    return model_->stringList();
}

void RecordListView::clearChoice() {
    clearSelection();
    setCurrentIndex(QModelIndex());
}

void RecordListView::scrollToRow(int row) {
    if (row < 0 || row >= count()) return;
    scrollTo(model_->index(row), QAbstractItemView::PositionAtCenter);
}
