#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "course/catalogue.h"
#include "help/help_browser_gui.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "platform/wait.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "roster/name_change_gui.h"
#include "roster/name_selection_gui.h"
#include "sound/sound.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"
#include "support/platform_defaults.h"
#include "support/program_state.h"
#include "support/temp_files.h"
#include "support/test_flow_gui.h"

namespace {

const QString kFull = QStringLiteral("　");

// One roster line as the family's programs write it.
QString rosterLine(int no, int birthYear, const QString& name, int status = 0) {
    return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"%5\",\"%5\"")
        .arg(no)
        .arg(birthYear)
        .arg(name.leftJustified(20, u' '))
        .arg(status)
        .arg(QString(20, u' '));
}

// A family folder in a temporary folder, a fake clock on 2026-12-08 10:00 (school year
// 2026), recorders for sounds, message boxes, programs started and the end of the program.
//
//   <tmp>/               baseFolder: roster
//   <tmp>/ならびタッチ/    program and data folder: results log
//   <tmp>/音フォルダ/      sound folder
class NameSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        resetProgramState();
        installRecorders(clock, media, boxes, shell, endCodes, &random);
        flow.holdBack(
            {TestFlow::ShowHome, TestFlow::CloseHome, TestFlow::ShowHelp, TestFlow::ShowVersion});

        const QString base = tmp.path() + u'/';
        ASSERT_TRUE(QDir(base).mkpath(QStringLiteral("ならびタッチ")));
        state::settingsAtStartUp().programFolder = base + QStringLiteral("ならびタッチ/");
        state::settingsAtStartUp().baseFolder = base;
        state::settingsAtStartUp().dataFolder = state::settingsAtStartUp().programFolder;
        state::settingsAtStartUp().soundFolder = base + QStringLiteral("音フォルダ/");
        state::settingsAtStartUp().schoolYearStartMonth = 4;
        state::settingsAtStartUp().homeUse = 1;
        state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチ");
        state::course().levelTargets[1].passTime = 60;
        state::course().levelTargets[1].pointWeight = 1;
        state::course().levelTargets[1].clearWindowDays = 7;
        state::course().levelTargets[1].freeWindowDays = 7;
        // An empty results log: no student has results yet.
        ASSERT_TRUE(testfiles::writeBytes(resultLogPath(), QByteArray()));
        parts.sounds.setFolder(state::settingsAtStartUp().soundFolder);
        parts.sounds.table()[soundNoName] = {
            QStringLiteral("間違い音2"), {QStringLiteral("buzz")}, QStringLiteral("1")};
    }

    void TearDown() override {
        flow.closeNameSelection();
        if (NameChangeWindow* names = flow.nameChangeWindow()) names->close();
        QCoreApplication::processEvents();
        restorePlatformDefaults();
        state::resetRunState();
    }

    // Students of grades 10 (高1), 8 (中2), 1 (小1) and 0 (幼3), in a mixed order.
    void writeFourStudents() {
        writeRoster({rosterLine(1, 2019, QStringLiteral("山田花子")),
                     rosterLine(2, 2012, QStringLiteral("鈴木一郎")),
                     rosterLine(3, 2020, QStringLiteral("佐藤")),
                     rosterLine(4, 2010, QStringLiteral("田中"))});
    }
    void writeRoster(const QStringList& lines) {
        ASSERT_TRUE(testfiles::writeAnsiLines(
            state::settingsAtStartUp().baseFolder + QStringLiteral("生徒用名簿.txt"), lines));
    }
    // Student 1: 30 s today and 40 s yesterday at level 1; student 2: a run out of time today.
    void writeResults() {
        const double today = platform::dayCountFromDate(QDate(2026, 12, 8));
        QByteArray log;
        auto add = [&](double date, int student, qint32 time) {
            ResultRecord r;
            r.date = date;
            r.timeOfDay = 0.4;
            r.studentNo = static_cast<qint16>(student);
            r.level = 1;
            r.time = time;
            log += r.toBytes();
        };
        add(today, 1, 30);
        add(today - 1, 1, 40);
        add(today, 2, course::kNoRecord);
        ASSERT_TRUE(testfiles::writeBytes(resultLogPath(), log));
    }

    // Shows the name selection from the event loop, as a handler of the program does.
    NameSelection* open() {
        QTimer::singleShot(0, [this] { flow.showNameSelection(); });
        QCoreApplication::processEvents();
        return flow.nameSelection();
    }
    template <class T>
    T* child(const char* name) {
        NameSelection* w = flow.nameSelection();
        return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    QListWidget* list() { return child<QListWidget>("List1"); }
    QStringList rows() {
        QStringList texts;
        if (QListWidget* l = list())
            for (int i = 0; i < l->count(); ++i) texts << l->item(i)->text();
        return texts;
    }
    QString label1() { return child<QLabel>("Label1")->text(); }
    void chooseGroup(const QString& group) {
        QComboBox* combo = child<QComboBox>("Combo1");
        const int index = combo->findText(group);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    QTemporaryDir tmp;
    platform::FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
    platform::RecordingMedia media;
    platform::RecordingMessageBoxes boxes;
    platform::SequenceRandom random{{0.0}};
    platform::RecordingShell shell;
    std::vector<int> endCodes;
    ProgramState parts;
    TestFlow flow{parts};
};

TEST_F(NameSelectionTest, ListsStudentsOldestFirstWithTheirFigures) {
    writeFourStudents();
    writeResults();
    NameSelection* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quillmark5"));
    EXPECT_EQ(w->displayMode(), 1);
    EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("ならびタッチ"));
    EXPECT_TRUE(child<QWidget>("Picture5")->isHidden());
    EXPECT_TRUE(child<QPushButton>("Command1")->isHidden());
    EXPECT_FALSE(child<QPushButton>("Command14")->isHidden());
    EXPECT_EQ(label1(), QStringLiteral("名前を選びなさい"));
    // Activated once: the window system's activation does not run it a second time.
    QCoreApplication::processEvents();
    EXPECT_EQ(flow.count(TestFlow::CloseHome), 1);

    // Points mode: 30 s at a pass time of 60 earns 11 points, 40 s earns 6.
    const QStringList expected = {
        QStringLiteral("－－－－－－"),
        QStringLiteral("高1 田中") + kFull.repeated(4) + QStringLiteral("  ") + kFull + u'/' +
            QString(7, u' '),
        QStringLiteral("中2 鈴木一郎") + kFull.repeated(2) + QStringLiteral("  ") + kFull + u'/' +
            QString(7, u' '),
        QStringLiteral("小1 山田花子") + kFull.repeated(2) + QStringLiteral("  11/     17"),
        QStringLiteral("幼3 佐藤") + kFull.repeated(4) + QStringLiteral("  ") + kFull + u'/' +
            QString(7, u' '),
    };
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(child<QListWidget>("List2")->count(), 4);
    EXPECT_EQ(child<QListWidget>("List3")->item(2)->text(), expected[3] + QStringLiteral("*1"));
    EXPECT_EQ(state::roster().count, 4);
}

