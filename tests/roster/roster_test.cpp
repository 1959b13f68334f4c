#include "roster/roster.h"

#include <gtest/gtest.h>

#include <QFile>

#include "course/grades.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "state/roster.h"
#include "state/settings.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"

namespace {

// One roster line as the family's programs write it.
QString line(int no, int birthYear, const QString& name, double status = 0) {
    return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"%5\",\"%5\"")
        .arg(no)
        .arg(birthYear)
        .arg(platform::fixedLength(name, 20))
        .arg(status)
        .arg(QString(20, u' '));
}

class RosterTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        state::settingsAtStartUp().homeUse = 1;
        state::settingsAtStartUp().schoolYearStartMonth = 4;
    }
    void writeLines(const QStringList& lines) {
        ASSERT_TRUE(testfiles::writeAnsiLines(rosterPath(), lines));
    }
    // Loads the roster and returns the names handed on as active, with their labels.
    QStringList load(bool* ok = nullptr) {
        QStringList active;
        const bool loaded = loadRoster([&](const RosterEntry& e, const QString& label) {
            active << label + u' ' + trimSpaces(e.studentName);
        });
        if (ok) *ok = loaded;
        return active;
    }
};

TEST_F(RosterTest, MarchBelongsToThePreviousSchoolYear) {
    writeLines({line(1, 2001, QStringLiteral("一年")), line(2, 2002, QStringLiteral("年長")),
                line(3, 1989, QStringLiteral("大人"))});
    clock.setNow(QDateTime(QDate(2009, 3, 31), QTime(9, 0)));
    EXPECT_EQ(load(), (QStringList{QStringLiteral("小1 一年"), QStringLiteral("幼3 年長"),
                                   QStringLiteral("大+ 大人")}));
    EXPECT_EQ(state::roster().currentSchoolYear, 2008);
    EXPECT_EQ(state::roster().studentGradeLabels[1], QStringLiteral("小１"));
    EXPECT_EQ(state::roster().studentGradeLabels[2], QStringLiteral("幼３"));
    EXPECT_EQ(state::roster().studentGradeLabels[3], QString());

    clock.setNow(QDateTime(QDate(2009, 4, 1), QTime(9, 0)));
    EXPECT_EQ(load(), (QStringList{QStringLiteral("小2 一年"), QStringLiteral("小1 年長"),
                                   QStringLiteral("大+ 大人")}));
    EXPECT_EQ(state::roster().currentSchoolYear, 2009);
}

TEST_F(RosterTest, InactiveLinesFillThePerStudentTablesOnly) {
    // The first line is inactive (status 1): its place is taken by the next one.
    writeLines({line(7, 2001, QStringLiteral("休み"), 1), line(1, 2001, QStringLiteral("一郎")),
                line(8, 2000, QStringLiteral("三番"), 3), line(9, 1999, QStringLiteral("二番"), 2),
                line(2, 2002, QStringLiteral("二郎")), line(3, 2003, QStringLiteral("三郎")),
                line(4, 2004, QStringLiteral("四郎"))});
    bool ok = false;
    const QStringList active = load(&ok);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(ended());
    EXPECT_TRUE(boxes.shown.isEmpty());
    ASSERT_EQ(active.size(), 4);
    EXPECT_TRUE(active[0].endsWith(QStringLiteral("一郎")));
    EXPECT_TRUE(active[3].endsWith(QStringLiteral("四郎")));
    EXPECT_EQ(state::roster().count, 4);
    for (int place = 1; place <= 4; ++place)
        EXPECT_EQ(state::roster().lineStudentNo[place], place) << place;
    EXPECT_EQ(trimSpaces(state::roster().entries[1].studentName), QStringLiteral("一郎"));
    for (int no : {7, 8, 9}) {
        EXPECT_FALSE(state::roster().studentNames[no].isEmpty()) << no;
        EXPECT_NE(state::roster().studentBirthYears[no], 0) << no;
    }
    EXPECT_EQ(state::roster().studentNames[9], QStringLiteral("二番"));
}

TEST_F(RosterTest, HomeUseLimitStopsAtAFifthLineOfAnyStatus) {
    const QStringList four = {
        line(1, 2001, QStringLiteral("一")), line(2, 2001, QStringLiteral("二")),
        line(3, 2001, QStringLiteral("三")), line(4, 2001, QStringLiteral("四"))};
    writeLines(four);
    bool ok = false;
    EXPECT_EQ(load(&ok).size(), 4);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(ended());

    writeLines(four + QStringList{line(5, 2001, QStringLiteral("五"), 1)});
    const QByteArray before = testfiles::readBytes(rosterPath());
    EXPECT_EQ(load(&ok).size(), 4);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(ended());
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("家庭用は3人までしか登録できません"));
    EXPECT_EQ(testfiles::readBytes(rosterPath()), before);

    // A fifth line that is not even a roster line gets the same message, not a read error.
    writeLines(four + QStringList{QStringLiteral("x,\"no number\"")});
    boxes.shown.clear();
    endCodes.clear();
    platform::resetProgramEnding();
    EXPECT_NO_THROW(load(&ok));
    EXPECT_FALSE(ok);
    EXPECT_TRUE(ended());
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("家庭用は3人までしか登録できません"));
}

