#include "sound/sound.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "state/settings.h"
#include "support/startup_env.h"
#include "support/temp_files.h"

namespace {

class SoundPlay : public ::testing::Test {
  protected:
    void SetUp() override { state::settingsAtStartUp().soundFolder = env.dir("音フォルダ/"); }

    void writeList(const QStringList& lines) {
        ASSERT_TRUE(testfiles::writeAnsiLines(
            state::settingsAtStartUp().soundFolder + "新音ファイル.txt", lines));
    }
    QString play(const QString& file) const {
        return "play " + state::settingsAtStartUp().soundFolder + file + ".wav wait";
    }

    StartupEnv env;
    Sounds sounds;
};

const QString kMessage = QStringLiteral("音声がでません。先生を呼びなさい。");

}  // namespace

TEST_F(SoundPlay, ListFillsSectionsInFileOrder) {
    writeList({"正解音1", "a1", "a2", "a3", "*", "関係ない", "\"間違い音1\"", "w1", "*",
               "不合格音1", "*", "自己最高音2,p1,p2,*"});
    sounds.load(state::settingsAtStartUp().soundFolder);

    const SoundTable& t = sounds.table();
    EXPECT_EQ(t[soundSolved].name, "正解音1");
    EXPECT_EQ(t[soundSolved].count, "3");
    EXPECT_EQ(t[soundSolved].files.mid(0, 4), QStringList({"a1", "a2", "a3", ""}));
    EXPECT_EQ(t[soundWrong].count, "1");
    EXPECT_EQ(t[soundWrong].files[0], "w1");
    EXPECT_EQ(t[soundNoRecord].count, "0");
    EXPECT_EQ(t[soundPersonalBest].count, "2");
    EXPECT_EQ(t[soundPersonalBest].files[1], "p2");
    EXPECT_EQ(t[soundCorrect].count, "");  // not in the list
}

TEST_F(SoundPlay, TwentyNamesWithoutCloseLeaveTheCountUnset) {
    QStringList lines = {"正解音2"};
    for (int i = 1; i <= 20; ++i) lines << QString("f%1").arg(i);
    lines << "*"
          << "間違い音2"
          << "n1";  // the last section runs into the end of the list
    writeList(lines);
    sounds.load(state::settingsAtStartUp().soundFolder);

    EXPECT_EQ(sounds.table()[soundCorrect].count, "");
    EXPECT_EQ(sounds.table()[soundCorrect].files[19], "f20");
    EXPECT_EQ(sounds.table()[soundNoName].count, "");
    EXPECT_EQ(sounds.table()[soundNoName].files[0], "n1");

    // Nineteen names and "*" is the longest closed section.
    lines = QStringList{"正解音2"};
    for (int i = 1; i <= 19; ++i) lines << QString("g%1").arg(i);
    writeList(lines << "*");
    sounds.load(state::settingsAtStartUp().soundFolder);
    EXPECT_EQ(sounds.table()[soundCorrect].count, "19");
    EXPECT_EQ(sounds.table()[soundCorrect].files[0], "g1");
    EXPECT_EQ(sounds.table()[soundCorrect].files[19], "");
}

TEST_F(SoundPlay, MissingListIsAFileError) {
    try {
        sounds.load(state::settingsAtStartUp().soundFolder);
        ADD_FAILURE() << "no run-time error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errFileNotFound);
        EXPECT_TRUE(e.message().contains("新音ファイル.txt"));
    }
}

TEST_F(SoundPlay, RandomValuePicksTheEntry) {
    writeList({"正解音2", "c1", "c2", "c3", "*", "正解音1", "only", "*"});
    sounds.load(state::settingsAtStartUp().soundFolder);
    env.random = platform::SequenceRandom({0.0, 0.34, 0.999999, 0.0, 0.5, 0.99});
    for (int i = 0; i < 3; ++i) sounds.playSection(soundCorrect);
    for (int i = 0; i < 3; ++i) sounds.playSection(soundSolved);
    EXPECT_EQ(env.media.commands, QStringList({play("c1"), play("c2"), play("c3"), play("only"),
                                               play("only"), play("only")}));
}

