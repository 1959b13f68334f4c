#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPointingDevice>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "drill/drill_screen_gui.h"
#include "drill/wrong_press_mark_gui.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/media.h"
#include "platform/record_file.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "sound/sound.h"
#include "state/course.h"
#include "state/settings.h"
#include "support/core_fixture.h"
#include "support/stepping_clock.h"
#include "support/temp_files.h"
#include "support/test_flow_gui.h"

namespace {

QColor cardColor(int row) {
    return QColor(200 + row * 5, 10 * row, 0);
}
QColor doneColor(int row) {
    return QColor(0, 10 * row, 200 + row * 5);
}

// Media whose sounds, while `holding`, last until the test finishes them.
struct HeldMedia : platform::Media {
    void play(const QString& command, QObject*, platform::SoundDone done) override {
        commands.append(command);
        if (holding)
            pending = std::move(done);
        else
            done(0);
    }
    QString errorString(int code) override { return platform::mediaErrorText(code); }
    void finish() { std::exchange(pending, nullptr)(0); }
    QStringList commands;
    platform::SoundDone pending;
    bool holding = false;
};

class DrillScreenTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        platform::setClock(&steps);
        platform::setMedia(&media);
        platform::setRandom(&random);
        platform::setWaitHandler([this](int ms) { steps.advanceMs(ms); });

        const QString prog = tmp.path() + QStringLiteral("/prog/");
        QDir().mkpath(prog);
        state::settingsAtStartUp().programFolder = prog;
        QStringList lines{QStringLiteral("1,20")};
        for (int n = 1; n <= 10; ++n) {
            QImage card(60, 40, QImage::Format_RGB32);
            card.fill(cardColor(n));
            ASSERT_TRUE(card.save(prog + QStringLiteral("card%1.png").arg(n)));
            QImage done(60, 40, QImage::Format_RGB32);
            done.fill(doneColor(n));
            ASSERT_TRUE(done.save(prog + QStringLiteral("done%1.png").arg(n)));
            lines << QStringLiteral("\"card%1.png\",\"done%1.png\"").arg(n);
        }
        ASSERT_TRUE(testfiles::writeAnsiLines(prog + QStringLiteral("picture.txt"), lines));

        state::settingsAtStartUp().soundFolder = tmp.path() + QStringLiteral("/snd/");
        parts.sounds.setFolder(state::settingsAtStartUp().soundFolder);
        for (int n : {1, 2, 3}) {
            parts.sounds.table()[n].files = QStringList{QStringLiteral("s%1").arg(n)};
            parts.sounds.table()[n].count = QStringLiteral("1");
        }

