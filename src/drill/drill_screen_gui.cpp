#include "drill/drill_screen_gui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "app/shared_state.h"
#include "course/levels.h"
#include "course/today_total.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/numeric.h"
#include "platform/program.h"
#include "results/run_recording.h"
#include "results/statistics.h"
#include "sound/sound.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"
#include "widgets/screen_flow_gui.h"

namespace {

// Error number of a picture file that exists but cannot be read as a picture.
constexpr int kInvalidPicture = 481;
const QColor kStripColor(0, 64, 64);

QWidget* box(QWidget* parent, const QString& name, const QColor& color) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    widgets::setBackground(w, color, true);
    return w;
}

int twips(double value) {
    return platform::tw(static_cast<int>(std::lround(value)));
}

}  // namespace

QRect DrillScreen::cardRectTwips(int i) {
    return QRect(kCardLeft[i], i <= 5 ? kUpperTop : kLowerTop, kCardWidth, kCardHeight);
}

DrillScreen::DrillScreen(int level) : QWidget(nullptr), level_(level) {
    setObjectName(QStringLiteral("MainFrm"));
    widgets::setProgramTitle(this);
    setFixedSize(platform::twRect(0, 0, 15360, 11520).size());
    widgets::setBackground(this, QColor(state::settings().screenBackColor), true);

    // Screen load: a fresh random sequence for this drill, then the layout.
    platform::seedFromClock();
    buildStrip();
    buildCardArea();
    buildOverlay();
    platform::coverScreen(this);

    drillClock_ = new QTimer(this);
    drillClock_->setObjectName(QStringLiteral("sTimer1"));
    drillClock_->setInterval(1000);
    drillClock_->setTimerType(Qt::PreciseTimer);
    connect(drillClock_, &QTimer::timeout, this, &DrillScreen::drillClockTick);
    signInClock_ = new QTimer(this);
    signInClock_->setObjectName(QStringLiteral("sTimer2"));
    signInClock_->setInterval(10000);
    connect(signInClock_, &QTimer::timeout, this, &DrillScreen::signInClockTick);
    signInClock_->start();
}

DrillScreen::~DrillScreen() = default;

DrillScreen* DrillScreen::current() {
    return openWindow<DrillScreen>();
}

