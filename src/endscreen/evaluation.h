#pragma once

#include <QString>
#include <QtGlobal>

// The judgement of a finished run on the end-of-drill screen, without windows.
namespace evaluation {

// Label19: "獲得ポイント：12点×2→24点".
QString pointsLine(int basePoints, double pointWeight, qint64 points);
// Label18: "今の成績：35秒", or "記録なし" for a run without result (99998 and above).
QString resultLine(qint32 t);
// Label13 while the statistics are rebuilt: todayCount + 1.
QString attemptBeforeText(double todayCount);
// Label13: " (このレベル　3回目)".
QString levelAttemptText(double todayCount);
// Label14: "（7回目)".
QString todayAttemptText(qint64 todayTotal);

enum class VerdictSound {
    None,
    LevelBest,     // fixed "最高1.wav"
    PersonalBest,  // section "自己最高音2"
    NoRecord,      // section "不合格音1"
};

// Label20 and the sound after a run; the first matching case wins.
struct Verdict {
    QString message;  // empty: Label20 stays hidden
    VerdictSound sound = VerdictSound::None;
};
Verdict verdictFor(int endReason, int levelBestFlag, int personalBestFlag, qint32 t,
                   qint32 secondTime);

// Marks shown right after the statistics are rebuilt.
struct ClearMarks {
    bool showLevelCleared = false;  // Label2 "このレベルクリア"
    bool showGoalPicture = false;  // Picture1 "目標レベルクリア。おめでとう！" (until phase 2)
    bool playGoalSound = false;  // "合格.wav": the goal cleared by this run for the first time
};
// anyClearCount9999: some level 1..35 has clearCount 9999 (the goal picture is not shown then).
ClearMarks clearMarksFor(bool levelCleared, bool atTopLevel, bool anyClearCount9999,
                         int clearedBeforeFlag);

// What the second phase shows.
enum class Label2Change { Keep, EmptyAndHide, NextLevelHint };
struct SecondPhase {
    bool showRetry = true;  // Command5 "もう一度"
    Label2Change label2 = Label2Change::Keep;
};
SecondPhase secondPhaseFor(bool enoughPractice, bool levelCleared, bool atTopLevel,
                           bool goalCleared);

}  // namespace evaluation
