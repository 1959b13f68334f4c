#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <QUrl>

#include "app/shared_state.h"
#include "support/startup_env.h"

TEST(DrillCatalogue, TablesAreEmptyUntilTheFirstSignIn) {
    StartupEnv env;
    catalogue::setTitle();
    EXPECT_EQ(shared.drillTitle, "ならびタッチ");
    EXPECT_EQ(shared.levelCount, 0);
    EXPECT_EQ(shared.levelNames[1], "");
    EXPECT_EQ(shared.timedLevel[1], 0);
}

TEST(DrillCatalogue, SignInFillsEveryLevel) {
    StartupEnv env;
    catalogue::fillLevelTables();

    EXPECT_EQ(shared.levelCount, 4);
    EXPECT_EQ(shared.topLevel, 4);
    const QStringList names = {
        "１ずつ増加", "１～２ずつ増加", "１～３ずつ増加", "１～４ずつ増加", "範囲３練",
        "範囲３",     "範囲４練",       "範囲４",         "範囲５練",       "範囲５",
        "範囲６練",   "範囲６",         "範囲７練",       "範囲７",         "範囲８練",
        "範囲８",     "範囲９練",       "範囲９",         "範囲１０練",     "範囲１０",
    };
    for (int level = 1; level <= 20; ++level) {
        EXPECT_EQ(shared.levelNames[level], names[level - 1]) << level;
        EXPECT_EQ(shared.timedLevel[level], 1) << level;
        EXPECT_EQ(isPracticeLevel(level), level >= 5 && level % 2 == 1) << level;
    }
    // The tilde is the full-width one, as the stored results and other programs expect.
    EXPECT_EQ(shared.levelNames[4][1], QChar(0xFF5E));
    for (int level : {0, 21, 35}) {
        EXPECT_EQ(shared.levelNames[level], "") << level;
        EXPECT_EQ(shared.timedLevel[level], 0) << level;
    }
}

TEST(DrillCatalogue, SigningInAgainLeavesTheSameTables) {
    StartupEnv env;
    catalogue::fillLevelTables();
    const SharedState first = shared;
    shared.levelNames[3] = "changed";
    shared.timedLevel[3] = 0;
    catalogue::fillLevelTables();
    EXPECT_EQ(shared.levelNames, first.levelNames);
    EXPECT_EQ(shared.timedLevel, first.timedLevel);
    EXPECT_EQ(shared.levelCount, first.levelCount);
}

TEST(DrillCatalogue, HelpOpensTheDrillPageBesideTheProgram) {
    StartupEnv env;
    shared.programFolder = QStringLiteral("/opt/ならび タッチ/");
    EXPECT_EQ(QUrl(catalogue::helpAddress()).toLocalFile(),
              QStringLiteral("/opt/ならび タッチ/help/narabitouch.htm"));
}
