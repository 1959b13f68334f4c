#include "drill/drill_screen_gui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "course/levels.h"
#include "course/today_total.h"
#include "drill/wrong_press_mark_gui.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/numeric.h"
#include "platform/program.h"
#include "platform/wait.h"
#include "results/run_recording.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"
#include "widgets/accessible_names_gui.h"
#include "widgets/controls_gui.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"

namespace {

constexpr int kDrillClockMs = 1000;
constexpr int kSignInClockMs = 10000;
// Error number of a picture file that exists but cannot be read as a picture.
constexpr int kInvalidPicture = 481;
int twips(double value) {
    return platform::tw(static_cast<int>(std::lround(value)));
}

}  // namespace

QRect DrillScreen::cardRectTwips(int i) {
    return QRect(kCardLeft[i], i <= 5 ? kUpperTop : kLowerTop, kCardWidth, kCardHeight);
}

DrillScreen::DrillScreen(ProgramState& state, ScreenFlow& flow, int level)
    : QWidget(nullptr), state_(state), flow_(flow), level_(level) {
    setObjectName(QStringLiteral("MainFrm"));
    widgets::setProgramTitle(this);
    setFixedSize(platform::twRect(0, 0, 15360, 11520).size());
    widgets::setBackground(this, QColor(state::settings().screenBackColor), true);

    // Screen load: a fresh random sequence for this drill, then the layout.
    platform::seedFromClock();
    buildStrip();
    buildCardArea();
    buildOverlay();
    widgets::describeDrillTexts(this);
    platform::coverScreen(this);

    drillClock_ = new QTimer(this);
    drillClock_->setObjectName(QStringLiteral("sTimer1"));
    drillClock_->setInterval(kDrillClockMs);
    drillClock_->setTimerType(Qt::PreciseTimer);
    connect(drillClock_, &QTimer::timeout, this, &DrillScreen::drillClockTick);
    signInClock_ = new QTimer(this);
    signInClock_->setObjectName(QStringLiteral("sTimer2"));
    signInClock_->setInterval(kSignInClockMs);
    connect(signInClock_, &QTimer::timeout, this, &DrillScreen::signInClockTick);
    signInClock_->start();
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The drill starts once the screen is up, once per screen (a restore after
    // minimizing or an activation after a message box must not restart it).
    if (activationQueued_) return;
    activationQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A drill that made way before it came up does not start.
            if (!windowGone(this)) activate();
        },
        Qt::QueuedConnection);
}

void DrillScreen::closeEvent(QCloseEvent* event) {
    // A drill has no way out but its end: the window system's close is refused.
    handleClose(this, event, nullptr);
    if (!event->isAccepted()) return;
    drillClock_->stop();
    signInClock_->stop();
}

