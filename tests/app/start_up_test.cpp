#include "app/start_up.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include "course/grades.h"
#include "platform/errors.h"
#include "results/level_targets.h"
#include "roster/roster.h"
#include "sound/sound.h"
#include "state/course.h"
#include "state/settings.h"
#include "support/startup_env.h"
#include "support/temp_files.h"

namespace {

const QStringList kCommonLines = {
    "4", "\"12345さくら教室\"", "1", "7", "\"a\"", "\"b\"", "\"c\"", "\"d\"", "\"e\"", "\"f\"",
};

QStringList settingsLines(const QString& layout) {
    return {layout + ",0,0,0,0", "\"x\",\"y\",0,0,0"};
}

// Expects f() to raise a run-time error with the number whose message names `file`.
template <class F>
void expectError(F&& f, int number, const QString& file, const QString& alsoNamed = {}) {
    try {
        f();
        ADD_FAILURE() << "no run-time error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), number) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(file)) << e.message().toStdString();
        if (!alsoNamed.isEmpty()) {
            EXPECT_TRUE(e.message().contains(alsoNamed)) << e.message().toStdString();
        }
    }
}

}  // namespace

TEST(StartupFolders, FilesLayoutPutsSharedFilesInTheParentsFilesFolder) {
    const FolderLayout f = resolveFolders("/srv/drills/numbers", 1);
    EXPECT_EQ(f.programFolder, "/srv/drills/numbers/");
    EXPECT_EQ(f.baseFolder, "/srv/drills/numbers/../files/");
    EXPECT_EQ(f.dataFolder, "/srv/drills/numbers/");
    EXPECT_EQ(f.soundFolder, "/srv/drills/numbers/../files/../files/");
    EXPECT_EQ(f.programFolderName, "numbers");
}

TEST(StartupFolders, AnyOtherModeUsesTheFlatLayout) {
    for (double mode : {0.0, 2.0, -1.0}) {
        const FolderLayout f = resolveFolders("/srv/drills/numbers", mode);
        EXPECT_EQ(f.programFolder, "/srv/drills/numbers/");
        EXPECT_EQ(f.baseFolder, "/srv/drills/numbers/../");
        EXPECT_EQ(f.dataFolder, "/srv/drills/numbers/../numbers/");
        EXPECT_EQ(f.soundFolder, "/srv/drills/numbers/../音フォルダ/");
    }
}

TEST(StartupClassroom, CodeIsSplitOnlyWhenTheFirstFiveCharactersAreANonZeroNumber) {
    struct Case {
        QString text, code, name;
    };
    const Case cases[] = {
        {"12345教室", "12345", "教室"}, {"さくら教室", "", "さくら教室"}, {"00000x", "", "00000x"},
        {"1abcdName", "1abcd", "Name"}, {"12345", "12345", ""},           {"", "", ""},
    };
    for (const Case& c : cases) {
        QString code = "old", name;
        splitClassroomCode(c.text, &code, &name);
        EXPECT_EQ(code, c.code) << c.text.toStdString();
        EXPECT_EQ(name, c.name) << c.text.toStdString();
    }
}

TEST(StartupSettings, FilesLayoutReadsBothFilesAndSetsEverySetting) {
    StartupEnv env;
    const QString prog = env.dir("numbers");
    ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", settingsLines("1")));
    ASSERT_TRUE(testfiles::writeAnsiLines(env.dir("files/共通データ.txt"), kCommonLines));

    loadSettings(prog);

    EXPECT_EQ(state::settingsAtStartUp().screenBackColor, qRgb(0, 128, 128));
    EXPECT_EQ(state::settingsAtStartUp().layoutMode, 1);
    EXPECT_EQ(state::settingsAtStartUp().programFolder, prog + "/");
    EXPECT_EQ(state::settingsAtStartUp().baseFolder, prog + "/../files/");
    EXPECT_EQ(state::settingsAtStartUp().dataFolder, prog + "/");
    EXPECT_EQ(state::settingsAtStartUp().soundFolder, prog + "/../files/../files/");
    EXPECT_EQ(state::settingsAtStartUp().schoolYearStartMonth, 4);
    EXPECT_EQ(state::settingsAtStartUp().classroomCode, "12345");
    EXPECT_EQ(state::settingsAtStartUp().classroomName, "さくら教室");
    EXPECT_EQ(state::settingsAtStartUp().status2Active, 1);
    EXPECT_EQ(state::settingsAtStartUp().homeUse, 1);
}

