#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Sound sections of "新音ファイル.txt".
enum SoundSection {
    soundSolved = 1,        // 正解音1
    soundCorrect = 2,       // 正解音2
    soundWrong = 3,         // 間違い音1
    soundNoName = 4,        // 間違い音2
    soundPersonalBest = 8,  // 自己最高音2
    soundNoRecord = 10,     // 不合格音1
};

struct SoundSectionEntry {
    QString name;
    QStringList files;  // entries 1..20 as files[0..19]
    QString count;      // decimal text; empty while no closing "*" was read
};

using SoundTable = std::array<SoundSectionEntry, 11>;  // index 1..10

SoundTable& soundTable();
int& soundFailures();

// Reads soundFolder + "新音ファイル.txt".
void loadSoundTable();
// Plays a random file of section n (guarded for sections 1 to 4).
void playSection(int n);
// Plays "最高1.wav" or "合格.wav" from the sound folder; failures are ignored.
void playFixed(const QString& fileName);
