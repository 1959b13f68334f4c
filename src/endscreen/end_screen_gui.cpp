#include "endscreen/end_screen_gui.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "course/level_locks.h"
#include "course/points.h"
#include "course/run_times.h"
#include "course/today_total.h"
#include "endscreen/evaluation.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"
#include "widgets/accessible_names_gui.h"
#include "widgets/controls_gui.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"

namespace {

using widgets::kScreenHeight;
using widgets::kScreenWidth;

// The background of the screen: a sky that fades into a meadow, painted at whatever size
// the window takes (straight onto the window, so that no second full-screen picture is
// kept beside it).
class SkyPicture : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        const QSize size = this->size();
        QPainter p(this);
        p.setClipRegion(event->region());
        QLinearGradient sky(0, 0, 0, size.height());
        sky.setColorAt(0.0, QColor(120, 190, 255));
        sky.setColorAt(0.65, QColor(225, 245, 255));
        sky.setColorAt(0.66, QColor(150, 215, 120));
        sky.setColorAt(1.0, QColor(70, 160, 70));
        p.fillRect(rect(), sky);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 80));
        const int sun = size.height() / 6;
        p.drawEllipse(QRect(size.width() - sun * 3 / 2, sun / 3, sun, sun));
        p.setBrush(QColor(255, 255, 255, 210));
        const int cloud = size.height() / 14;
        for (const QPointF& at : {QPointF(0.12, 0.08), QPointF(0.45, 0.04), QPointF(0.7, 0.2)}) {
            const QPointF c(at.x() * size.width(), at.y() * size.height());
            p.drawEllipse(c, cloud * 1.6, cloud * 0.8);
            p.drawEllipse(c + QPointF(cloud, -cloud * 0.3), cloud * 1.1, cloud * 0.7);
            p.drawEllipse(c + QPointF(-cloud, 0), cloud, cloud * 0.6);
        }
    }
};

// The end screen's labels: bold, dark blue unless told otherwise.
QLabel* endLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                 double points, QColor color = QColor(20, 40, 90)) {
    QLabel* label = widgets::makeLabel(parent, name, text, geometry, points, true);
    widgets::setTextColor(label, color);
    return label;
}

constexpr int kSecondPhaseMs = 500;

bool anyClearCount9999() {
    for (int level = 1; level <= kMaxLevel; ++level)
        if (course::hasNoClearTarget(state::course().levelTargets[level].clearCount)) return true;
    return false;
}

}  // namespace

void EndScreen::closeEvent(QCloseEvent* event) {
    // The window's close is its "メニューへ"; before the button shows it waits for it.
    handleClose(this, event, [this] {
        if (menuButton_->isVisible() && menuButton_->isEnabled())
            backToMenu();
        else if (!menuButton_->isVisible())
            closeAsked_ = true;
    });
}

EndScreen::EndScreen(ProgramState& state, ScreenFlow& flow, const RunOutcome& outcome)
    : QWidget(nullptr, Qt::Window), state_(state), flow_(flow), outcome_(outcome) {
    setObjectName(QStringLiteral("FrmSyuuryou"));
    setWindowTitle(QStringLiteral("終了"));
    widgets::setBackground(this, QColor(state::settings().screenBackColor), true);
    setGeometry(platform::twRect(0, 0, kScreenWidth, kScreenHeight));
    buildControls();
    // The picture reaches into the margins around the design.
    platform::coverScreen(this, background_);
}

EndScreen::~EndScreen() = default;

