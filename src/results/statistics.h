#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "course/level_locks.h"
#include "course/run_times.h"
#include "results/log_record.h"
#include "state/course.h"
#include "state/roster.h"

// One entry of the record list read from the results log.
using ResultEntry = LoggedRun;

constexpr int kMaxRecords = 20000;

// One statistic of every level and student: 5001 x 36 cells, a student's levels side by
// side. The cells start at zero and the pages of the table are touched only where they are
// read or written: a family using a few student numbers pays for the memory of those only.
template <class T>
class CellTable {
  public:
    static constexpr int kCells = (kMaxLevel + 1) * (kMaxStudent + 1);

    CellTable() : cells_(static_cast<T*>(std::calloc(kCells, sizeof(T)))) {
        if (!cells_) throw std::bad_alloc();
    }

    T& operator[](size_t i) { return cells_[i]; }
    const T& operator[](size_t i) const { return cells_[i]; }
    // Puts every level of students from..to - 1 to `value`.
    void fillStudents(int from, int to, T value) {
        if (to > from)
            std::fill_n(cells_.get() + from * (kMaxLevel + 1), (to - from) * (kMaxLevel + 1),
                        value);
    }

  private:
    struct Free {
        void operator()(T* cells) const { std::free(cells); }
    };
    std::unique_ptr<T[], Free> cells_;
};

// Statistics rebuilt from the results log, allocated once.
class ResultsTables {
  public:
    ResultsTables();

    qint32& bestTime(int level, int student) { return bestTime_[use(level, student)]; }
    qint16& attempts(int level, int student) { return attempts_[use(level, student)]; }
    qint32& totalPoints(int level, int student) { return totalPoints_[use(level, student)]; }
    qint16& clearWindowCount(int level, int student) {
        return clearWindowCount_[use(level, student)];
    }
    qint32& clearWindowPoints(int level, int student) {
        return clearWindowPoints_[use(level, student)];
    }
    qint16& freeWindowCount(int level, int student) {
        return freeWindowCount_[use(level, student)];
    }
    qint32& freeWindowPoints(int level, int student) {
        return freeWindowPoints_[use(level, student)];
    }
    float& todayCount(int level, int student) { return todayCount_[use(level, student)]; }
    qint32& todayPoints(int level, int student) { return todayPoints_[use(level, student)]; }
    qint32& levelBestTime(int level) { return levelBestTime_[level]; }

    // The log's bytes as last read: the next build reads into the same memory.
    QByteArray logBytes;
    // Record list, index 1..recordCount (entry 0 unused).
    std::vector<ResultEntry> records;
    int recordCount = 0;

    static int at(int level, int student) { return student * (kMaxLevel + 1) + level; }
    // The best time without marking the student in use: 99999 for a student never used.
    qint32 bestTimeOf(int level, int student) const {
        return student < studentsInUse_ ? bestTime_[at(level, student)] : course::kNoRecord;
    }

    // The best times of students from studentsInUse() on are not set yet: read them with
    // bestTimeOf().
    CellTable<qint32> bestTime_, totalPoints_, clearWindowPoints_, freeWindowPoints_, todayPoints_;
    CellTable<qint16> attempts_, clearWindowCount_, freeWindowCount_;
    CellTable<float> todayCount_;
    std::vector<qint32> levelBestTime_;

    // Student numbers 0..studentsInUse() - 1 may have cells away from their start value;
    // the cells of higher numbers have never been written. It only grows.
    int studentsInUse() const { return studentsInUse_; }

  private:
    int use(int level, int student) {
        if (student >= studentsInUse_) {
            bestTime_.fillStudents(studentsInUse_, student + 1, course::kNoRecord);
            studentsInUse_ = student + 1;
        }
        return at(level, student);
    }
    int studentsInUse_ = 0;
};

// The figures of a level and student that the level locks are decided from; unknown
// outside levels 1..35 and students 0..5000.
LevelFigures levelFiguresOf(const ResultsTables& stats, int level, int student);

// What a reader of the log shows while another machine holds the log locked: `begin`
// once the wait starts, `end` when the reader is done (either may be empty).
struct LockedLogWait {
    std::function<void()> begin;
    std::function<void()> end;
};

// Reads the log (the last 20000 records) into the record list and the best times, in one
// read of the file. A missing log is retried every 5 s; at the 4th failure it shows
// "ファイルがありません" and ends the program. A log locked by another machine is retried every
// second without limit (with `wait` begun meanwhile). Any other failure,
// including a record whose level is above 35 or whose student number is outside 0..5000,
// shows "成績ランダムファイル表示" with the entry and ends the program. Entries with a negative
// date, student number 0 or a level of 0 or less are left out of the list (a negative level
// has no row, so it does not count as a best time either).
// When it ends the program it returns normally with platform::programEnding() true and the
// tables not (or only partly) filled: callers check programEnding() before using them.
void loadResults(ResultsTables& tables, const LockedLogWait& wait = {});
// Reads the whole log into bytes with the same retries and messages as loadResults (a
// missing log, a log locked by another machine). Returns false when the program was ended.
bool readResultLog(QByteArray* bytes, const LockedLogWait& wait = {});
// Clears the tables, loads the log and fills every statistic. Returns at once, leaving the
// statistics cleared, when loadResults ended the program. A level used by the log whose
// pass time is not positive raises error 11 naming "タイム回数データ.txt" and the level;
// points sums beyond 32 bits raise error 6.
void buildStatistics(ResultsTables& tables, const LockedLogWait& wait = {});
