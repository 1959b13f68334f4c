#include "home/record_list_view_gui.h"

#include <QProxyStyle>
#include <QScrollBar>
#include <QStringListModel>

namespace {

// A level column is narrow: a slim scroll bar and one-pixel text margins leave room for its
// longest line (a five-digit time in the points layout of the all-runs list, 32 half-width
// characters), so that no line is clipped.
class NarrowListStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ScrollBarExtent) return 8;
        if (metric == PM_FocusFrameHMargin) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

RecordListView::RecordListView(QWidget* parent)
    : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    auto* narrow = new NarrowListStyle;
    narrow->setParent(this);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(verticalScrollBar()),
                       static_cast<QWidget*>(horizontalScrollBar())})
        w->setStyle(narrow);
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