void EndScreen::buildControls() {
    using platform::twRect;
    background_ = new SkyPicture(this);
    background_->setObjectName(QStringLiteral("Image1"));
    background_->setGeometry(twRect(0, 0, kScreenWidth, kScreenHeight));

    title_ = endLabel(this, QStringLiteral("Label15"), QString(), twRect(960, 480, 7200, 720), 24);
    levelName_ =
        endLabel(this, QStringLiteral("Label16"), QString(), twRect(960, 1320, 7200, 600), 18);
    studentName_ =
        endLabel(this, QStringLiteral("Label17"), QString(), twRect(8640, 480, 6000, 720), 20);
    levelAttempt_ =
        endLabel(this, QStringLiteral("Label13"), QString(), twRect(8640, 1320, 3600, 600), 14);
    todayAttempts_ =
        endLabel(this, QStringLiteral("Label14"), QString(), twRect(12240, 1320, 2640, 600), 14);
    result_ =
        endLabel(this, QStringLiteral("Label18"), QString(), twRect(960, 2400, 13440, 1200), 36);
    points_ =
        endLabel(this, QStringLiteral("Label19"), QString(), twRect(960, 3720, 13440, 840), 22);
    verdict_ = endLabel(this, QStringLiteral("Label20"), QString(), twRect(960, 4800, 13440, 1080),
                        32, QColor(220, 20, 20));
    verdict_->hide();
    levelClearedNote_ = endLabel(this, QStringLiteral("Label2"), QStringLiteral("このレベルクリア"),
                                 twRect(960, 6000, 13440, 960), 28, QColor(200, 60, 0));
    levelClearedNote_->hide();

    goalPanel_ = new QFrame(this);
    goalPanel_->setObjectName(QStringLiteral("Picture1"));
    goalPanel_->setFrameShape(QFrame::Box);
    widgets::setBackground(goalPanel_, QColor(255, 240, 150), true);
    goalPanel_->setGeometry(twRect(1920, 7080, 11520, 1320));
    goalText_ = endLabel(goalPanel_, QStringLiteral("Label1"),
                         QStringLiteral("目標レベルクリア。おめでとう！"),
                         twRect(120, 120, 11280, 1080), 28, QColor(200, 0, 60));
    goalText_->setAlignment(Qt::AlignCenter);
    goalPanel_->hide();

    menuButton_ =
        widgets::makeButton(this, QStringLiteral("Command4"), QStringLiteral("メニューへ"),
                            twRect(2880, 8880, 4200, 1200), 20, true);
    menuButton_->hide();
    connect(menuButton_, &QPushButton::clicked, this, &EndScreen::backToMenu);
    retryButton_ = widgets::makeButton(this, QStringLiteral("Command5"), QStringLiteral("もう一度"),
                                       twRect(8280, 8880, 4200, 1200), 20, true);
    retryButton_->hide();
    connect(retryButton_, &QPushButton::clicked, this, &EndScreen::retry);

    secondPhaseTimer_ = new QTimer(this);
    secondPhaseTimer_->setObjectName(QStringLiteral("Timer1"));
    secondPhaseTimer_->setInterval(kSecondPhaseMs);
    secondPhaseTimer_->setSingleShot(true);
    connect(secondPhaseTimer_, &QTimer::timeout, this, &EndScreen::secondPhase);
}