TEST_F(NameSelectionTest, DisplayModesAndGradeGroups) {
    writeFourStudents();
    writeResults();
    ASSERT_NE(open(), nullptr);

    child<QRadioButton>("Option1_0")->click();
    EXPECT_EQ(flow.nameSelection()->displayMode(), 0);
    QStringList r = rows();
    ASSERT_EQ(r.size(), 5);
    EXPECT_EQ(r[3],
              QStringLiteral("小1 山田花子") + kFull.repeated(2) + QStringLiteral("  1回/    2回"));
    // A pre-school student gets two more full-width spaces outside the points mode; the
    // run out of time is no completed drill.
    EXPECT_EQ(r[4], QStringLiteral("幼3 佐藤") + kFull.repeated(6) + QString(5, u' ') + u'/' +
                        QString(5, u' ') + kFull);
    EXPECT_EQ(r[2], QStringLiteral("中2 鈴木一郎") + kFull.repeated(2) + QString(5, u' ') + u'/' +
                        QString(5, u' ') + kFull);

    child<QRadioButton>("Option1_2")->click();
    EXPECT_EQ(rows()[3],
              QStringLiteral("小1 山田花子") + kFull.repeated(2) + QStringLiteral("  11/  1回"));
    child<QRadioButton>("Option1_3")->click();
    EXPECT_EQ(rows()[3], QStringLiteral("小1 山田花子") + kFull.repeated(2) +
                             QStringLiteral("     17/    2回"));

    chooseGroup(QStringLiteral("中学生全体"));
    r = rows();
    ASSERT_EQ(r.size(), 2);
    EXPECT_TRUE(r[1].startsWith(QStringLiteral("中2 鈴木一郎")));
    // The hidden numbered list follows the shown rows.
    EXPECT_EQ(child<QListWidget>("List3")->count(), 1);
    EXPECT_TRUE(child<QListWidget>("List3")->item(0)->text().endsWith(QStringLiteral("*2")));

    chooseGroup(QStringLiteral("小１"));
    ASSERT_EQ(rows().size(), 2);
    EXPECT_TRUE(rows()[1].startsWith(QStringLiteral("小1 山田花子")));
    chooseGroup(QStringLiteral("中１"));
    EXPECT_EQ(rows().size(), 1);
    chooseGroup(QStringLiteral("全学年"));
    EXPECT_EQ(rows().size(), 5);
    EXPECT_EQ(child<QListWidget>("List2")->count(), 4);
}

