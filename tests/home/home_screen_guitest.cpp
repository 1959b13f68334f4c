#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "home/record_list_view_gui.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"
#include "support/screen_fixture.h"

namespace {

class HomeScreenTest : public ScreenFixture {
  protected:
    HomeScreen* openHome() {
        flow.showHomeScreen();
        settle();
        HomeScreen* home = flow.homeScreen();
        EXPECT_NE(home, nullptr);
        return home;
    }

    QString text(QWidget* home, const char* name) { return child<QLabel>(home, name)->text(); }
    bool startEnabled(QWidget* home, int level) {
        return child<QPushButton>(home, QStringLiteral("Command4_%1").arg(level).toLatin1())
            ->isEnabled();
    }
};

TEST_F(HomeScreenTest, ShowsTheFiguresAndOpensTheClearedLevel) {
    // Level 1 cleared today (2 drills, 19 + 6 base points, weight 2); one old drill at
    // level 2 outside the clear window; another student's drill.
    addRun(kStudent, 1, 10);
    addRun(kStudent, 1, 20);
    addRun(kStudent, 2, 10, 10);
    addRun(3, 3, 10);
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->windowTitle(), QStringLiteral("Quillmark5"));
    EXPECT_EQ(flow.count(TestFlow::CloseNameSelection), 1);

    EXPECT_EQ(text(home, "Label11"), QStringLiteral("ならびタッチ"));
    EXPECT_EQ(text(home, "Label12"), QStringLiteral("小2 山田花子"));
    EXPECT_EQ(text(home, "Label13"), QStringLiteral("さくら教室:12"));
    EXPECT_EQ(text(home, "Label17"), QStringLiteral("起動後5分"));
    EXPECT_EQ(text(home, "Label18"), QStringLiteral("本日総回数＝2回"));
    EXPECT_EQ(text(home, "Label3_4"), QStringLiteral("１～４ずつ増加"));
    EXPECT_EQ(child<QPushButton>(home, "Command4_3")->text(), QStringLiteral("ｽﾀｰﾄ(&3)"));
    EXPECT_EQ(text(home, "Label7_1"), QStringLiteral("目標=30秒 2回/20点(×2)"));
    EXPECT_EQ(text(home, "Label8_1"), QStringLiteral("最近7日=2回 / 50点"));
    EXPECT_EQ(text(home, "Label15_1"), QStringLiteral("2回/50点"));
    EXPECT_EQ(text(home, "Label14_1"), QStringLiteral("2回/50点"));
    EXPECT_EQ(text(home, "Label15_2"), QStringLiteral("1回/38点"));
    EXPECT_EQ(text(home, "Label14_2"), QStringLiteral("-----"));
    EXPECT_EQ(text(home, "Label15_3"), QStringLiteral("------"));
    EXPECT_EQ(text(home, "Label9_1"), QStringLiteral("今日"));
    EXPECT_EQ(text(home, "Label10_1"), QStringLiteral("今まで"));

    EXPECT_TRUE(startEnabled(home, 1));
    EXPECT_TRUE(startEnabled(home, 2));
    EXPECT_FALSE(startEnabled(home, 3));
    EXPECT_FALSE(startEnabled(home, 4));
    EXPECT_EQ(parts.session.goalCleared, 0);
    EXPECT_FALSE(child<QLineEdit>(home, "Text1_1")->isVisibleTo(home));
    EXPECT_FALSE(child<QLineEdit>(home, "Text1_2")->isVisibleTo(home));
    EXPECT_TRUE(child<QLineEdit>(home, "Text1_3")->isVisibleTo(home));
    EXPECT_TRUE(child<QWidget>(home, "Picture10")->isVisibleTo(home));
    EXPECT_FALSE(child<QWidget>(home, "Picture2")->isVisibleTo(home));

