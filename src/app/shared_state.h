#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <vector>

// Sizes of the per-level and per-student tables.
constexpr int kMaxLevel = 35;      // levels 1..35
constexpr int kMaxStudent = 5000;  // students 1..5000

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
    std::array<double, 3> extra{};  // kept, not used
};

// One roster line.
struct RosterEntry {
    qint16 studentNo = 0;
    qint16 birthYear = 0;
    qint16 spareNumber1 = 0;
    qint16 spareNumber2 = 0;
    QString studentName;  // 20 characters, space-padded
    QString spareText1;   // 20 characters, space-padded
    QString spareText2;   // 20 characters, space-padded
};

// The shared state of the whole run.
struct SharedState {
    // Folders and settings.
    QRgb screenBackColor = qRgb(0, 128, 128);
    QString programFolder;  // ends with "/"
    double layoutMode = 0;
    QString baseFolder;
    QString dataFolder;
    QString soundFolder;
    QString programFolderName;
    double schoolYearStartMonth = 0;
    QString classroomName;
    QString classroomCode;
    double status2Active = 0;
    double commonValue4 = 0;
    std::array<QString, 6> commonExtra;
    qint16 errorTrapping = 0;
    double homeUse = 0;
    QString drillTitle;

    // Catalogue.
    qint16 levelCount = 0;
    double topLevel = 0;
    std::array<QString, kMaxLevel + 1> levelNames;
    std::array<qint16, kMaxLevel + 1> timedLevel{};

    // Per-level targets, index = level (0 unused).
    std::array<LevelTarget, kMaxLevel + 1> levelTargets{};

    // Roster.
    int currentSchoolYear = 0;
    std::vector<RosterEntry> rosterEntries = std::vector<RosterEntry>(kMaxStudent + 1);
    std::vector<qint16> rosterStudentNo = std::vector<qint16>(kMaxStudent + 1);
    std::vector<QString> studentNames = std::vector<QString>(kMaxStudent + 1);
    std::vector<qint16> studentBirthYears = std::vector<qint16>(kMaxStudent + 1);
    std::vector<QString> studentGradeLabels = std::vector<QString>(kMaxStudent + 1);
    int rosterCount = 0;

    // Current student.
    qint16 currentStudentNo = 0;
    QString currentStudentName;
    QString currentGradeLabel;
    double signInSeconds = 0;
    qint64 signInMonotonicMs = 0;  // the same moment on the monotonic clock
    QString gradeGroupFilter;

    // The student has cleared the goal level (the home screen's locks find it; the end
    // screen's next-level hint reads it).
    qint16 goalCleared = 0;
};

extern SharedState shared;

// Back to the state at program start (tests run several programs in one process).
void resetSharedState();

// True when the level's name marks a practice level ("練").
bool isPracticeLevel(int level);