// The list runs its activation when the flow brings it to the front: not when the window
// system gives it the focus back (another window, a drop-down list), but on the help's way
// back, where no window manager would.
TEST_F(NameSelectionTest, ActivationRunsWhenTheFlowBringsTheListBack) {
    writeFourStudents();
    NameSelection* w = open();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    const int closedAtLoad = flow.count(TestFlow::CloseHome);
    child<QRadioButton>("Option1_3")->click();
    list()->setCurrentRow(1);
    QComboBox* combo = child<QComboBox>("Combo1");
    combo->showPopup();
    QCoreApplication::processEvents();
    combo->hidePopup();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QCoreApplication::processEvents();
    EXPECT_EQ(w->displayMode(), 3);
    EXPECT_EQ(flow.count(TestFlow::CloseHome), closedAtLoad);

    flow.ProgramFlow::showHelp(catalogue::helpAddress());
    ASSERT_NE(flow.helpBrowser(), nullptr);
    flow.helpBrowser()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(flow.helpBrowser(), nullptr);
    EXPECT_EQ(flow.count(TestFlow::CloseHome), closedAtLoad + 1);
    EXPECT_EQ(w->displayMode(), 1);
    EXPECT_TRUE(child<QRadioButton>("Option1_1")->isChecked());
    EXPECT_EQ(child<QComboBox>("Combo1")->count(), 12);
    EXPECT_EQ(label1(), QStringLiteral("名前を選びなさい"));
    EXPECT_EQ(list()->currentRow(), 0);
}

