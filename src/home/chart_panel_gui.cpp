#include "home/chart_panel_gui.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "app/shared_state.h"
#include "home/home_layout_gui.h"
#include "home/home_lines.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "records/chart_students.h"

using namespace homelayout;

ChartPanel::ChartPanel(QWidget* screen) : QObject(screen) {
    using platform::twRect;
    panel_ = new QFrame(screen);
    panel_->setObjectName(QStringLiteral("Picture11"));
    panel_->setFrameShape(QFrame::Box);
    panel_->setAutoFillBackground(true);
    panel_->setGeometry(twRect(kColumnLeft, kLevelNameTop, kScreenWidth - 2 * kColumnLeft, 10080));

    chartArea_ = new QFrame(panel_);
    chartArea_->setObjectName(QStringLiteral("Picture12"));
    chartArea_->setFrameShape(QFrame::Box);
    chartArea_->setAutoFillBackground(true);
    QPalette white = chartArea_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    chartArea_->setPalette(white);
    chartArea_->setGeometry(twRect(120, 120, 10800, 9840));

    const int x = 11040;
    back_ = makeButton(panel_, QStringLiteral("Command18"), QStringLiteral("戻る"),
                       twRect(x, 120, 1680, 480));
    connect(back_, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { panel_->hide(); }); });
    showOwn_[0] = makeButton(panel_, QStringLiteral("Command21_0"), QStringLiteral("表示"),
                             twRect(x, 720, 1680, 420));
    showOwn_[1] = makeButton(panel_, QStringLiteral("Command21_1"), QStringLiteral("印刷"),
                             twRect(x + 1800, 720, 1680, 420));
    levels_ = new QListWidget(panel_);
    levels_->setObjectName(QStringLiteral("List3"));
    levels_->setSelectionMode(QAbstractItemView::MultiSelection);
    levels_->setGeometry(twRect(x, 1260, 1200, 1800));
    otherStudents_ =
        makeButton(panel_, QStringLiteral("Command25"), QStringLiteral("他の人のデータを見る"),
                   twRect(x, 3180, 3480, 420), 9);
    connect(otherStudents_, &QPushButton::clicked, this, [this] {
        platform::guarded([this] {
            otherStudents_->hide();
            students_->show();
        });
    });
    showSelected_[0] = makeButton(panel_, QStringLiteral("Command24_0"), QStringLiteral("表示"),
                                  twRect(x, 3720, 1680, 420));
    showSelected_[1] = makeButton(panel_, QStringLiteral("Command24_1"), QStringLiteral("印刷"),
                                  twRect(x + 1800, 3720, 1680, 420));
    students_ = new QListWidget(panel_);
    students_->setObjectName(QStringLiteral("List2"));
    students_->setSelectionMode(QAbstractItemView::MultiSelection);
    students_->setGeometry(twRect(x, 4260, 3480, 5700));
    students_->hide();
    // Drawing the charts (Command21, Command24, clicks on List2 and List3) comes with the
    // chart cards.
    panel_->hide();
}

void ChartPanel::open() {
    chartStudentNo_ = shared.currentStudentNo;
    students_->hide();
    otherStudents_->show();
    students_->clearSelection();
    levels_->clearSelection();
    for (int i = 0; i < std::min(3, levels_->count()); ++i) levels_->item(i)->setSelected(true);
    chartFontSize_ = 6;
    // The cards themselves are drawn by the chart display.
}

void ChartPanel::setTeacherPrintVisible(bool visible) {
    showSelected_[1]->setVisible(visible);
}

void ChartPanel::fillStudentList() {
    students_->clear();
    students_->addItems(records::chartStudentListLines());
}

void ChartPanel::prepareForOwnRuns(int levelCount) {
    fillStudentList();
    levels_->clear();
    for (int level = 1; level <= levelCount; ++level) levels_->addItem(QString::number(level));
    chartStudentNo_ = shared.currentStudentNo;
}
