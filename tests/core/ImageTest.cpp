#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
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
namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes slice(const MemoryImage& image, std::size_t offset, std::size_t n) {
    auto span = image.bytes(offset, n);
    return {span.begin(), span.end()};
}

TEST(NewImage, HoldsTheFactoryDefaults) {
    const MemoryImage image = newDocumentImage();
    EXPECT_EQ(slice(image, 0, 16), (Bytes{0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                          0x03, 0x01, 0x00, 0x02, 0x00, 0x24, 0x11}));
    EXPECT_EQ(slice(image, 440, 8), (Bytes{'K', '5', '8', '1', '4', '6', 0xF0, 0x01}));
    EXPECT_EQ(slice(image, map::kScanAddLow, 2), (Bytes{0x00, 0x00}));
    EXPECT_EQ(image[map::kCallTone], 0x00);
    EXPECT_EQ(image[map::kRadioType] & image[map::kBand], 0xFF);
    EXPECT_EQ(slice(image, 16, 256), Bytes(256, 0xFF));
    EXPECT_EQ(slice(image, 1009, 15), Bytes(15, 0xFF));
}

TEST(MemoryImage, SetBitsKeepsTheOtherBitsAndRangesOutsideThrow) {
    MemoryImage image;
    image.set(304, 0x85);
    image.setBits(304, 0x7F, 40);
    EXPECT_EQ(image[304], 0x80 | 40);
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

TEST(DatFile, LoadTakesTheFirst1024BytesAndRefusesWhatIsNotAnImage) {
    TempDir dir;
    Bytes longer(1025, 0x22);
    longer[1023] = 0x33;
    writeBytes(dir.file("long.dat"), longer);
    const auto loaded = loadDatFile(dir.file("long.dat"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(slice(loaded.value(), 1022, 2), (Bytes{0x22, 0x33}));

    writeBytes(dir.file("short.dat"), Bytes(1023, 0x11));
    writeBytes(dir.file("empty.dat"), {});
    fs::create_directory(dir.file("folder.dat"));
    ASSERT_EQ(::mkfifo(dir.file("fifo.dat").c_str(), 0600), 0);  // reading it would wait forever
    const std::array<std::tuple<std::string, FileError::Kind, std::string, std::string>, 5> cases =
        {{
            {"short.dat", FileError::Kind::TooShort, "only 1023 bytes", "只有 1023 字节"},
            {"empty.dat", FileError::Kind::Empty, "is empty", "是空的"},
            {"folder.dat", FileError::Kind::IsDirectory, "is a folder", "是文件夹"},
            {"missing.dat", FileError::Kind::NotFound, "does not exist", "不存在"},
            {"fifo.dat", FileError::Kind::NotRegular, "is not a regular file", "不是普通文件"},
        }};
    for (const auto& [name, kind, english, chinese] : cases) {
        const auto result = loadDatFile(dir.file(name));
        ASSERT_FALSE(result) << name;
        EXPECT_EQ(result.error().kind, kind) << name;
        for (const auto& [language, part] :
             {std::pair{Language::English, english}, std::pair{Language::Chinese, chinese}}) {
            const std::string message = result.error().message(language);
            EXPECT_NE(message.find(name), std::string::npos) << message;
            EXPECT_NE(message.find(part), std::string::npos) << message;
        }
    }
    if (geteuid() != 0) {  // root reads every file
        writeBytes(dir.file("locked.dat"), Bytes(1024, 1));
        fs::permissions(dir.file("locked.dat"), fs::perms::none);
        EXPECT_NE(loadDatFile(dir.file("locked.dat"))
                      .error()
                      .message(Language::English)
                      .find("ermission"),
                  std::string::npos);
    }
}

// Every save goes through the same atomic write: the file holds all new bytes or its old
// ones, a link keeps pointing where it did, and no temporary file stays behind.
TEST(DatFile, SaveIsWholeOrNothing) {
    struct Case {
        const char* name;
        const char* path;  // under the test folder
        bool oldFile;
        bool link;
        rlim_t sizeLimit;  // 0: none; a limit makes the write fail half-way, also for root
        const char* message;
    };
    const Case cases[] = {
        {"replaces the old file", "a.dat", true, false, 0, ""},
        {"through a link", "a.dat", true, true, 0, ""},
        {"creates a new file", "a.dat", false, false, 0, ""},
        {"fails half-way over an old file", "a.dat", true, false, 512,
         "cannot be written: File too large. The old file is unchanged."},
        {"fails half-way on a new file", "a.dat", false, false, 512,
         "cannot be written: File too large. Nothing was written."},
        {"into a missing folder", "no/such/a.dat", false, false, 0,
         "cannot be written: No such file or directory. Nothing was written."},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string target = dir.file(c.link ? "real.dat" : c.path);
        const Bytes old(1024, 0x5A);
        if (c.oldFile) {
            writeBytes(target, old);
        }
        if (c.link) {
            fs::create_symlink("real.dat", dir.file(c.path));
        }
        const auto status = [&] {
            std::optional<test::FileSizeLimit> limit;
            if (c.sizeLimit) {
                limit.emplace(c.sizeLimit);
            }
            return saveDatFile(dir.file(c.path), patterned());
        }();
        ASSERT_EQ(static_cast<bool>(status), *c.message == '\0') << c.name;
        if (status) {
            EXPECT_EQ(loadDatFile(target).value(), patterned()) << c.name;
            EXPECT_EQ(fs::is_symlink(dir.file(c.path)), c.link) << c.name;
        } else {
            const std::string message = status.error().message(Language::English);
            EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
            EXPECT_EQ(fs::exists(target), c.oldFile) << c.name;
            if (c.oldFile) {
                EXPECT_EQ(readBytes(target), old) << c.name;
            }
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}),
                  (c.oldFile || status) + c.link)
            << c.name;
    }
}

}  // namespace
}  // namespace radio