QLabel* DrillScreen::stripLabel(const QString& name, const QString& text, int left, int top,
                                int width, int height, double points, bool bold) {
    auto* label = new QLabel(text, statusStrip_);
    label->setObjectName(name);
    label->setGeometry(platform::twRect(left, top, width, height));
    label->setFont(widgets::gothicFont(points, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    widgets::setTextColor(label, Qt::white);
    return label;
}

void DrillScreen::buildStrip() {
    statusStrip_ = box(this, QStringLiteral("sPicture1"), kStripColor);
    statusStrip_->setGeometry(platform::twRect(0, 0, 15360, kStripHeight));

    // Upper line: title, level, problems left, time, classroom.
    title_ = stripLabel(QStringLiteral("sLabel2"), {}, 120, 60, 3600, 420, 16.8);
    stripLabel(QStringLiteral("sLabel3"), QStringLiteral("レベル"), 3840, 60, 900, 420, 12);
    levelName_ = stripLabel(QStringLiteral("sLabel8"), {}, 4740, 60, 2760, 420, 12);
    stripLabel(QStringLiteral("sLabel4"), QStringLiteral("残り"), 7620, 60, 720, 420, 12);
    problemsLeft_ = stripLabel(QStringLiteral("sLabel9"), {}, 8340, 60, 600, 420, 16);
    stripLabel(QStringLiteral("sLabel5"), QStringLiteral("タイム"), 9060, 60, 900, 420, 12);
    elapsedSeconds_ =
        stripLabel(QStringLiteral("sLabel10"), QStringLiteral("0"), 9960, 60, 960, 420, 16);
    classroom_ = stripLabel(QStringLiteral("sLabel14"), {}, 11040, 60, 4200, 420, 12);
    widgets::setTextColor(problemsLeft_, Qt::yellow);
    widgets::setTextColor(elapsedSeconds_, Qt::yellow);

    // Lower line: student, attempt numbers, minutes since sign-in, time bar legend.
    studentName_ = stripLabel(QStringLiteral("sLabel7"), {}, 120, 540, 3600, 360, 12);
    const struct {
        const char16_t* text;
        int left;
        int width;
    } captions[] = {{u"このレベル", 3840, 1500},
                    {u"回目", 5940, 600},
                    {u"本日", 6720, 660},
                    {u"回目", 7980, 600},
                    {u"起動後", 8760, 900}};
    for (int k = 0; k < 5; ++k)
        stripLabel(QStringLiteral("sLabel16_%1").arg(k), QString::fromUtf16(captions[k].text),
                   captions[k].left, 540, captions[k].width, 360, 10.5, false);
    levelRunNumber_ = stripLabel(QStringLiteral("sLabel11"), {}, 5340, 540, 600, 360, 12);
    todayRunNumber_ = stripLabel(QStringLiteral("sLabel12"), {}, 7380, 540, 600, 360, 12);
    minutesSignedIn_ = stripLabel(QStringLiteral("sLabel13"), {}, 9660, 540, 600, 360, 12);
    const char* legend[] = {"YourBest", "Best", "Pass"};
    for (int k = 0; k < 3; ++k)
        stripLabel(QStringLiteral("sLabel17_%1").arg(k), QString::fromLatin1(legend[k]),
                   11040 + k * 1400, 600, 1380, 360, 9, false);

    // Countdown squares: 10..19 green, 20..29 yellow, 30..39 red, left to right.
    for (int k = drill::kFirstSquare; k <= drill::kLastSquare; ++k) {
        const QColor color = k < 20 ? QColor(0, 192, 0) : k < 30 ? QColor(255, 255, 0) : Qt::red;
        countdownSquares_[k] = box(statusStrip_, QStringLiteral("sPicture3_%1").arg(k), color);
        countdownSquares_[k]->setGeometry(platform::twRect(120 + (k - 10) * 360, 1020, 300, 300));
    }

    // Time bar: second-time and pass-time bars, the elapsed bar over them, the frame on top.
    const QRect frame = platform::twRect(11040, 1020, kFrameWidth, 300);
    secondBar_ = box(statusStrip_, QStringLiteral("sShape4"), QColor(255, 200, 0));
    passBar_ = box(statusStrip_, QStringLiteral("sShape3"), QColor(0, 200, 0));
    elapsedBar_ = box(statusStrip_, QStringLiteral("sShape2"), QColor(0, 0, 220));
    bestMarker_ = box(statusStrip_, QStringLiteral("sShape7"), Qt::white);
    for (QWidget* bar : {secondBar_, passBar_, bestMarker_})
        bar->setGeometry(frame.x(), frame.y(), 0, frame.height());
    elapsedBar_->setGeometry(frame.x(), frame.y() + frame.height() / 3, 0, frame.height() / 3);
    auto* frameShape = new QFrame(statusStrip_);
    frameShape->setObjectName(QStringLiteral("sShape5"));
    frameShape->setFrameStyle(QFrame::Box | QFrame::Plain);
    widgets::setTextColor(frameShape, Qt::white);
    frameShape->setGeometry(frame);
    frameShape->setAttribute(Qt::WA_TransparentForMouseEvents);
    limitFrame_ = frameShape;
}

void DrillScreen::placeOnScreen(QWidget* w, int left, int top, int width, int height) {
    const QPoint origin = w->parentWidget()->mapTo(this, QPoint(0, 0));
    w->setGeometry(platform::twRect(left, top, width, height).translated(-origin));
}

void DrillScreen::buildCardArea() {
    cardArea_ = box(this, QStringLiteral("Picture2"), QColor(state::settings().screenBackColor));
    cardArea_->setGeometry(platform::twRect(0, kStripHeight, 15360, 11520 - kStripHeight));

    for (int i = 1; i <= drill::kCardCount; ++i) {
        auto* card = new QFrame(cardArea_);
        card->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        card->setFrameStyle(QFrame::Box | QFrame::Plain);
        widgets::setBackground(card, QColor(224, 224, 224), true);
        const QRect r = cardRectTwips(i);
        placeOnScreen(card, r.x(), r.y(), r.width(), r.height());
        cards_[i] = card;

        cardPictures_[i] = new QLabel(card);
        cardPictures_[i]->setObjectName(QStringLiteral("Image1_%1").arg(i));
        cardPictures_[i]->setGeometry(platform::twRect(22, 30, kNumberWidth, kNumberTop - 60));
        cardPictures_[i]->setAlignment(Qt::AlignCenter);
        cardPictures_[i]->installEventFilter(this);
        cardPictures_[i]->setProperty("card", i);
        cardPictures_[i]->setAttribute(Qt::WA_AcceptTouchEvents);

        cardNumbers_[i] = new QLabel(card);
        cardNumbers_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        cardNumbers_[i]->setGeometry(platform::twRect(22, kNumberTop, kNumberWidth, kNumberHeight));
        cardNumbers_[i]->setAlignment(Qt::AlignCenter);
        cardNumbers_[i]->setFont(widgets::gothicFont(36, true));
        widgets::setBackground(cardNumbers_[i], Qt::white, true);
        widgets::setTextColor(cardNumbers_[i], Qt::black);
        cardNumbers_[i]->installEventFilter(this);
        cardNumbers_[i]->setProperty("card", i);
        cardNumbers_[i]->setAttribute(Qt::WA_AcceptTouchEvents);
    }

    for (int k = 0; k < 2; ++k) {
        problemPictures_[k] = new QLabel(cardArea_);
        problemPictures_[k]->setObjectName(QStringLiteral("Image2_%1").arg(k));
        problemPictures_[k]->hide();
    }

    instruction_ = new QLabel(QStringLiteral("一番小さい数から順に押していきなさい"), cardArea_);
    instruction_->setObjectName(QStringLiteral("Label2"));
    placeOnScreen(instruction_, 360, 8760, 14640, 600);
    instruction_->setFont(widgets::gothicFont(20, true));
    widgets::setTextColor(instruction_, Qt::white);
    levelExplanation_ = new QLabel(cardArea_);
    levelExplanation_->setObjectName(QStringLiteral("Label3"));
    placeOnScreen(levelExplanation_, 360, 9480, 14640, 540);
    levelExplanation_->setFont(widgets::gothicFont(16, true));
    widgets::setTextColor(levelExplanation_, Qt::yellow);
    pictureHint_ =
        new QLabel(QStringLiteral("表示される絵は自分の好きな絵に変更できます。ヘルプを見て下さい"),
                   cardArea_);
    pictureHint_->setObjectName(QStringLiteral("Label5"));
    placeOnScreen(pictureHint_, 360, 10440, 14640, 420);
    pictureHint_->setFont(widgets::gothicFont(11));
    widgets::setTextColor(pictureHint_, Qt::white);

    auto* button = new QPushButton(QStringLiteral("Command1"), cardArea_);
    button->setObjectName(QStringLiteral("Command1"));
    button->hide();
    connect(button, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { Command1Click(); }); });
    nextProblemButton_ = button;
}