bool DrillScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const QVariant card = watched->property("card");
        if (card.isValid() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressCard(card.toInt());
            return true;
        }
    }
    // A finger on a card presses it as the mouse does; the rest of the touch is taken
    // here, so no mouse press is made of it as well.
    const QEvent::Type type = event->type();
    if (type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd ||
        type == QEvent::TouchCancel) {
        const QVariant card = watched->property("card");
        if (card.isValid()) {
            event->accept();
            if (type == QEvent::TouchBegin) pressCard(card.toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DrillScreen::activate() {
    pictureConfig_ =
        drill::loadPictureConfig(state::settings().programFolder + QStringLiteral("picture.txt"));
    prepareScreen();
    applyLevelSettings();
    startClock();
    Command1Click();
}

void DrillScreen::prepareScreen() {
    flow_.closeHomeScreen();
    flow_.closeWaitWindow();
    run_.drillEnded = false;
    run_.endHandled = false;

    const int level = level_;
    const int student = state_.session.currentStudentNo;
    if (level < 1 || level > kMaxLevel || student < 0 || student > kMaxStudent) {
        throw platform::RuntimeError(
            platform::errSubscriptOutOfRange, QString(),
            QStringLiteral("レベル %1 / 生徒番号 %2").arg(level).arg(student));
    }
    const LevelTarget& target = state::course().levelTargets[level];
    if (target.secondTime <= 0) {
        throw platform::RuntimeError(
            platform::errDivisionByZero, state::levelTargetsPath(),
            QStringLiteral("レベル %1 の 2 番目のタイムが %2 です (制限時間はその 5 倍)")
                .arg(level)
                .arg(target.secondTime));
    }
    run_.setTargets(target.passTime, target.secondTime, kFrameWidth);

    elapsedSeconds_->setText(QStringLiteral("0"));
    setBarWidth(elapsedBar_, 0);
    setBarWidth(bestMarker_, 0);
    setBarWidth(passBar_, run_.passBarWidth());
    setBarWidth(secondBar_, run_.secondBarWidth());

    title_->setText(state::settings().drillTitle);
    title_->setFont(widgets::gothicFont(state::settings().drillTitle.size() > 9 ? 14 : 16.8, true));
    studentName_->setText(state_.session.currentStudentName.trimmed());
    levelName_->setText(state::course().levelNames[level]);

    ResultsTables& tables = state_.tables;
    const float levelCount = tables.todayCount(level, student);
    const qint64 todayTotal =
        course::todayTotal(course::TodayTotal::DrillScreen, state::course().levelCount,
                           [&](int lv) { return tables.todayCount(lv, student); });

    classroom_->setText(state::settings().classroomName);
    minutesSignedIn_->setText(QString::number(minutesSinceSignIn()));
    if (course::isPractice(level)) {
        todayRunNumber_->setText(QStringLiteral("－"));
        levelRunNumber_->setText(QStringLiteral("－"));
    } else {
        todayRunNumber_->setText(QString::number(todayTotal + 1));
        levelRunNumber_->setText(platform::numberText(levelCount + 1.0));
    }
}

void DrillScreen::applyLevelSettings() {
    run_.problemsPerDrill = drill::kProblemsPerDrill;
    problemsLeft_->setText(QString::number(run_.problemsPerDrill));
}

void DrillScreen::startClock() {
    run_.start(platform::clock().monotonicMs());
    started_ = true;
    drillClock_->start();
}

QPixmap DrillScreen::picture(const QString& name) {
    const auto found = pictureCache_.constFind(name);
    if (found != pictureCache_.constEnd()) return *found;
    const QString path = platform::resolveFileName(state::settings().programFolder, name);
    if (name.trimmed().isEmpty() || !QFileInfo(path).isFile())
        throw platform::RuntimeError(platform::errFileNotFound, path,
                                     QStringLiteral("絵のファイルがありません"));
    QPixmap pixmap;
    if (!pixmap.load(path))
        throw platform::RuntimeError(kInvalidPicture, path,
                                     QStringLiteral("絵のファイルとして読み込めません"));
    const QPixmap scaled =
        pixmap.scaled(cardPictures_[1]->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pictureCache_.insert(name, scaled);
    return scaled;
}

void DrillScreen::Command1Click() {
    const int level = level_;
    run_.newProblem();
    problem_ = drill::generateProblem(level, pictureConfig_, platform::random());

    cardPixmap_ = picture(pictureConfig_.cardPicture[problem_.cardPictureRow]);
    problemPictures_[0]->setPixmap(cardPixmap_);
    // Levels without a done-picture row keep the done picture they had.
    if (const int row = drill::donePictureRow(level)) {
        donePixmap_ = picture(pictureConfig_.donePicture[row]);
        problemPictures_[1]->setPixmap(donePixmap_);
    }
    const QString explanation = course::level(level).explanation;
    if (!explanation.isEmpty()) levelExplanation_->setText(explanation);

    for (int i = 1; i <= drill::kCardCount; ++i) {
        cardPictures_[i]->setPixmap(cardPixmap_);
        cardNumbers_[i]->setText(QString::number(problem_.cards[i].value));
        widgets::describeCard(cards_[i], problem_.cards[i].value, false);
    }
}

void DrillScreen::pressCard(int i) {
    // A press made during a sound is judged after it, in order, as the blocking play of
    // the Windows programs has it.
    if (soundPlaying_) {
        heldPresses_.push_back(i);
        return;
    }
    handlePress(i);
}

void DrillScreen::handlePress(int i) {
    // Once the run is over (solved or out of time) the cards take no more presses.
    if (!started_ || run_.drillEnded || run_.endHandled || i < 1 || i > drill::kCardCount) return;
    const drill::PressResult result = run_.press(problem_.cards[i].rank);
    if (result == drill::PressResult::Wrong) {
        WrongPressMark::showOn(cards_[i], elapsedSeconds_);
        playThen(soundWrong, {});
        return;
    }
    cardPictures_[i]->setPixmap(donePixmap_);
    widgets::describeCard(cards_[i], problem_.cards[i].value, true);
    cardPictures_[i]->repaint();  // seen while the sound plays
    // The Windows programs let the window's events run here, before the sound: once no
    // press is waiting, a tick that fell due during the sounds before comes now, so
    // presses that follow one another's sounds do not hold the clock still.
    if (heldPresses_.empty() && drillClock_->isActive() && drillClock_->remainingTime() == 0) {
        drillClockTick();
        if (run_.endHandled) return;
    }
    if (result == drill::PressResult::Correct) {
        playThen(soundCorrect, {});
        return;
    }
    playThen(soundSolved, [this] { problemSolved(); });
}

void DrillScreen::problemSolved() {
    const bool last = run_.countSolvedProblem();
    problemsLeft_->setText(QString::number(run_.problemsRemaining()));
    if (!last) {
        Command1Click();
        return;
    }
    drillClock_->stop();
    run_.drillEnded = true;
    endDrill();
}

void DrillScreen::playThen(int section, std::function<void()> then) {
    // The screen stands still while the sound plays: its clocks are stopped (the elapsed
    // time is taken from the clock, so the display catches up at the next tick) and the
    // presses wait.
    soundPlaying_ = true;
    const qint64 pausedAt = platform::clock().monotonicMs();
    const int drillLeft = drillClock_->isActive() ? drillClock_->remainingTime() : -1;
    const int signInLeft = signInClock_->isActive() ? signInClock_->remainingTime() : -1;
    drillClock_->stop();
    signInClock_->stop();
    state_.sounds.playSection(section, this, [=, this, then = std::move(then)] {
        soundPlaying_ = false;
        if (then) then();
        // A tick that fell due during the sound comes at once, as the Windows timer's
        // message that waited in the queue does; the tick sets the interval back.
        const qint64 paused = platform::clock().monotonicMs() - pausedAt;
        const auto resume = [paused](QTimer* clock, int left) {
            if (left >= 0) clock->start(static_cast<int>(std::max<qint64>(0, left - paused)));
        };
        if (!run_.drillEnded && !run_.endHandled) resume(drillClock_, drillLeft);
        resume(signInClock_, signInLeft);
        // The presses still waiting stay in the queue while one is judged.
        while (!heldPresses_.empty() && !soundPlaying_) {
            const int press = heldPresses_.front();
            heldPresses_.erase(heldPresses_.begin());
            handlePress(press);
        }
    });
}

void DrillScreen::setBarWidth(QWidget* bar, double widthTwips) {
    bar->resize(twips(widthTwips), bar->height());
}

int DrillScreen::minutesSinceSignIn() const {
    return drill::minutesSinceSignIn(
        platform::clock().monotonicMs(), state_.session.signInMonotonicMs,
        platform::secondsSinceMidnight(), state_.session.signInSeconds);
}

void DrillScreen::drillClockTick() {
    drillClock_->setInterval(kDrillClockMs);
    if (!started_ || run_.endHandled) return;
    const int elapsed = run_.tick(platform::clock().monotonicMs());
    for (int k : drill::squaresToHide(elapsed, run_.passTime, run_.secondTime))
        countdownSquares_[k]->hide();
    elapsedSeconds_->setText(QString::number(elapsed));
    setBarWidth(elapsedBar_, run_.elapsedBarWidth());
    if (run_.tickEndsRun()) {
        run_.endReason = 1;
        drillClock_->stop();
        endDrill();
    }
}

void DrillScreen::signInClockTick() {
    // The files of the program are closed as soon as they are read or written, so
    // there is nothing to close at the ten-minute marks.
    signInClock_->setInterval(kSignInClockMs);
    minutesSignedIn_->setText(QString::number(minutesSinceSignIn()));
}

void DrillScreen::endDrill() {
    if (!run_.beginEnd()) return;
    const bool timedOut = run_.endReason == 1;
    recordingText_->setVisible(!timedOut);
    timeOutText_->setVisible(timedOut);
    recordingNotice_->show();
    recordingNotice_->raise();
    recordingNotice_->repaint();

    if (course::isPractice(level_)) {
        // Practice: nothing is recorded, straight back to the home screen.
        flow_.showWaitWindow();
        flow_.showHomeScreen();
        return;
    }
    drillClock_->stop();
    // A run the family's files cannot take is kept on this computer: told, then on.
    outcome_ =
        recordResult(state_.tables, FinishedRun{state_.session.currentStudentNo,
                                                static_cast<qint16>(level_), run_.resultTime()});
    outcome_.endReason = run_.endReason;
    if (!outcome_.keeping.message.isEmpty())
        platform::msgBox(outcome_.keeping.message, platform::kMakerName,
                         platform::MsgIcon::Exclamation);
    // The message box's loop may have seen the program asked to end.
    if (platform::programEnding()) return;
    flow_.showWaitWindow();
    waitThenShowResult(1);
}

void DrillScreen::waitThenShowResult(double seconds) {
    // The screen takes no input while it waits; the end screen follows from a timer.
    setEnabled(false);
    platform::later(this, static_cast<int>(std::lround(seconds * 1000)),
                    [this] { flow_.showEndScreen(outcome_); });
}
