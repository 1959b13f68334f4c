#include "platform/file_names.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(WindowsFileNames, BackslashesAndAnotherLetterCaseFindTheFile) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.path() + u'/';
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("Pics/絵")));
    for (const char* name : {"Pics/絵/Card1.PNG", "done.bmp", "正解.wav"}) {
        QFile f(folder + QString::fromUtf8(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    using platform::resolveFileName;
    // The exact name, and "\" as a separator.
    EXPECT_EQ(resolveFileName(folder, QStringLiteral("done.bmp")), folder + "done.bmp");
    EXPECT_EQ(resolveFileName(folder, QStringLiteral("Pics\\絵\\Card1.PNG")),
              folder + QStringLiteral("Pics/絵/Card1.PNG"));
    // Another ASCII letter case in every part.
    EXPECT_EQ(resolveFileName(folder, QStringLiteral("PICS\\絵\\card1.png")),
              folder + QStringLiteral("Pics/絵/Card1.PNG"));
    EXPECT_EQ(resolveFileName(tmp.path(), QStringLiteral("DONE.BMP")), folder + "done.bmp");
    EXPECT_EQ(resolveFileName(folder, QStringLiteral("正解.WAV")),
              folder + QStringLiteral("正解.wav"));
    // Missing: the name as given, with "/" separators, so the message names it.
    EXPECT_EQ(resolveFileName(folder, QStringLiteral("pics\\none.png")),
              folder + QStringLiteral("pics/none.png"));
    EXPECT_EQ(resolveFileName(folder, QString()), folder);
}

}  // namespace