        state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチ");
        state::course().levelCount = 4;
        const char16_t* names[] = {u"", u"１ずつ増加", u"１～２ずつ増加", u"１～３ずつ増加",
                                   u"１～４ずつ増加"};
        for (int lv = 1; lv <= 4; ++lv) {
            state::course().levelNames[lv] = QString::fromUtf16(names[lv]);
            state::course().timedLevel[lv] = 1;
            state::course().levelTargets[lv].passTime = 30;
            state::course().levelTargets[lv].secondTime = 60;  // limit 300 s
            state::course().levelTargets[lv].clearPoints = 100;
            state::course().levelTargets[lv].clearCount = 3;
            state::course().levelTargets[lv].pointWeight = 1;
        }
        parts.session.currentStudentNo = 7;
        parts.session.currentStudentName = QStringLiteral("  山田 花子  ");
        state::settingsAtStartUp().classroomCode = QStringLiteral("12345");
        state::settingsAtStartUp().classroomName = QStringLiteral("ならび教室");
        flow.holdBack({TestFlow::ShowEnd, TestFlow::ShowHome, TestFlow::CloseHome,
                       TestFlow::ShowWait, TestFlow::CloseWait});
    }

    void TearDown() override {
        if (DrillScreen* frm = flow.drillScreen()) frm->close();
        delete kept.data();
        QCoreApplication::processEvents();
        platform::setWaitHandler(nullptr);
        platform::setRandom(nullptr);
        platform::setMedia(nullptr);
        CoreFixture::TearDown();
    }

    // Starts a drill at `level` and lets its start-up run.
    DrillScreen* open() {
        flow.startDrill(level);
        DrillScreen* frm = flow.drillScreen();
        EXPECT_NE(frm, nullptr);
        kept = frm;
        QCoreApplication::processEvents();
        return frm;
    }
    // Lets the event loop run what waits for it: the end screen after the wait.
    static void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    template <class T = QLabel>
    T* child(DrillScreen* frm, const QString& name) {
        T* w = frm->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(DrillScreen* frm, const QString& name) { return child(frm, name)->text(); }

    // The card numbers as shown, card 1..10 at index 0..9.
    QList<int> captions(DrillScreen* frm) {
        QList<int> values;
        for (int i = 1; i <= 10; ++i)
            values.append(text(frm, QStringLiteral("Label1_%1").arg(i)).toInt());
        return values;
    }
    // Card indices (1..10) in ascending order of their numbers.
    QList<int> ascendingCards(DrillScreen* frm) {
        const QList<int> values = captions(frm);
        QList<int> cards{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        std::sort(cards.begin(), cards.end(),
                  [&](int a, int b) { return values[a - 1] < values[b - 1]; });
        return cards;
    }
    void click(DrillScreen* frm, int card, bool onPicture = false) {
        QWidget* target = child(
            frm,
            QStringLiteral("%1_%2").arg(QLatin1String(onPicture ? "Image1" : "Label1")).arg(card));
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // Presses the cards of the current problem in order, clicking picture and number in turn.
    void solve(DrillScreen* frm, int cardsToPress = 10) {
        const QList<int> order = ascendingCards(frm);
        for (int k = 0; k < cardsToPress; ++k) click(frm, order[k], k % 2 == 1);
    }
    // Moves the clock on and runs the drill clock once.
    void tick(DrillScreen* frm, int seconds = 1) {
        steps.advanceMs(seconds * 1000);
        frm->drillClockTick();
    }
    QList<ResultRecord> records() {
        QByteArray bytes;
        QList<ResultRecord> list;
        if (!QFile::exists(resultLogPath())) return list;
        EXPECT_TRUE(platform::readRecordsShared(resultLogPath(), &bytes));
        for (qsizetype at = 0; at + kResultRecordSize <= bytes.size(); at += kResultRecordSize)
            list.append(ResultRecord::fromBytes(bytes.constData() + at));
        return list;
    }
    int playCount(int section) {
        return static_cast<int>(
            media.commands.filter(QStringLiteral("/s%1.wav").arg(section)).size());
    }

    SteppingClock steps{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
    platform::RecordingMedia media;
    platform::SequenceRandom random{
        {0.37, 0.61, 0.12, 0.88, 0.45, 0.73, 0.05, 0.94, 0.29, 0.5, 0.81}};
    TestFlow flow{parts};
    int level = 1;
    QPointer<DrillScreen> kept;
};

TEST_F(DrillScreenTest, ScreenShowsTenCardsAtTheirPlaces) {
    level = 2;
    DrillScreen* frm = open();
    ASSERT_NE(frm, nullptr);
    EXPECT_TRUE(ended() == false) << (boxes.shown.isEmpty() ? ""
                                                            : boxes.shown[0].text.toStdString());
    EXPECT_EQ(frm->size(), QSize(1024, 768));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Quillmark5"));

    const QImage shot = frm->grab().toImage();
    for (int i = 1; i <= 10; ++i) {
        const QRect r = DrillScreen::cardRectTwips(i);
        QWidget* card = child<QWidget>(frm, QStringLiteral("Picture1_%1").arg(i));
        const QRect onScreen(card->mapTo(frm, QPoint(0, 0)), card->size());
        EXPECT_EQ(onScreen, platform::twRect(r.x(), r.y(), r.width(), r.height())) << "card " << i;
        // The number label: white, in the lower part of the card.
        QLabel* number = child(frm, QStringLiteral("Label1_%1").arg(i));
        const QRect n(number->mapTo(frm, QPoint(0, 0)), number->size());
        EXPECT_EQ(n.top(), onScreen.top() + platform::tw(2070));
        EXPECT_EQ(n.size(), QSize(platform::tw(2715), platform::tw(1140)));
        EXPECT_EQ(shot.pixelColor(n.topLeft() + QPoint(3, 3)), QColor(Qt::white)) << "card " << i;
        // The picture: the card picture of the problem, the same on every card.
        QLabel* image = child(frm, QStringLiteral("Image1_%1").arg(i));
        const QPoint centre = image->mapTo(frm, image->rect().center());
        EXPECT_EQ(shot.pixelColor(centre), cardColor(frm->problem().cardPictureRow))
            << "card " << i;
    }
    // Level 2: values grow by 1 or 2 from a start in 1..20.
    QList<int> values = captions(frm);
    std::sort(values.begin(), values.end());
    EXPECT_GE(values[0], 1);
    EXPECT_LE(values[0], 20);
    for (int k = 1; k < 10; ++k)
        EXPECT_TRUE(values[k] - values[k - 1] == 1 || values[k] - values[k - 1] == 2);

    EXPECT_EQ(shot.pixelColor(5, 760), QColor(0, 128, 128));
    EXPECT_EQ(text(frm, "Label2"), QStringLiteral("一番小さい数から順に押していきなさい"));
    EXPECT_EQ(text(frm, "Label3"), QStringLiteral("レベル2＝１～２ずつ増えています"));
    EXPECT_EQ(text(frm, "Label5"),
              QStringLiteral("表示される絵は自分の好きな絵に変更できます。ヘルプを見て下さい"));
    EXPECT_EQ(text(frm, "sLabel2"), QStringLiteral("ならびタッチ"));
    EXPECT_EQ(child(frm, "sLabel2")->font().pixelSize(),
              platform::programFont(QStringLiteral("ＭＳ ゴシック"), 16.8).pixelSize());
    EXPECT_EQ(text(frm, "sLabel7"), QStringLiteral("山田 花子"));
    EXPECT_EQ(text(frm, "sLabel8"), QStringLiteral("１～２ずつ増加"));
    EXPECT_EQ(text(frm, "sLabel9"), QStringLiteral("5"));
    EXPECT_EQ(text(frm, "sLabel10"), QStringLiteral("0"));
    EXPECT_EQ(text(frm, "sLabel14"), QStringLiteral("ならび教室"));
    EXPECT_EQ(text(frm, "sLabel17_0"), QStringLiteral("YourBest"));
    EXPECT_FALSE(child<QWidget>(frm, "sPicture2")->isVisible());
    for (int k = 10; k <= 39; ++k)
        EXPECT_TRUE(child<QWidget>(frm, QStringLiteral("sPicture3_%1").arg(k))->isVisible());
    // Time bar: the pass (30 s) and second (60 s) times at their share of the 300 s limit in
    // the 280-pixel frame.
    EXPECT_EQ(child<QWidget>(frm, "sShape5")->width(), 280);
    EXPECT_EQ(child<QWidget>(frm, "sShape3")->width(), 28);
    EXPECT_EQ(child<QWidget>(frm, "sShape4")->width(), 56);
    EXPECT_EQ(child<QWidget>(frm, "sShape2")->width(), 0);

    auto* t1 = child<QTimer>(frm, "sTimer1");
    auto* t2 = child<QTimer>(frm, "sTimer2");
    EXPECT_TRUE(t1->isActive());
    EXPECT_EQ(t1->interval(), 1000);
    EXPECT_EQ(t1->timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(t2->isActive());
    EXPECT_EQ(t2->interval(), 10000);

    // A correct press shows the done picture of the level (row 2) on that card.
    const int first = ascendingCards(frm)[0];
    click(frm, first);
    QLabel* image = child(frm, QStringLiteral("Image1_%1").arg(first));
    const QImage after = frm->grab().toImage();
    EXPECT_EQ(after.pixelColor(image->mapTo(frm, image->rect().center())), doneColor(2));
    EXPECT_EQ(playCount(2), 1);
}

// On screens of today's sizes the window covers the screen, the scaled design stands
// centred with the screen colour around it, and a finger on a card presses it.
TEST_F(DrillScreenTest, CoversScreensOfAnySizeWithTheDesignCentred) {
    const auto restoreScale = qScopeGuard([] { platform::setScreenScale(1.0); });
    const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
    for (const QSize screen :
         {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(1280, 1024)}) {
        SCOPED_TRACE(screen.width());
        const double scale = platform::scaleForScreen(screen);
        platform::setScreenScale(scale);
        DrillScreen* frm = open();
        ASSERT_NE(frm, nullptr);
        platform::coverScreenArea(frm, QRect(QPoint(0, 0), screen));
        EXPECT_EQ(frm->geometry(), QRect(QPoint(0, 0), screen));
        const QSize design(std::lround(1024 * scale), std::lround(768 * scale));
        const QPoint origin((screen.width() - design.width()) / 2,
                            (screen.height() - design.height()) / 2);
        const auto placed = [&](const QString& name) {
            QWidget* w = child<QWidget>(frm, name);
            return QRect(w->mapTo(frm, QPoint(0, 0)), w->size());
        };
        EXPECT_EQ(placed(QStringLiteral("sPicture1")),
                  platform::twRect(0, 0, 15360, DrillScreen::kStripHeight).translated(origin));
        for (int i : {1, 10}) {
            const QRect r = DrillScreen::cardRectTwips(i);
            EXPECT_EQ(placed(QStringLiteral("Picture1_%1").arg(i)),
                      platform::twRect(r.x(), r.y(), r.width(), r.height()).translated(origin));
        }
        const QImage shot = frm->grab().toImage();
        EXPECT_EQ(shot.pixelColor(2, 2), origin.isNull() ? QColor(0, 64, 64) : QColor(0, 128, 128));

        const int plays = playCount(2);
        QLabel* number = child(frm, QStringLiteral("Label1_%1").arg(ascendingCards(frm)[0]));
        const QPoint at = number->mapTo(frm, number->rect().center());
        QTest::touchEvent(frm, finger.get()).press(0, at, frm);
        QTest::touchEvent(frm, finger.get()).release(0, at, frm);
        EXPECT_EQ(playCount(2), plays + 1);  // one correct press, no second from the mouse
        frm->close();
        delete kept.data();
    }
}

TEST_F(DrillScreenTest, StatusStripCountsAndLongTitle) {
    state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチならびタッチ");
    parts.tables.todayCount(1, 7) = 2;
    parts.tables.todayCount(3, 7) = 1;
    parts.tables.todayCount(15, 7) = 1;
    parts.session.signInMonotonicMs = steps.monotonicMs() - 12 * 60'000 - 30'000;
    DrillScreen* frm = open();
    EXPECT_EQ(child(frm, "sLabel2")->font().pixelSize(),
              platform::programFont(QStringLiteral("ＭＳ ゴシック"), 14).pixelSize());
    EXPECT_EQ(text(frm, "sLabel11"), QStringLiteral("3"));
    EXPECT_EQ(text(frm, "sLabel12"), QStringLiteral("5"));
    EXPECT_EQ(text(frm, "sLabel13"), QStringLiteral("12"));
    steps.advanceMs(30'000);
    frm->signInClockTick();
    EXPECT_EQ(text(frm, "sLabel13"), QStringLiteral("13"));
}

TEST_F(DrillScreenTest, FiveProblemsSolvedInOrder) {
    DrillScreen* frm = open();
    QStringList remaining{text(frm, "sLabel9")};
    for (int p = 1; p <= 5; ++p) {
        // Level 1 from 1..20: ten consecutive numbers.
        QList<int> values = captions(frm);
        std::sort(values.begin(), values.end());
        for (int k = 1; k < 10; ++k) EXPECT_EQ(values[k], values[0] + k);
        tick(frm);
        tick(frm);
        solve(frm);
        remaining << text(frm, "sLabel9");
    }
    EXPECT_EQ(remaining.join(u','), QStringLiteral("5,4,3,2,1,0"));
    EXPECT_EQ(playCount(2), 5 * 9);
    EXPECT_EQ(playCount(1), 5);
    EXPECT_EQ(playCount(3), 0);

    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].time, 10);
    EXPECT_EQ(log[0].studentNo, 7);
    EXPECT_EQ(log[0].level, 1);
    EXPECT_TRUE(child(frm, "lblsss1")->isVisibleTo(frm));
    EXPECT_FALSE(child(frm, "lblsss2")->isVisibleTo(frm));
    // The end screen follows from the event loop after the wait; the screen takes no
    // presses meanwhile.
    EXPECT_FALSE(frm->isEnabled());
    EXPECT_EQ(flow.count(TestFlow::ShowEnd), 0);
    settle();
    EXPECT_EQ(flow.lastOutcome.run.time, 10);
    EXPECT_EQ(flow.lastOutcome.endReason, 0);
    EXPECT_EQ(flow.count(TestFlow::ShowEnd), 1);
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 0);
    EXPECT_FALSE(ended());
}

TEST_F(DrillScreenTest, WrongPressesAddTenSecondsEach) {
    DrillScreen* frm = open();
    const QList<int> order = ascendingCards(frm);
    click(frm, order[1]);  // the second smallest first
    click(frm, order[0]);
    click(frm, order[0]);  // pressed again
    click(frm, order[9], true);
    EXPECT_EQ(playCount(3), 3);
    EXPECT_EQ(playCount(2), 1);
    tick(frm, 4);
    EXPECT_EQ(text(frm, "sLabel10"), QStringLiteral("34"));
    for (int k = 1; k < 10; ++k) click(frm, order[k]);
    EXPECT_EQ(text(frm, "sLabel9"), QStringLiteral("4"));
    for (int p = 2; p <= 4; ++p) solve(frm);
    click(frm, ascendingCards(frm)[5]);  // 2 more wrong presses in the last problem
    click(frm, ascendingCards(frm)[5]);
    tick(frm, 2);
    EXPECT_EQ(text(frm, "sLabel10"), QStringLiteral("56"));
    solve(frm);
    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].time, 56);
}

