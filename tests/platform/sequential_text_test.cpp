#include "platform/sequential_text.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "support/temp_files.h"

using platform::SeqTextReader;
using platform::SeqTextWriter;

namespace {

SeqTextReader reader(const QByteArray& bytes) {
    return SeqTextReader(bytes, "テスト.txt");
}

QStringList allStrings(SeqTextReader in) {
    QStringList values;
    while (!in.atEnd()) values << in.readString();
    return values;
}

template <class F>
platform::RuntimeError errorOf(F&& f) {
    try {
        f();
    } catch (const platform::RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "no run-time error";
    return platform::RuntimeError(0, {});
}

}  // namespace

TEST(SeqTextRead, ValuesAsTheWindowsProgramsReadThem) {
    const struct {
        const char* bytes;
        QStringList values;
    } texts[] = {
        // Quoted values keep commas and line ends; text after a closing quote is dropped.
        {"\"a,b\",c\r\n\"x\r\ny\",\"\"\r\nlast", {"a,b", "c", "x\r\ny", "", "last"}},
        {"\"ab\"cd,e", {"ab", "e"}},
        // Blanks around unquoted values go; blank lines are no values.
        {"  abc  ,\t\" q q \"  , 12 \r\n   \r\n", {"abc", " q q ", "12"}},
    };
    for (const auto& t : texts) EXPECT_EQ(allStrings(reader(t.bytes)), t.values) << t.bytes;

    const struct {
        const char* bytes;
        std::vector<double> numbers;  // then the end
    } numbers[] = {
        {"1\r\n2\n3\r4,5\r\n\r\n\r\n6\r\n", {1, 2, 3, 4, 5, 6}},  // every line end
        {"1,2\r\n\x1a"
         "3,4\r\n",
         {1, 2}},                                        // Ctrl+Z ends the file
        {"1,,3,\r\n\"\",5", {1, 0, 3, 0, 0, 5}},         // empty values read as 0
        {"-2.5, 1e3 ,\"42\",7日", {-2.5, 1000, 42, 7}},  // the leading number
    };
    for (const auto& n : numbers) {
        SeqTextReader in = reader(n.bytes);
        for (double expected : n.numbers) EXPECT_EQ(in.readNumber(), expected) << n.bytes;
        EXPECT_TRUE(in.atEnd()) << n.bytes;
    }
}

TEST(SeqTextRead, ErrorsNameTheFileAndTheLine) {
    platform::RuntimeError e = errorOf([] {
        SeqTextReader in = reader("1,2\r\n");
        in.readNumber();
        in.readNumber();
        in.readNumber();
    });
    EXPECT_EQ(e.number(), platform::errInputPastEnd);
    EXPECT_TRUE(e.message().contains("テスト.txt"));

    e = errorOf([] {
        SeqTextReader in = reader("1\r\n\r\n abc\r\n");
        in.readNumber();
        in.readNumber();
    });
    EXPECT_EQ(e.number(), platform::errTypeMismatch);
    EXPECT_TRUE(e.message().contains("テスト.txt"));
    EXPECT_TRUE(e.message().contains("3 行目")) << e.message().toStdString();
}

TEST(SeqTextRead, IntegersAreRoundedAndRangeChecked) {
    SeqTextReader in = reader("2.5,3.5,32767,32768");
    EXPECT_EQ(in.readInteger(-32768, 32767), 2);
    EXPECT_EQ(in.readInteger(-32768, 32767), 4);
    EXPECT_EQ(in.readInteger(-32768, 32767), 32767);
    const platform::RuntimeError e = errorOf([&] { in.readInteger(-32768, 32767); });
    EXPECT_EQ(e.number(), platform::errOverflow);
    EXPECT_TRUE(e.message().contains("32768"));
}

TEST(SeqTextRead, MissingFileIsError53) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/ない.txt";
    const platform::RuntimeError e = errorOf([&] { SeqTextReader::open(path); });
    EXPECT_EQ(e.number(), platform::errFileNotFound);
    EXPECT_EQ(e.file(), path);
}

TEST(SeqTextRead, Cp932TextIsDecoded) {
    // ① 0x8740, Ⅰ 0x8754, ～ 0x8160, あ 0x82A0
    const QByteArray bytes("\"\x87\x40\x87\x54\x81\x60\x82\xa0\",\x81\x60");
    SeqTextReader in = reader(bytes);
    EXPECT_EQ(in.readString(), QString::fromUtf8("①Ⅰ～あ"));
    EXPECT_EQ(in.readString(), QString(QChar(0xFF5E)));
}

TEST(SeqTextWrite, BytesOfALine) {
    SeqTextWriter out;
    out.writeLine({1, QString("abc"), 2.5});
    EXPECT_EQ(out.bytes(), QByteArray("1,\"abc\",2.5\r\n"));
    out.writeLine({-3, QString("①Ⅰ～")});
    EXPECT_EQ(out.bytes().mid(13), QByteArray("-3,\"\x87\x40\x87\x54\x81\x60\"\r\n"));
}

TEST(SeqTextWrite, SavedFileReadsBackTheSameValues) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/名簿.txt";
    SeqTextWriter out;
    const QString tricky = QString::fromUtf8("山田,\"花子\"①Ⅱ～");
    out.writeLine({7, tricky, QString("")});
    out.writeLine({0.25, QString(" 前後 ")});
    out.saveTo(path);
    EXPECT_EQ(testfiles::readBytes(path), out.bytes());

    SeqTextReader in = SeqTextReader::open(path);
    EXPECT_EQ(in.readNumber(), 7);
    // A double quote cannot be stored inside a value; it comes back full-width.
    EXPECT_EQ(in.readString(), QString::fromUtf8("山田,＂花子＂①Ⅱ～"));
    EXPECT_EQ(in.readString(), "");
    EXPECT_EQ(in.readNumber(), 0.25);
    EXPECT_EQ(in.readString(), " 前後 ");
    EXPECT_TRUE(in.atEnd());
}

TEST(SeqTextWrite, SaveIntoAMissingFolderFailsNamingTheFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/ない/名簿.txt";
    SeqTextWriter out;
    out.writeLine({1});
    const platform::RuntimeError e = errorOf([&] { out.saveTo(path); });
    EXPECT_EQ(e.file(), path);
    EXPECT_FALSE(QFile::exists(path));
}