void EndScreen::evaluate() {
    if (evaluated_) return;

    const int level = outcome_.run.level;
    const int s = outcome_.run.student;
    if (level < 1 || level > kMaxLevel || s < 0 || s > kMaxStudent)
        throw platform::RuntimeError(
            platform::errSubscriptOutOfRange, QString(),
            QStringLiteral("currentLevel=%1 currentStudentNo=%2").arg(level).arg(s));
    evaluated_ = true;
    const qint32 t = outcome_.run.time;
    const LevelTarget& target = state::course().levelTargets[level];
    const int topLevel = static_cast<int>(state::course().topLevel);
    const bool atTopLevel = level == topLevel;
    ResultsTables& stats = state_.tables;

    // 1.-2. The attempt number shows while the statistics are rebuilt.
    levelAttempt_->setText(evaluation::attemptBeforeText(stats.todayCount(level, s)));
    buildStatistics(state_.tables, lockedLogWait(flow_));

    // 3.
    const bool cleared = levelCleared(target, levelFiguresOf(stats, level, s));
    const evaluation::ClearMarks marks =
        evaluation::clearMarksFor(cleared, atTopLevel, anyClearCount9999(), outcome_.clearedBefore);
    if (marks.showLevelCleared) levelClearedNote_->show();
    if (marks.showGoalPicture) goalPanel_->show();

    // 4. The second phase comes half a second from here; the sounds below hold it back, as
    // they hold back the Windows timer while they play.
    const qint64 secondPhaseFrom = platform::clock().monotonicMs();

    // 5.-7.
    const int base = basePoints(t, target.passTime, level);
    const qint64 points = weightedPoints(target.pointWeight, base);
    points_->setText(evaluation::pointsLine(base, target.pointWeight, points));
    result_->setText(evaluation::resultLine(t));

    // 8.
    studentName_->setText(trimSpaces(state_.session.currentStudentName));
    title_->setText(state::settings().drillTitle);
    levelName_->setText(state::course().levelNames[level]);
    levelAttempt_->setText(evaluation::levelAttemptText(stats.todayCount(level, s)));
    todayAttempts_->setText(evaluation::todayAttemptText(course::todayTotal(
        course::TodayTotal::EndScreen, kMaxLevel, [&](int l) { return stats.todayCount(l, s); })));
    widgets::nameResults(this);

    // 9. The verdict in words and sound.
    const evaluation::Verdict verdict = evaluation::verdictFor(
        outcome_.endReason, outcome_.levelBest, outcome_.personalBest, t, target.secondTime);
    if (!verdict.message.isEmpty()) {
        verdict_->setText(verdict.message);
        verdict_->show();
    }
    repaint();  // the words are there while the sound plays

    // 10.-11. After the verdict's sound: the goal's, then the second phase may come.
    const bool keepGoalPanel = atTopLevel && cleared;
    const auto afterGoalSound = [this, keepGoalPanel, secondPhaseFrom] {
        if (!keepGoalPanel) goalPanel_->hide();
        flow_.closeWaitWindow();
        const qint64 passed = platform::clock().monotonicMs() - secondPhaseFrom;
        secondPhaseTimer_->start(
            static_cast<int>(std::clamp<qint64>(kSecondPhaseMs - passed, 0, kSecondPhaseMs)));
    };
    const auto afterVerdictSound = [this, afterGoalSound, goalSound = marks.playGoalSound] {
        if (goalSound)
            state_.sounds.playFixed(QStringLiteral("合格.wav"), this, afterGoalSound);
        else
            afterGoalSound();
    };
    switch (verdict.sound) {
        case evaluation::VerdictSound::LevelBest:
            state_.sounds.playFixed(QStringLiteral("最高1.wav"), this, afterVerdictSound);
            break;
        case evaluation::VerdictSound::PersonalBest:
            state_.sounds.playSection(soundPersonalBest, this, afterVerdictSound);
            break;
        case evaluation::VerdictSound::NoRecord:
            state_.sounds.playSection(soundNoRecord, this, afterVerdictSound);
            break;
        case evaluation::VerdictSound::None:
            afterVerdictSound();
            break;
    }
}

void EndScreen::secondPhase() {
    secondPhaseTimer_->stop();
    goalPanel_->hide();
    menuButton_->show();
    menuButton_->setFocus();
    if (closeAsked_) {
        backToMenu();
        return;
    }

    const int level = outcome_.run.level;
    const int s = outcome_.run.student;
    if (level < 1 || level > kMaxLevel || s < 0 || s > kMaxStudent) {
        retryButton_->show();
        return;
    }
    const LevelTarget& target = state::course().levelTargets[level];
    ResultsTables& stats = state_.tables;
    const evaluation::SecondPhase phase = evaluation::secondPhaseFor(
        enoughPractice(target, levelFiguresOf(stats, level, s)),
        levelCleared(target, levelFiguresOf(stats, level, s)),
        level == static_cast<int>(state::course().topLevel), state_.session.goalCleared != 0);
    switch (phase.label2) {
        case evaluation::Label2Change::Keep:
            break;
        case evaluation::Label2Change::EmptyAndHide:
            levelClearedNote_->setText(QString());
            levelClearedNote_->hide();
            break;
        case evaluation::Label2Change::NextLevelHint:
            levelClearedNote_->setText(QStringLiteral("次のレベルへ進みましょう"));
            break;
    }
    if (phase.showRetry) retryButton_->show();
}

void EndScreen::backToMenu() {
    menuButton_->setEnabled(false);
    flow_.showHomeScreen();
}

void EndScreen::retry() {
    menuButton_->setEnabled(false);
    retryButton_->setEnabled(false);
    flow_.showWaitWindow();
    flow_.startDrill(outcome_.run.level);
}
