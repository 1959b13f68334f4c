#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "state/course.h"
#include "state/settings.h"
#include "support/screen_fixture.h"

namespace {

class EndScreenTest : public ScreenFixture {
  protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        flow.holdBack({TestFlow::ShowHome});
    }

    // A run recorded at the level with the flags the recorder set.
    EndScreen* finishRun(int level, qint32 time, int personalBest = 0, int levelBest = 0,
                         int endReason = 0) {
        RunOutcome outcome;
        outcome.run = FinishedRun{kStudent, static_cast<qint16>(level), time};
        outcome.endReason = endReason;
        outcome.personalBest = personalBest != 0;
        outcome.levelBest = levelBest != 0;
        outcome.clearedBefore = clearedBefore;
        addRun(kStudent, level, time);
        flow.showEndScreen(outcome);
        settle();
        EndScreen* screen = flow.endScreen();
        EXPECT_NE(screen, nullptr);
        if (screen) {
            EXPECT_TRUE(screen->evaluated());
        }
        return screen;
    }

    // The second phase comes half a second after the evaluation; its timer fires at once
    // here (the whole-program test waits for it).
    static void waitForSecondPhase(EndScreen* screen) {
        screen->secondPhase();
        EXPECT_TRUE(child<QPushButton>(screen, "Command4")->isVisibleTo(screen));
    }

    QString text(QWidget* screen, const char* name) { return child<QLabel>(screen, name)->text(); }
    bool shown(QWidget* screen, const char* name) {
        return child<QWidget>(screen, name)->isVisibleTo(screen);
    }
    QString sound(const QString& file) const {
        return QStringLiteral("play ") + state::settingsAtStartUp().soundFolder + file +
               QStringLiteral(" wait");
    }

    bool clearedBefore = false;  // what the recorder found before the run
};

TEST_F(EndScreenTest, PersonalBestRun) {
    addRun(kStudent, 1, 40);
    EndScreen* screen = finishRun(1, 10, 1, 0);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("終了"));
    EXPECT_EQ(text(screen, "Label18"), QStringLiteral("今の成績：10秒"));
    EXPECT_EQ(text(screen, "Label19"), QStringLiteral("獲得ポイント：19点×2→38点"));
    EXPECT_EQ(text(screen, "Label20"), QStringLiteral("新記録おめでとう"));
    EXPECT_TRUE(shown(screen, "Label20"));
    EXPECT_EQ(text(screen, "Label17"), QStringLiteral("山田花子"));
    EXPECT_EQ(text(screen, "Label15"), QStringLiteral("ならびタッチ"));
    EXPECT_EQ(text(screen, "Label16"), QStringLiteral("１ずつ増加"));
    EXPECT_EQ(text(screen, "Label13"), QStringLiteral(" (このレベル　2回目)"));
    EXPECT_EQ(text(screen, "Label14"), QStringLiteral("（2回目)"));
    // Screen readers are told what the results are.
    const struct {
        const char* label;
        QString name;
    } named[] = {{"Label17", QStringLiteral("名前：山田花子")},
                 {"Label16", QStringLiteral("レベル：１ずつ増加")},
                 {"Label18", QStringLiteral("今の成績：10秒")}};
    for (const auto& n : named) {
        QAccessibleInterface* result =
            QAccessible::queryAccessibleInterface(child<QLabel>(screen, n.label));
        EXPECT_EQ(result ? result->text(QAccessible::Name) : QString(), n.name);
    }
    EXPECT_EQ(media.commands, QStringList{sound(QStringLiteral("self.wav"))});
    // Level 1 cleared (2 drills, 4 + 19 base points x 2), not the goal level.
    EXPECT_TRUE(shown(screen, "Label2"));
    EXPECT_FALSE(shown(screen, "Picture1"));
    EXPECT_EQ(flow.count(TestFlow::CloseWait), 1);

    waitForSecondPhase(screen);
    EXPECT_TRUE(shown(screen, "Command5"));  // freeCount and freePoints 0: never enough practice
    EXPECT_EQ(child<QPushButton>(screen, "Command4")->text(), QStringLiteral("メニューへ"));
    EXPECT_EQ(child<QPushButton>(screen, "Command5")->text(), QStringLiteral("もう一度"));
}

TEST_F(EndScreenTest, BothRecordFlagsGiveOnlyTheBestOfAll) {
    EndScreen* screen = finishRun(2, 25, 1, 1);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(text(screen, "Label20"), QStringLiteral("！！！最高新記録！！！"));
    EXPECT_EQ(media.commands, QStringList{sound(QStringLiteral("最高1.wav"))});
}

TEST_F(EndScreenTest, GoalClearedForTheFirstTime) {
    addRun(kStudent, 4, 20);
    EndScreen* screen = finishRun(4, 20);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(shown(screen, "Picture1"));
    EXPECT_EQ(text(screen, "Label1"), QStringLiteral("目標レベルクリア。おめでとう！"));
    EXPECT_EQ(media.commands,
              QStringList({sound(QStringLiteral("again.wav")), sound(QStringLiteral("合格.wav"))}));
    waitForSecondPhase(screen);
    EXPECT_FALSE(shown(screen, "Picture1"));
    EXPECT_TRUE(shown(screen, "Command5"));
    screen->close();
    settle();

    // Cleared before: the picture, no "合格.wav".
    media.commands.clear();
    clearedBefore = true;
    screen = finishRun(4, 20);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(shown(screen, "Picture1"));
    EXPECT_EQ(media.commands, QStringList{sound(QStringLiteral("again.wav"))});
}

TEST_F(EndScreenTest, PractisedAndClearedLevelSendsTheStudentOn) {
    state::course().levelTargets[2].freeCount = 2;
    addRun(kStudent, 2, 20);
    EndScreen* screen = finishRun(2, 20);
    ASSERT_NE(screen, nullptr);
    waitForSecondPhase(screen);
    EXPECT_EQ(text(screen, "Label2"), QStringLiteral("次のレベルへ進みましょう"));
    EXPECT_TRUE(shown(screen, "Label2"));
    EXPECT_FALSE(shown(screen, "Command5"));
}

TEST_F(EndScreenTest, ZeroPassTimeIsReportedNotDivided) {
    state::course().levelTargets[3].passTime = 0;
    RunOutcome outcome;
    outcome.run = FinishedRun{kStudent, 3, 20};
    flow.showEndScreen(outcome);
    settle();
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("タイム回数データ.txt")));
    EXPECT_FALSE(endCodes.empty());
}

}  // namespace
