#include "roster/roster_input.h"

#include <gtest/gtest.h>

namespace {

TEST(RosterInput, NamesAreTrimmedMappedAndRefusedByRule) {
    struct Case {
        QString typed;
        QString stored;   // when accepted
        QString refusal;  // a piece of the refusal text; empty when accepted
    };
    const Case cases[] = {
        {QStringLiteral("　 山田花子 　"), QStringLiteral("山田花子"), {}},
        {QStringLiteral("ゆう\u301Cき"), QStringLiteral("ゆう\uFF5Eき"), {}},
        {QString(20, u'あ'), QString(20, u'あ'), {}},
        {QStringLiteral(" ") + QString(20, u'あ') + QStringLiteral("　"), QString(20, u'あ'), {}},
        {QStringLiteral(" 　 "), {}, QStringLiteral("名前が空です")},
        {QString(21, u'あ'), {}, QStringLiteral("21 文字")},
        {QStringLiteral("山田\"花子"), {}, QStringLiteral("「\"」")},
        {QStringLiteral("Zoë 😀"), {}, QStringLiteral("書けない文字「ë😀」")},
    };
    for (const Case& c : cases) {
        const QString refusal = rosterNameProblem(c.typed);
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(refusal, QString()) << c.typed.toStdString();
            EXPECT_EQ(storedRosterName(c.typed), c.stored) << c.typed.toStdString();
        } else {
            EXPECT_TRUE(refusal.contains(c.refusal)) << refusal.toStdString();
        }
    }
}

}  // namespace
