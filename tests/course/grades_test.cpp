#include "course/grades.h"

#include <gtest/gtest.h>

namespace {

TEST(Grades, LabelsAtTheBoundaries) {
    const struct {
        int grade;
        const char* display;
        const char* full;
    } cases[] = {
        {-3, "幼-", ""},     {-2, "幼1", ""},    {-1, "幼2", ""},    {0, "幼3", "幼３"},
        {1, "小1", "小１"},  {6, "小6", "小６"}, {7, "中1", "中１"}, {9, "中3", "中３"},
        {10, "高1", "高１"}, {11, "高2", ""},    {12, "高3", ""},    {13, "大+", ""},
        {40, "大+", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(displayGradeLabel(c.grade), QString::fromUtf8(c.display)) << c.grade;
        EXPECT_EQ(fullWidthGradeLabel(c.grade), QString::fromUtf8(c.full)) << c.grade;
    }
}

TEST(GradeMarkers, CodesWithoutAMarkerGetAFullWidthBlank) {
    for (int code : {0, 10, -1, 13}) EXPECT_EQ(gradeMarker(code), "　") << code;
}

TEST(GradeMarkers, GroupMembership) {
    const QStringList primary = {"小１", "小２", "小３", "小４", "小５", "小６"};
    const QStringList lower = {"中１", "中２", "中３"};
    for (int code = -2; code <= 14; ++code) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(gradeInGroup(code, "全学年"));
        EXPECT_TRUE(gradeInGroup(code, "家族"));
        EXPECT_EQ(gradeInGroup(code, "小学生全体"), code >= 1 && code <= 6);
        EXPECT_EQ(gradeInGroup(code, "中学生全体"), code >= 7 && code <= 9);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(gradeInGroup(code, primary[i]), code == i + 1);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(gradeInGroup(code, lower[i]), code == i + 7);
        EXPECT_FALSE(gradeInGroup(code, "高１"));
        EXPECT_FALSE(gradeInGroup(code, "小1"));
        EXPECT_FALSE(gradeInGroup(code, ""));
    }
}

TEST(Grades, RecordListsOfferTheNameSelectionsGroupsAndTheFamily) {
    EXPECT_EQ(rankingGradeGroups().mid(0, gradeGroups().size()), gradeGroups());
    EXPECT_EQ(rankingGradeGroups().last(), QStringLiteral("家族"));
}

}  // namespace