TEST_F(SoundPlay, EmptyOrUnsetSectionNamesOnlyTheExtension) {
    writeList({"間違い音1", "*"});
    sounds.load(state::settingsAtStartUp().soundFolder);
    env.random = platform::SequenceRandom({0.7});
    env.media.codes = {275, 275};
    sounds.playSection(soundWrong);    // closed at once: count 0
    sounds.playSection(soundCorrect);  // missing from the list
    EXPECT_EQ(env.media.commands, QStringList({play(""), play("")}));
    EXPECT_EQ(sounds.failures(), 2);
    EXPECT_TRUE(env.endCodes.isEmpty());

    // Before any list was loaded, and for numbers outside the table, nothing crashes.
    sounds.table() = SoundTable{};
    sounds.playSection(soundSolved);
    sounds.playSection(0);
    sounds.playSection(11);
    EXPECT_EQ(env.media.commands.size(), 5);
}

TEST_F(SoundPlay, FourthFailureInARowEndsTheProgramWithTheMessage) {
    writeList({"正解音1", "ok", "*", "間違い音1", "bad", "*", "間違い音2", "*"});
    sounds.load(state::settingsAtStartUp().soundFolder);
    env.media.codes = {275, 275, 275, 263};
    bool endedBeforeMessageClosed = false;
    env.boxes.onShow = [&](const auto&) { endedBeforeMessageClosed = !env.endCodes.isEmpty(); };
    // Guarded sections share one counter.
    sounds.playSection(soundSolved);
    sounds.playSection(soundWrong);
    sounds.playSection(soundNoName);
    EXPECT_TRUE(env.endCodes.isEmpty());
    sounds.playSection(soundSolved);

    ASSERT_EQ(env.boxes.shown.size(), 1);
    EXPECT_EQ(env.boxes.shown[0].text, kMessage + "\r\n" + platform::mediaErrorText(263));
    EXPECT_EQ(env.boxes.shown[0].title, "音声エラー");
    EXPECT_FALSE(endedBeforeMessageClosed);
    EXPECT_EQ(env.endCodes.size(), 1);
}

TEST_F(SoundPlay, VerdictSoundsFailSilently) {
    writeList({"自己最高音2", "best", "*", "不合格音1", "fail", "*"});
    sounds.load(state::settingsAtStartUp().soundFolder);
    env.media.codes = QList<int>(12, 275);
    for (int i = 0; i < 5; ++i) {
        sounds.playSection(soundPersonalBest);
        sounds.playSection(soundNoRecord);
    }
    sounds.playFixed("最高1.wav");
    sounds.playFixed("合格.wav");
    EXPECT_EQ(sounds.failures(), 0);
    EXPECT_TRUE(env.boxes.shown.isEmpty());
    EXPECT_TRUE(env.endCodes.isEmpty());
    EXPECT_EQ(env.media.commands[0], play("best"));
    EXPECT_EQ(env.media.commands[1], play("fail"));
    EXPECT_EQ(env.media.commands[10],
              "play " + state::settingsAtStartUp().soundFolder + "最高1.wav wait");
    EXPECT_EQ(env.media.commands[11],
              "play " + state::settingsAtStartUp().soundFolder + "合格.wav wait");
}

TEST_F(SoundPlay, VerdictFailuresDoNotCountTowardsTheGuard) {
    writeList({"正解音1", "ok", "*", "自己最高音2", "best", "*"});
    sounds.load(state::settingsAtStartUp().soundFolder);
    env.media.codes = {275, 275, 275, 275, 275, 0};
    sounds.playSection(soundSolved);
    sounds.playSection(soundSolved);
    sounds.playSection(soundPersonalBest);
    sounds.playSection(soundSolved);
    sounds.playSection(soundPersonalBest);
    EXPECT_EQ(sounds.failures(), 3);
    EXPECT_TRUE(env.endCodes.isEmpty());
    sounds.playSection(soundSolved);
    EXPECT_EQ(sounds.failures(), 0);
}

TEST_F(SoundPlay, NamesWrittenOnWindowsFindTheirFiles) {
    // "\" between folders and another letter case than on disk.
    ASSERT_TRUE(testfiles::writeBytes(state::settingsAtStartUp().soundFolder + "Sub/Right.wav",
                                      QByteArray("RIFF")));
    writeList({"正解音1", "SUB\\right", "*"});
    sounds.load(state::settingsAtStartUp().soundFolder);
    sounds.playSection(soundSolved);
    ASSERT_EQ(env.media.commands.size(), 1);
    EXPECT_EQ(env.media.commands[0],
              "play " + state::settingsAtStartUp().soundFolder + "Sub/Right.wav wait");
}
