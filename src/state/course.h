#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Size of the per-level tables: levels 1..35.
constexpr int kMaxLevel = 35;

// Targets of one level, as read from "タイム回数データ.txt".
struct LevelTarget {
    qint32 passTime = 0;
    qint32 secondTime = 0;
    qint32 clearPoints = 0;
    qint16 clearCount = 0;
    qint32 pointWeight = 0;
    double freeCount = 0;
    double freePoints = 0;
    double clearWindowDays = 0;
    double freeWindowDays = 0;
    std::array<double, 3> extra{};  // the file's last three values: read, never used
};

namespace state {

// The course of the drill: its levels and their targets, index = level (0 unused). The
// targets are read at start-up, the level tables filled at every sign-in.
struct Course {
    qint16 levelCount = 0;
    double topLevel = 0;
    std::array<QString, kMaxLevel + 1> levelNames;
    std::array<qint16, kMaxLevel + 1> timedLevel{};
    std::array<bool, kMaxLevel + 1> practice{};
    std::array<LevelTarget, kMaxLevel + 1> levelTargets{};
};

Course& course();

// The targets file "タイム回数データ.txt" in the data folder.
QString levelTargetsPath();

}  // namespace state
