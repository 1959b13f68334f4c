#include "course/catalogue.h"

#include <gtest/gtest.h>

#include <QUrl>

#include "course/levels.h"
#include "state/course.h"
#include "state/session.h"
#include "state/settings.h"
#include "support/startup_env.h"

TEST(DrillCatalogue, SignInFillsEveryLevel) {
    StartupEnv env;
    catalogue::fillLevelTables();

    EXPECT_EQ(state::course().levelCount, 4);
    EXPECT_EQ(state::course().topLevel, 4);
    // The tilde is the full-width one, as the stored results and other programs expect.
    EXPECT_EQ(state::course().levelNames[4], QStringLiteral("１\uFF5E４ずつ増加"));
    EXPECT_EQ(state::course().timedLevel[20], 1);
    // Practice levels are those whose names say so.
    for (int level = 1; level <= 20; ++level)
        EXPECT_EQ(course::isPractice(level), state::course().levelNames[level].contains(u'練'))
            << level;
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
