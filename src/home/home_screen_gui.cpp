#include "home/home_screen_gui.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <algorithm>

#include "course/today_total.h"
#include "drill/drill_run.h"
#include "home/chart_panel_gui.h"
#include "home/explanation_panel_gui.h"
#include "home/home_layout_gui.h"
#include "home/home_lines.h"
#include "home/level_columns_gui.h"
#include "home/record_list_area_gui.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "results/run_keeping.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/session.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"
#include "widgets/wait_window_gui.h"

using namespace homelayout;

void HomeScreen::closeEvent(QCloseEvent* event) {
    // The window's close is its "戻る"; while the screen comes up it waits for the button.
    handleClose(this, event, [this] {
        if (back_->isEnabled() && !activating_)
            backToNameSelection();
        else
            closeAsked_ = true;
    });
}

HomeScreen::HomeScreen(ProgramState& state, ScreenFlow& flow)
    : QWidget(nullptr, Qt::Window), state_(state), flow_(flow) {
    setObjectName(QStringLiteral("seisekitime1"));
    widgets::setProgramTitle(this);
    widgets::setColors(this, QColor(state::settings().screenBackColor), Qt::white, true);
    setGeometry(platform::twRect(0, 0, kScreenWidth, kScreenHeight));
    setFont(widgets::gothicFont(10.5));

    // The parts are built in this order so that the controls keep their stacking and focus
    // order: heading, columns, the lists' wait panel, explanation, list choices, charts,
    // and the busy panel over everything.
    buildHeading();
    columns_ =
        new LevelColumns(this, state_, std::clamp<int>(state::course().levelCount, 0, kMaxLevel),
                         [this](int level, LevelColumns::StartBy by) {
                             if (by == LevelColumns::StartBy::Button)
                                 startFromButton(level);
                             else
                                 startFromLabel(level);
                         });
    recordLists_ = new RecordListArea(this, state_, flow_, columns_);
    explanation_ = new ExplanationPanel(this);
    recordLists_->buildChoices();
    charts_ = new ChartPanel(this, state_, flow_);
    recordLists_->setBackButton(back_);
    recordLists_->setChartPanel(charts_->panel());
    recordLists_->setOwnRunsPreparation(
        [this] { charts_->prepareForOwnRuns(columns_->levelCount()); });
    recordLists_->setAfterListBuilt([this] { applyLevelLocks(); });
    connect(recordLists_->chartButton(), &QPushButton::clicked, this, [this] { charts_->open(); });
    charts_->setChoiceSource([this] {
        return ChartChoice{recordLists_->gradeGroup(), recordLists_->pointsOrder()};
    });
    buildBusyPanel();
    recordLists_->setBusyProgress(busyProgress_);
    platform::coverScreen(this);
}

HomeScreen::~HomeScreen() = default;

void HomeScreen::buildHeading() {
    using platform::twRect;
    title_ = makeLabel(this, QStringLiteral("Label11"), state::settings().drillTitle,
                       twRect(240, 120, 5400, 720), 24, true);
    student_ = makeLabel(this, QStringLiteral("Label12"), QString(), twRect(5880, 120, 4200, 360),
                         12, true);
    classroom_ =
        makeLabel(this, QStringLiteral("Label13"), QString(), twRect(5880, 480, 4200, 300));
    signedInFor_ =
        makeLabel(this, QStringLiteral("Label17"), QString(), twRect(10320, 120, 2760, 300));
    todayTotal_ =
        makeLabel(this, QStringLiteral("Label18"), QString(), twRect(10320, 480, 2760, 300));
    back_ = makeButton(this, QStringLiteral("Command1"), QStringLiteral("戻る(0)"),
                       twRect(13320, 120, 1800, 660), 12);
    connect(back_, &QPushButton::clicked, this, [this] { backToNameSelection(); });
}

// The panel shown while the screen computes or a drill starts.
void HomeScreen::buildBusyPanel() {
    using platform::twRect;
    busyPanel_ = new QFrame(this);
    busyPanel_->setObjectName(QStringLiteral("Picture2"));
    busyPanel_->setFrameShape(QFrame::Box);
    busyPanel_->setAutoFillBackground(true);
    busyPanel_->setGeometry(twRect(4680, 4560, 6000, 1800));
    makeLabel(busyPanel_, QStringLiteral("Label2"), QStringLiteral("Just a moment, please."),
              twRect(360, 300, 5280, 480), 14, true)
        ->setAlignment(Qt::AlignCenter);
    busyProgress_ = new QProgressBar(busyPanel_);
    busyProgress_->setObjectName(QStringLiteral("ProgressBar1"));
    busyProgress_->setGeometry(twRect(360, 1020, 5280, 360));
    busyProgress_->setRange(0, 0);  // busy
    busyPanel_->hide();
}

