#include "setup/setup_command.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <map>

#include "platform/ansi.h"
#include "roster/roster.h"
#include "support/core_fixture.h"
#include "support/temp_files.h"

namespace {

const QString kBlank20 = QString(20, u' ');

// A roster line as the program's writer writes it.
QString canonicalLine(int no, int year, const QString& name, int status) {
    return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"%5\",\"%5\"")
        .arg(no)
        .arg(year)
        .arg(platform::fixedLength(name, 20))
        .arg(status)
        .arg(kBlank20);
}

// A data folder with one file of each kind, and the command run in-process on the fake
// clock (school year 2026).
class SetupCommandTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        places.dataFolder = tmp.path() + QStringLiteral("/data");
        places.programPath = QStringLiteral("/opt/ならびタッチ/narabitouch");
        for (const char* file :
             {"sounds/新音ファイル.txt", "pictures/picture.txt", "help/index.htm"})
            ASSERT_TRUE(
                testfiles::writeBytes(places.dataFolder + u'/' + QString::fromUtf8(file), "x"));
    }

    int run(const QStringList& args) {
        stdoutText.clear();
        stderrText.clear();
        SetupOutput out;
        out.standardOutput = [this](const QString& text) { stdoutText += text + u'\n'; };
        out.standardError = [this](const QString& text) { stderrText += text + u'\n'; };
        return runSetup(args, places, out);
    }

    QString family(const QString& name = QStringLiteral("family")) const {
        return tmp.path() + u'/' + name;
    }
    QString rosterOf(const QString& dir) const { return dir + QStringLiteral("/生徒用名簿.txt"); }

    std::map<QString, QByteArray> filesUnder(const QString& dir) const {
        std::map<QString, QByteArray> files;
        QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = testfiles::readBytes(path);
        }
        return files;
    }

    SetupPlaces places;
    QString stdoutText;
    QString stderrText;
};

TEST_F(SetupCommandTest, ANewFamilyHoldsItsFilesAndTheStudentsNumberedInOrder) {
    ASSERT_EQ(run({"new", family(), "--classroom", "さくら教室", "--code", "01234", "--year-start",
                   "3", "--student", "山田花子,2018", "--student", " 佐藤, 太郎 ,2015"}),
              kSetupOk)
        << stderrText.toStdString();
    EXPECT_EQ(testfiles::readBytes(family() + QStringLiteral("/共通データ.txt")),
              platform::toAnsi(QStringLiteral("3\r\n\"01234さくら教室\"\r\n")) +
                  QByteArray("0\r\n").repeated(8));
    EXPECT_EQ(testfiles::readBytes(rosterOf(family())),
              platform::toAnsi(canonicalLine(1, 2018, QStringLiteral("山田花子"), 0) +
                               QStringLiteral("\r\n") +
                               canonicalLine(2, 2015, QStringLiteral("佐藤, 太郎"), 0) +
                               QStringLiteral("\r\n")));
    const QString program = family() + QStringLiteral("/ならびタッチ/");
    for (const char* file : {"設定.txt", "タイム回数データ.txt", "picture.txt", "help/index.htm"})
        EXPECT_TRUE(QFile::exists(program + QString::fromUtf8(file))) << file;
    EXPECT_TRUE(QFile::exists(family() + QStringLiteral("/音フォルダ/新音ファイル.txt")));
    EXPECT_EQ(testfiles::readBytes(program + QStringLiteral("成績累積データ.dat")), QByteArray());
    EXPECT_TRUE(
        QString::fromUtf8(testfiles::readBytes(family() + QStringLiteral("/ならびタッチ.desktop")))
            .contains(QStringLiteral("Exec=\"/opt/ならびタッチ/narabitouch\" --folder \"%1\"\n")
                          .arg(family() + QStringLiteral("/ならびタッチ"))));

    ASSERT_EQ(run({"student", "list", family()}), kSetupOk);
    EXPECT_EQ(stdoutText, QStringLiteral("番号\t名前\t生まれた年\t学年\t状態\n"
                                         "1\t山田花子\t2018\t小2\t有効\n"
                                         "2\t佐藤, 太郎\t2015\t小5\t有効\n"));
}

