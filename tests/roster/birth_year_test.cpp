#include "roster/birth_year.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One rule for every roster edit: what is typed -> the year stored, or a refusal.
TEST(BirthYear, TypedYearsWithinAHundredSchoolYearsAreStored) {
    const struct {
        QString typed;
        int year;         // when stored
        QString refusal;  // a piece of the refusal; empty when stored
    } cases[] = {
        {u"2026"_s, 2026, {}},
        {u"1926"_s, 1926, {}},
        {u"　２０１５ 年 "_s, 2015, {}},
        {u"2001.5"_s, 2002, {}},  // halves go to the even neighbour
        {u"2026.6"_s, 0, u"生まれた年 2026.6 は 1926 から 2026 までにしてください。"_s},
        {u"1925"_s, 0, u"生まれた年 1925 は 1926 から 2026"_s},
        {u"216"_s, 0, u"生まれた年 216 は"_s},
        {u"1e300"_s, 0, u"生まれた年 1e300 は"_s},
        {u"平成27"_s, 0, u"生まれた年「平成27」は数として読めません"_s},
        {u" "_s, 0, u"生まれた年が入っていません"_s},
    };
    for (const auto& c : cases) {
        const TypedBirthYear read = readBirthYear(c.typed, 2026);
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(read.problem, QString()) << c.typed.toStdString();
            EXPECT_EQ(read.year, c.year) << c.typed.toStdString();
        } else {
            EXPECT_TRUE(read.problem.startsWith(c.refusal)) << read.problem.toStdString();
        }
    }
}

}  // namespace
