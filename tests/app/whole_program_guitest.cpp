// The whole program in one process: a family folder laid out like an installation, the
// real windows driven by clicks, from the name selection through a drill and its end
// screen back to the launcher.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <cerrno>

#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/shared_files.h"
#include "roster/name_change_gui.h"
#include "support/whole_program_fixture.h"
#include "widgets/screen_navigator_gui.h"

namespace {

// A family folder on a full disk.
struct FullDisk : platform::SharedFiles {
    std::unique_ptr<platform::AppendFile> openForAppend(const QString& path) override {
        throw platform::RuntimeError(platform::errDiskFull, path,
                                     platform::systemErrorText(ENOSPC));
    }
    void pause(int) override {}
};

TEST_F(WholeProgramTest, ARunTheFolderCannotTakeIsToldThenShownAsRecorded) {
    ASSERT_TRUE(started);
    FullDisk full;
    platform::setSharedFiles(&full);
    HomeScreen* home = signIn(2);
    EndScreen* screen = runDrill(startLevel(home, 1));
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("このパソコンに保存しました")));
    EXPECT_EQ(text(screen, QStringLiteral("Label20")), QStringLiteral("！！！最高新記録！！！"));
    home = backToMenu(screen);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(text(home, QStringLiteral("Label15_1")), QStringLiteral("1回/19点"));
    EXPECT_TRUE(records().empty());

    clickButton(home, QStringLiteral("Command1"));
    ASSERT_TRUE(waitFor([this] {
        return program->flow().nameSelection() && program->flow().nameSelection()->isVisible();
    }));
    EXPECT_TRUE(nameRows()[2].endsWith(QStringLiteral("  19/     19")));
    EXPECT_EQ(text(program->flow().nameSelection(), QStringLiteral("pendingRunsLine")),
              QStringLiteral("このパソコンに保存待ちの成績が 1 件あります"));
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(WholeProgramTest, OneDrillFromTheNameListBackToTheLauncher) {
    ASSERT_TRUE(started) << (boxes.shown.isEmpty() ? "" : boxes.shown[0].text.toStdString());
    ASSERT_NE(program->flow().nameSelection(), nullptr);
    EXPECT_TRUE(program->flow().nameSelection()->isVisible());
    EXPECT_EQ(text(program->flow().nameSelection(), QStringLiteral("Label4")), kProgramName);
    const QString noFigures = QStringLiteral("  ") + kFull + u'/' + QString(7, u' ');
    const QStringList before{
        QStringLiteral("－－－－－－"),
        QStringLiteral("中2 鈴木一郎") + kFull.repeated(2) + noFigures,
        QStringLiteral("小2 山田花子") + kFull.repeated(2) + noFigures,
        QStringLiteral("小1 佐藤太郎") + kFull.repeated(2) + noFigures,
    };
    EXPECT_EQ(nameRows(), before);
    // The program's icon: every window's, and beside "O.K.".
    EXPECT_EQ(program->flow().nameSelection()->windowIcon().availableSizes().size(), 3);
    auto* image = program->flow().nameSelection()->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->pixmap().isNull());

    QPointer<NameSelection> firstList(program->flow().nameSelection());
    HomeScreen* home = signIn(2);
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(waitFor([&] { return !firstList; }));  // closed and gone
    EXPECT_EQ(program->flow().nameSelection(), nullptr);
    EXPECT_EQ(program->state().session.currentStudentNo, kStudent);
    EXPECT_EQ(text(home, QStringLiteral("Label12")), QStringLiteral("小２ 山田花子"));
    EXPECT_EQ(text(home, QStringLiteral("Label13")), QStringLiteral("さくら教室:2"));
    EXPECT_EQ(text(home, QStringLiteral("Label15_1")), QStringLiteral("------"));
    EXPECT_TRUE(startEnabled(home, 1));
    EXPECT_FALSE(startEnabled(home, 2));

    QPointer<HomeScreen> firstHome(home);
    DrillScreen* frm = startLevel(home, 1);
    ASSERT_NE(frm, nullptr);
    EXPECT_TRUE(!firstHome || !firstHome->isVisible());
    EXPECT_EQ(text(frm, QStringLiteral("sLabel7")), QStringLiteral("山田花子"));
    EXPECT_EQ(text(frm, QStringLiteral("sLabel8")), kLevel1Name);
    EXPECT_EQ(text(frm, QStringLiteral("sLabel14")), QStringLiteral("さくら教室"));

    EndScreen* screen = runDrill(frm);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(played(QStringLiteral("correct.wav")), 5 * 9);
    EXPECT_EQ(played(QStringLiteral("solved.wav")), 5);
    EXPECT_EQ(played(QStringLiteral("wrong.wav")), 0);
    // 10 s at a pass time of 30 s: ((30 - 10) / 30)^3 x 50 + 5 = 19 points, weight 1.
    EXPECT_EQ(text(screen, QStringLiteral("Label18")), QStringLiteral("今の成績：10秒"));
    EXPECT_EQ(text(screen, QStringLiteral("Label19")), QStringLiteral("獲得ポイント：19点×1→19点"));
    EXPECT_EQ(text(screen, QStringLiteral("Label20")), QStringLiteral("！！！最高新記録！！！"));
    EXPECT_TRUE(child(screen, QStringLiteral("Label20"))->isVisibleTo(screen));
    EXPECT_EQ(text(screen, QStringLiteral("Label16")), kLevel1Name);
    EXPECT_EQ(played(QStringLiteral("最高1.wav")), 1);
    EXPECT_FALSE(waitWindowVisible());  // the please-wait window has gone with the judgement

    home = backToMenu(screen, true);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(text(home, QStringLiteral("Label15_1")), QStringLiteral("1回/19点"));
    EXPECT_EQ(text(home, QStringLiteral("Label14_1")), QStringLiteral("1回/19点"));
    EXPECT_EQ(text(home, QStringLiteral("Label18")), QStringLiteral("本日総回数＝1回"));
    EXPECT_TRUE(waitFor([this] { return program->flow().endScreen() == nullptr; }));

    clickButton(home, QStringLiteral("Command1"));
    ASSERT_TRUE(waitFor([this] {
        return program->flow().nameSelection() && program->flow().nameSelection()->isVisible();
    }));
    EXPECT_TRUE(waitFor([this] {
        return !program->flow().homeScreen() || !program->flow().homeScreen()->isVisible();
    }));
    QStringList after = before;
    after[2] = QStringLiteral("小2 山田花子") + kFull.repeated(2) + QStringLiteral("  19/     19");
    EXPECT_EQ(nameRows(), after);

    EXPECT_TRUE(endCodes.empty());
    clickButton(program->flow().nameSelection(), QStringLiteral("Command7"));
    ASSERT_EQ(shell.started.size(), 1);
    const QString launcher = programDir() + QStringLiteral("/../起動/プログラムメニュー");
    EXPECT_TRUE(shell.started[0].path == launcher + QStringLiteral(".exe") ||
                shell.started[0].path == launcher)
        << shell.started[0].path.toStdString();
    EXPECT_EQ(shell.started[0].arguments, QStringList{QStringLiteral("001")});
    EXPECT_EQ(endCodes.size(), 1u);
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown[0].text.toStdString();

    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(testfiles::readBytes(logPath()).size(), kResultRecordSize);
    EXPECT_EQ(log[0].studentNo, kStudent);
    EXPECT_EQ(log[0].level, 1);
    EXPECT_EQ(log[0].time, 10);
    EXPECT_EQ(log[0].date, platform::dayCountFromDate(QDate(2026, 12, 8)));
    EXPECT_EQ(log[0].classroom.trimmed(), QStringLiteral("12345"));

    const QByteArray homeBytes = testfiles::readBytes(homeLogPath());
    ASSERT_EQ(homeBytes.size(), kHomeResultRecordSize);
    const HomeResultRecord copy = HomeResultRecord::fromBytes(homeBytes.constData());
    EXPECT_EQ(copy.folderName.trimmed(), kProgramName + u'\\');
    EXPECT_EQ(copy.studentNo, kStudent);
    EXPECT_EQ(copy.level, 1);
    EXPECT_EQ(copy.time, 10);
    EXPECT_EQ(copy.date, log[0].date);
}

