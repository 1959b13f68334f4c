#include "platform/record_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/errors.h"
#include "support/temp_files.h"

using platform::RecordFile;

TEST(RecordFiles, AppendsFollowTheLastWholeRecord) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/成績.dat";
    platform::appendRecordLocked(path, "AAAA");
    platform::appendRecordLocked(path, "BBBB");
    EXPECT_EQ(testfiles::readBytes(path), QByteArray("AAAABBBB"));

    // A torn tail left by a failed write is overwritten by the next record.
    ASSERT_TRUE(testfiles::writeBytes(path, "AAAABBBBxy"));
    platform::appendRecordLocked(path, "CCCC");
    EXPECT_EQ(testfiles::readBytes(path), QByteArray("AAAABBBBCCCC"));
    ASSERT_TRUE(testfiles::writeBytes(path, "AAAAxyz"));
    platform::appendRecordLocked(path, "DDDD");
    EXPECT_EQ(testfiles::readBytes(path), QByteArray("AAAADDDD"));
}

TEST(RecordFiles, SharedReadWaitsForNoOneButFailsWhileAppendHoldsTheLock) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/成績.dat";
    platform::appendRecordLocked(path, "AAAA");

    QByteArray data;
    {
        RecordFile writer(path, RecordFile::Access::Append);
        writer.lockExclusive();
        // A second open file description conflicts even inside one process.
        RecordFile reader(path, RecordFile::Access::Read);
        EXPECT_FALSE(reader.tryLockShared());
        EXPECT_FALSE(platform::readRecordsShared(path, &data));
        EXPECT_TRUE(data.isEmpty());
        writer.unlock();
        EXPECT_TRUE(reader.tryLockShared());
        // Readers do not exclude each other.
        EXPECT_TRUE(platform::readRecordsShared(path, &data));
        EXPECT_EQ(data, QByteArray("AAAA"));
    }
    // Closing a file releases its lock.
    {
        RecordFile writer(path, RecordFile::Access::Append);
        writer.lockExclusive();
    }
    EXPECT_TRUE(platform::readRecordsShared(path, &data));
}

TEST(RecordFiles, MissingFileForReadingIsError53) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/ない.dat";
    QByteArray data;
    try {
        platform::readRecordsShared(path, &data);
        ADD_FAILURE() << "no run-time error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errFileNotFound);
        EXPECT_EQ(e.file(), path);
    }
    EXPECT_FALSE(QFile::exists(path));
}