// ---------------------------------------------------------------------------------------
// Becoming active

void HomeScreen::activate() {
    if (activating_) return;
    activating_ = true;
    recordLists_->setActivating(true);
    const auto done = qScopeGuard([this] {
        // The please-wait window of the switch (back from a practice drill) goes once the
        // screen is filled in.
        flow_.closeWaitWindow();
        activating_ = false;
        recordLists_->setActivating(false);
    });
    const int levelCount = columns_->levelCount();
    // Runs kept on this computer are added now when the family's files take them.
    addPendingRuns();

    // 1. The explanation.
    explanation_->showExplanation();

    // 2. The teacher's print button of the charts.
    charts_->setTeacherPrintVisible(
        state_.session.currentStudentName.contains(QStringLiteral("先生")));

    // 3.
    signedInFor_->setText(homelines::signInLine(
        drill::minutesSinceSignIn(platform::clock().monotonicMs(), state_.session.signInMonotonicMs,
                                  platform::secondsSinceMidnight(), state_.session.signInSeconds)));
    showBusyPanel();
    busyPanel_->repaint();
    recordLists_->captionRankingChoices();

    // 4.
    flow_.closeNameSelection();
    buildStatistics(state_.tables, lockedLogWait(flow_));
    ResultsTables& stats = state_.tables;
    const int s = state_.session.currentStudentNo;

    // 5.
    todayTotal_->setText(homelines::todayTotalLine(
        course::todayTotal(course::TodayTotal::HomeScreen, levelCount,
                           [&](int level) { return stats.todayCount(level, s); })));

    // 6. The first list of the chosen kind.
    recordLists_->chooseDefaultLists();
    back_->setEnabled(true);

    // 7. (Practice levels run against 600 seconds since their targets were loaded.)
    columns_->showRecordListsOfTimedLevels();

    // 8.
    recordLists_->hideWaitPanel();
    student_->setText(homelines::studentLine(state_.session.currentGradeLabel,
                                             state_.session.currentStudentName));
    classroom_->setText(homelines::classroomLine(state::settings().classroomName, s));
    title_->setText(state::settings().drillTitle);
    title_->setFont(
        widgets::gothicFont(homelines::titleFontSize(state::settings().drillTitle), true));

    // 9.
    columns_->scrollToRemembered();

    // 10. The student's figures.
    columns_->showFigures(stats, s);

    // 11.
    applyLevelLocks();

    // 12.
    busyPanel_->hide();
    busyProgress_->hide();
    if (closeAsked_) {
        closeAsked_ = false;
        backToNameSelection();
    }
}

void HomeScreen::showBusyPanel() {
    busyPanel_->show();
    busyProgress_->show();
    busyPanel_->raise();
}

void HomeScreen::applyLevelLocks() {
    const bool goalCleared = columns_->applyLocks(state_.tables);
    state_.session.goalCleared = goalCleared ? 1 : 0;
    explanation_->showFreePracticeNotice();
    recordLists_->raiseWaitPanel();
}

// ---------------------------------------------------------------------------------------
// Handlers

// A level starts only when its button is open and no start is under way (a second press
// while events run during a start is ignored).
bool HomeScreen::mayStart(int level) const {
    return !starting_ && columns_->startEnabled(level);
}

void HomeScreen::startFromButton(int level) {
    if (!mayStart(level)) return;
    starting_ = true;
    showBusyPanel();
    busyPanel_->repaint();
    flow_.startDrill(level);
    starting_ = false;
    flow_.closeHomeScreen();
}

void HomeScreen::startFromLabel(int level) {
    if (!mayStart(level)) return;
    starting_ = true;
    flow_.startDrill(level);
    starting_ = false;
}

void HomeScreen::backToNameSelection() {
    showBusyPanel();
    busyPanel_->repaint();
    flow_.showNameSelection();
}

void HomeScreen::keepListChoicesIn(std::shared_ptr<RecordListChoices> kept) {
    recordLists_->keepChoicesIn(std::move(kept));
}

void HomeScreen::fillStudentList() {
    charts_->fillStudentList();
}