// A birth year corrected in the name change window shows at once, in the name list and in
// the home screen's heading, also when the new grade has no label of its own.
TEST_F(WholeProgramTest, ACorrectedBirthYearShowsInTheHomeScreensHeading) {
    ASSERT_TRUE(started);
    clickButton(program->flow().nameSelection(), QStringLiteral("Command16"));
    ASSERT_TRUE(waitFor([this] { return program->flow().nameChangeWindow() != nullptr; }));
    NameChangeWindow* change = program->flow().nameChangeWindow();
    ASSERT_EQ(child<QLineEdit>(change, QStringLiteral("Text1_2"))->text(),
              QStringLiteral("山田花子"));
    child<QLineEdit>(change, QStringLiteral("Text2_2"))->setText(QStringLiteral("2002"));
    clickButton(change, QStringLiteral("Command1"));
    clickButton(change, QStringLiteral("Command2"));
    ASSERT_TRUE(waitFor([this] {
        return program->flow().nameSelection() && program->flow().nameSelection()->isVisible();
    }));
    ASSERT_TRUE(nameRows().value(1).startsWith(QStringLiteral("大+ 山田花子")));
    HomeScreen* home = signIn(1);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(text(home, QStringLiteral("Label12")), QStringLiteral("山田花子"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(WholeProgramTest, ClearingLevelOneOpensLevelTwo) {
    ASSERT_TRUE(started);
    HomeScreen* home = signIn(2);
    ASSERT_NE(home, nullptr);
    EXPECT_FALSE(startEnabled(home, 2));
    ASSERT_TRUE(chooseList(home, QStringLiteral("Option2_1")));  // ﾎﾟｲﾝﾄ表示

    // One drill (19 points) is not enough: the targets want two.
    EndScreen* screen = runDrill(startLevel(home, 1));
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(child(screen, QStringLiteral("Label2"))->isVisibleTo(screen));
    home = backToMenu(screen);
    ASSERT_NE(home, nullptr);
    // The display kind chosen before the drill is kept.
    EXPECT_TRUE(child<QRadioButton>(home, QStringLiteral("Option2_1"))->isChecked());
    EXPECT_EQ(text(home, QStringLiteral("Label8_1")), QStringLiteral("最近7日=1回 / 19点"));
    EXPECT_FALSE(startEnabled(home, 2));

    screen = runDrill(startLevel(home, 1));
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(child(screen, QStringLiteral("Label2"))->isVisibleTo(screen));  // level cleared
    EXPECT_EQ(text(screen, QStringLiteral("Label20")), QString());  // same time: no new record
    home = backToMenuWithEnter(screen);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(text(home, QStringLiteral("Label15_1")), QStringLiteral("2回/38点"));
    EXPECT_TRUE(startEnabled(home, 2));
    EXPECT_FALSE(startEnabled(home, 3));
    EXPECT_EQ(records().size(), 2);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(WholeProgramTest, OnceMoreRunsTheSameLevelAgain) {
    ASSERT_TRUE(started);
    HomeScreen* home = signIn(2);
    ASSERT_NE(home, nullptr);
    DrillScreen* first = startLevel(home, 1);
    ASSERT_NE(first, nullptr);
    EndScreen* screen = runDrill(first);
    ASSERT_NE(screen, nullptr);
    ASSERT_TRUE(waitForSecondPhase(screen));

    clickButton(screen, QStringLiteral("Command5"));
    DrillScreen* again = waitForDrill(nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->level(), 1);
    EXPECT_EQ(text(again, QStringLiteral("sLabel8")), kLevel1Name);
    EXPECT_EQ(text(again, QStringLiteral("sLabel11")), QStringLiteral("2"));  // second today
    EXPECT_TRUE(!program->flow().homeScreen() || !program->flow().homeScreen()->isVisible());
    EXPECT_FALSE(waitWindowVisible());

    screen = runDrill(again);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(text(screen, QStringLiteral("Label13")), QStringLiteral(" (このレベル　2回目)"));
    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 2);
    for (const ResultRecord& r : log) {
        EXPECT_EQ(r.studentNo, kStudent);
        EXPECT_EQ(r.level, 1);
        EXPECT_EQ(r.time, 10);
    }
    EXPECT_EQ(testfiles::readBytes(homeLogPath()).size(), 2 * kHomeResultRecordSize);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

// Back from a practice drill: the please-wait window covers the screen, its message in the
// middle, until the home screen has come up.
TEST_F(WholeProgramTest, PleaseWaitCoversTheSwitchBackToTheHomeScreen) {
    ASSERT_TRUE(started);
    HomeScreen* home = signIn(2);
    ASSERT_NE(home, nullptr);
    program->flow().closeHomeScreen();
    program->flow().showWaitWindow();
    WaitWindow* wait = visibleWaitWindow();
    ASSERT_NE(wait, nullptr);
    // The placement of every screen of the main flow (the whole of a screen that holds the
    // design).
    EXPECT_EQ(wait->geometry(),
              platform::placeDesign(wait->screen()->geometry(), platform::designSize()).window);
    QLabel* message = child(wait, QStringLiteral("Label19"));
    EXPECT_EQ(message->mapTo(wait, message->rect().center()), wait->rect().center());

    program->flow().showHomeScreen();
    ASSERT_NE(waitForHome(), nullptr);
    EXPECT_TRUE(waitFor([] { return !waitWindowVisible(); }));
}

}  // namespace