    auto* list6 = child<QListWidget>(home, "List6");
    ASSERT_EQ(list6->count(), 23);
    EXPECT_EQ(list6->item(3)->text(), QStringLiteral("　（矢印キーでも他のますへ移動できます）"));
    EXPECT_EQ(text(home, "Label28"), QStringLiteral("説明"));
    EXPECT_EQ(child<QPushButton>(home, "Command1")->text(), QStringLiteral("戻る(0)"));
    EXPECT_TRUE(child<QPushButton>(home, "Command1")->isEnabled());
    auto* combo1 = child<QComboBox>(home, "Combo1");
    EXPECT_EQ(combo1->count(), 13);
    EXPECT_EQ(combo1->currentText(), QStringLiteral("全学年"));
    EXPECT_EQ(combo1->itemText(12), QStringLiteral("家族"));
    // The teacher's print button of the charts is hidden for a student.
    EXPECT_TRUE(child<QPushButton>(home, "Command24_1")->isHidden());
}

TEST_F(HomeScreenTest, TeacherAndGoal) {
    parts.session.currentStudentName = QStringLiteral("先生");
    for (int i = 0; i < 2; ++i) addRun(kStudent, 4, 10);
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    for (int level = 1; level <= 4; ++level) EXPECT_TRUE(startEnabled(home, level)) << level;
    EXPECT_EQ(parts.session.goalCleared, 1);
    EXPECT_FALSE(child<QPushButton>(home, "Command24_1")->isHidden());
}

TEST_F(HomeScreenTest, StartButtonRunsTheDrillAndClosesTheScreen) {
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    // A locked level does not start.
    QTest::mouseClick(child<QLabel>(home, "Label3_2"), Qt::LeftButton);
    EXPECT_EQ(flow.lastDrillLevel, 0);
    EXPECT_EQ(flow.drillScreen(), nullptr);

    QTest::mouseClick(child<QPushButton>(home, "Command4_1"), Qt::LeftButton);
    EXPECT_EQ(flow.lastDrillLevel, 1);
    EXPECT_NE(flow.drillScreen(), nullptr);
    EXPECT_FALSE(home->isVisible());
}

TEST_F(HomeScreenTest, DigitKeyAndLevelNameStartTheDrill) {
    addRun(kStudent, 1, 10);
    addRun(kStudent, 1, 10);
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    QTest::keyClick(home, Qt::Key_3);  // locked
    EXPECT_EQ(flow.lastDrillLevel, 0);
    QTest::mouseClick(child<QLabel>(home, "Label3_2"), Qt::LeftButton);
    EXPECT_EQ(flow.lastDrillLevel, 2);
    ASSERT_NE(flow.drillScreen(), nullptr);
    flow.drillScreen()->close();

    home = openHome();
    ASSERT_NE(home, nullptr);
    home->activateWindow();
    QTest::keyClick(home, Qt::Key_1);
    EXPECT_EQ(flow.lastDrillLevel, 1);
}

// The screen runs its activation when the flow shows it, not again when the focus comes
// back after another window (the print's, say) and the next click lands on it.
TEST_F(HomeScreenTest, FocusComingBackDoesNotRunTheActivationAgain) {
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(home));
    const int activations = flow.count(TestFlow::CloseNameSelection);  // one per activation
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.close();
    home->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(home));
    QTest::mouseClick(home, Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(flow.count(TestFlow::CloseNameSelection), activations);
}

TEST_F(HomeScreenTest, StepFileIsWrittenBlank) {
    const QString path = dataPath(QStringLiteral("ステップ原.dat"));
    {
        QFile old(path);  // a longer file of an earlier version is replaced as a whole
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(50000, 'x'));
    }
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    QTest::mouseClick(child<QPushButton>(home, "Command15"), Qt::LeftButton);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(40000, '\0'));
    ASSERT_EQ(boxes.shown.size(), 1);  // the button says what it did
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("ステップ原.dat を初期化しました")));
}

