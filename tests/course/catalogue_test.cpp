#include "course/catalogue.h"

#include <gtest/gtest.h>

#include <QUrl>

#include "course/levels.h"
#include "state/course.h"
#include "state/session.h"
#include "state/settings.h"
#include "support/startup_env.h"

TEST(DrillCatalogue, TablesAreEmptyUntilTheFirstSignIn) {
    StartupEnv env;
    catalogue::setTitle();
    EXPECT_EQ(state::settingsAtStartUp().drillTitle, "ならびタッチ");
    EXPECT_EQ(state::course().levelCount, 0);
    EXPECT_EQ(state::course().levelNames[1], "");
    EXPECT_EQ(state::course().timedLevel[1], 0);
}

TEST(DrillCatalogue, SignInFillsEveryLevel) {
    StartupEnv env;
    catalogue::fillLevelTables();

    EXPECT_EQ(state::course().levelCount, 4);
    EXPECT_EQ(state::course().topLevel, 4);
    const QStringList names = {
        "１ずつ増加", "１～２ずつ増加", "１～３ずつ増加", "１～４ずつ増加", "範囲３練",
        "範囲３",     "範囲４練",       "範囲４",         "範囲５練",       "範囲５",
        "範囲６練",   "範囲６",         "範囲７練",       "範囲７",         "範囲８練",
        "範囲８",     "範囲９練",       "範囲９",         "範囲１０練",     "範囲１０",
    };
    for (int level = 1; level <= 20; ++level) {
        EXPECT_EQ(state::course().levelNames[level], names[level - 1]) << level;
        EXPECT_EQ(state::course().timedLevel[level], 1) << level;
        EXPECT_EQ(course::isPractice(level), level >= 5 && level % 2 == 1) << level;
    }
    // The tilde is the full-width one, as the stored results and other programs expect.
    EXPECT_EQ(state::course().levelNames[4][1], QChar(0xFF5E));
    for (int level : {0, 21, 35}) {
        EXPECT_EQ(state::course().levelNames[level], "") << level;
        EXPECT_EQ(state::course().timedLevel[level], 0) << level;
    }
}

TEST(DrillCatalogue, SigningInAgainLeavesTheSameTables) {
    StartupEnv env;
    catalogue::fillLevelTables();
    const state::Course first = state::course();
    state::course().levelNames[3] = "changed";
    state::course().timedLevel[3] = 0;
    catalogue::fillLevelTables();
    EXPECT_EQ(state::course().levelNames, first.levelNames);
    EXPECT_EQ(state::course().timedLevel, first.timedLevel);
    EXPECT_EQ(state::course().levelCount, first.levelCount);
}

TEST(DrillCatalogue, HelpOpensTheDrillPageBesideTheProgram) {
    StartupEnv env;
    state::settingsAtStartUp().programFolder = QStringLiteral("/opt/ならび タッチ/");
    EXPECT_EQ(QUrl(catalogue::helpAddress()).toLocalFile(),
              QStringLiteral("/opt/ならび タッチ/help/narabitouch.htm"));
}
