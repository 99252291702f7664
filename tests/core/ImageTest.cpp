#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <vector>

#include "core/image/DatFile.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::vector<unsigned char> slice(const MemoryImage& image, std::size_t offset, std::size_t n) {
    auto span = image.bytes(offset, n);
    return {span.begin(), span.end()};
}

TEST(NewImage, HoldsTheFactoryDefaults) {
    const MemoryImage image = newDocumentImage();
    EXPECT_EQ(slice(image, 0, 16),
              (std::vector<unsigned char>{0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                          0x03, 0x01, 0x00, 0x02, 0x00, 0x24, 0x11}));
    EXPECT_EQ(slice(image, 440, 8),
              (std::vector<unsigned char>{'K', '5', '8', '1', '4', '6', 0xF0, 0x01}));
    EXPECT_EQ(slice(image, 992, 16),
              (std::vector<unsigned char>{0x2F, 0xA0, 0x29, 0xA0, 0x26, 0xB4, 0x26, 0xBE, 0x28,
                                          0xB4, 0x2D, 0xAA, 0x2D, 0xA0, 0x27, 0xFA}));
    EXPECT_EQ(slice(image, 303, 17),
              (std::vector<unsigned char>{0x01, 0x04, 0x09, 0xFF, 0xFF, 0x04, 0x01, 0x01, 0xFF,
                                          0xFF, 0xFF, 0x05, 0x02, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(slice(image, 352, 9),
              (std::vector<unsigned char>{0x00, 0x11, 0x09, 0x15, 0xFF, 0x30, 0x00, 0x30, 0x00}));
    EXPECT_EQ(image[map::kScanAddLow], 0x00);
    EXPECT_EQ(image[map::kScanAddHigh], 0x00);
    EXPECT_EQ(image[map::kCallTone], 0x00);
    EXPECT_EQ(image[map::kRadioType], 0xFF);
    EXPECT_EQ(image[map::kBand], 0xFF);
    for (std::size_t offset = 16; offset < 272; ++offset) {
        ASSERT_EQ(image[offset], 0xFF) << offset;
    }
    for (std::size_t offset = 1009; offset < 1024; ++offset) {
        ASSERT_EQ(image[offset], 0xFF) << offset;
    }
}

TEST(MemoryImage, SetBitsKeepsTheOtherBits) {
    MemoryImage image;
    image.set(304, 0x85);
    image.setBits(304, 0x7F, 40);
    EXPECT_EQ(image[304], 0x80 | 40);
    image.setBits(304, 0x0F, 0xFF);
    EXPECT_EQ(image[304], 0x80 | 0x20 | 0x0F);
}

TEST(MemoryImage, RangesOutsideTheImageThrow) {
    MemoryImage image;
    EXPECT_NO_THROW(image.bytes(1016, 8));
    EXPECT_THROW(image.bytes(1017, 8), std::out_of_range);
    EXPECT_THROW(image.at(1024), std::out_of_range);
}

MemoryImage patterned() {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

TEST(DatFile, SaveWritesExactlyTheImageAndLoadsItBack) {
    TempDir dir;
    const MemoryImage image = patterned();
    ASSERT_TRUE(saveDatFile(dir.file("a.dat"), image));
    auto bytes = readBytes(dir.file("a.dat"));
    ASSERT_EQ(bytes.size(), 1024u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.data()));
    auto loaded = loadDatFile(dir.file("a.dat"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.value(), image);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DatFile, LoadRefusesWhatIsNotAWholeImage) {
    TempDir dir;
    writeBytes(dir.file("short.dat"), std::vector<unsigned char>(1023, 0x11));
    writeBytes(dir.file("empty.dat"), {});
    std::filesystem::create_directory(dir.file("folder.dat"));
    struct Case {
        std::string name;
        FileError::Kind kind;
        std::string messagePart;
    };
    const Case cases[] = {
        {"short.dat", FileError::Kind::TooShort, "only 1023 bytes"},
        {"empty.dat", FileError::Kind::Empty, "empty"},
        {"folder.dat", FileError::Kind::IsDirectory, "folder"},
        {"missing.dat", FileError::Kind::NotFound, "does not exist"},
    };
    for (const Case& c : cases) {
        auto result = loadDatFile(dir.file(c.name));
        ASSERT_FALSE(result) << c.name;
        EXPECT_EQ(result.error().kind, c.kind) << c.name;
        std::string message = result.error().message(Language::English);
        EXPECT_NE(message.find(c.name), std::string::npos) << message;
        EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;
        EXPECT_FALSE(result.error().message(Language::Chinese).empty());
    }
}

TEST(DatFile, LongerFileLoadsItsFirst1024Bytes) {
    TempDir dir;
    std::vector<unsigned char> bytes(1025, 0x22);
    bytes[1023] = 0x33;
    bytes[1024] = 0x44;
    writeBytes(dir.file("long.dat"), bytes);
    auto loaded = loadDatFile(dir.file("long.dat"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.value()[1023], 0x33);
    EXPECT_EQ(loaded.value()[0], 0x22);
}

TEST(DatFile, UnreadableFileNamesTheSystemReason) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TempDir dir;
    writeBytes(dir.file("locked.dat"), std::vector<unsigned char>(1024, 1));
    std::filesystem::permissions(dir.file("locked.dat"), std::filesystem::perms::none);
    auto result = loadDatFile(dir.file("locked.dat"));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, FileError::Kind::Unreadable);
    EXPECT_NE(result.error().message(Language::English).find("ermission"), std::string::npos);
}

TEST(DatFile, FailedSaveLeavesTheOldFileAsItWas) {
    TempDir dir;
    const std::string path = dir.file("keep.dat");
    const std::vector<unsigned char> old(1024, 0x5A);
    writeBytes(path, old);
    std::filesystem::permissions(
        dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    auto status = saveDatFile(path, patterned());
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    if (geteuid() == 0) {
        // Root may write into a read-only folder; then the save must simply be whole.
        ASSERT_TRUE(status);
        EXPECT_EQ(readBytes(path).size(), 1024u);
        return;
    }
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().kind, FileError::Kind::NotWritable);
    EXPECT_NE(status.error().message(Language::English).find("keep.dat"), std::string::npos);
    EXPECT_EQ(readBytes(path), old);
}

TEST(DatFile, SaveIntoAMissingFolderFailsCleanly) {
    TempDir dir;
    auto status = saveDatFile(dir.file("no/such/folder/x.dat"), patterned());
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().message(Language::English).find("cannot be written"),
              std::string::npos);
}

TEST(DatFile, SaveThroughASymbolicLinkReplacesTheTarget) {
    TempDir dir;
    writeBytes(dir.file("real.dat"), std::vector<unsigned char>(1024, 0));
    std::filesystem::create_symlink("real.dat", dir.file("link.dat"));
    ASSERT_TRUE(saveDatFile(dir.file("link.dat"), patterned()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(loadDatFile(dir.file("real.dat")).value(), patterned());
}

}  // namespace
}  // namespace radio

namespace radio {
namespace {

// A write that fails half-way (here: the file-size limit) must leave the old file whole and
// no temporary file behind. This also holds for root, unlike a read-only folder.
TEST(DatFile, WriteFailingHalfWayLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("keep.dat");
    const std::vector<unsigned char> old(1024, 0x5A);
    writeBytes(path, old);

    MemoryImage image;
    image.set(0, 1);
    auto status = [&] {
        test::FileSizeLimit limit(512);
        EXPECT_TRUE(limit.ok());
        return saveDatFile(path, image);
    }();

    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().kind, FileError::Kind::NotWritable);
    EXPECT_FALSE(status.error().reason.empty());
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace radio
