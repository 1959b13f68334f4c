#include "home/record_list_area_gui.h"

#include <QComboBox>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "home/level_columns_gui.h"
#include "home/record_list_view_gui.h"
#include "platform/errors.h"
#include "platform/program.h"
#include "records/record_lists.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"

using records::PointsOrder;
using records::RankingKind;
using records::RunList;

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
    const records::RankingList ranking =
        records::rankingList(state_.tables, level, kind, order, gradeGroup_->currentText(),
                             state_.session.currentStudentNo);

    list->clear();
    list->setLines(ranking.lines);
    studentRow_[static_cast<size_t>(level)] = ranking.studentRow;
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
    if (!readResultLog(&bytes, lockedLogWait(flow_))) return false;
    const qint64 total = bytes.size() / kResultRecordSize;
    waitProgress_->setValue(0);
    waitProgress_->setRange(0, static_cast<int>(std::min<qint64>((total + 1) * 11 / 10,
                                                                 std::numeric_limits<int>::max())));
    const std::vector<QStringList> lines = records::runLists(
        bytes, kind, kept_->displayKind == 2 ? RankingKind::Points : RankingKind::Times,
        columns_->levelCount(), gradeGroup_->currentText(), state_.session.currentStudentNo,
        [this](int recordNo) { waitProgress_->setValue(recordNo); });
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