TEST_F(DrillScreenTest, TimeLimitRecords99999AndShowsTimeUp) {
    DrillScreen* frm = open();
    solve(frm, 4);
    tick(frm, 29);
    // Pass time 30: from 21 s the red squares go one by one; the others stay.
    EXPECT_FALSE(child<QWidget>(frm, "sPicture3_30")->isVisibleTo(frm));
    EXPECT_FALSE(child<QWidget>(frm, "sPicture3_38")->isVisibleTo(frm));
    EXPECT_TRUE(child<QWidget>(frm, "sPicture3_39")->isVisibleTo(frm));
    EXPECT_TRUE(child<QWidget>(frm, "sPicture3_29")->isVisibleTo(frm));
    tick(frm, 270);
    EXPECT_EQ(text(frm, "sLabel10"), QStringLiteral("299"));
    EXPECT_TRUE(records().isEmpty());
    EXPECT_EQ(flow.count(TestFlow::ShowEnd), 0);
    tick(frm);
    EXPECT_EQ(text(frm, "sLabel10"), QStringLiteral("300"));
    EXPECT_EQ(child<QWidget>(frm, "sShape2")->width(), child<QWidget>(frm, "sShape5")->width());
    EXPECT_TRUE(child<QWidget>(frm, "sPicture2")->isVisibleTo(frm));
    EXPECT_TRUE(child(frm, "lblsss2")->isVisibleTo(frm));
    EXPECT_EQ(text(frm, "lblsss2"), QStringLiteral("時間切れ"));
    EXPECT_FALSE(child(frm, "lblsss1")->isVisibleTo(frm));
    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].time, 99999);
    // Later ticks and presses change nothing.
    tick(frm);
    for (int i = 1; i <= 10; ++i) frm->pressCard(i);
    frm->endDrill();
    EXPECT_EQ(records().size(), 1);
    settle();
    EXPECT_EQ(flow.lastOutcome.endReason, 1);
    EXPECT_EQ(flow.count(TestFlow::ShowEnd), 1);
}

