// SPDX-License-Identifier: GPL-2.0-or-later
// Files that are not what a reader or writer expects: links, pipes, folders, device nodes,
// huge sparse files. Each kind is run against every reader and writer of the program's files:
// nothing hangs, nothing is written through a link into a file the program does not own, and
// what is refused says so.

#include "config/DefaultImages.h"
#include "device/emulator/DemoDevices.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <vector>

namespace tarq {
namespace {

std::vector<uint8_t> Pattern(size_t n, uint8_t seed)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = uint8_t(seed + i * 13);
    return v;
}

void Write(const QString& path, const std::vector<uint8_t>& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

std::vector<uint8_t> Contents(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray a = f.readAll();
    return {a.begin(), a.end()};
}

// One kind of bad file, made at `path`; `outside` is a regular file beyond the program's
// folder that a link may point to.
struct BadFile {
    const char* name;
    std::function<void(const QString& path, const QString& outside)> make;
    bool readable;      // a reader takes bytes from it (through the link)
    bool userWritable;  // a save to a path the user chose replaces it (a link: its target)
};

const BadFile kBadFiles[] = {
    {"link to a file outside", [](const QString& p, const QString& o) { QFile::link(o, p); }, true, true},
    {"dangling link", [](const QString& p, const QString& o) { QFile::link(o + ".none", p); }, false, true},
    {"link to /dev/zero", [](const QString& p, const QString&) { QFile::link(QStringLiteral("/dev/zero"), p); }, false, false},
    {"named pipe", [](const QString& p, const QString&) { ::mkfifo(QFile::encodeName(p).constData(), 0600); }, false, false},
    {"link to a named pipe",
     [](const QString& p, const QString& o) {
         ::mkfifo(QFile::encodeName(o + ".fifo").constData(), 0600);
         QFile::link(o + ".fifo", p);
     },
     false, false},
    {"folder", [](const QString& p, const QString&) { QDir().mkpath(p); }, false, false},
};

class BadFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    QString outside() const { return elsewhere.filePath("outside.bin"); }
    const std::vector<uint8_t> outsideBytes = Pattern(3000, 7);
    void SetUp() override { Write(outside(), outsideBytes); }
};

TEST_F(BadFilesTest, ReadersNeverHangAndTakeOnlyRegularFiles)
{
    for (const BadFile& bad : kBadFiles) {
        const QString path = dir.filePath(QString::fromLatin1(bad.name).replace(' ', '_'));
        bad.make(path, outside());
        QElapsedTimer took;
        took.start();
        QString error;
        const auto bytes = ReadFileBytes(path, 2048, &error);
        EXPECT_LT(took.elapsed(), 1000) << bad.name;
        EXPECT_EQ(bytes.has_value(), bad.readable) << bad.name;
        if (bytes)
            EXPECT_EQ(*bytes, std::vector<uint8_t>(outsideBytes.begin(), outsideBytes.begin() + 2048)) << bad.name;
        else
            EXPECT_TRUE(error.contains(path)) << bad.name << ": " << error.toStdString();
    }
    // A device node named directly, and a pipe with a writer waiting, are refused the same way.
    QString error;
    EXPECT_FALSE(ReadFileBytes(QStringLiteral("/dev/null"), 10, &error));
    EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
}

TEST_F(BadFilesTest, OwnFilesAreNeverWrittenThroughALinkAndUserFilesFollowLinksAsCpDoes)
{
    const std::vector<uint8_t> fresh = Pattern(256, 99);
    for (const BadFile& bad : kBadFiles) {
        for (const bool own : {true, false}) {
            SetUp(); // the outside file as it was
            const QString path = dir.filePath(QString::fromLatin1(bad.name).replace(' ', '_') + (own ? ".own" : ".user"));
            bad.make(path, outside());
            const bool link = QFileInfo(path).isSymLink();
            QString error;
            QElapsedTimer took;
            took.start();
            const bool saved = own ? SaveOwnFile(path, fresh, &error) : SaveFileAtomically(path, fresh, &error);
            EXPECT_LT(took.elapsed(), 1000) << bad.name;
            const bool expected = own ? !link && bad.userWritable : bad.userWritable;
            EXPECT_EQ(saved, expected) << bad.name << (own ? " (own file)" : " (user's file)") << ": " << error.toStdString();
            if (!saved) {
                EXPECT_TRUE(error.contains(path)) << bad.name << ": " << error.toStdString();
                if (own && link)
                    EXPECT_TRUE(error.contains("symbolic link")) << error.toStdString();
                EXPECT_EQ(QFileInfo(path).isSymLink(), link) << bad.name; // the link itself stays
            }
            // The outside file changes only through a link the user chose.
            const bool throughLink = !own && link && bad.readable;
            EXPECT_EQ(Contents(outside()), throughLink ? fresh : outsideBytes) << bad.name;
        }
    }
    // A plain own file is written as always.
    const QString plain = dir.filePath("Macro.bin");
    EXPECT_TRUE(SaveOwnFile(plain, fresh));
    EXPECT_EQ(Contents(plain), fresh);
}

TEST_F(BadFilesTest, DemoMemoryAndStoreReadOnlyWhatTheyUse)
{
    const DeviceImage& defaults = DefaultImage(1);
    const std::vector<uint8_t> defaultBytes(defaults.begin(), defaults.end());
    for (const BadFile& bad : kBadFiles) {
        QTemporaryDir folder;
        DemoFiles files;
        files.mouseMemory = folder.filePath("Demo_Mouse_Memory.bin").toStdString();
        files.driverStore = folder.filePath("Demo_Driver_Store.bin").toStdString();
        bad.make(QString::fromStdString(files.mouseMemory), outside());
        bad.make(QString::fromStdString(files.driverStore), outside());
        QElapsedTimer took;
        took.start();
        DemoDevices demo(files);
        EXPECT_LT(took.elapsed(), 1000) << bad.name;
        const std::vector<uint8_t> memory(demo.mouse().memory().begin(), demo.mouse().memory().end());
        // Through a link to a regular file the memory is read; anything else gives the defaults.
        EXPECT_EQ(memory, bad.readable ? std::vector<uint8_t>(outsideBytes.begin(), outsideBytes.begin() + 2048) : defaultBytes)
            << bad.name;
    }

    // A 1 GB sparse memory file and a 1 GB store: only what is used is read.
    QTemporaryDir folder;
    DemoFiles files;
    files.mouseMemory = folder.filePath("Demo_Mouse_Memory.bin").toStdString();
    files.driverStore = folder.filePath("Demo_Driver_Store.bin").toStdString();
    for (const std::string& path : {files.mouseMemory, files.driverStore}) {
        QFile big(QString::fromStdString(path));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(reinterpret_cast<const char*>(defaults.data()), qint64(defaults.size()));
        ASSERT_TRUE(big.resize(qint64(1) << 30));
    }
    QElapsedTimer took;
    took.start();
    DemoDevices demo(files);
    EXPECT_LT(took.elapsed(), 1000);
    EXPECT_TRUE(std::equal(defaults.begin(), defaults.end(), demo.mouse().memory().begin()));
    EXPECT_TRUE(std::equal(defaults.begin(), defaults.end(), demo.driver().store().begin()));
}

} // namespace
} // namespace tarq
