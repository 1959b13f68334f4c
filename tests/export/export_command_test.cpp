#include "export/export_command.h"

#include <QDirIterator>
#include <map>

#include "results/pending_runs.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"

namespace {

// A family folder as the program finds it: <tmp>/ holds the roster and common data,
// <tmp>/drill/ is the program folder with its settings, targets and log.
class ExportCommandTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        programDir = tmp.path() + QStringLiteral("/drill");
        ASSERT_TRUE(testfiles::writeAnsiLines(dataPath(QStringLiteral("設定.txt")),
                                              {QStringLiteral("0,0,0,0,0,0,0,0,0,0")}));
        ASSERT_TRUE(
            testfiles::writeAnsiLines(basePath(QStringLiteral("共通データ.txt")),
                                      {QStringLiteral("4,\"12345さくら教室\",0,0,0,0,0,0,0,0")}));
        // Weight 3: the export shows the points without it.
        ASSERT_TRUE(testfiles::writeAnsiLines(dataPath(QStringLiteral("タイム回数データ.txt")),
                                              {QStringLiteral("60,120,30,3,3,0,0,7,7,0,0,0"),
                                               QStringLiteral("60,120,30,3,3,0,0,7,7,0,0,0")}));
        // Five active students: more than the home-use limit, which the export ignores.
        QStringList roster;
        for (int no = 1; no <= 5; ++no)
            roster << QStringLiteral("%1,2018,0,0,\"生徒%1\",0,\"\",\"\"").arg(no);
        roster[4] = QStringLiteral("5,2018,0,0,\"佐藤, 次郎\",0,\"\",\"\"");
        ASSERT_TRUE(testfiles::writeAnsiLines(basePath(QStringLiteral("生徒用名簿.txt")), roster));

        ResultRecord r;
        r.date = 46364;  // 2026-12-08
        r.timeOfDay = 0.5;
        r.studentNo = 5;
        r.level = 1;
        r.time = 60;
        r.classroom = QStringLiteral("12345");
        QByteArray log = r.toBytes();
        r.level = 2;
        r.time = 99999;
        log += r.toBytes();
        ASSERT_TRUE(testfiles::writeBytes(logPath(), log + QByteArray(7, '\x01')));
    }

    QString logPath() const { return dataPath(QStringLiteral("成績累積データ.dat")); }

    int run(const QStringList& args) {
        ExportOutput out;
        out.standardOutput = [this](const QByteArray& bytes) {
            stdoutBytes += bytes;
            return true;
        };
        out.standardError = [this](const QString& text) { stderrText += text + u'\n'; };
        return runExport(args, out);
    }

    std::map<QString, QByteArray> familyFiles() const {
        std::map<QString, QByteArray> files;
        QDirIterator it(tmp.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = testfiles::readBytes(path);
        }
        return files;
    }

    QString programDir;
    QByteArray stdoutBytes;
    QString stderrText;
};

TEST_F(ExportCommandTest, ExportsEveryRunWithoutTouchingTheFamily) {
    const auto before = familyFiles();
    QTemporaryDir outDir;
    const QString csvPath = outDir.path() + QStringLiteral("/runs.csv");

    ASSERT_EQ(run({programDir + u'/', QStringLiteral("-o"), csvPath}), kExportOk)
        << qPrintable(stderrText);

    EXPECT_EQ(testfiles::readBytes(csvPath).toStdString(),
              "\xEF\xBB\xBF" +
                  QStringLiteral(
                      "日付,時刻,生徒番号,名前,学年,レベル,レベル名,タイム(秒),得点,教室コード\r\n"
                      "2026-12-08,12:00:00,5,\"佐藤, 次郎\",小2,1,１ずつ増加,60,5,12345\r\n"
                      "2026-12-08,12:00:00,5,\"佐藤, 次郎\",小2,2,１～２ずつ増加,,0,12345\r\n")
                      .toStdString());
    EXPECT_TRUE(stderrText.contains(QStringLiteral("7 バイト"))) << qPrintable(stderrText);
    EXPECT_TRUE(stdoutBytes.isEmpty());
    EXPECT_EQ(familyFiles(), before);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(ended());
}

