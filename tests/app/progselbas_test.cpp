#include "app/progselbas.h"

#include <gtest/gtest.h>

#include "app/hensuu1.h"
#include "app/screens.h"
#include "support/startup_env.h"

namespace {

// Counts the screens the catalogue asks for; puts the previous hooks back afterwards.
class ScreenCalls {
  public:
    ScreenCalls() : saved_(screens::hooks()) {
        screens::hooks() = screens::Hooks{};
        screens::hooks().showHomeScreen = [this] {
            ++homeShown;
            namesWhenShown = hensuu1.levelNames[1];
        };
        screens::hooks().showHelpBrowser = [this] {
            ++helpShown;
            urlWhenShown = hensuu1.helpUrl;
        };
    }
    ~ScreenCalls() { screens::hooks() = saved_; }

    int homeShown = 0;
    int helpShown = 0;
    QString namesWhenShown;
    QString urlWhenShown;

  private:
    screens::Hooks saved_;
};

}  // namespace

TEST(DrillCatalogue, TablesAreEmptyUntilTheFirstSignIn) {
    StartupEnv env;
    progselbas::setTitle();
    EXPECT_EQ(hensuu1.drillTitle, "ならびタッチ");
    EXPECT_EQ(hensuu1.levelCount, 0);
    EXPECT_EQ(hensuu1.levelNames[1], "");
    EXPECT_EQ(hensuu1.timedLevel[1], 0);
}

TEST(DrillCatalogue, OpenCourseFillsEveryLevelThenShowsTheHomeScreen) {
    StartupEnv env;
    ScreenCalls calls;
    progselbas::openCourse();

    EXPECT_EQ(calls.homeShown, 1);
    EXPECT_EQ(calls.namesWhenShown, "１ずつ増加");
    EXPECT_EQ(hensuu1.levelCount, 4);
    EXPECT_EQ(hensuu1.topLevel, 4);
    const QStringList names = {
        "１ずつ増加", "１～２ずつ増加", "１～３ずつ増加", "１～４ずつ増加", "範囲３練",
        "範囲３",     "範囲４練",       "範囲４",         "範囲５練",       "範囲５",
        "範囲６練",   "範囲６",         "範囲７練",       "範囲７",         "範囲８練",
        "範囲８",     "範囲９練",       "範囲９",         "範囲１０練",     "範囲１０",
    };
    for (int level = 1; level <= 20; ++level) {
        EXPECT_EQ(hensuu1.levelNames[level], names[level - 1]) << level;
        EXPECT_EQ(hensuu1.timedLevel[level], 1) << level;
        EXPECT_EQ(isPracticeLevel(level), level >= 5 && level % 2 == 1) << level;
    }
    // The tilde is the full-width one, as the stored results and other programs expect.
    EXPECT_EQ(hensuu1.levelNames[4][1], QChar(0xFF5E));
    for (int level : {0, 21, 35}) {
        EXPECT_EQ(hensuu1.levelNames[level], "") << level;
        EXPECT_EQ(hensuu1.timedLevel[level], 0) << level;
    }
}

TEST(DrillCatalogue, SigningInAgainLeavesTheSameTables) {
    StartupEnv env;
    progselbas::fillLevelTables();
    const Hensuu1 first = hensuu1;
    hensuu1.levelNames[3] = "changed";
    hensuu1.timedLevel[3] = 0;
    progselbas::fillLevelTables();
    EXPECT_EQ(hensuu1.levelNames, first.levelNames);
    EXPECT_EQ(hensuu1.timedLevel, first.timedLevel);
    EXPECT_EQ(hensuu1.levelCount, first.levelCount);
}

TEST(DrillCatalogue, HelpOpensTheDrillPageOnTheSite) {
    StartupEnv env;
    ScreenCalls calls;
    progselbas::openHelp();
    EXPECT_EQ(calls.helpShown, 1);
    EXPECT_EQ(calls.urlWhenShown, "https://www.quillmark5.example/narabitouch.htm");
    EXPECT_EQ(hensuu1.helpUrl, calls.urlWhenShown);
}