TEST_F(NameSelectionTest, OkWithoutANamePlaysTheNoNameSound) {
    writeFourStudents();
    ASSERT_NE(open(), nullptr);
    list()->setCurrentRow(0);
    child<QPushButton>("Command14")->click();
    EXPECT_EQ(media.commands,
              QStringList{QStringLiteral("play ") + state::settingsAtStartUp().soundFolder +
                          QStringLiteral("buzz.wav wait")});
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 0);
    EXPECT_EQ(parts.session.currentStudentNo, 0);
    EXPECT_NE(flow.nameSelection(), nullptr);
    EXPECT_FALSE(child<QPushButton>("Command14")->isHidden());
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(NameSelectionTest, ClickShowsTheNameAndOkSignsIn) {
    writeFourStudents();
    ASSERT_NE(open(), nullptr);
    clock.advanceMs(1600);  // 10:00:01.6 rounds to 36002 s
    list()->setCurrentRow(3);
    EXPECT_EQ(label1(), QStringLiteral("小1 山田花子") + kFull.repeated(2));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("1"));
    list()->setCurrentRow(0);
    EXPECT_EQ(label1(), QStringLiteral("名前を選びなさい"));
    list()->setCurrentRow(2);
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("2"));

    child<QPushButton>("Command14")->click();
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 1);
    EXPECT_EQ(parts.session.currentStudentNo, 2);
    EXPECT_EQ(parts.session.currentStudentName, QStringLiteral("鈴木一郎"));
    EXPECT_EQ(parts.session.currentGradeLabel, QStringLiteral("中２"));
    EXPECT_EQ(parts.session.signInSeconds, 36002);
    EXPECT_EQ(parts.session.signInMonotonicMs, clock.monotonicMs());
    EXPECT_EQ(state::course().levelNames[4], QStringLiteral("１～４ずつ増加"));
    EXPECT_TRUE(media.commands.isEmpty());
}

TEST_F(NameSelectionTest, DoubleClickSignsInAndHeaderDoubleClickDoesNot) {
    writeFourStudents();
    ASSERT_NE(open(), nullptr);
    emit list()->itemDoubleClicked(list()->item(0));
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 0);
    EXPECT_EQ(label1(), QStringLiteral("名前を選びなさい"));

    emit list()->itemDoubleClicked(list()->item(4));
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 1);
    EXPECT_EQ(parts.session.currentStudentNo, 3);
    EXPECT_EQ(parts.session.currentGradeLabel, QStringLiteral("幼３"));
}

TEST_F(NameSelectionTest, KeysSignInAndEnd) {
    writeFourStudents();
    ASSERT_NE(open(), nullptr);
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 1);
    EXPECT_EQ(parts.session.currentStudentNo, 4);

    ASSERT_NE(open(), nullptr);
    list()->setCurrentRow(2);
    QTest::keyClick(child<QComboBox>("Combo1"), Qt::Key_1);
    EXPECT_EQ(flow.count(TestFlow::ShowHome), 2);
    EXPECT_EQ(parts.session.currentStudentNo, 2);

    ASSERT_NE(open(), nullptr);
    QTest::keyClick(list(), Qt::Key_0);
    EXPECT_EQ(endCodes.size(), 1u);
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].arguments, QStringList{QStringLiteral("001")});
}

TEST_F(NameSelectionTest, EndStartsTheLauncherWithArgument001) {
    writeFourStudents();
    ASSERT_NE(open(), nullptr);
    shell.startResult = false;  // no launcher installed: the program ends all the same
    child<QPushButton>("Command7")->click();
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].path, state::settingsAtStartUp().programFolder +
                                         QStringLiteral("../起動/プログラムメニュー.exe"));
    EXPECT_EQ(shell.started[0].arguments, QStringList{QStringLiteral("001")});
    EXPECT_EQ(endCodes, std::vector<int>{0});
}

#ifndef Q_OS_WIN
TEST_F(NameSelectionTest, EndPrefersALauncherWithoutExtension) {
    writeFourStudents();
    const QString launcher =
        state::settingsAtStartUp().baseFolder + QStringLiteral("起動/プログラムメニュー");
    ASSERT_TRUE(testfiles::writeBytes(launcher, "#!/bin/sh\n"));
    ASSERT_NE(open(), nullptr);
    QAction* end = flow.nameSelection()->findChild<QAction*>(QStringLiteral("menuend"));
    ASSERT_NE(end, nullptr);
    end->trigger();
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].path, state::settingsAtStartUp().programFolder +
                                         QStringLiteral("../起動/プログラムメニュー"));
    EXPECT_EQ(endCodes.size(), 1u);
}
#endif

