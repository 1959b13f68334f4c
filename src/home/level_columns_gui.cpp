#include "home/level_columns_gui.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "course/levels.h"
#include "home/home_layout_gui.h"
#include "home/home_lines.h"
#include "home/level_lock_input.h"
#include "home/record_list_view_gui.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/session.h"
#include "widgets/controls_gui.h"
#include "widgets/program_state.h"

using namespace homelayout;

namespace {

void setLeft(QWidget* w, int x) {
    if (w) w->move(x, w->y());
}

}  // namespace

LevelColumns::LevelColumns(QWidget* screen, ProgramState& state, int levelCount,
                           StartRequest onStart)
    : QObject(screen),
      screen_(screen),
      state_(state),
      levelCount_(levelCount),
      onStart_(std::move(onStart)) {
    using platform::twRect;

    firstColumnBar_ = new QScrollBar(Qt::Horizontal, screen);
    firstColumnBar_->setObjectName(QStringLiteral("HScroll1"));
    firstColumnBar_->setGeometry(twRect(kColumnLeft, 900, kVisibleColumns * kColumnWidth, 240));
    firstColumnBar_->setRange(1, std::max(1, levelCount_));
    firstColumnBar_->setPageStep(1);
    firstColumnBar_->setValue(1);
    connect(firstColumnBar_, &QScrollBar::valueChanged, this, [this] { layout(); });

    // List5(0): the reference of the column layout, never shown.
    layoutReference_ = new QListWidget(screen);
    layoutReference_->setObjectName(QStringLiteral("List5_0"));
    layoutReference_->setGeometry(
        twRect(kColumnLeft, kRecordListTop, kColumnWidth, kRecordListHeight));
    layoutReference_->hide();

    listHeading_ = makeLabel(screen, QStringLiteral("Label5"), QStringLiteral("ベスト成績"),
                             twRect(kColumnLeft, 4260, 4800, 300), 10.5, true);

    columns_.resize(levelCount_ + 1);
    for (int level = 1; level <= levelCount_; ++level) buildColumn(level);

    // The columns open where the student left them.
    if (state_.homeFirstColumn >= 1) {
        const QSignalBlocker block(firstColumnBar_);
        firstColumnBar_->setValue(std::min(state_.homeFirstColumn, firstColumnBar_->maximum()));
    }
    layout();
}

void LevelColumns::buildColumn(int level) {
    using platform::twRect;
    Column& c = columns_[level];
    const int x = kColumnLeft;

    c.levelName = makeLabel(screen_, indexed("Label3", level), state::course().levelNames[level],
                            twRect(x, kLevelNameTop, kColumnWidth, 330), 11, true);
    c.levelName->setCursor(Qt::PointingHandCursor);
    c.levelName->installEventFilter(this);

    c.startButton = makeButton(screen_, indexed("Command4", level), QStringLiteral("ｽﾀｰﾄ"),
                               twRect(x + 120, kStartButtonTop, kColumnWidth - 240, 480), 12);
    c.startButton->setToolTip(QStringLiteral("クリックしてスタートします。番号を押してもよろしい"));
    c.startButton->setEnabled(false);
    connect(c.startButton, &QPushButton::clicked, this,
            [this, level] { onStart_(level, StartBy::Button); });
    if (level <= 9) {
        // The digit alone starts the level, as the caption says.
        auto* key = new QShortcut(QKeySequence(Qt::Key_0 + level), screen_);
        connect(key, &QShortcut::activated, this, [this, level] {
            if (startEnabled(level)) onStart_(level, StartBy::Button);
        });
    }

    c.targets = makeLabel(screen_, indexed("Label7", level), QString(),
                          twRect(x, kTargetsTop, kColumnWidth, 460), 9);
    c.targets->setWordWrap(true);
    c.clearWindow = makeLabel(screen_, indexed("Label8", level), QString(),
                              twRect(x, kClearWindowTop, kColumnWidth, 280), 9);
    c.todayHeading = makeLabel(screen_, indexed("Label9", level), QStringLiteral("今日"),
                               twRect(x, kTodayHeadingTop, kColumnWidth, 240), 9);
    c.todayFigures = makeLabel(screen_, indexed("Label14", level), QString(),
                               twRect(x, kTodayFiguresTop, kColumnWidth, 280), 10.5, true);
    c.allTimeHeading = makeLabel(screen_, indexed("Label10", level), QStringLiteral("今まで"),
                                 twRect(x, kAllTimeHeadingTop, kColumnWidth, 240), 9);
    c.allTimeFigures = makeLabel(screen_, indexed("Label15", level), QString(),
                                 twRect(x, kAllTimeFiguresTop, kColumnWidth, 280), 10.5, true);

    c.marker = new QLineEdit(screen_);
    c.marker->setObjectName(indexed("Text1", level));
    c.marker->setReadOnly(true);
    c.marker->setGeometry(twRect(x + 1800, kMarkerTop, 480, 300));
    c.markerCaption = makeLabel(screen_, indexed("Label1", level), QString(),
                                twRect(x, kMarkerTop, 1680, 300), 9);

    c.records = new RecordListView(screen_);
    c.records->setObjectName(indexed("List5", level));
    c.records->setFont(widgets::gothicFont(7.5));
    c.records->setGeometry(twRect(x, kRecordListTop, kColumnWidth, kRecordListHeight));

    c.rankingButton =
        makeButton(screen_, indexed("Command3", level), QStringLiteral("成績表示"),
                   twRect(x, kRecordListTop + kRecordListHeight, kColumnWidth, 300), 9);
    c.rankingButton->hide();

    fillTargets(level);
}

