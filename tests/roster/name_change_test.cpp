#include "roster/name_change.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>

#include "platform/ansi.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"

using namespace Qt::StringLiterals;

namespace {

const QString kBlank20 = QString(20, u' ');

// A roster line with every value set, so that a change that loses one shows.
QString line(int no, int year, int spare1, int spare2, const QString& name, const QString& status,
             const QString& text1) {
    return QStringLiteral("%1,%2,%3,%4,\"%5\",%6,\"%7\",\"%8\"")
        .arg(no)
        .arg(year)
        .arg(spare1)
        .arg(spare2)
        .arg(platform::fixedLength(name, 20), status, platform::fixedLength(text1, 20), kBlank20);
}

class NameChangeTest : public CoreFixture {
  protected:
    QStringList threeLines() {
        return {line(1, 2015, 0, 0, QStringLiteral("佐藤"), QStringLiteral("0"), QString()),
                line(7, 2012, -3, 9, QStringLiteral("山田"), QStringLiteral("1"),
                     QStringLiteral("メモ")),
                line(12, 2018, 5, 0, QStringLiteral("鈴木一郎"), QStringLiteral("2.5"),
                     QStringLiteral("x"))};
    }
    QByteArray bytesOf(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& l : lines) bytes += platform::toAnsi(l) + "\r\n";
        return bytes;
    }
    void writeLines(const QStringList& lines) {
        ASSERT_TRUE(testfiles::writeBytes(rosterPath(), bytesOf(lines)));
    }
    QByteArray rosterOnDisk() { return testfiles::readBytes(rosterPath()); }
};