TEST_F(SetupCommandTest, AHomeGetsACodeAndACommandToPasteIntoAShell) {
    // The data folder is given, not found beside the program; the folder has a blank.
    const QString data = places.dataFolder;
    places.dataFolder = tmp.path() + QStringLiteral("/nowhere");
    const QString home = family(QStringLiteral("t est's"));
    ASSERT_EQ(run({"new", home, "--classroom", "山田家", "--data", data}), kSetupOk)
        << stderrText.toStdString();
    const QString common =
        platform::fromAnsi(testfiles::readBytes(home + QStringLiteral("/共通データ.txt")));
    const QRegularExpression code(QStringLiteral("^4\r\n\"([0-9]{5})山田家\"\r\n"));
    const QRegularExpressionMatch match = code.match(common);
    ASSERT_TRUE(match.hasMatch()) << common.toStdString();
    EXPECT_NE(match.captured(1), QStringLiteral("00000"));
    EXPECT_TRUE(
        stdoutText.contains(QStringLiteral("教室コードは %1 にしました").arg(match.captured(1))))
        << stdoutText.toStdString();
    EXPECT_TRUE(stdoutText.endsWith(
        QStringLiteral(
            "始めるには: /opt/ならびタッチ/narabitouch --folder '%1/t est'\\''s/ならびタッチ'\n")
            .arg(tmp.path())))
        << stdoutText.toStdString();

    // The program folder given where the family folder is wanted.
    ASSERT_EQ(run({"student", "list", home + QStringLiteral("/ならびタッチ")}), kSetupOk)
        << stderrText.toStdString();
    EXPECT_EQ(stdoutText, QStringLiteral("番号\t名前\t生まれた年\t学年\t状態\n"));
}

TEST_F(SetupCommandTest, AddRetireRestoreRewriteOnlyTheirOwnLine) {
    // Lines as other programs may leave them: spare values set, a blank line, a bare LF,
    // odd blanks, a retired student and no line end at the very end.
    const QByteArray line1 =
        platform::toAnsi(QStringLiteral("1,2016,7,-2,\"鈴木一郎            \",0,\"メモ             "
                                        "   \",\"x                   \""));
    const QByteArray line2 = platform::toAnsi(QStringLiteral("2, 2015 ,0,0,\"佐藤\",2,\"\",\"\""));
    const QByteArray line3 = platform::toAnsi(canonicalLine(7, 2019, QStringLiteral("田中"), 1));
    const QByteArray before = line1 + "\r\n\r\n" + line2 + "\n" + line3;
    ASSERT_TRUE(
        testfiles::writeAnsiLines(family() + QStringLiteral("/共通データ.txt"),
                                  {"4", "\"12345教室\"", "1", "0", "0", "0", "0", "0", "0", "0"}));
    ASSERT_TRUE(testfiles::writeBytes(rosterOf(family()), before));

    ASSERT_EQ(run({"student", "add", family(), "--name", "高橋", "--birth-year", "2017"}), kSetupOk)
        << stderrText.toStdString();
    const QByteArray added = before + "\r\n" +
                             platform::toAnsi(canonicalLine(8, 2017, QStringLiteral("高橋"), 0)) +
                             "\r\n";
    EXPECT_EQ(testfiles::readBytes(rosterOf(family())), added);

    ASSERT_EQ(run({"student", "retire", family(), "2"}), kSetupOk);
    const QByteArray retired2 = platform::toAnsi(canonicalLine(2, 2015, QStringLiteral("佐藤"), 1));
    QByteArray expected = added;
    expected.replace(line2, retired2);
    EXPECT_EQ(testfiles::readBytes(rosterOf(family())), expected);

    ASSERT_EQ(run({"student", "restore", family(), "2"}), kSetupOk);
    expected.replace(retired2, platform::toAnsi(canonicalLine(2, 2015, QStringLiteral("佐藤"), 0)));
    EXPECT_EQ(testfiles::readBytes(rosterOf(family())), expected);
    EXPECT_FALSE(QFile::exists(family() + QStringLiteral("/生徒用名簿temp.txt")));
}