TEST_F(DrillScreenTest, SolvedOneTickBeforeTheLimit) {
    DrillScreen* frm = open();
    for (int p = 1; p <= 4; ++p) solve(frm);
    tick(frm, 299);
    solve(frm);
    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].time, 299);
    EXPECT_EQ(flow.lastOutcome.endReason, 0);
    EXPECT_FALSE(child(frm, "lblsss2")->isVisibleTo(frm));
    EXPECT_TRUE(child(frm, "lblsss1")->isVisibleTo(frm));
}

// A sound that plays long holds the screen still as the blocking play of the Windows
// programs does: no tick runs during it, so a solved run records the clock's last tick
// before its final sound, and a final sound that runs past the limit does not time it out.
TEST_F(DrillScreenTest, ALongFinalSoundNeitherAddsTimeNorRunsOutOfTime) {
    const struct {
        int secondTime;  // the limit is five times this
        int lastTick;
    } cases[] = {{60, 41}, {9, 44}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastTick);
        QFile::remove(resultLogPath());
        state::course().levelTargets[1].secondTime = c.secondTime;
        state::course().levelTargets[1].passTime = c.secondTime / 2;
        HeldMedia slow;
        platform::setMedia(&slow);
        DrillScreen* frm = open();
        auto* clock = child<QTimer>(frm, "sTimer1");
        for (int p = 1; p <= 4; ++p) solve(frm);
        solve(frm, 9);
        tick(frm, c.lastTick);
        slow.holding = true;
        click(frm, ascendingCards(frm)[9]);  // its sound lasts three seconds
        ASSERT_TRUE(slow.pending);
        EXPECT_FALSE(clock->isActive());
        for (int s = 0; s < 3; ++s) {
            steps.advanceMs(1000);
            if (clock->isActive()) frm->drillClockTick();  // what the timer would do
        }
        slow.finish();
        const QList<ResultRecord> log = records();
        ASSERT_EQ(log.size(), 1);
        EXPECT_EQ(log[0].time, c.lastTick);
        EXPECT_FALSE(child(frm, "lblsss2")->isVisibleTo(frm));
        settle();
        EXPECT_EQ(flow.lastOutcome.endReason, 0);
        platform::setMedia(&media);
    }
}

