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

// What is typed into row 2, and what its line then holds, or the refusal naming the row
// (nothing is written then).
TEST_F(NameChangeTest, TypedYearsAndNamesAreStoredAsTypedOrRefusedNamingTheRow) {
    const QString twenty = QStringLiteral("あいうえおかきくけこさしすせそたちつてと");
    const struct {
        QString year;
        QString name;
        int storedYear;
        QString storedName;
        QString refusal;  // empty: stored
    } cases[] = {
        {u"２０１５"_s, u"山田"_s, 2015, u"山田"_s, {}},
        {u"　2001.6 年 "_s, u"　山田花子　"_s, 2002, u"山田花子"_s, {}},
        {u"－３２７６８"_s, u"  "_s + twenty, -32768, twenty, {}},
        {u"32766.5"_s, u"山田〜"_s, 32766, u"山田～"_s, {}},
        {u"0"_s, u"髙橋①"_s, 0, u"髙橋①"_s, {}},
        {u"abc"_s, u"山田"_s, 0, {}, u"2 行目の生まれた年「abc」は数として読めません"_s},
        {u"年2015"_s, u"山田"_s, 0, {}, u"2 行目の生まれた年「年2015」"_s},
        {u"20 15"_s, u"山田"_s, 0, {}, u"2 行目の生まれた年「20 15」"_s},
        {u" "_s, u"山田"_s, 0, {}, u"2 行目の生まれた年が入っていません"_s},
        {u"32768"_s, u"山田"_s, 0, {}, u"2 行目の生まれた年「32768」は名簿に書けません"_s},
        {u"32767.5"_s, u"山田"_s, 0, {}, u"2 行目の生まれた年「32767.5」"_s},
        {u"99999999999999999999"_s, u"山田"_s, 0, {}, u"2 行目の生まれた年"_s},
        {u"2015"_s, u"山\"田"_s, 0, {}, u"2 行目の名前「山\"田」には名簿に書けない文字「\"」"_s},
        {u"2015"_s, twenty + u"な"_s, 0, {}, u"2 行目の名前「"_s + twenty + u"な」は 21 文字"_s},
        {u"2015"_s, u"山田😀"_s, 0, {}, u"2 行目の名前「山田😀」には名簿に書けない文字「😀」"_s},
    };
    for (const auto& c : cases) {
        writeLines(threeLines());
        const QByteArray before = rosterOnDisk();
        const QString refusal = changeNames({{QStringLiteral("2015"), QStringLiteral("佐藤")},
                                             {c.year, c.name},
                                             {QStringLiteral("2018"), QStringLiteral("鈴木一郎")}});
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(refusal, QString()) << c.year.toStdString() << c.name.toStdString();
            QStringList expected = threeLines();
            expected[1] = line(7, c.storedYear, -3, 9, c.storedName, QStringLiteral("1"),
                               QStringLiteral("メモ"));
            EXPECT_EQ(rosterOnDisk(), bytesOf(expected)) << c.year.toStdString();
        } else {
            EXPECT_TRUE(refusal.startsWith(c.refusal)) << refusal.toStdString();
            EXPECT_EQ(rosterOnDisk(), before) << c.year.toStdString() << c.name.toStdString();
        }
    }
    // One message names every refused row.
    const QString refusal = changeNames({{QStringLiteral("abc"), QStringLiteral("佐藤")},
                                         {QStringLiteral("2012"), QStringLiteral("山田")},
                                         {QStringLiteral("2018"), QStringLiteral("鈴\"木")}});
    EXPECT_EQ(refusal.count(u'\n'), 2) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("1 行目の生まれた年「abc」")));
    EXPECT_TRUE(refusal.contains(QStringLiteral("3 行目の名前「鈴\"木」")));
    EXPECT_TRUE(refusal.endsWith(QStringLiteral("名簿は変更していません。")));
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