TEST_F(ExportCommandTest, PendingListsTheRunsKeptHereOnceMarked) {
    // One kept run already in the log (the program stopped before forgetting it), one not.
    const QByteArray log = testfiles::readBytes(logPath());
    ResultRecord kept = ResultRecord::fromBytes(log.constData());
    kept.time = 70;
    writePendingRuns(familyLogsOf(programDir, tmp.path()),
                     {{log.left(kResultRecordSize), {}}, {kept.toBytes(), {}}});
    ASSERT_EQ(run({programDir, QStringLiteral("--pending")}), kExportOk) << qPrintable(stderrText);
    const QStringList lines = QString::fromUtf8(stdoutBytes.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",教室コード,保存待ち")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",60,5,12345,")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(",70,4,12345,○"))) << qPrintable(lines[3]);
}

TEST_F(ExportCommandTest, AMissingOrMalformedFileIsNamedAndNothingIsWritten) {
    const QString target = tmp.path() + QStringLiteral("/runs.csv");

    // A level in the log without targets.
    ASSERT_TRUE(testfiles::writeAnsiLines(dataPath(QStringLiteral("タイム回数データ.txt")),
                                          {QStringLiteral("60,120,30,3,3,0,0,7,7,0,0,0")}));
    EXPECT_EQ(run({programDir, QStringLiteral("-o"), target}), kExportFileError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("タイム回数データ.txt")))
        << qPrintable(stderrText);

    // No roster, and no left-behind copy either.
    QFile::remove(basePath(QStringLiteral("生徒用名簿.txt")));
    stderrText.clear();
    EXPECT_EQ(run({programDir, QStringLiteral("-o"), target}), kExportFileError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("生徒用名簿.txt"))) << qPrintable(stderrText);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(stdoutBytes.isEmpty());
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(ended());
}

TEST_F(ExportCommandTest, NeverReplacesAFileOfTheFamily) {
    const QByteArray log = testfiles::readBytes(logPath());
    EXPECT_EQ(run({programDir, QStringLiteral("-o"), logPath()}), kExportFileError);
    EXPECT_EQ(testfiles::readBytes(logPath()), log);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("成績累積データ.dat")))
        << qPrintable(stderrText);

    // The roster left behind under its temporary name is read where it lies.
    ASSERT_TRUE(QFile::rename(basePath(QStringLiteral("生徒用名簿.txt")),
                              basePath(QStringLiteral("生徒用名簿temp.txt"))));
    EXPECT_EQ(run({programDir, QStringLiteral("--student"), QStringLiteral("5")}), kExportOk)
        << qPrintable(stderrText);
    EXPECT_TRUE(QString::fromUtf8(stdoutBytes).contains(QStringLiteral("佐藤, 次郎")));
    EXPECT_FALSE(QFile::exists(basePath(QStringLiteral("生徒用名簿.txt"))));
}

TEST_F(ExportCommandTest, AFamilyFolderStandsForItsOneProgramFolder) {
    EXPECT_EQ(run({tmp.path(), QStringLiteral("--student"), QStringLiteral("5")}), kExportOk)
        << qPrintable(stderrText);
    EXPECT_TRUE(QString::fromUtf8(stdoutBytes).contains(QStringLiteral("佐藤, 次郎")));

    // With two program folders the message names both and nothing is exported.
    ASSERT_TRUE(testfiles::writeAnsiLines(tmp.path() + QStringLiteral("/other/設定.txt"),
                                          {QStringLiteral("0,0,0,0,0,0,0,0,0,0")}));
    stdoutBytes.clear();
    stderrText.clear();
    EXPECT_EQ(run({tmp.path()}), kExportFileError);
    EXPECT_TRUE(stderrText.contains(QStringLiteral("drill")) &&
                stderrText.contains(QStringLiteral("other")))
        << qPrintable(stderrText);
    EXPECT_TRUE(stdoutBytes.isEmpty());
}

}  // namespace
