// The progress report opened from the name selection's menu, as a family meets it.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>

#include "platform/printer_gui.h"
#include "records/progress_report_gui.h"
#include "support/whole_program_fixture.h"

namespace {

class ProgressReportTest : public WholeProgramTest {
  protected:
    // A run of the log on a day of December 2026 (the program's today is Tuesday the 8th).
    void addRun(int student, int level, qint32 time, int day) {
        ResultRecord r;
        r.date = platform::dayCountFromDate(QDate(2026, 12, day));
        r.timeOfDay = 0.7;
        r.studentNo = static_cast<qint16>(student);
        r.level = static_cast<qint16>(level);
        r.time = time;
        r.classroom = QStringLiteral("12345");
        QByteArray bytes = testfiles::readBytes(logPath());
        ASSERT_TRUE(testfiles::writeBytes(logPath(), bytes + r.toBytes()));
    }
    static void choose(QComboBox* combo, const QVariant& data) {
        ASSERT_NE(combo, nullptr);
        const int index = combo->findData(data);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
    }
    static QString pdfText(const QString& pdf, const QStringList& options = {}) {
        QProcess run;
        run.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
        run.waitForFinished();
        return QString::fromUtf8(run.readAllStandardOutput());
    }
};

TEST_F(ProgressReportTest, OpensFromTheMenuAndFollowsStudentAndPeriod) {
    ASSERT_TRUE(started);
    addRun(2, 1, 40, 1);     // 山田花子, last week
    addRun(2, 1, 30, 7);     // this week: Monday,
    addRun(1, 2, 25, 8);     // 鈴木一郎 in between,
    addRun(2, 1, 20, 8);     // Tuesday (today),
    addRun(2, 1, 99999, 8);  // and out of time
    NameSelection* names = program->flow().nameSelection();
    ASSERT_NE(names, nullptr);
    names->findChild<QAction*>(QStringLiteral("menureport"))->trigger();
    auto* report = program->flow().progressReport();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_FALSE(report->isModal());
    EXPECT_EQ(report->windowTitle(), QStringLiteral("成績の記録"));

    // The roster's first student, this week.
    EXPECT_EQ(text(report, QStringLiteral("runsValue")), QStringLiteral("1回"));
    auto* levels = child<QTableWidget>(report, QStringLiteral("levelTable"));
    ASSERT_EQ(levels->rowCount(), 1);
    EXPECT_EQ(levels->item(0, 0)->text(), QStringLiteral("2 １～２ずつ増加"));

    choose(child<QComboBox>(report, QStringLiteral("studentPicker")), 2);
    const auto figures = [&] {
        QStringList texts;
        for (const char* name : {"runs", "passed", "outOfTime", "practiceTime", "points", "days",
                                 "currentStreak", "longestStreak"})
            texts << text(report, QString::fromLatin1(name) + QStringLiteral("Value"));
        return texts;
    };
    // The run out of time counts its limit, 5 x 60 s.
    EXPECT_EQ(figures(),
              (QStringList{"3回", "2回", "1回", "5分50秒", "11点", "2日", "2日", "2日"}));
    EXPECT_EQ(text(report, QStringLiteral("runsChange")), QStringLiteral("先週 +2回"));
    auto* calendar = child<QTableWidget>(report, QStringLiteral("calendar"));
    ASSERT_EQ(calendar->rowCount(), 1);
    QTableWidgetItem* tuesday = calendar->item(0, 1);
    EXPECT_EQ(tuesday->text(), QStringLiteral("2"));
    EXPECT_EQ(tuesday->data(Qt::AccessibleTextRole).toString(), QStringLiteral("12月8日 2回"));
    ASSERT_EQ(levels->rowCount(), 1);
    EXPECT_EQ(levels->item(0, 2)->text(), QStringLiteral("20秒"));
    EXPECT_EQ(levels->item(0, 4)->text(), QStringLiteral("25秒"));

    choose(child<QComboBox>(report, QStringLiteral("periodPicker")),
           static_cast<int>(records::ReportPeriod::ThisMonth));
    EXPECT_EQ(text(report, QStringLiteral("runsValue")), QStringLiteral("4回"));
    EXPECT_EQ(text(report, QStringLiteral("runsChange")), QStringLiteral("先月 +4回"));
    EXPECT_EQ(calendar->rowCount(), 5);

    // CSV: the student's runs of the month with the export's columns.
    const QString csv = tmp.path() + QStringLiteral("/runs.csv");
    report->setSavePathChoice([&](QWidget*, const QString&) { return csv; });
    clickButton(report, QStringLiteral("csvButton"));
    const QStringList rows = QString::fromUtf8(testfiles::readBytes(csv))
                                 .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_TRUE(
        rows[0].endsWith(QStringLiteral("日付,時刻,生徒番号,名前,学年,レベル,レベル名,"
                                        "タイム(秒),得点,教室コード")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("2026-12-01,16:48:00,2,山田花子,")));

    // Every student on a page of one job: each page names its student, no words overlap.
    const QString pdf = tmp.path() + QStringLiteral("/report.pdf");
    platform::setPrinterChoice([&](QWidget*) { return std::optional<QString>(pdf); });
    clickButton(report, QStringLiteral("printAllButton"));
    platform::setPrinterChoice({});
    const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    const QStringList students = {"鈴木一郎", "山田花子", "佐藤太郎"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(pages[i].contains(students[i])) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("印刷日 2026/12/08"))) << i;
    }
    EXPECT_TRUE(pages[1].contains(QStringLiteral("先月 +4回")));
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)<"));
    for (const QString& page :
         pdfText(pdf, {QStringLiteral("-bbox")}).split(QStringLiteral("<page "))) {
        std::vector<std::pair<QRectF, QString>> found;
        for (const QRegularExpressionMatch& m : word.globalMatch(page))
            found.emplace_back(QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                      QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))
                                   .adjusted(0.1, 0.1, -0.1, -0.1),
                               m.captured(5));
        for (size_t i = 0; i < found.size(); ++i)
            for (size_t j = i + 1; j < found.size(); ++j)
                EXPECT_FALSE(found[i].first.intersects(found[j].first))
                    << found[i].second.toStdString() << " / " << found[j].second.toStdString();
    }
}

}  // namespace