TEST_F(RosterTest, StatusTwoCountsWhenSwitchedOn) {
    writeLines({line(1, 2001, QStringLiteral("一")), line(2, 2001, QStringLiteral("二"), 2),
                line(3, 2001, QStringLiteral("三")), line(4, 2001, QStringLiteral("四")),
                line(5, 2001, QStringLiteral("五"))});
    bool ok = false;
    EXPECT_EQ(load(&ok).size(), 4);
    EXPECT_TRUE(ok);
    EXPECT_EQ(state::roster().count, 4);

    state::settingsAtStartUp().status2Active = 1;
    load(&ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(ended());
}

TEST_F(RosterTest, LongNamesAreCutToTwenty) {
    const QString longName = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬ");
    writeLines({QStringLiteral("1,2001,0,0,\"%1\",0,\"\",\"\"").arg(longName)});
    load();
    EXPECT_EQ(state::roster().entries[1].studentName, longName.left(20));
    EXPECT_EQ(state::roster().studentNames[1], longName.left(20));
    EXPECT_EQ(state::roster().entries[1].spareText1, QString(20, u' '));
}

TEST_F(RosterTest, BadLinesNameTheFileAndTheLine) {
    const struct {
        const char* badLine;
        int number;
    } cases[] = {
        {"5001,2001,0,0,\"範囲外\",0,\"\",\"\"", platform::errSubscriptOutOfRange},
        {"-1,2001,0,0,\"負\",0,\"\",\"\"", platform::errSubscriptOutOfRange},
        {"40000,2001,0,0,\"桁\",0,\"\",\"\"", platform::errOverflow},
        {"3,二千,0,0,\"年\",0,\"\",\"\"", platform::errTypeMismatch},
        {"3,2001,0,0,\"短い\",0,\"\"", platform::errInputPastEnd},
        {"3,2001,0,0,\"長い\",0,\"\",\"\",9", platform::errTypeMismatch},
    };
    for (const auto& c : cases) {
        // A blank line before the bad one: the line count is that of the file.
        writeLines({line(1, 2001, QStringLiteral("一")), QString(), QString::fromUtf8(c.badLine),
                    line(4, 2001, QStringLiteral("四"))});
        const QByteArray before = testfiles::readBytes(rosterPath());
        try {
            load();
            ADD_FAILURE() << "no error for " << c.badLine;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.badLine;
            EXPECT_EQ(e.file(), rosterPath());
            EXPECT_TRUE(e.detail().startsWith(QStringLiteral("3 行目")))
                << e.detail().toStdString();
        }
        EXPECT_EQ(testfiles::readBytes(rosterPath()), before);
    }
}

TEST_F(RosterTest, RecoveryTakesOverTheTempRoster) {
    clock.setNow(QDateTime(QDate(2008, 6, 1), QTime(9, 0)));
    ASSERT_TRUE(testfiles::writeAnsiLines(rosterTempPath(), {line(1, 2001, QStringLiteral("一"))}));
    recoverRoster();
    EXPECT_FALSE(QFile::exists(rosterTempPath()));
    EXPECT_EQ(load().size(), 1);

    // With the roster in place a temp file is left alone.
    ASSERT_TRUE(testfiles::writeAnsiLines(rosterTempPath(), {line(2, 2001, QStringLiteral("二"))}));
    recoverRoster();
    EXPECT_TRUE(QFile::exists(rosterTempPath()));
    EXPECT_EQ(state::roster().studentNames[2], QString());
    EXPECT_EQ(load(), QStringList{QStringLiteral("小1 一")});
}

TEST_F(RosterTest, RecoveryWithoutEitherFileIsFileNotFound) {
    try {
        recoverRoster();
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errFileNotFound);
        EXPECT_EQ(e.file(), rosterPath());
    }
}

TEST_F(RosterTest, WriteRosterBytesAndRoundTrip) {
    std::vector<RosterEntry> entries(3);
    std::vector<double> statuses(3, 0);
    entries[1].studentNo = 1;
    entries[1].birthYear = 2001;
    entries[1].studentName = QStringLiteral("山田花子");
    entries[2].studentNo = 12;
    entries[2].birthYear = 1999;
    entries[2].spareNumber1 = -3;
    entries[2].spareNumber2 = 7;
    entries[2].studentName = QStringLiteral("鈴木");
    entries[2].spareText1 = QStringLiteral("memo");
    statuses[2] = 1;

    const QByteArray expected = platform::toAnsi(
        QStringLiteral("1,2001,0,0,\"山田花子%1\",0,\"%2\",\"%2\"\r\n"
                       "12,1999,-3,7,\"鈴木%3\",1,\"memo%4\",\"%2\"\r\n")
            .arg(QString(16, u' '), QString(20, u' '), QString(18, u' '), QString(16, u' ')));
    EXPECT_EQ(rosterBytes(entries, statuses, 2), expected);

    writeRoster(rosterPath(), entries, statuses, 2);
    EXPECT_EQ(testfiles::readBytes(rosterPath()), expected);
    const std::vector<RosterLine> back = readRosterFile(rosterPath());
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].entry.spareNumber1, -3);
    EXPECT_EQ(back[1].entry.spareText1, platform::fixedLength(QStringLiteral("memo"), 20));
    EXPECT_EQ(back[1].status, 1);
    EXPECT_EQ(back[1].lineNumber, 2);
    // Written again from what was read: the same bytes.
    std::vector<RosterEntry> again(3);
    std::vector<double> againStatus(3);
    for (int i = 0; i < 2; ++i) {
        again[i + 1] = back[i].entry;
        againStatus[i + 1] = back[i].status;
    }
    EXPECT_EQ(rosterBytes(again, againStatus, 2), expected);
}

}  // namespace

TEST(TrimSpaces, RemovesOnlyHalfWidthSpaces) {
    EXPECT_EQ(trimSpaces(QStringLiteral("  先生    ")), QStringLiteral("先生"));
    EXPECT_EQ(trimSpaces(QStringLiteral("　先生")), QStringLiteral("　先生"));
    EXPECT_EQ(trimSpaces(QStringLiteral("   ")), QString());
}
