#include "home/record_list_area_gui.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <memory>

#include "course/grades.h"
#include "home/home_layout_gui.h"
#include "home/level_columns_gui.h"
#include "home/record_list_view_gui.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/session.h"
#include "widgets/controls_gui.h"
#include "widgets/screen_flow_gui.h"

using namespace homelayout;

namespace {

// Runs `handler` once for each time the option is chosen: a click (mouse or keys, also on
// the option already selected) at once; a toggle without a click (a screen reader's
// toggle action) from the event loop, once the toggle is done.
void onChosen(QRadioButton* option, QObject* context, std::function<void()> handler) {
    auto toggledAlone = std::make_shared<bool>(false);
    QObject::connect(option, &QAbstractButton::toggled, context,
                     [context, handler, toggledAlone](bool on) {
                         if (!on) return;
                         *toggledAlone = true;
                         QTimer::singleShot(0, context, [handler, toggledAlone] {
                             if (!*toggledAlone) return;
                             *toggledAlone = false;
                             handler();
                         });
                     });
    QObject::connect(option, &QAbstractButton::clicked, context, [handler, toggledAlone] {
        *toggledAlone = false;
        handler();
    });
}

}  // namespace
using records::PointsOrder;
using records::RankingKind;
using records::RunList;

RecordListArea::RecordListArea(QWidget* screen, LevelColumns* columns)
    : QObject(screen), screen_(screen), columns_(columns) {
    using platform::twRect;

    // Wait panel shown while a record list is built.
    waitPanel_ = new QFrame(screen);
    waitPanel_->setObjectName(QStringLiteral("Picture6"));
    waitPanel_->setFrameShape(QFrame::Box);
    waitPanel_->setGeometry(
        twRect(kColumnLeft, kRecordListTop, kVisibleColumns * kColumnWidth, 1200));
    waitPanel_->setAutoFillBackground(true);
    makeLabel(waitPanel_, QStringLiteral("Label6"), QStringLiteral("Just a moment, please."),
              twRect(240, 120, 6000, 360));
    waitProgress_ = new QProgressBar(waitPanel_);
    waitProgress_->setObjectName(QStringLiteral("ProgressBar2"));
    waitProgress_->setGeometry(twRect(240, 600, 9000, 300));
    waitPanel_->hide();
}