TEST(StartupSettings, FlatLayoutFindsTheCommonDataInTheParent) {
    for (const QString& first : {QString("0"), QString("2"), QString()}) {
        StartupEnv env;
        const QString prog = env.dir("numbers");
        ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", settingsLines(first)));
        QStringList common = kCommonLines;
        common[1] = "\"さくら教室\"";
        ASSERT_TRUE(testfiles::writeAnsiLines(env.dir("共通データ.txt"), common));

        loadSettings(prog);

        EXPECT_EQ(state::settingsAtStartUp().layoutMode, first == "2" ? 2 : 0);
        EXPECT_EQ(state::settingsAtStartUp().baseFolder, prog + "/../");
        EXPECT_EQ(state::settingsAtStartUp().dataFolder, prog + "/../numbers/");
        EXPECT_EQ(state::settingsAtStartUp().soundFolder, prog + "/../音フォルダ/");
        EXPECT_TRUE(QFileInfo(state::settingsAtStartUp().dataFolder).isDir());
        EXPECT_EQ(state::settingsAtStartUp().classroomCode, "");
        EXPECT_EQ(state::settingsAtStartUp().classroomName, "さくら教室");
    }
}

TEST(StartupSettings, MissingOrShortFilesStopTheStartUpNamingTheFile) {
    StartupEnv env;
    const QString prog = env.dir("numbers");
    const QString common = env.dir("files/共通データ.txt");
    auto load = [&] { loadSettings(prog); };

    expectError(load, platform::errFileNotFound, "設定.txt");

    ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", {"1,0,0,0,0,0,0,0,0"}));
    expectError(load, platform::errInputPastEnd, "設定.txt");

    ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", settingsLines("1")));
    expectError(load, platform::errFileNotFound, "共通データ.txt");

    ASSERT_TRUE(testfiles::writeAnsiLines(common, kCommonLines.mid(0, 9)));
    expectError(load, platform::errInputPastEnd, "共通データ.txt");

    QStringList badStatus = kCommonLines;
    badStatus[2] = "はい";
    ASSERT_TRUE(testfiles::writeAnsiLines(common, badStatus));
    expectError(load, platform::errTypeMismatch, "共通データ.txt");
}

TEST(StartupSettings, AnyStartMonthIsTakenAndOnlyTextIsRefused) {
    StartupEnv env;
    const QString prog = env.dir("numbers");
    ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", settingsLines("1")));
    // As on the Windows machines: the school year still follows from the month.
    for (const auto& [month, value] :
         {std::pair{QString("13"), 13.0}, std::pair{QString("0"), 0.0},
          std::pair{QString("\"\""), 0.0}, std::pair{QString("4.5"), 4.5}}) {
        QStringList common = kCommonLines;
        common[0] = month;
        ASSERT_TRUE(testfiles::writeAnsiLines(env.dir("files/共通データ.txt"), common));
        loadSettings(prog);
        EXPECT_EQ(state::settingsAtStartUp().schoolYearStartMonth, value) << month.toStdString();
    }
    EXPECT_EQ(schoolYearFor(2026, 12, 13), 2025);
    EXPECT_EQ(schoolYearFor(2026, 1, 0), 2026);
    QStringList common = kCommonLines;
    common[0] = "四月";
    ASSERT_TRUE(testfiles::writeAnsiLines(env.dir("files/共通データ.txt"), common));
    expectError([&] { loadSettings(prog); }, platform::errTypeMismatch, "共通データ.txt");
}

TEST(StartupSettings, StartUpLoadsTitleTargetsAndSounds) {
    StartupEnv env;
    const QString prog = env.dir("numbers");
    ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", settingsLines("1")));
    ASSERT_TRUE(testfiles::writeAnsiLines(env.dir("files/共通データ.txt"), kCommonLines));
    ASSERT_TRUE(
        testfiles::writeAnsiLines(prog + "/タイム回数データ.txt", {"30,60,100,3,1,0,0,7,7,0,0,0"}));
    ASSERT_TRUE(
        testfiles::writeAnsiLines(env.dir("files/新音ファイル.txt"), {"正解音1", "ピンポン", "*"}));

    ProgramState program;
    startUp(prog, program);

    EXPECT_EQ(state::settingsAtStartUp().drillTitle, "ならびタッチ");
    EXPECT_EQ(state::course().levelTargets[1].passTime, 30);
    EXPECT_EQ(program.sounds.table()[soundSolved].count, "1");
    EXPECT_EQ(program.sounds.table()[soundSolved].files[0], "ピンポン");
}

TEST(StartupSettings, StartUpStopsOnAMissingTargetsFile) {
    StartupEnv env;
    const QString prog = env.dir("numbers");
    ASSERT_TRUE(testfiles::writeAnsiLines(prog + "/設定.txt", settingsLines("1")));
    ASSERT_TRUE(testfiles::writeAnsiLines(env.dir("files/共通データ.txt"), kCommonLines));
    ProgramState program;
    expectError([&] { startUp(prog, program); }, platform::errFileNotFound, "タイム回数データ.txt");
}
