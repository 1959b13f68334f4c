#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/errors.h"
#include "support/temp_files.h"

// A rewrite that fails keeps the old file and says why by the error's number: the full disk
// (a temp file that is a link to /dev/full) or a folder gone.
TEST(FileReplace, AFailedRewriteKeepsTheOldFileAndNamesWhatFailed) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/名簿.txt";
    ASSERT_TRUE(testfiles::writeBytes(path, "old"));
    const QString full = dir.path() + "/full.tmp";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
    const struct {
        QString temp;
        int number;
    } cases[] = {{full, platform::errDiskFull},
                 {dir.path() + "/gone/名簿.txt.tmp", platform::errPathNotFound}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.temp.toStdString());
        try {
            platform::replaceFile(path, c.temp, "new");
            ADD_FAILURE() << "no error";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number);
            EXPECT_EQ(e.file(), path);
        }
        EXPECT_EQ(testfiles::readBytes(path), QByteArray("old"));
    }
}
