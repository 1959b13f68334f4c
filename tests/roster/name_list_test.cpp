#include "roster/name_list.h"

#include <gtest/gtest.h>

#include "course/grades.h"
#include "roster/roster.h"
#include "state/roster.h"

namespace {

const QString kFull = QStringLiteral("　");

RosterEntry entry(int no, int birthYear, const QString& name) {
    RosterEntry e;
    e.studentNo = static_cast<qint16>(no);
    e.birthYear = static_cast<qint16>(birthYear);
    e.studentName = name.leftJustified(20, u' ');
    return e;
}

TEST(NameListFigures, TextsWhenZeroAndWhenNot) {
    EXPECT_EQ(todayCountText(0), QStringLiteral("     "));
    EXPECT_EQ(todayCountText(3), QStringLiteral("  3回"));
    EXPECT_EQ(todayCountText(45), QStringLiteral(" 45回"));
    EXPECT_EQ(todayCountText(1234), QStringLiteral("234回"));  // the last three kept

    EXPECT_EQ(todayPointsText(0), QStringLiteral("  ") + kFull);
    EXPECT_EQ(todayPointsText(12), QStringLiteral("  12"));
    EXPECT_EQ(todayPointsText(12345), QStringLiteral("12345"));

    EXPECT_EQ(attemptsText(0), QStringLiteral("     ") + kFull);
    EXPECT_EQ(attemptsText(7), QStringLiteral("    7回"));

    EXPECT_EQ(totalPointsText(0), QStringLiteral("       "));
    EXPECT_EQ(totalPointsText(1234), QStringLiteral("   1234"));
}

TEST(NameListRows, SortRowAndItsParts) {
    StudentFigures f;
    f.todayPoints = 30;
    f.totalPoints = 400;
    const QString row = sortRow(entry(12, 2001, QStringLiteral("山田花子")), 1, 1, f);
    EXPECT_EQ(row, QStringLiteral("2001小1 山田花子") + kFull.repeated(2) +
                       QStringLiteral("  30/    400*12"));
    EXPECT_EQ(sortRowBirthYear(row), 2001);
    EXPECT_EQ(displayText(row),
              QStringLiteral("小1 山田花子") + kFull.repeated(2) + QStringLiteral("  30/    400"));
    EXPECT_EQ(numberedText(row), displayText(row) + QStringLiteral("*12"));
    EXPECT_EQ(numberAfterStar(numberedText(row)), QStringLiteral("12"));
}

TEST(NameListRows, PaddingByLengthModeAndGrade) {
    const StudentFigures none;
    auto padOf = [&](const QString& name, int grade, int mode) {
        const QString row = sortRow(entry(1, 2000, name), grade, mode, none);
        const QString head = displayGradeLabel(grade) + u' ' + name;
        const QString rest = row.mid(4 + head.size());
        qsizetype n = 0;
        while (n < rest.size() && rest[n] == kFull[0]) ++n;
        return n;
    };
    EXPECT_EQ(padOf(QStringLiteral("山田"), 1, 1), 4);
    EXPECT_EQ(padOf(QStringLiteral("山田"), 1, 0), 4);
    EXPECT_EQ(padOf(QStringLiteral("あいうえおか"), 1, 1), 0);  // six characters: none
    EXPECT_EQ(padOf(QStringLiteral("あいうえおかき"), 1, 0), 0);
    // Pre-school: 11 - length in modes 0, 2 and 3, 9 - length in mode 1.
    for (int mode : {0, 2, 3}) EXPECT_EQ(padOf(QStringLiteral("山田"), 0, mode), 6) << mode;
    EXPECT_EQ(padOf(QStringLiteral("山田"), -3, 0), 6);
    EXPECT_EQ(padOf(QStringLiteral("山田"), 0, 1), 4);
    EXPECT_EQ(padOf(QStringLiteral("あいうえおかき"), 0, 2), 1);
}

TEST(NameListRows, SortedByBirthYearThenText) {
    const StudentFigures none;
    std::vector<QString> rows = {
        sortRow(entry(1, 2001, QStringLiteral("田中")), 1, 1, none),
        sortRow(entry(2, 2000, QStringLiteral("鈴木")), 2, 1, none),
        sortRow(entry(3, 2001, QStringLiteral("佐藤")), 1, 1, none),
        sortRow(entry(4, 1999, QStringLiteral("井上")), 3, 1, none),
    };
    sortRows(rows);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0].endsWith(QStringLiteral("*4")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral("*2")));
    EXPECT_TRUE(rows[2].endsWith(QStringLiteral("*3")));  // 佐藤 before 田中
    EXPECT_TRUE(rows[3].endsWith(QStringLiteral("*1")));
}

TEST(NameListRows, SelectionTexts) {
    const QString row =
        QStringLiteral("小1 山田花子") + kFull.repeated(2) + QStringLiteral("  30/    400");
    // A click: the first ten characters, half-width spaces trimmed.
    EXPECT_EQ(clickSelectionText(row), QStringLiteral("小1 山田花子") + kFull.repeated(2));
    EXPECT_EQ(clickSelectionText(QStringLiteral("小1 山田") + kFull.repeated(4) +
                                 QStringLiteral("  3回/ 10回")),
              QStringLiteral("小1 山田") + kFull.repeated(4));
    // A double click: everything before the "/".
    EXPECT_EQ(doubleClickSelectionText(row),
              QStringLiteral("小1 山田花子") + kFull.repeated(2) + QStringLiteral("  30"));
}

}  // namespace
