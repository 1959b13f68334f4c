#include "export/runs_csv.h"

#include <gtest/gtest.h>

#include "platform/ansi.h"
#include "platform/errors.h"

namespace {

// 2026-12-08 is day 46364.
ResultRecord run(double date, double timeOfDay, int student, int level, qint32 time,
                 const char* classroom) {
    ResultRecord r;
    r.date = date;
    r.timeOfDay = timeOfDay;
    r.studentNo = static_cast<qint16>(student);
    r.level = static_cast<qint16>(level);
    r.time = time;
    r.classroom = QString::fromUtf8(classroom);
    return r;
}

RunsLookup lookup() {
    RunsLookup l;
    l.studentNames[7] = QStringLiteral("山田, 花子");
    l.gradeLabels[7] = QStringLiteral("小2");
    l.studentNames[8] = QStringLiteral("Tom \"T\"");
    l.levelNames[2] = QStringLiteral("１～２ずつ増加");
    l.passTimes[2] = 60;
    l.targetsPath = QStringLiteral("/family/drill/タイム回数データ.txt");
    return l;
}

const std::vector<ResultRecord> kRuns = {
    // 30 s against a pass time of 60: ((60 - 30) / 60)^3 x 50 + 5 = 11.25.
    run(46364, 37425.0 / 86400.0, 7, 2, 30, "AB   "),
    // Ran out of time: no time, no points; a student missing from the roster.
    run(46363, 0.375, 8, 2, 99999, "12345"),
};

const QString kExpected = QStringLiteral(
    "日付,時刻,生徒番号,名前,学年,レベル,レベル名,タイム(秒),得点,教室コード\r\n"
    "2026-12-08,10:23:45,7,\"山田, 花子\",小2,2,１～２ずつ増加,30,11,AB\r\n"
    "2026-12-07,09:00:00,8,\"Tom \"\"T\"\"\",,2,１～２ずつ増加,,0,12345\r\n");

TEST(RunsCsv, RowsQuotedAndEncodedInUtf8WithBomOrCp932) {
    const QByteArray utf8 = runsCsv(kRuns, lookup(), {}, CsvEncoding::Utf8WithBom);
    EXPECT_EQ(utf8.toStdString(), "\xEF\xBB\xBF" + kExpected.toStdString());

    const QByteArray cp932 = runsCsv(kRuns, lookup(), {}, CsvEncoding::Cp932);
    EXPECT_EQ(platform::fromAnsi(cp932).toStdString(), kExpected.toStdString());
    // "１～２" as the Windows machines write it, no byte-order mark.
    EXPECT_TRUE(cp932.contains("\x82\x50\x81\x60\x82\x51"));
    EXPECT_EQ(static_cast<unsigned char>(cp932[0]), 0x93u);  // 日
}

TEST(RunsCsv, PointsAreTheUnweightedRule) {
    RunsLookup l = lookup();
    const auto points = [&](qint32 t) { return csvRow(run(46364, 0, 7, 2, t, ""), l)[8].toInt(); };
    EXPECT_EQ(points(0), 55);
    EXPECT_EQ(points(61), 4);
    EXPECT_EQ(points(99998), 0);
    EXPECT_EQ(csvRow(run(46364, 0, 7, 2, 89999, ""), l)[7], QStringLiteral("89999"));
    EXPECT_EQ(csvRow(run(46364, 0, 7, 2, 99998, ""), l)[7], QString());

    // A run at a level without a positive pass time stops the export, naming the targets.
    l.passTimes[2] = 0;
    try {
        runsCsv(kRuns, l, {}, CsvEncoding::Utf8WithBom);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.file(), l.targetsPath);
        EXPECT_TRUE(e.detail().contains(QStringLiteral("レベル 2"))) << e.detail().toStdString();
    }
}

TEST(RunsCsv, FilterKeepsTheDaysFromAndToInclusiveAndOneStudent) {
    const ResultRecord late = run(46364, 0.99, 7, 2, 30, "");  // 2026-12-08 23:45
    const ResultRecord early = run(46362, 0.0, 8, 2, 30, "");  // 2026-12-06 00:00
    RunsFilter filter;
    filter.from = QDate(2026, 12, 6);
    filter.to = QDate(2026, 12, 8);
    EXPECT_TRUE(isWanted(late, filter));
    EXPECT_TRUE(isWanted(early, filter));
    filter.to = QDate(2026, 12, 7);
    EXPECT_FALSE(isWanted(late, filter));
    filter.from = QDate(2026, 12, 7);
    EXPECT_FALSE(isWanted(early, filter));

    RunsFilter one;
    one.studentNo = 8;
    EXPECT_TRUE(isWanted(early, one));
    EXPECT_FALSE(isWanted(late, one));
}

TEST(RunsCsv, DecodeSkipsATornTailAndRefusesARecordOutOfRange) {
    const QString path = QStringLiteral("/family/drill/成績累積データ.dat");
    const QByteArray whole =
        kRuns[0].toBytes() + QByteArray(kResultRecordSize, '\0') + kRuns[1].toBytes();
    const LogRuns runs = decodeRuns(whole + kRuns[0].toBytes().left(10), path);
    ASSERT_EQ(runs.records.size(), 2u);
    EXPECT_EQ(runs.records[1].studentNo, 8);
    EXPECT_EQ(runs.leftOut, 1);  // the empty record has no student
    EXPECT_EQ(runs.tornBytes, 10);

    try {
        decodeRuns(whole + run(46364, 0, 7, 36, 30, "").toBytes(), path);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_TRUE(e.detail().contains(QStringLiteral("記録 4"))) << e.detail().toStdString();
    }
}

}  // namespace
