#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "drill/drill_screen_gui.h"
#include "platform/geometry.h"
#include "platform/program.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"

// The drill screen's controls: the status strip, the card area and the recording notice.

namespace {

const QColor kStripColor(0, 64, 64);

QWidget* box(QWidget* parent, const QString& name, const QColor& color) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    widgets::setBackground(w, color, true);
    return w;
}

}  // namespace

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
    connect(button, &QPushButton::clicked, this, [this] { Command1Click(); });
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