// Presses made while a sound plays are judged after it, in order, and presses that each come
// during the sound of the one before do not hold the clock still: a tick that fell due comes
// before the next correct press's sound, wrong presses count.
TEST_F(DrillScreenTest, PressesDuringSoundsAreJudgedAfterThemAndKeepTheClockGoing) {
    HeldMedia slow;
    platform::setMedia(&slow);
    DrillScreen* frm = open();
    const QList<int> order = ascendingCards(frm);
    slow.holding = true;
    frm->pressCard(order[0]);
    for (int press : {order[5], order[1], order[2], order[3], order[4], order[5], order[6],
                      order[7], order[8], order[9]}) {
        frm->pressCard(press);  // made while the sound before plays
        steps.advanceMs(1000);
        slow.finish();
    }
    ASSERT_GE(slow.commands.size(), 3);
    EXPECT_TRUE(slow.commands[1].contains(QStringLiteral("/s3.wav")));  // the wrong press
    EXPECT_TRUE(slow.commands[2].contains(QStringLiteral("/s2.wav")));
    EXPECT_EQ(text(frm, "sLabel10"), QStringLiteral("20"));  // ten seconds and one wrong press
    slow.holding = false;
    slow.finish();
    platform::setMedia(&media);
}

TEST_F(DrillScreenTest, PracticeLevelRecordsNothing) {
    state::course().practice[1] = true;
    DrillScreen* frm = open();
    EXPECT_EQ(text(frm, "sLabel11"), QStringLiteral("－"));
    EXPECT_EQ(text(frm, "sLabel12"), QStringLiteral("－"));
    for (int p = 1; p <= 5; ++p) {
        tick(frm, 3);
        solve(frm);
    }
    EXPECT_FALSE(QFile::exists(resultLogPath()));
    EXPECT_FALSE(QFile::exists(homeResultLogPath()));
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 1);
    EXPECT_EQ(flow.count(TestFlow::ShowEnd), 0);
}