// A step file that cannot be rewritten is named with the reason, and the program goes on.
TEST_F(HomeScreenTest, StepFileFailureNamesTheFile) {
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/missing/");
    QTest::mouseClick(child<QPushButton>(home, "Command15"), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("missing/ステップ原.dat")));
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(HomeScreenTest, FirstColumnIsRememberedAcrossVisits) {
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    auto* scroll = child<QScrollBar>(home, "HScroll1");
    const int left1 = child<QWidget>(home, "List5_1")->x();
    scroll->setValue(2);
    EXPECT_EQ(parts.homeFirstColumn, 2);
    // Level 2 now stands where level 1 stood; level 1 is parked beyond the right edge.
    EXPECT_EQ(child<QWidget>(home, "List5_2")->x(), left1);
    EXPECT_EQ(child<QWidget>(home, "Label3_2")->x(), left1);
    EXPECT_EQ(child<QWidget>(home, "List5_1")->x(), home->width());
    home->close();
    settle();

    home = openHome();
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(child<QScrollBar>(home, "HScroll1")->value(), 2);
    EXPECT_EQ(child<QWidget>(home, "List5_2")->x(), left1);
}

TEST_F(HomeScreenTest, StudentListFromTheRoster) {
    std::vector<RosterEntry> entries(9);
    std::vector<double> statuses(9, 0);
    entries[1].studentNo = 12;
    entries[1].birthYear = 2018;  // school year 2026: 小２
    entries[1].studentName = QStringLiteral("山田花子");
    entries[2].studentNo = 3;
    entries[2].birthYear = 2010;
    entries[2].studentName = QStringLiteral("休み");
    statuses[2] = 1;  // not active
    entries[3].studentNo = 40;
    entries[3].birthYear = 1980;  // no full-width label
    entries[3].studentName = QStringLiteral("お母さん");
    entries[4].studentNo = 41;
    entries[4].studentName = QStringLiteral("卒業生");
    statuses[4] = 2;  // active in the name list, but not a chart student
    state::settingsAtStartUp().status2Active = 1;
    state::settingsAtStartUp().homeUse =
        1;  // the home-use limit of the roster load does not apply here
    for (int i = 5; i <= 8; ++i) entries[i] = entries[1];
    writeRoster(basePath(QStringLiteral("生徒用名簿.txt")), entries, statuses, 8);

    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    home->fillStudentList();
    auto* list2 = child<QListWidget>(home, "List2");
    ASSERT_EQ(list2->count(), 6);
    EXPECT_EQ(list2->item(0)->text(), QStringLiteral("小２ /  山田花子/12"));
    EXPECT_EQ(list2->item(1)->text(), QStringLiteral(" /  お母さん/40"));
    EXPECT_EQ(state::roster().studentNames[3], QStringLiteral("休み"));
    EXPECT_EQ(state::roster().count, 0);
    EXPECT_TRUE(endCodes.empty());
}

// The best-time rankings: the signed-in student's row scrolled into view, a grade group
// that hides rows but not their ranks, and a practice level kept hidden.
TEST_F(HomeScreenTest, BestTimesFollowTheGradeGroup) {
    state::roster().currentSchoolYear = 2026;
    state::course().practice[2] = true;
    state::roster().count = 60;
    for (int s = 1; s <= 60; ++s) {
        state::roster().lineStudentNo[s] = static_cast<qint16>(s);
        state::roster().studentNames[s] = QStringLiteral("生徒%1").arg(s);
        state::roster().studentBirthYears[s] =
            static_cast<qint16>(s <= 30 ? 2018 : 2012);  // 小2 / 中2
        addRun(s, 1, s == kStudent ? 100 : s);
    }
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    auto* list = child<RecordListView>(home, "List5_1");
    ASSERT_EQ(list->count(), 60);
    EXPECT_EQ(list->lines()[59], QStringLiteral("60●生徒12　   100 ●"));
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->model()->index(59, 0))));
    EXPECT_FALSE(child<QWidget>(home, "List5_2")->isVisibleTo(home));
    EXPECT_FALSE(child<QWidget>(home, "Label7_2")->isVisibleTo(home));
    EXPECT_TRUE(child<QWidget>(home, "List5_3")->isVisibleTo(home));

    auto* combo1 = child<QComboBox>(home, "Combo1");
    const int middle2 = combo1->findText(QStringLiteral("中２"));
    combo1->setCurrentIndex(middle2);
    emit combo1->activated(middle2);
    settle();
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(list->lines()[0], QStringLiteral("30Ⅱ生徒31　    31 　"));
    EXPECT_TRUE(child<QPushButton>(home, "Command1")->isEnabled());
    EXPECT_FALSE(child<QWidget>(home, "Picture6")->isVisibleTo(home));

    auto* today = child<QRadioButton>(home, "Option1_2");
    today->click();
    settle();
    EXPECT_TRUE(today->isChecked());
    ASSERT_EQ(list->count(), 30);  // today's runs of 中２
    EXPECT_EQ(list->lines()[0], QStringLiteral("  31秒 06:00Ⅱ生徒31　Ⅱ4"));
    EXPECT_FALSE(child<QWidget>(home, "Combo2")->isVisibleTo(home));  // not the all-runs list
    EXPECT_TRUE(child<QWidget>(home, "Picture1")->isEnabled());
}

