#include "platform/ansi.h"

#include <gtest/gtest.h>

using platform::fixedAnsi;
using platform::fromAnsi;
using platform::toAnsi;

TEST(AnsiText, Cp932RoundTripOfTheExtendedCharacters) {
    const QString text = QString::fromUtf8("①⑥ⅠⅢ～ならびタッチ髙");
    const QByteArray bytes = toAnsi(text);
    EXPECT_EQ(bytes.left(8), QByteArray("\x87\x40\x87\x45\x87\x54\x87\x56"));
    EXPECT_EQ(bytes.mid(8, 2), QByteArray("\x81\x60"));
    EXPECT_EQ(fromAnsi(bytes), text);
    EXPECT_EQ(fromAnsi(QByteArray("\x81\x60")), QString(QChar(0xFF5E)));
    EXPECT_EQ(toAnsi(QString(QChar(0xFF5E))), QByteArray("\x81\x60"));
}

TEST(AnsiText, FixedFieldsArePaddedAndNeverSplitACharacter) {
    EXPECT_EQ(fixedAnsi("abc", 5), QByteArray("abc  "));
    EXPECT_EQ(fixedAnsi("abcdef", 4), QByteArray("abcd"));
    EXPECT_EQ(fixedAnsi(QString::fromUtf8("あいう"), 6), toAnsi(QString::fromUtf8("あいう")));
    EXPECT_EQ(fixedAnsi(QString::fromUtf8("あいう"), 5), toAnsi(QString::fromUtf8("あい")) + ' ');
    EXPECT_EQ(fixedAnsi(QString::fromUtf8("aあ"), 2), QByteArray("a "));
    EXPECT_EQ(fixedAnsi(QString::fromUtf8("ｱｲｳ"), 2), QByteArray("\xb1\xb2"));
    EXPECT_EQ(fixedAnsi("", 3), QByteArray("   "));
    EXPECT_EQ(fixedAnsi("abc", 0), QByteArray());
}

TEST(AnsiText, FixedLengthInMemory) {
    EXPECT_EQ(platform::fixedLength("ab", 4), "ab  ");
    EXPECT_EQ(platform::fixedLength(QString::fromUtf8("山田花子"), 2), QString::fromUtf8("山田"));
}