TEST_F(DrillScreenTest, RunAcrossMidnightKeepsItsLength) {
    steps.setNow(QDateTime(QDate(2026, 12, 8), QTime(23, 59, 50)));
    parts.session.signInSeconds = 23 * 3600 + 55 * 60;  // no monotonic moment: from the time of day
    DrillScreen* frm = open();
    EXPECT_EQ(text(frm, "sLabel13"), QStringLiteral("4"));
    for (int p = 1; p <= 5; ++p) {
        tick(frm, 8);
        solve(frm);
    }
    EXPECT_EQ(steps.now().date(), QDate(2026, 12, 9));
    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].time, 40);
}

TEST_F(DrillScreenTest, MissingPictureEndsWithAMessageNamingIt) {
    QFile::remove(state::settingsAtStartUp().programFolder + QStringLiteral("card4.png"));
    // Row Int(0.37*10+1) = 4.
    open();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("card4.png")));
    EXPECT_EQ(endCodes, std::vector<int>{1});
}

}  // namespace

TEST_F(DrillScreenTest, WrongPressIsSeenOnTheCardAndTheTimeForHalfASecond) {
    DrillScreen* frm = open();
    child<QTimer>(frm, "sTimer1")->stop();  // the shown time stays as it is
    const QList<int> order = ascendingCards(frm);
    auto look = [&](const QString& name) {
        const QWidget* w = child<QWidget>(frm, name);
        return frm->grab(QRect(w->mapTo(frm, QPoint(0, 0)), w->size())).toImage();
    };
    const QString card = QStringLiteral("Picture1_%1").arg(order[5]);
    const QImage cardBefore = look(card);
    const QImage timeBefore = look("sLabel10");
    click(frm, order[5]);
    EXPECT_EQ(playCount(3), 1);
    EXPECT_NE(look(card), cardBefore);
    EXPECT_NE(look("sLabel10"), timeBefore);
    QTest::qWait(WrongPressMark::kShownMs + 300);
    EXPECT_EQ(look(card), cardBefore);
    EXPECT_EQ(look("sLabel10"), timeBefore);
}

