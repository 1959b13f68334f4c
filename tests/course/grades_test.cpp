#include "course/grades.h"

#include <gtest/gtest.h>

namespace {

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
