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

TEST_F(NameChangeTest, EveryLineIsWrittenBackWithOnlyNameAndBirthYearChanged) {
    QStringList lines = threeLines();
    lines << line(20, 2010, 1, 1, QStringLiteral("田中"), QStringLiteral("3"), QString())
          << line(21, 2011, 0, 0, QStringLiteral("高橋"), QStringLiteral("1"), QString());
    writeLines(lines);
    EXPECT_EQ(nameChangeRowCount(static_cast<int>(readRosterFile(rosterPath()).size())), 4);

    const std::vector<NameChangeRow> rows = {
        {QStringLiteral("2015"), QStringLiteral("佐藤")},
        {QStringLiteral(" 2001.6 "), QStringLiteral("  山田花子 ")},
        {QStringLiteral("2018"), QStringLiteral("鈴木一郎")},
        {QStringLiteral("2010.5"), QStringLiteral("田中")}};
    EXPECT_EQ(changeNames(rows), QString());
    QStringList expected = lines;
    expected[1] = line(7, 2002, -3, 9, QStringLiteral("山田花子"), QStringLiteral("1"),
                       QStringLiteral("メモ"));
    expected[3] = line(20, 2010, 1, 1, QStringLiteral("田中"), QStringLiteral("3"), QString());
    EXPECT_EQ(rosterOnDisk(), bytesOf(expected));
    EXPECT_FALSE(QFile::exists(rosterTempPath()));

    // The same press again writes the same bytes.
    EXPECT_EQ(changeNames(rows), QString());
    EXPECT_EQ(rosterOnDisk(), bytesOf(expected));
}

TEST_F(NameChangeTest, RowsThatCannotBeStoredAreRefusedBeforeAnythingIsWritten) {
    writeLines(threeLines());
    const QByteArray before = rosterOnDisk();
    const struct {
        const char* year;
        const char* name;
        const char* said;
    } cases[] = {
        {"32768", "山田", "2 行目の生まれた年「32768」"},
        {"-32769", "山田", "2 行目の生まれた年"},
        {"32767.5", "山田", "2 行目の生まれた年"},  // rounds to 32768
        {"99999999999999999999", "山田", "2 行目の生まれた年"},
        {"2001", "山田😀", "2 行目の名前「山田😀」には名簿に書けない文字「😀」"},
        {"2001", "한글", "2 行目の名前"},
    };
    for (const auto& c : cases) {
        const std::vector<NameChangeRow> rows = {
            {QStringLiteral("2015"), QStringLiteral("佐藤")},
            {QString::fromUtf8(c.year), QString::fromUtf8(c.name)},
            {QStringLiteral("2018"), QStringLiteral("鈴木一郎")}};
        const QString refusal = changeNames(rows);
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.said))) << refusal.toStdString();
        EXPECT_EQ(rosterOnDisk(), before) << c.year << c.name;
        EXPECT_FALSE(QFile::exists(rosterTempPath()));
    }
    // The edges of the range, a text without a number, and characters of the code page's
    // extensions are stored.
    qint16 year = 1;
    EXPECT_TRUE(parseBirthYear(QStringLiteral("-32768"), &year));
    EXPECT_EQ(year, -32768);
    EXPECT_TRUE(parseBirthYear(QStringLiteral("32766.5"), &year));
    EXPECT_EQ(year, 32766);
    EXPECT_TRUE(parseBirthYear(QStringLiteral("ねん"), &year));
    EXPECT_EQ(year, 0);
    EXPECT_EQ(changeNames({{QStringLiteral("2015"), QStringLiteral("髙橋①")}}), QString());
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