void LevelColumns::fillTargets(int level) {
    Column& c = columns_[level];
    if (state::course().timedLevel[level] != 1) return;
    const LevelTarget& t = state::course().levelTargets[level];
    c.startButton->setText(QStringLiteral("ｽﾀｰﾄ(&") + QString::number(level) + QStringLiteral(")"));
    c.targets->setText(homelines::targetsLine(t));
    c.clearWindow->setText(
        homelines::clearWindowLine(t, state_.tables, level, state_.session.currentStudentNo));
}

void LevelColumns::layout() {
    const int first = homelines::firstColumn(firstColumnBar_->value(), levelCount_);
    state_.homeFirstColumn = first;
    const int left = layoutReference_->x();
    const int width = layoutReference_->width();
    for (int level = 1; level <= levelCount_; ++level) {
        Column& c = columns_[level];
        const int x = homelines::columnLeft(left, level, first, width, screen_->width());
        for (QWidget* w :
             {static_cast<QWidget*>(c.records), static_cast<QWidget*>(c.markerCaption),
              static_cast<QWidget*>(c.levelName), static_cast<QWidget*>(c.targets),
              static_cast<QWidget*>(c.clearWindow), static_cast<QWidget*>(c.todayHeading),
              static_cast<QWidget*>(c.allTimeHeading), static_cast<QWidget*>(c.todayFigures),
              static_cast<QWidget*>(c.allTimeFigures), static_cast<QWidget*>(c.rankingButton)})
            setLeft(w, x);
        // The button and the marker box keep their place inside the column.
        setLeft(c.startButton, x + platform::tw(120));
        setLeft(c.marker, x + platform::tw(1800));
    }
}

void LevelColumns::scrollToRemembered() {
    int first = state_.homeFirstColumn;
    if (first < 1) first = 1;
    first = std::min(first, firstColumnBar_->maximum());
    {
        const QSignalBlocker block(firstColumnBar_);
        firstColumnBar_->setValue(first);
    }
    layout();
}

bool LevelColumns::applyLocks(const ResultsTables& stats) {
    const LevelLocks locks = computeLevelLocks(levelLockInputOfSession(stats, state_.session));
    for (int level = 1; level <= levelCount_; ++level) {
        columns_[level].startButton->setEnabled(locks.startEnabled[level]);
        columns_[level].marker->setVisible(locks.markerVisible[level]);
    }
    return locks.goalCleared;
}

void LevelColumns::showFigures(const ResultsTables& stats, int student) {
    for (int level = 1; level <= levelCount_; ++level) {
        Column& c = columns_[level];
        c.allTimeFigures->setText(homelines::allTimeLine(stats, level, student));
        c.todayFigures->setText(homelines::todayLine(stats, level, student));
        if (state::course().timedLevel[level] == 1)
            c.clearWindow->setText(homelines::clearWindowLine(state::course().levelTargets[level],
                                                              stats, level, student));
    }
}

void LevelColumns::showRecordListsOfTimedLevels() {
    for (int level = 1; level <= levelCount_; ++level) {
        if (!isPracticeColumn(level)) columns_[level].records->show();
    }
}

bool LevelColumns::isPracticeColumn(int level) const {
    return level >= 1 && level <= levelCount_ && course::isPractice(level);
}

void LevelColumns::hideColumnFigures(int level) {
    if (level < 1 || level > levelCount_) return;
    const Column& c = columns_[level];
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.records, c.targets, c.clearWindow, c.todayFigures,
                                         c.allTimeFigures, c.todayHeading, c.allTimeHeading})
        w->hide();
}

void LevelColumns::setListHeading(const QString& text) {
    listHeading_->setText(text);
}

void LevelColumns::hideRecordLists() {
    for (int level = 1; level <= levelCount_; ++level) columns_[level].records->hide();
}

void LevelColumns::clearRecordLists() {
    for (int level = 1; level <= levelCount_; ++level) {
        columns_[level].todayHeading->setText(QStringLiteral("今日"));
        columns_[level].allTimeHeading->setText(QStringLiteral("今まで"));
        columns_[level].records->clear();
    }
}

void LevelColumns::clearSelections() {
    for (int level = 1; level <= levelCount_; ++level) clearSelection(level);
}

void LevelColumns::clearSelection(int level) {
    if (level < 1 || level > levelCount_) return;
    RecordListView* list = columns_[level].records;
    if (list->count() > 0) list->clearChoice();
}

bool LevelColumns::startEnabled(int level) const {
    return level >= 1 && level <= levelCount_ && columns_[level].startButton->isEnabled();
}

QPushButton* LevelColumns::startButton(int level) const {
    return level >= 1 && level <= levelCount_ ? columns_[level].startButton : nullptr;
}

RecordListView* LevelColumns::recordList(int level) const {
    return level >= 1 && level <= levelCount_ ? columns_[level].records : nullptr;
}

bool LevelColumns::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            for (int level = 1; level <= levelCount_; ++level) {
                if (watched != columns_[level].levelName) continue;
                onStart_(level, StartBy::Name);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