TEST_F(DrillScreenTest, ScreenReadersTellTheCardsAndWhichArePressed) {
    DrillScreen* frm = open();
    auto read = [&](const QString& name, QAccessible::Text what) {
        QAccessibleInterface* widget =
            QAccessible::queryAccessibleInterface(child<QWidget>(frm, name));
        return widget ? widget->text(what) : QStringLiteral("(none)");
    };
    EXPECT_EQ(read("sLabel10", QAccessible::Description), QStringLiteral("タイム（秒）"));
    for (int problem = 1; problem <= 2; ++problem) {
        const QList<int> order = ascendingCards(frm);
        for (int k = 0; k < 10; ++k) {
            SCOPED_TRACE(k);
            const QString card = QStringLiteral("Picture1_%1").arg(order[k]);
            const QString name =
                QStringLiteral("カード ") + text(frm, QStringLiteral("Label1_%1").arg(order[k]));
            EXPECT_EQ(read(card, QAccessible::Name), name);
            EXPECT_EQ(read(QStringLiteral("Image1_%1").arg(order[k]), QAccessible::Name), name);
            EXPECT_EQ(read(card, QAccessible::Description), QString());
            if (k == 9) break;  // the last press brings the next problem
            click(frm, order[k]);
            EXPECT_EQ(read(card, QAccessible::Description), QStringLiteral("押した"));
        }
        click(frm, order[9]);
    }
}