// After sign-in ﾀｲﾑ表示 is selected under the activation's captions; a click on it, already
// selected, runs its handler as any click does (mouse or key), a toggle action once.
TEST_F(HomeScreenTest, AClickOnTheSelectedOptionRunsItsHandler) {
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    auto* times = child<QRadioButton>(home, "Option2_0");
    auto* best = child<QRadioButton>(home, "Option1_1");
    auto* today = child<QRadioButton>(home, "Option1_2");
    ASSERT_TRUE(times->isChecked());
    EXPECT_EQ(best->text(), QStringLiteral("累計順"));
    QTest::mouseClick(times, Qt::LeftButton);
    settle();
    EXPECT_EQ(best->text(), QStringLiteral("BEST表示"));
    EXPECT_EQ(today->text(), QStringLiteral("本日のみ"));

    // Each way of choosing builds the list once, as a click on an option not selected does.
    auto* list = child<RecordListView>(home, "List5_1");
    QSignalSpy filled(list->model(), &QAbstractItemModel::modelReset);
    QTest::mouseClick(today, Qt::LeftButton);
    settle();
    const qsizetype oneBuild = filled.count();
    EXPECT_GT(oneBuild, 0);
    today->setFocus();
    QTest::keyClick(today, Qt::Key_Space);  // selected already: built again
    settle();
    EXPECT_EQ(filled.count(), 2 * oneBuild);
    QTest::mouseClick(best, Qt::LeftButton);
    settle();
    filled.clear();
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(today);
    ASSERT_NE(reader, nullptr);
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    settle();
    EXPECT_TRUE(today->isChecked());
    EXPECT_EQ(filled.count(), oneBuild);
}

// A display kind chosen without a click (here by a screen reader's toggle action) builds
// the lists once, and the screen shown after a drill comes back with it.
TEST_F(HomeScreenTest, DisplayKindChosenAnyWayIsBuiltOnceAndKeptAfterADrill) {
    state::roster().count = 1;
    state::roster().lineStudentNo[1] = kStudent;
    state::roster().studentNames[kStudent] = QStringLiteral("山田花子");
    addRun(kStudent, 1, 20);
    HomeScreen* home = openHome();
    ASSERT_NE(home, nullptr);
    auto* list = child<RecordListView>(home, "List5_1");
    QSignalSpy filled(list->model(), &QAbstractItemModel::modelReset);
    QAccessibleInterface* points =
        QAccessible::queryAccessibleInterface(child<QRadioButton>(home, "Option2_1"));
    ASSERT_NE(points, nullptr);
    points->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    settle();
    EXPECT_EQ(filled.count(), 2);  // emptied and filled once
    const QStringList ranking{QStringLiteral(" 1●山田花子　 12/   12")};
    EXPECT_EQ(list->lines(), ranking);

    // A drill closes the screen; the end of the drill shows a new one.
    home->close();
    settle();
    home = openHome();
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(child<QRadioButton>(home, "Option2_1")->isChecked());
    list = child<RecordListView>(home, "List5_1");
    EXPECT_EQ(list->lines(), ranking);

    // All runs by points: the longest line (a five-digit time) is not clipped beside the
    // scroll bar, and Combo2, without entries, stays hidden.
    for (int i = 0; i < 40; ++i) addRun(3, 1, 12345);
    child<QRadioButton>(home, "Option1_3")->click();
    settle();
    ASSERT_EQ(list->count(), 41);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(child<QWidget>(home, "Combo2")->isVisibleTo(home));
}

}  // namespace
