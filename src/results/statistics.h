#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

#include "course/level_locks.h"
#include "state/course.h"
#include "state/roster.h"

// One entry of the record list read from the results log.
struct ResultEntry {
    double date = 0;
    double timeOfDay = 0;
    qint16 studentNo = 0;
    qint16 level = 0;
    qint32 time = 0;
};

constexpr int kMaxRecords = 20000;
constexpr qint32 kNoTime = 99999;

// Statistics rebuilt from the results log: dense tables of 36 x 5001 cells (level-major),
// allocated once.
class ResultsTables {
  public:
    ResultsTables();

    qint32& bestTime(int level, int student) { return bestTime_[at(level, student)]; }
    qint16& attempts(int level, int student) { return attempts_[at(level, student)]; }
    qint32& totalPoints(int level, int student) { return totalPoints_[at(level, student)]; }
    qint16& clearWindowCount(int level, int student) {
        return clearWindowCount_[at(level, student)];
    }
    qint32& clearWindowPoints(int level, int student) {
        return clearWindowPoints_[at(level, student)];
    }
    qint16& freeWindowCount(int level, int student) { return freeWindowCount_[at(level, student)]; }
    qint32& freeWindowPoints(int level, int student) {
        return freeWindowPoints_[at(level, student)];
    }
    float& todayCount(int level, int student) { return todayCount_[at(level, student)]; }
    qint32& todayPoints(int level, int student) { return todayPoints_[at(level, student)]; }
    qint32& levelBestTime(int level) { return levelBestTime_[level]; }

    // Record list, index 1..recordCount (entry 0 unused).
    std::vector<ResultEntry> records;
    int recordCount = 0;

    static int at(int level, int student) { return level * (kMaxStudent + 1) + student; }

    std::vector<qint32> bestTime_, totalPoints_, clearWindowPoints_, freeWindowPoints_,
        todayPoints_;
    std::vector<qint16> attempts_, clearWindowCount_, freeWindowCount_;
    std::vector<float> todayCount_;
    std::vector<qint32> levelBestTime_;
};

ResultsTables& resultsTables();

// The figures of a level and student that the level locks are decided from; unknown
// outside levels 1..35 and students 0..5000.
LevelFigures levelFiguresOf(const ResultsTables& stats, int level, int student);

// A drill counts as completed below this time.
constexpr qint32 kCompletedBelow = 6000;

// Reads the log (the last 20000 records) into the record list and the best times, in one
// read of the file. A missing log is retried every 5 s; at the 4th failure it shows
// "ファイルがありません" and ends the program. A log locked by another machine is retried every
// second without limit (the please-wait window is shown meanwhile). Any other failure,
// including a record whose level is above 35 or whose student number is outside 0..5000,
// shows "成績ランダムファイル表示" with the entry and ends the program. Entries with a negative
// date, student number 0 or a level of 0 or less are left out of the list (a negative level
// has no row, so it does not count as a best time either).
// When it ends the program it returns normally with platform::programEnding() true and the
// tables not (or only partly) filled: callers check programEnding() before using them.
void loadResults();
// Reads the whole log into bytes with the same retries and messages as loadResults (a
// missing log, a log locked by another machine). Returns false when the program was ended.
bool readResultLog(QByteArray* bytes);
// Clears the tables, loads the log and fills every statistic. Returns at once, leaving the
// statistics cleared, when loadResults ended the program. A level used by the log whose
// pass time is not positive raises error 11 naming "タイム回数データ.txt" and the level;
// points sums beyond 32 bits raise error 6.
void buildStatistics();