void RecordListArea::buildChoices() {
    using platform::twRect;
    choicePanel_ = new QFrame(screen_);
    choicePanel_->setObjectName(QStringLiteral("Picture1"));
    choicePanel_->setGeometry(twRect(kColumnLeft, 8580, kVisibleColumns * kColumnWidth, 2760));

    const char* kinds[3] = {"ﾀｲﾑ表示", "ﾎﾟｲﾝﾄ表示", "個人ﾀｲﾑ"};
    auto* kindGroup = new QWidget(choicePanel_);
    kindGroup->setObjectName(QStringLiteral("Option2Group"));
    kindGroup->setGeometry(twRect(0, 60, 9600, 360));
    for (int k = 0; k < 3; ++k) {
        listKind_[k] = new QRadioButton(QString::fromUtf8(kinds[k]), kindGroup);
        listKind_[k]->setObjectName(indexed("Option2", k));
        listKind_[k]->setFont(widgets::gothicFont(10.5));
        listKind_[k]->setGeometry(twRect(k * 2160, 0, 2040, 360));
        onChosen(listKind_[k], this, [this, k] { chooseKind(k); });
    }
    const char* choices[4] = {"", "BEST表示", "本日のみ", "すべて"};
    auto* choiceGroup = new QWidget(choicePanel_);
    choiceGroup->setObjectName(QStringLiteral("Option1Group"));
    choiceGroup->setGeometry(twRect(0, 480, 9600, 360));
    for (int k = 1; k <= 3; ++k) {
        listChoice_[k] = new QRadioButton(QString::fromUtf8(choices[k]), choiceGroup);
        listChoice_[k]->setObjectName(indexed("Option1", k));
        listChoice_[k]->setFont(widgets::gothicFont(10.5));
        listChoice_[k]->setGeometry(twRect((k - 1) * 2160, 0, 2040, 360));
        onChosen(listChoice_[k], this, [this, k] { chooseList(k); });
    }

    gradeGroup_ = new QComboBox(choicePanel_);
    gradeGroup_->setObjectName(QStringLiteral("Combo1"));
    gradeGroup_->setToolTip(QStringLiteral("表示する学年を選びます"));
    gradeGroup_->setGeometry(twRect(0, 960, 2400, 360));
    gradeGroup_->addItems(rankingGradeGroups());
    gradeGroup_->setCurrentIndex(0);
    connect(gradeGroup_, &QComboBox::activated, this, [this] {
        rerunCurrent();
        if (QPushButton* first = columns_->startButton(1)) first->setFocus();
    });

    studentChoice_ = new QComboBox(choicePanel_);
    studentChoice_->setObjectName(QStringLiteral("Combo2"));
    studentChoice_->setGeometry(twRect(2640, 960, 2400, 360));
    studentChoice_->hide();
    connect(studentChoice_, &QComboBox::activated, this, [this] {
        if (listChoice_[3]->isChecked()) chooseList(3);
    });

    chartButton_ = makeButton(choicePanel_, QStringLiteral("Command17"), QStringLiteral("グラフ"),
                              twRect(5280, 960, 1680, 420));
    chartButton_->hide();

    // The list builders run by the option buttons.
    todayButton_ = makeButton(choicePanel_, QStringLiteral("Command5"),
                              QStringLiteral("本日成績表示"), twRect(0, 1500, 2160, 420), 9);
    bestButton_ = makeButton(choicePanel_, QStringLiteral("Command6"),
                             QStringLiteral("過去最高表示"), twRect(2280, 1500, 2160, 420), 9);
    allButton_ = makeButton(choicePanel_, QStringLiteral("Command7"), QStringLiteral("全成績"),
                            twRect(4560, 1500, 2160, 420), 9);
    personalButton_ = makeButton(choicePanel_, QStringLiteral("Command16"),
                                 QStringLiteral("個人別ﾀｲﾑ"), twRect(6840, 1500, 2160, 420), 9);
    printButton_ = makeButton(choicePanel_, QStringLiteral("Command20"), QStringLiteral("印刷"),
                              twRect(0, 2040, 1440, 420), 9);
    showOneButton_ = makeButton(choicePanel_, QStringLiteral("Command26"), QStringLiteral("表示１"),
                                twRect(1560, 2040, 1440, 420), 9);
    for (QPushButton* b :
         {todayButton_, bestButton_, allButton_, personalButton_, printButton_, showOneButton_})
        b->hide();
    const auto run = [this](QPushButton* button, void (RecordListArea::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    run(todayButton_, &RecordListArea::showToday);
    run(bestButton_, &RecordListArea::showBestTimes);
    run(allButton_, &RecordListArea::showAllRuns);
    run(personalButton_, &RecordListArea::showOwnRuns);
    for (int level = 1; level <= columns_->levelCount(); ++level) {
        if (auto* ranking = screen_->findChild<QPushButton*>(indexed("Command3", level))) {
            connect(ranking, &QPushButton::clicked, this, [this, level] { showRankingOf(level); });
        }
    }
    studentRow_.assign(static_cast<size_t>(columns_->levelCount()) + 1, -1);
}

void RecordListArea::captionRankingChoices() {
    listChoice_[1]->setText(QStringLiteral("累計順"));
    listChoice_[2]->setText(QStringLiteral("本日順"));
}

void RecordListArea::chooseDefaultLists() {
    checkQuietly(listChoice_[1]);
    chooseList(1);
    hideListsForRecordDisplay();
    // The kind buttons show the kind of the list just built.
    checkQuietly(listKind_[kept_->displayKind == 2 ? 1 : 0]);
}

// A choice made by the screen itself, which runs the list it needs on its own.
void RecordListArea::checkQuietly(QRadioButton* option) {
    const QSignalBlocker quiet(option);
    option->setChecked(true);
}

void RecordListArea::hideListsForRecordDisplay() {
    chartButton_->hide();
    if (chartPanel_) chartPanel_->hide();
    if (backButton_) backButton_->setEnabled(false);
    columns_->hideRecordLists();
    waitPanel_->show();
    waitPanel_->raise();
}

QString RecordListArea::gradeGroup() const {
    return gradeGroup_->currentText();
}

void RecordListArea::hideWaitPanel() {
    waitPanel_->hide();
}

void RecordListArea::raiseWaitPanel() {
    waitPanel_->raise();
}

// ---------------------------------------------------------------------------------------
// Building the lists. The handlers disable the menu button and the choices and hide the
// lists behind the wait panel, which is painted at once, while a list is built.

bool RecordListArea::startBuild() {
    if (building_) return false;
    building_ = true;
    return true;
}

void RecordListArea::paintWaitPanel() {
    if (waitPanel_->isVisible()) waitPanel_->repaint();
}

#define RECORD_LIST_BUILD()    \
    if (!startBuild()) return; \
    const auto buildDone = qScopeGuard([this] { endBuild(); })

void RecordListArea::chooseKind(int kind) {
    RECORD_LIST_BUILD();
    choicePanel_->setEnabled(false);  // no other choice while this one is built
    hideListsForRecordDisplay();
    paintWaitPanel();
    if (activating_) return;

    if (kind == 0) {
        listChoice_[1]->setText(QStringLiteral("BEST表示"));
        listChoice_[2]->setText(QStringLiteral("本日のみ"));
        listChoice_[3]->setEnabled(true);
        kept_->displayKind = 1;
        for (int k = 1; k <= 3; ++k) {
            if (listChoice_[k]->isChecked()) {
                endBuild();
                chooseList(k);
                return;
            }
        }
    } else if (kind == 1) {
        studentChoice_->hide();
        listChoice_[1]->setText(QStringLiteral("合計累計"));
        listChoice_[2]->setText(QStringLiteral("合計本日"));
        listChoice_[3]->setText(QStringLiteral("すべて"));
        listChoice_[3]->setEnabled(true);
        kept_->displayKind = 2;
        for (int k = 1; k <= 3; ++k) {
            if (!listChoice_[k]->isChecked()) continue;
            if (k != 3) pointsOrder_ = k;
            endBuild();
            chooseList(k);
            return;
        }
    } else {
        chartButton_->show();
        studentChoice_->hide();
        if (!buildOwnRuns()) return;
    }
    choicePanel_->setEnabled(true);
}

void RecordListArea::chooseList(int choice) {
    RECORD_LIST_BUILD();
    if (!beginChoice()) return;
    if (kept_->displayKind == 0) kept_->displayKind = 1;
    bool done = false;
    if (kept_->displayKind == 1) {
        done = choice == 1   ? buildBestTimes()
               : choice == 2 ? buildRunList(RunList::Today)
                             : buildRunList(RunList::All);
    } else {
        if (pointsOrder_ == 0) pointsOrder_ = 1;
        if (choice == 1)
            done = buildPointsRankings(PointsOrder::AllTime,
                                       QStringLiteral("獲得ポイント（今まで順位）"));
        else if (choice == 2)
            done = buildPointsRankings(PointsOrder::Today,
                                       QStringLiteral("獲得ポイント（今日の順位）"));
        else
            done = buildRunList(RunList::All);
        if (done) choicePanel_->setEnabled(true);
    }
    if (done) finishChoice();
}

void RecordListArea::showRankingOf(int level) {
    RECORD_LIST_BUILD();
    if (buildRanking(level)) scrollToSignedInStudent();
}

void RecordListArea::showBestTimes() {
    RECORD_LIST_BUILD();
    if (buildBestTimes()) scrollToSignedInStudent();
}

void RecordListArea::showToday() {
    RECORD_LIST_BUILD();
    buildRunList(RunList::Today);
}

void RecordListArea::showAllRuns() {
    RECORD_LIST_BUILD();
    buildRunList(RunList::All);
}

void RecordListArea::showOwnRuns() {
    RECORD_LIST_BUILD();
    buildOwnRuns();
}

#undef RECORD_LIST_BUILD

// Step 1 of a list choice: the lists hide behind the wait panel.
bool RecordListArea::beginChoice() {
    if (backButton_) backButton_->setEnabled(false);
    columns_->hideRecordLists();
    waitPanel_->show();
    waitPanel_->raise();
    studentChoice_->hide();
    choicePanel_->setEnabled(false);
    paintWaitPanel();
    return true;
}

// The end of a list choice: the lists come back.
void RecordListArea::finishChoice() {
    if (backButton_) backButton_->setEnabled(true);
    if (afterListBuilt_) afterListBuilt_();
    columns_->showRecordListsOfTimedLevels();
    waitPanel_->hide();
    scrollToSignedInStudent();
}

// A grade group chosen: the list on show is built again.
void RecordListArea::rerunCurrent() {
    if (listKind_[2]->isChecked()) {
        showOwnRuns();
        return;
    }
    for (int k = 1; k <= 3; ++k) {
        if (listChoice_[k]->isChecked()) {
            chooseList(k);
            return;
        }
    }
}

bool RecordListArea::buildRanking(int level) {
    if (level < 1 || level > columns_->levelCount()) return true;
    RecordListView* list = columns_->recordList(level);
    if (kept_->displayKind == 0) kept_->displayKind = 1;
    const RankingKind kind = kept_->displayKind == 2 ? RankingKind::Points : RankingKind::Times;
    const PointsOrder order = pointsOrder_ == 2 ? PointsOrder::Today : PointsOrder::AllTime;
    const std::vector<records::RankingRow> rows = records::buildRanking(
        resultsTables(), {level, kind, order, records::sharedRosterView(),
                          records::gradeGroupPredicate(gradeGroup_->currentText()),
                          state::session().currentStudentNo});
    const QStringList lines = records::rankingLines(rows, kind, records::sharedStudents());

    list->clear();
    list->setLines(lines);
    int& studentRow = studentRow_[static_cast<size_t>(level)];
    studentRow = -1;
    for (int row = 0; row < lines.size() && studentRow < 0; ++row) {
        if (lines[row].contains(QStringLiteral("●"))) studentRow = row;
    }
    columns_->clearSelection(level);
    return true;
}

bool RecordListArea::buildBestTimes() {
    columns_->setListHeading(QStringLiteral("ベスト成績"));
    columns_->clearRecordLists();
    std::fill(studentRow_.begin(), studentRow_.end(), -1);
    const int levelCount = columns_->levelCount();
    waitProgress_->setRange(0, std::max(1, levelCount));
    waitProgress_->setValue(0);
    for (int level = 1; level <= levelCount; ++level) {
        waitProgress_->setValue(level);
        if (columns_->isPracticeColumn(level))
            columns_->hideColumnFigures(level);
        else if (!buildRanking(level))
            return false;
        columns_->clearSelection(level);
    }
    choicePanel_->setEnabled(true);
    return true;
}

bool RecordListArea::buildPointsRankings(PointsOrder order, const QString& heading) {
    pointsOrder_ = order == PointsOrder::Today ? 2 : 1;
    columns_->setListHeading(heading);
    const int levelCount = columns_->levelCount();
    for (QProgressBar* bar : {waitProgress_, busyProgress_}) {
        if (!bar) continue;
        bar->setValue(0);
        bar->setRange(0, std::max(1, levelCount));
    }
    for (int level = 1; level <= levelCount; ++level) {
        for (QProgressBar* bar : {waitProgress_, busyProgress_})
            if (bar) bar->setValue(level);
        if (!buildRanking(level)) return false;
    }
    if (busyProgress_) busyProgress_->setRange(0, 0);  // the screen's busy bar again
    return true;
}

bool RecordListArea::buildRunList(RunList kind) {
    columns_->clearRecordLists();
    std::fill(studentRow_.begin(), studentRow_.end(), -1);
    if (kind == RunList::Today) columns_->setListHeading(QStringLiteral("本日の成績"));
    if (kind == RunList::All) columns_->setListHeading(QString());
    if (kind == RunList::Own) columns_->setListHeading(QStringLiteral("個人別ﾀｲﾑ"));

    QByteArray bytes;
    if (!readResultLog(&bytes, lockedLogWait())) return false;
    const qint64 total = bytes.size() / kResultRecordSize;
    const std::vector<records::LogRun> runs =
        records::decodeLogTail(bytes, records::runListWindow(kind));
    const int start = static_cast<int>(total - static_cast<qint64>(runs.size()));
    waitProgress_->setValue(0);
    waitProgress_->setRange(0, static_cast<int>(std::min<qint64>((total + 1) * 11 / 10,
                                                                 std::numeric_limits<int>::max())));

    records::RunListRequest request;
    request.list = kind;
    request.kind = kept_->displayKind == 2 ? RankingKind::Points : RankingKind::Times;
    request.levelCount = columns_->levelCount();
    request.today = platform::dayCountFromDate(platform::clock().now().date());
    request.currentStudentNo = state::session().currentStudentNo;
    request.inGradeGroup = records::gradeGroupPredicate(gradeGroup_->currentText());
    request.students = records::sharedStudents();
    request.passTime = [](int level) { return state::course().levelTargets[level].passTime; };
    const std::vector<QStringList> lines = records::runListLines(
        runs, request, [this, start](int handled) { waitProgress_->setValue(start + handled); });
    for (int level = 1; level < static_cast<int>(lines.size()); ++level)
        columns_->recordList(level)->setLines(lines[static_cast<size_t>(level)]);

    columns_->clearSelections();
    choicePanel_->setEnabled(true);
    // Combo2 has nothing to offer while it has no entries.
    if (kind == RunList::All && studentChoice_->count() > 0) studentChoice_->show();
    return true;
}

bool RecordListArea::buildOwnRuns() {
    if (prepareOwnRuns_) prepareOwnRuns_();
    if (!buildRunList(RunList::Own)) return false;
    waitPanel_->hide();
    if (afterListBuilt_) afterListBuilt_();
    columns_->showRecordListsOfTimedLevels();
    if (backButton_) backButton_->setEnabled(true);
    return true;
}

// Each ranking shows the signed-in student's row.
void RecordListArea::scrollToSignedInStudent() {
    for (int level = 1; level < static_cast<int>(studentRow_.size()); ++level) {
        const int row = studentRow_[static_cast<size_t>(level)];
        if (row >= 0) columns_->recordList(level)->scrollToRow(row);
    }
}
