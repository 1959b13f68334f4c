#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

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

// The program's sounds: the sections read from the list in the sound folder, and the
// failure guard of sections 1 to 4 (three failures in a row pass silently, the fourth ends
// the program after its message).
class Sounds {
  public:
    Sounds();

    // Reads soundFolder + "新音ファイル.txt"; every sound is played from that folder.
    void load(const QString& soundFolder);
    // The folder sounds are played from, without reading the list.
    void setFolder(const QString& soundFolder) { folder_ = soundFolder; }

    // Plays a random file of section n (guarded for sections 1 to 4). The call returns at
    // once; `then` runs once the sound has ended, unless `context` is gone by then or the
    // failures ended the program. Until then the student's presses wait.
    void playSection(int n, QObject* context = nullptr, std::function<void()> then = {});
    // Plays "最高1.wav" or "合格.wav" from the sound folder, then `then`; failures are ignored.
    void playFixed(const QString& fileName, QObject* context = nullptr,
                   std::function<void()> then = {});

    SoundTable& table() { return table_; }
    const SoundTable& table() const { return table_; }
    // Guarded failures in a row so far.
    int failures() const { return failures_; }

  private:
    QString pickFile(int n) const;
    QString playCommand(const QString& fileName) const;
    bool guardPassed(int code);

    QString folder_;
    SoundTable table_;
    int failures_ = 0;
};
