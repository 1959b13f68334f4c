#include "results/level_targets.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "state/course.h"
#include "state/settings.h"
#include "support/startup_env.h"
#include "support/temp_files.h"

namespace {

QString targetsPath(const StartupEnv& env) {
    return env.dir("data/タイム回数データ.txt");
}

QStringList rows(int count) {
    QStringList lines;
    for (int level = 1; level <= count; ++level)
        lines << QString("%1,%2,100,3,2,4,50,7,14,1,2,3").arg(level * 10).arg(level * 20);
    return lines;
}

platform::RuntimeError loadError(const QString& path) {
    try {
        loadLevelTargetsFrom(path);
    } catch (const platform::RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "no run-time error";
    return platform::RuntimeError(0, {});
}

}  // namespace

TEST(LevelTargetsLoad, TwelveValuesOfALineFillOneLevel) {
    StartupEnv env;
    state::settingsAtStartUp().dataFolder = env.dir("data/");
    ASSERT_TRUE(testfiles::writeAnsiLines(
        targetsPath(env),
        {"45, 90 ,9999,\"12\",3,5,200,7,30,-1,2.5,0", "2147483647,0,0,-32768,0,0,0,0,0,0,0,0"}));

    loadLevelTargets();

    const LevelTarget& t = state::course().levelTargets[1];
    EXPECT_EQ(t.passTime, 45);
    EXPECT_EQ(t.secondTime, 90);
    EXPECT_EQ(t.clearPoints, 9999);
    EXPECT_EQ(t.clearCount, 12);
    EXPECT_EQ(t.pointWeight, 3);
    EXPECT_EQ(t.freeCount, 5);
    EXPECT_EQ(t.freePoints, 200);
    EXPECT_EQ(t.clearWindowDays, 7);
    EXPECT_EQ(t.freeWindowDays, 30);
    EXPECT_EQ(t.extra[0], -1);
    EXPECT_EQ(t.extra[1], 2.5);
    EXPECT_EQ(t.extra[2], 0);
    EXPECT_EQ(state::course().levelTargets[2].passTime, 2147483647);
    EXPECT_EQ(state::course().levelTargets[2].clearCount, -32768);
}

TEST(LevelTargetsLoad, FewerLinesLeaveTheOtherLevelsAtZero) {
    StartupEnv env;
    const QString path = targetsPath(env);
    ASSERT_TRUE(testfiles::writeAnsiLines(path, rows(35)));
    loadLevelTargetsFrom(path);
    EXPECT_EQ(state::course().levelTargets[35].passTime, 350);

    // Blank lines at the end are no rows.
    ASSERT_TRUE(testfiles::writeAnsiLines(path, rows(3) << ""
                                                        << "  "));
    loadLevelTargetsFrom(path);
    EXPECT_EQ(state::course().levelTargets[3].passTime, 30);
    EXPECT_EQ(state::course().levelTargets[3].secondTime, 60);
    for (int level : {0, 4, 35}) {
        SCOPED_TRACE(level);
        EXPECT_EQ(state::course().levelTargets[level].passTime, 0);
        EXPECT_EQ(state::course().levelTargets[level].clearCount, 0);
        EXPECT_EQ(state::course().levelTargets[level].freeWindowDays, 0);
        EXPECT_EQ(state::course().levelTargets[level].extra[2], 0);
    }
}

TEST(LevelTargetsLoad, AThirtySixthLineIsASubscriptError) {
    StartupEnv env;
    const QString path = targetsPath(env);
    ASSERT_TRUE(testfiles::writeAnsiLines(path, rows(36)));
    const platform::RuntimeError e = loadError(path);
    EXPECT_EQ(e.number(), platform::errSubscriptOutOfRange);
    EXPECT_TRUE(e.message().contains("タイム回数データ.txt"));
    EXPECT_TRUE(e.message().contains("36 行目")) << e.message().toStdString();
}

TEST(LevelTargetsLoad, MissingFileAndBadValuesNameTheFile) {
    StartupEnv env;
    const QString path = targetsPath(env);
    platform::RuntimeError e = loadError(path);
    EXPECT_EQ(e.number(), platform::errFileNotFound);
    EXPECT_TRUE(e.message().contains("タイム回数データ.txt"));

    struct Case {
        QString line;
        int number;
    };
    const Case cases[] = {
        {"30,60,100,3,2,4,50,7,14,1,2", platform::errInputPastEnd},
        {"30,60,100,40000,2,4,50,7,14,1,2,3", platform::errOverflow},
        {"3000000000,60,100,3,2,4,50,7,14,1,2,3", platform::errOverflow},
        {"30,abc,100,3,2,4,50,7,14,1,2,3", platform::errTypeMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        ASSERT_TRUE(testfiles::writeAnsiLines(path, {c.line}));
        e = loadError(path);
        EXPECT_EQ(e.number(), c.number);
        EXPECT_TRUE(e.message().contains("タイム回数データ.txt"));
    }
}

TEST(LevelTargetsLoad, ALineWithoutTwelveValuesIsRefusedNotShifted) {
    StartupEnv env;
    state::settingsAtStartUp().dataFolder = env.dir("data/");
    QStringList lines = rows(3);
    lines[1] = "20,40,100,3,2,4,50,7,14,1,2";  // eleven values
    ASSERT_TRUE(testfiles::writeAnsiLines(targetsPath(env), lines));
    platform::RuntimeError shortLine = loadError(targetsPath(env));
    EXPECT_EQ(shortLine.number(), platform::errTypeMismatch);
    EXPECT_TRUE(shortLine.detail().startsWith(QStringLiteral("2 行目")))
        << qPrintable(shortLine.detail());

    lines = rows(3);
    lines[0] += ",9";  // thirteen values
    ASSERT_TRUE(testfiles::writeAnsiLines(targetsPath(env), lines));
    platform::RuntimeError longLine = loadError(targetsPath(env));
    EXPECT_EQ(longLine.number(), platform::errTypeMismatch);
    EXPECT_TRUE(longLine.detail().startsWith(QStringLiteral("1 行目")))
        << qPrintable(longLine.detail());
    EXPECT_EQ(longLine.file(), targetsPath(env));
}