// Rosters as the set-up command leaves them -> the rows shown, and what "変更" writes: each
// row its own line only, every other line (and an unchanged row's line) byte for byte.
TEST_F(NameChangeTest, RowsAreTheActiveLinesAndEachWritesItsOwnLineOnly) {
    const QString ichiro = line(1, 2015, 0, 0, u"一郎"_s, u"0"_s, {});
    const QString jiro = line(2, 2014, 4, 0, u"次郎"_s, u"0"_s, u"メモ"_s);
    const QString saburo = line(5, 2016, 0, 0, u"三郎"_s, u"0"_s, {});
    const QString shiro = line(6, 2017, 0, 0, u"四郎"_s, u"0"_s, {});
    // Lines another program wrote its own way: texts not padded.
    const QString retired = u"3,2010,0,0,\"田中\",1,\"\",\"x\""_s;
    const QString unpadded = u"4,2013,0,0,\"花子\",0,\"\",\"\""_s;
    const struct {
        const char* what;
        QStringList before;
        QStringList meanwhile;  // written between filling and "変更"; empty: nothing
        QStringList shown;      // the names of the rows
        std::vector<NameChangeRow> typed;
        QStringList after;  // the roster then; empty: refused, the roster as it stood
        QString refusal;
    } cases[] = {
        {"retired first, five lines with four active",
         {retired, ichiro, unpadded, saburo, shiro},
         {},
         {u"一郎"_s, u"花子"_s, u"三郎"_s, u"四郎"_s},
         {{u"2015"_s, u"一郎"_s},
          {u"2013"_s, u"花子"_s},
          {u"2016"_s, u"三郎"_s},
          {u"２０１８"_s, u" 四郎太 "_s}},
         {retired, ichiro, unpadded, saburo, line(6, 2018, 0, 0, u"四郎太"_s, u"0"_s, {})},
         {}},
        // A year another program stored outside the rule stays while it is not retyped.
        {"retired last",
         {ichiro, line(2, 1900, 4, 0, u"次郎"_s, u"0"_s, u"メモ"_s), retired},
         {},
         {u"一郎"_s, u"次郎"_s},
         {{u"2001.6"_s, u"一郎"_s}, {u" 1900 "_s, u"次郎丸"_s}},
         {line(1, 2002, 0, 0, u"一郎"_s, u"0"_s, {}),
          line(2, 1900, 4, 0, u"次郎丸"_s, u"0"_s, u"メモ"_s), retired},
         {}},
        {"a line added meanwhile is kept",
         {ichiro},
         {ichiro, jiro},
         {u"一郎"_s},
         {{u"2014"_s, u"一郎"_s}},
         {line(1, 2014, 0, 0, u"一郎"_s, u"0"_s, {}), jiro},
         {}},
        {"a row's line retired meanwhile",
         {ichiro, jiro},
         {ichiro, line(2, 2014, 4, 0, u"次郎"_s, u"1"_s, u"メモ"_s)},
         {u"一郎"_s, u"次郎"_s},
         {{u"2014"_s, u"一郎"_s}, {u"2014"_s, u"次郎"_s}},
         {},
         u"2 行目（次郎）の生徒の名簿の行が"_s},
        {"a row's line gone meanwhile",
         {ichiro, jiro},
         {ichiro},
         {u"一郎"_s, u"次郎"_s},
         {{u"2014"_s, u"一郎"_s}, {u"2014"_s, u"次郎"_s}},
         {},
         u"2 行目（次郎）"_s},
        {"a typo year",
         {ichiro, jiro},
         {},
         {u"一郎"_s, u"次郎"_s},
         {{u"216"_s, u"一郎"_s}, {u"2014"_s, u"次\"郎"_s}},
         {},
         u"1 行目の生まれた年 216 は 1926 から 2026 までにしてください。\n2 行目の名前"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeLines(c.before);
        NameChangeSheet sheet = NameChangeSheet::read(rosterPath());
        QStringList shown;
        for (const RosterLine& row : sheet.rowLines()) shown << trimSpaces(row.entry.studentName);
        EXPECT_EQ(shown, c.shown);
        if (!c.meanwhile.isEmpty()) writeLines(c.meanwhile);
        const QByteArray stood = rosterOnDisk();
        const QString refusal = sheet.save(c.typed, 2026);
        if (c.after.isEmpty()) {
            EXPECT_TRUE(refusal.startsWith(c.refusal)) << refusal.toStdString();
            EXPECT_EQ(rosterOnDisk(), stood);
            continue;
        }
        EXPECT_EQ(refusal, QString());
        EXPECT_EQ(rosterOnDisk(), bytesOf(c.after));
        // The window now holds the roster as written: the same press again writes the same.
        EXPECT_EQ(sheet.save(c.typed, 2026), QString());
        EXPECT_EQ(rosterOnDisk(), bytesOf(c.after));
    }
}

// A writer killed at random moments always leaves a roster that loads, with the old or
// the new contents, whole.
TEST_F(NameChangeTest, AKilledWriterLeavesTheOldOrTheNewRoster) {
    const QStringList oldLines = threeLines();
    QStringList newLines = oldLines;
    newLines[0] = line(1, 2014, 0, 0, QStringLiteral("佐藤みどり"), QStringLiteral("0"), QString());
    newLines << line(30, 2016, 0, 0, QStringLiteral("伊藤"), QStringLiteral("0"), QString());
    const QByteArray oldBytes = bytesOf(oldLines);
    const QByteArray newBytes = bytesOf(newLines);
    const QString first = tmp.filePath(QStringLiteral("first.txt"));
    const QString second = tmp.filePath(QStringLiteral("second.txt"));
    ASSERT_TRUE(testfiles::writeBytes(first, oldBytes));
    ASSERT_TRUE(testfiles::writeBytes(second, newBytes));
    ASSERT_TRUE(testfiles::writeBytes(rosterPath(), oldBytes));

    // Kills fall within the first few writes: the span is measured here, since one write
    // (with its flushes) takes far longer on a loaded or instrumented build.
    const QString scratch = tmp.filePath(QStringLiteral("scratch.txt"));
    const std::vector<RosterLine> sample = readRosterFile(second);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 10; ++i) writeRosterLines(scratch, sample);
    const int span = std::max<int>(3000, static_cast<int>(timer.nsecsElapsed() / 1000 / 10) * 4);

    QRandomGenerator random(20261208);
    constexpr int kKills = 300;
    int newSeen = 0;
    for (int i = 0; i < kKills; ++i) {
        QProcess writer;
        writer.start(QStringLiteral(ROSTER_WRITE_WORKER), {tmp.path(), first, second});
        ASSERT_TRUE(writer.waitForStarted(10000));
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << writer.readAllStandardError().constData();
        QThread::usleep(random.bounded(span));
        writer.kill();
        writer.waitForFinished(10000);

        recoverRoster();
        const QByteArray now = rosterOnDisk();
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "kill " << i << ":\n" << now.constData();
        ASSERT_EQ(readRosterFile(rosterPath()).size(), now == oldBytes ? 3u : 4u);
        if (now == newBytes) ++newSeen;
    }
    // The kills fell on both contents, so they landed inside the writing loop.
    EXPECT_GT(newSeen, 0);
    EXPECT_LT(newSeen, kKills);
}

}  // namespace