TEST_F(SetupCommandTest, RefusedInputsWriteNothingAndNameWhatIsWrong) {
    // Four active students, one retired between them: the home-use roster is full.
    ASSERT_TRUE(testfiles::writeAnsiLines(family() + QStringLiteral("/共通データ.txt"),
                                          {"4,\"12345教室\",0,0,0,0,0,0,0,0"}));
    ASSERT_TRUE(testfiles::writeAnsiLines(rosterOf(family()),
                                          {canonicalLine(1, 2016, QStringLiteral("一"), 0),
                                           canonicalLine(2, 2016, QStringLiteral("二"), 1),
                                           canonicalLine(3, 2016, QStringLiteral("三"), 0),
                                           canonicalLine(4, 2016, QStringLiteral("四"), 0),
                                           canonicalLine(5, 2016, QStringLiteral("五"), 0)}));
    ASSERT_TRUE(testfiles::writeAnsiLines(rosterOf(family("torn")), {"1,2016,0,0,\"一\""}));
    ASSERT_TRUE(testfiles::writeAnsiLines(family("torn") + QStringLiteral("/共通データ.txt"),
                                          {"4,\"12345教室\",0,0,0,0,0,0,0,0"}));
    const QStringList newFamily = {"new", family("new"), "--classroom", "教室", "--code", "12345"};
    const QString limit = QStringLiteral("家庭用は3人までしか登録できません");
    struct Case {
        QStringList args;
        int code;
        QString message;
    };
    const Case cases[] = {
        {newFamily + QStringList{"--code", "1234"}, 2, "--code は 1 回だけ"},
        {{"new", family("new"), "--classroom", "教室", "--code", "1234"}, 1, "--code 「1234」"},
        {{"new", family("new"), "--classroom", "教室", "--code", "00000"}, 1, "--code 「00000」"},
        {{"new", family("new"), "--classroom", "教\"室", "--code", "12345"}, 1, "--classroom"},
        {newFamily + QStringList{"--year-start", "13"}, 1, "--year-start 「13」"},
        {newFamily + QStringList{"--student", "山田"}, 1, "名前,生まれた年"},
        {newFamily + QStringList{"--student", "山田,1925"}, 1, "生まれた年 1925"},
        {newFamily + QStringList{"--student", "山\"田,2018"}, 1, "「\"」"},
        {newFamily + QStringList{"--student", "a,2018", "--student", "b,2018", "--student",
                                 "c,2018", "--student", "d,2018", "--student", "e,2018"},
         1, limit},
        {newFamily + QStringList{"--colour", "red"}, 2, "--colour"},
        {{"new", family("new"), "--code", "12345"}, 2, "--classroom を指定"},
        {{"new", family(), "--classroom", "教室", "--code", "12345"},
         1,
         "共通データ.txt: もうあります"},
        {{"student", "add", family(), "--name", "六", "--birth-year", "2016"}, 1, limit},
        {{"student", "add", family(), "--name", "六", "--birth-year", "2016", "--number", "3"},
         1,
         "--number 3"},
        {{"student", "add", family(), "--name", "六", "--birth-year", "2016", "--number", "5001"},
         1,
         "--number 「5001」"},
        {{"student", "add", family(), "--name", "😀", "--birth-year", "2016"}, 1, "--name"},
        {{"student", "add", family(), "--name", "六", "--birth-year", "2016年"}, 1, "--birth-year"},
        {{"student", "restore", family(), "2"}, 1, limit},
        {{"student", "retire", family(), "9"}, 1, "生徒番号 9"},
        {{"student", "list", family("torn")}, 1, "1 行目"},
        {{"student", "list", family("none")}, 1, "フォルダがありません"},
        {{"student", "remove", family(), "1"}, 2, "remove"},
        {newFamily + QStringList{"--data", tmp.path()}, 1, "--data"},
        {{"student", "list", family(), "--data", tmp.path()}, 2, "--data: student list では"},
    };
    const std::map<QString, QByteArray> files = filesUnder(tmp.path());
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), c.code) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(stderrText.contains(c.message))
            << c.args.join(u' ').toStdString() << ": " << stderrText.toStdString();
        EXPECT_EQ(filesUnder(tmp.path()), files) << c.args.join(u' ').toStdString();
    }
}

}  // namespace