TEST_F(NameSelectionTest, HelpPagesVersionAndHomePage) {
    writeFourStudents();
    NameSelection* w = open();
    ASSERT_NE(w, nullptr);
    const QString host = catalogue::helpSite();
    child<QPushButton>("Command15")->click();
    child<QPushButton>("Command17")->click();
    w->findChild<QAction*>(QStringLiteral("menuhelp1"))->trigger();
    w->findChild<QAction*>(QStringLiteral("mnmale"))->trigger();
    EXPECT_EQ(flow.helpAddresses, (QStringList{host + QStringLiteral("/helpmenu.htm"),
                                               host + QStringLiteral("/narabitouch.htm"),
                                               host + QStringLiteral("/helpmenu.htm"),
                                               host + QStringLiteral("/formmail2/form1.html")}));
    w->findChild<QAction*>(QStringLiteral("menuspt"))->trigger();
    EXPECT_EQ(flow.count(TestFlow::ShowVersion), 1);
    w->findChild<QAction*>(QStringLiteral("menuQMK5"))->trigger();
    EXPECT_EQ(shell.urls, QStringList{host + QStringLiteral("/index.htm")});
    // Without a web browser a message names the page.
    shell.openResult = false;
    w->findChild<QAction*>(QStringLiteral("menuQMK5"))->trigger();
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_TRUE(boxes.shown.last().text.startsWith(host + QStringLiteral("/index.htm\n")));
    // The name-change window takes the name selection's place.
    child<QPushButton>("Command16")->click();
    EXPECT_NE(flow.nameChangeWindow(), nullptr);
    EXPECT_EQ(flow.nameSelection(), nullptr);
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(NameSelectionTest, ATempRosterIsTakenOverBeforeTheListIsDrawn) {
    ASSERT_TRUE(testfiles::writeAnsiLines(
        state::settingsAtStartUp().baseFolder + QStringLiteral("生徒用名簿temp.txt"),
        {rosterLine(1, 2019, QStringLiteral("山田花子"))}));
    ASSERT_NE(open(), nullptr);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(rows().size(), 2);
    EXPECT_TRUE(
        QFile::exists(state::settingsAtStartUp().baseFolder + QStringLiteral("生徒用名簿.txt")));
}

TEST_F(NameSelectionTest, NoRosterAtAllEndsWithTheFileError) {
    open();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("53")));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("生徒用名簿.txt")));
    EXPECT_EQ(endCodes.size(), 1u);
}

TEST_F(NameSelectionTest, AFifthStudentEndsWithTheHomeUseMessage) {
    writeRoster(
        {rosterLine(1, 2019, QStringLiteral("一")), rosterLine(2, 2019, QStringLiteral("二")),
         rosterLine(3, 2019, QStringLiteral("三")), rosterLine(4, 2019, QStringLiteral("四")),
         rosterLine(5, 2019, QStringLiteral("五"), 1)});
    open();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("家庭用は3人までしか登録できません"));
    EXPECT_EQ(endCodes.size(), 1u);
}

TEST_F(NameSelectionTest, SecondCopyIsRefusedBeforeReadingAnything) {
    // No roster at all: had the window read it, the message would be a file error.
    QProcess holder;
    holder.start(QStringLiteral(LOCK_HOLDER), {NameSelection::instanceKey()});
    ASSERT_TRUE(holder.waitForStarted(10000));
    QByteArray out;
    while (!out.contains("locked") && holder.waitForReadyRead(20000)) out += holder.readAll();
    ASSERT_TRUE(out.contains("locked")) << out.constData();

    open();
    holder.closeWriteChannel();
    if (!holder.waitForFinished(10000)) holder.kill();
    EXPECT_EQ(flow.nameSelection(), nullptr);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(
        boxes.shown[0].text,
        QStringLiteral("このプログラムと同じプログラムがすでに起動され、完全に終了されていません。"
                       "同じプログラムを完全に終了させてから実行してください。"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("注意"));
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(endCodes.size(), 1u);
}

}  // namespace
