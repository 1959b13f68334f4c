// The whole program in one process: the record lists, the charts and the log after runs.

#include <gtest/gtest.h>

#include "support/whole_program_fixture.h"

namespace {

// Two students run level 1; the record lists of the home screen then show them.
TEST_F(WholeProgramTest, RecordListsAfterTwoStudentsRan) {
    ASSERT_TRUE(started);
    HomeScreen* home = signIn(2);
    ASSERT_NE(home, nullptr);
    home = backToMenu(runDrill(startLevel(home, 1)));  // 山田花子: 10 s, 19 points
    ASSERT_NE(home, nullptr);
    clickButton(home, QStringLiteral("Command1"));
    ASSERT_TRUE(waitFor([this] {
        return program->flow().nameSelection() && program->flow().nameSelection()->isVisible();
    }));
    home = signIn(3, 3);
    ASSERT_NE(home, nullptr);
    home = backToMenu(runDrill(startLevel(home, 1), true));  // 佐藤太郎: 20 s, 6 points
    ASSERT_NE(home, nullptr);
    const QList<ResultRecord> log = records();
    ASSERT_EQ(log.size(), 2);

    // The screen comes up with the best times (佐藤太郎 is signed in: ●).
    EXPECT_TRUE(child<QRadioButton>(home, QStringLiteral("Option2_0"))->isChecked());
    EXPECT_EQ(listLines(home, 1), (QStringList{QStringLiteral(" 1②山田花子　    10 　"),
                                               QStringLiteral(" 2●佐藤太郎　    20 ●"),
                                               QStringLiteral("--Ⅱ鈴木一郎　------ 　")}));
    EXPECT_EQ(listLines(home, 2).size(), 3);

    ASSERT_TRUE(chooseList(home, QStringLiteral("Option2_1")));  // points, all-time
    EXPECT_EQ(child<QRadioButton>(home, QStringLiteral("Option1_1"))->text(),
              QStringLiteral("合計累計"));
    EXPECT_EQ(listLines(home, 1), (QStringList{QStringLiteral(" 1②山田花子　 19/   19"),
                                               QStringLiteral(" 2●佐藤太郎　  6/    6"),
                                               QStringLiteral(" 3Ⅱ鈴木一郎　  0/    0")}));
    ASSERT_TRUE(chooseList(home, QStringLiteral("Option1_2")));  // today's points
    EXPECT_EQ(listLines(home, 1).size(), 2);

    ASSERT_TRUE(chooseList(home, QStringLiteral("Option2_0")));
    ASSERT_TRUE(chooseList(home, QStringLiteral("Option1_2")));  // today's runs
    const auto hhmm = [&](int i) {
        return platform::timeFromFraction(log[i].timeOfDay).toString(QStringLiteral("hh:mm"));
    };
    EXPECT_EQ(listLines(home, 1),
              (QStringList{QStringLiteral("  10秒 ") + hhmm(0) + QStringLiteral("②山田花子　②19"),
                           QStringLiteral("  20秒 ") + hhmm(1) + QStringLiteral("●佐藤太郎　●6")}));
    ASSERT_TRUE(chooseList(home, QStringLiteral("Option1_3")));  // all runs
    EXPECT_EQ(listLines(home, 1), (QStringList{QStringLiteral("  10秒 12/08②山田花子　②19"),
                                               QStringLiteral("  20秒 12/08●佐藤太郎　●6")}));
    EXPECT_FALSE(child<QWidget>(home, QStringLiteral("Combo2"))->isVisible());  // no entries

    ASSERT_TRUE(chooseList(home, QStringLiteral("Option2_2")));  // own runs
    EXPECT_EQ(listLines(home, 1),
              QStringList{
                  QStringLiteral("2026/12/08 ") +
                  platform::timeFromFraction(log[1].timeOfDay).toString(QStringLiteral("H:mm:ss")) +
                  QStringLiteral("  20秒")});
    EXPECT_TRUE(child<QWidget>(home, QStringLiteral("Command17"))->isVisible());
    EXPECT_EQ(child<QListWidget>(home, QStringLiteral("List2"))->count(), 3);
    EXPECT_TRUE(child<QPushButton>(home, QStringLiteral("Command1"))->isEnabled());
    EXPECT_TRUE(boxes.shown.isEmpty());
}

// After a run the own-runs list offers the charts; "グラフ" opens them for the signed-in
// student with the first three levels, the run a red dot on the first card.
TEST_F(WholeProgramTest, ChartPanelAfterARun) {
    ASSERT_TRUE(started);
    HomeScreen* home = signIn(2);
    ASSERT_NE(home, nullptr);
    home = backToMenu(runDrill(startLevel(home, 1)));
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(chooseList(home, QStringLiteral("Option2_2")));
    clickButton(home, QStringLiteral("Command17"));
    EXPECT_TRUE(child<QWidget>(home, QStringLiteral("Picture11"))->isVisible());
    auto* levels = child<QListWidget>(home, QStringLiteral("List3"));
    ASSERT_EQ(levels->count(), 4);
    EXPECT_EQ(levels->selectedItems().size(), 3);
    EXPECT_FALSE(levels->item(3)->isSelected());

    const QImage chart = child<QWidget>(home, QStringLiteral("Picture12"))->grab().toImage();
    int redTop = chart.height();
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const QColor c = chart.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) redTop = std::min(redTop, y);
        }
    EXPECT_GT(redTop, chart.height() * 0.05);
    EXPECT_LT(redTop, chart.height() * 0.35);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

}  // namespace
