// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include <vector>

namespace tarq {
namespace {

std::vector<uint8_t> Bytes(size_t n, uint8_t seed)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = uint8_t(seed + i * 7);
    return v;
}

class AtomicSaveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString PathOf(const QString& name) const { return dir.filePath(name); }
};

TEST_F(AtomicSaveTest, WritesAndReplacesWholeFiles)
{
    const QString path = PathOf("Macro.bin");
    const auto first = Bytes(25600, 3);
    ASSERT_TRUE(SaveFileAtomically(path, first));
    EXPECT_EQ(ReadFileBytes(path, 1 << 20), first);

    // A shorter file replaces the longer one completely: no tail of the old bytes survives.
    const auto second = Bytes(256, 9);
    ASSERT_TRUE(SaveFileAtomically(path, second));
    EXPECT_EQ(ReadFileBytes(path, 1 << 20), second);

    // No temporary file is left beside the target.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Macro.bin"});
}

TEST_F(AtomicSaveTest, ReadStopsAtTheGivenLength)
{
    const QString path = PathOf("big.bin");
    ASSERT_TRUE(SaveFileAtomically(path, Bytes(5000, 1)));
    const auto head = ReadFileBytes(path, 30);
    ASSERT_TRUE(head);
    EXPECT_EQ(*head, Bytes(30, 1));
}

TEST_F(AtomicSaveTest, FailuresNameThePathAndKeepTheOldFile)
{
    QString error;
    const QString missingFolder = PathOf("no/such/folder/Macro.bin");
    EXPECT_FALSE(SaveFileAtomically(missingFolder, Bytes(10, 0), &error));
    EXPECT_TRUE(error.contains(missingFolder)) << error.toStdString();

    error.clear();
    EXPECT_FALSE(ReadFileBytes(PathOf("absent.bin"), 100, &error));
    EXPECT_TRUE(error.contains("absent.bin")) << error.toStdString();

    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the root user";
    const QString path = PathOf("keep.bin");
    const auto old = Bytes(40, 5);
    ASSERT_TRUE(SaveFileAtomically(path, old));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(SaveFileAtomically(path, Bytes(80, 6)));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadFileBytes(path, 1000), old);
}

// A full file system: QSaveFile buffers small payloads and commit() does not check their flush,
// so without a checked flush a save of up to 16 KiB "succeeded" and left an empty file.
TEST_F(AtomicSaveTest, FullDiskFailsAndKeepsTheOldFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root; not checked";
    const std::string mountPoint = dir.path().toStdString();
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=128k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{mountPoint};

    const QString path = PathOf("Profile.bin");
    const auto old = Bytes(100, 7);
    ASSERT_TRUE(SaveFileAtomically(path, old));
    {
        std::ofstream filler(mountPoint + "/filler", std::ios::binary);
        const std::vector<char> block(4096, 'x');
        while (filler.write(block.data(), std::streamsize(block.size())) && filler.flush()) {}
    }
    for (size_t size : {size_t(4), size_t(2048), size_t(16384), size_t(65536)}) {
        QString error;
        EXPECT_FALSE(SaveFileAtomically(path, Bytes(size, 9), &error)) << size << " bytes";
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_EQ(ReadFileBytes(path, 1 << 20), old) << size << " bytes";
    }
}

} // namespace
} // namespace tarq