void DrillScreen::buildOverlay() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("sPicture2"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    widgets::setBackground(panel, Qt::white, true);
    panel->setGeometry(platform::twRect(0, 0, 5400, kStripHeight));
    recordingNotice_ = panel;
    const QFont font = widgets::gothicFont(24, true);
    recordingText_ = new QLabel(QStringLiteral("成績記録中"), panel);
    recordingText_->setObjectName(QStringLiteral("lblsss1"));
    timeOutText_ = new QLabel(QStringLiteral("時間切れ"), panel);
    timeOutText_->setObjectName(QStringLiteral("lblsss2"));
    for (QLabel* label : {recordingText_, timeOutText_}) {
        label->setGeometry(panel->rect());
        label->setAlignment(Qt::AlignCenter);
        label->setFont(font);
        widgets::setTextColor(label, Qt::red);
    }
    panel->hide();
}

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
            if (!windowGone(this)) platform::guarded([this] { activate(); });
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
    QPointer<DrillScreen> self(this);
    pictureConfig_ =
        drill::loadPictureConfig(state::settings().programFolder + QStringLiteral("picture.txt"));
    prepareScreen();
    if (mustStop(self)) return;
    applyLevelSettings();
    startClock();
    Command1Click();
}

void DrillScreen::prepareScreen() {
    QPointer<DrillScreen> self(this);
    screenFlow().closeHomeScreen();
    screenFlow().closeWaitWindow();
    if (mustStop(self)) return;
    run_.drillEnded = false;
    run_.endHandled = false;

    const int level = level_;
    const int student = shared.currentStudentNo;
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
    studentName_->setText(shared.currentStudentName.trimmed());
    levelName_->setText(state::course().levelNames[level]);

    ResultsTables& tables = resultsTables();
    const float levelCount = tables.todayCount(level, student);
    float total = 0;
    const int lastLevel =
        course::todayTotalLastLevel(course::TodayTotal::DrillScreen, state::course().levelCount);
    for (int lv = 1; lv <= lastLevel; ++lv) total += tables.todayCount(lv, student);
    const qint64 todayTotal = platform::roundHalfEven(total);

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
    }
}

void DrillScreen::pressCard(int i) {
    platform::guarded([&] { handlePress(i); });
}

void DrillScreen::handlePress(int i) {
    // Once the run is over (solved or out of time) the cards take no more presses.
    if (windowGone(this) || !started_ || run_.drillEnded || run_.endHandled || i < 1 ||
        i > drill::kCardCount)
        return;
    QPointer<DrillScreen> self(this);
    const drill::PressResult result = run_.press(problem_.cards[i].rank);
    if (result == drill::PressResult::Wrong) {
        playSection(soundWrong);
        return;
    }
    cardPictures_[i]->setPixmap(donePixmap_);
    platform::doEvents();
    // A clock tick that ran meanwhile may have ended the run at the time limit.
    if (mustStop(self) || run_.endHandled) return;
    if (result == drill::PressResult::Correct) {
        playSection(soundCorrect);
        return;
    }
    playSection(soundSolved);
    if (mustStop(self) || run_.endHandled) return;
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

void DrillScreen::setBarWidth(QWidget* bar, double widthTwips) {
    bar->resize(twips(widthTwips), bar->height());
}

int DrillScreen::minutesSinceSignIn() const {
    return drill::minutesSinceSignIn(platform::clock().monotonicMs(), shared.signInMonotonicMs,
                                     platform::secondsSinceMidnight(), shared.signInSeconds);
}

void DrillScreen::drillClockTick() {
    platform::guarded([&] {
        if (windowGone(this) || !started_ || run_.endHandled) return;
        QPointer<DrillScreen> self(this);
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
        if (self) platform::doEvents();
    });
}

void DrillScreen::signInClockTick() {
    // The files of the program are closed as soon as they are read or written, so
    // there is nothing to close at the ten-minute marks.
    platform::guarded([&] { minutesSignedIn_->setText(QString::number(minutesSinceSignIn())); });
}

void DrillScreen::endDrill() {
    QPointer<DrillScreen> self(this);
    platform::doEvents();
    if (mustStop(self) || !run_.beginEnd()) return;
    const bool timedOut = run_.endReason == 1;
    recordingText_->setVisible(!timedOut);
    timeOutText_->setVisible(timedOut);
    recordingNotice_->show();
    recordingNotice_->raise();
    platform::doEvents();
    if (mustStop(self)) return;

    if (course::isPractice(level_)) {
        // Practice: nothing is recorded, straight back to the home screen.
        screenFlow().showWaitWindow();
        retireWindow(this);
        screenFlow().showHomeScreen();
        platform::doEvents();
        return;
    }
    drillClock_->stop();
    // A failure to write the record ends the program at the handler (no result screen).
    outcome_ = recordResult(
        FinishedRun{shared.currentStudentNo, static_cast<qint16>(level_), run_.resultTime()});
    outcome_.endReason = run_.endReason;
    screenFlow().showWaitWindow();
    platform::doEvents();
    if (mustStop(self)) return;
    waitThenShowResult(1);
}

void DrillScreen::waitThenShowResult(double seconds) {
    QPointer<DrillScreen> self(this);
    constexpr quint32 step = 10;
    qint64 ticks = 0;
    quint32 mark = platform::clock().tickCount();
    for (;;) {
        if (platform::programEnding()) return;
        const quint32 now = platform::clock().tickCount();
        const quint32 diff = now - mark;  // the counter wraps after 49.7 days
        if (diff > step) {
            ++ticks;
            if (ticks * step / 1000.0 >= seconds) {
                retireWindow(this);
                screenFlow().showEndScreen(outcome_);
                return;
            }
            mark = now - (diff - step);
        }
        platform::doEvents();
        if (mustStop(self)) return;
    }
}
