#include <gtest/gtest.h>

#include <sys/stat.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/channels/ChannelCodec.h"
#include "core/image/DatFile.h"
#include "core/image/ImageDiff.h"
#include "core/image/ImageMap.h"
#include "core/image/NewImage.h"
#include "core/settings/ParamTable.h"
#include "support/FakeSerialPort.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;
namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

#ifdef _WIN32
// Windows has no file size limit to set, and symbolic links need privileges users lack: the
// cases that use them run on Linux.
using rlim_t = unsigned long long;
constexpr rlim_t RLIM_INFINITY = ~0ULL;
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t) {}
};
#else
// Makes every file write beyond `bytes` fail while it lives, also for root (for whom a
// read-only folder is no obstacle), so a save can fail half-way.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : previous(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    rlimit saved{};
    void (*previous)(int);
};
#endif

// Addresses spelled out, so that a wrong constant in the memory map cannot agree with itself.
TEST(NewDocument, HoldsTheFactoryBytes) {
    const Bytes row0 = {0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 3, 1, 0, 2, 0, 0x24, 0x11};
    const MemoryImage image = newDocumentImage();
    EXPECT_EQ(Bytes(image.data(), image.data() + 16), row0);
    const std::pair<std::size_t, int> options[] = {{0x12F, 0x01}, {0x130, 0x04}, {0x131, 0x09},
                                                   {0x134, 0x04}, {0x135, 0x01}, {0x13F, 0xFF}};
    for (const auto& [address, value] : options) {
        EXPECT_EQ(image[address], value) << address;
    }
}

TEST(DatFile, LoadTakesTheFirst1024BytesAndRefusesWhatIsNotAnImage) {
    TempDir dir;
    Bytes longer(1025, 0x22);
    longer[1023] = 0x33;
    writeBytes(dir.file("long.dat"), longer);
    const auto loaded = loadDatFile(dir.file("long.dat"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.value()[1023], 0x33);
    writeBytes(dir.file("short.dat"), Bytes(1023, 0x11));
    writeBytes(dir.file("empty.dat"), {});
    fs::create_directory(dir.file("folder.dat"));
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo.dat").c_str(), 0600), 0);  // reading it would wait forever
#endif
    const std::tuple<std::string, FileError::Kind, std::string, std::string> cases[] = {
        {"short.dat", FileError::Kind::TooShort, "only 1023 bytes", "只有 1023 字节"},
        {"empty.dat", FileError::Kind::Empty, "is empty", "是空的"},
        {"folder.dat", FileError::Kind::IsDirectory, "is a folder", "是文件夹"},
        {"missing.dat", FileError::Kind::NotFound, "does not exist", "不存在"},
        {"fifo.dat", FileError::Kind::NotRegular, "is not a regular file", "不是普通文件"}};
    for (const auto& [name, kind, english, chinese] : cases) {
#ifdef _WIN32
        if (name == "fifo.dat") {
            continue;  // no named pipes in a folder on Windows
        }
#endif
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
}

// Every save goes through the same atomic write: the file holds all new bytes or its old ones,
// links are followed to the end and stay links, what a save must not replace is refused and left
// as it was, and no temporary file stays behind.
TEST(DatFile, SaveIsWholeOrNothing) {
    const Bytes old(1024, 0x5A);
    const auto oldFile = [&](const TempDir& dir) { writeBytes(dir.file("a.dat"), old); };
    const auto nothing = [](const TempDir&) {};
    const struct {
        const char* path;     // saved to, under the test folder
        rlim_t sizeLimit;     // a limit makes the write fail half-way, also for root
        const char* target;   // where the bytes must land; "" refused
        const char* message;  // a part of the refusal
        int files;            // in the folder afterwards
        std::function<void(const TempDir&)> make;  // a.dat and what it leads to
    } cases[] = {
        {"a.dat", RLIM_INFINITY, "a.dat", "", 1, oldFile},
        {"a.dat", RLIM_INFINITY, "a.dat", "", 1, nothing},
        {"a.dat", 512, "", "cannot be written: File too large. The old file is unchanged.", 1,
         oldFile},
        {"a.dat", 512, "", "cannot be written: File too large. Nothing was written.", 0, nothing},
        {"no/a.dat", RLIM_INFINITY, "",
         "cannot be written: No such file or directory. Nothing was written.", 0, nothing},
#ifndef _WIN32
        {"a.dat", RLIM_INFINITY, "real.dat", "", 3,
         [&](const TempDir& dir) {
             writeBytes(dir.file("real.dat"), old);
             fs::create_symlink("real.dat", dir.file("mid.dat"));
             fs::create_symlink("mid.dat", dir.file("a.dat"));
         }},
        {"a.dat", RLIM_INFINITY, "new.dat", "", 2,
         [](const TempDir& dir) { fs::create_symlink("new.dat", dir.file("a.dat")); }},
        {"a.dat", RLIM_INFINITY, "", "Too many levels of symbolic links. Nothing was written.", 2,
         [](const TempDir& dir) {
             fs::create_symlink("b.dat", dir.file("a.dat"));
             fs::create_symlink("a.dat", dir.file("b.dat"));
         }},
        {"a.dat", RLIM_INFINITY, "", "is not a regular file", 1,
         [](const TempDir& dir) { ASSERT_EQ(::mkfifo(dir.file("a.dat").c_str(), 0600), 0); }},
        {"a.dat", RLIM_INFINITY, "", "is read-only; it was not changed", 1,
         [&](const TempDir& dir) {
             oldFile(dir);
             fs::permissions(dir.file("a.dat"), fs::perms::owner_read | fs::perms::group_read);
         }},
#endif
    };
    for (const auto& c : cases) {
#ifdef _WIN32
        if (c.sizeLimit != RLIM_INFINITY) {
            continue;
        }
#endif
        TempDir dir;
        c.make(dir);
        const std::string path = dir.file(c.path);
        const auto before = fs::symlink_status(path).type();
        const auto status = [&] {
            const FileSizeLimit limit(c.sizeLimit);
            return saveDatFile(path, test::patternedImage());
        }();
        const std::string name = std::string(c.target) + " " + c.message;
        ASSERT_EQ(static_cast<bool>(status), *c.target != '\0') << name;
        EXPECT_EQ(fs::symlink_status(path).type(),
                  status && before == fs::file_type::not_found ? fs::file_type::regular : before)
            << name;
        if (status) {
            EXPECT_EQ(loadDatFile(dir.file(c.target)).value(), test::patternedImage()) << name;
        } else {
            const std::string message = status.error().message(Language::English);
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
            std::error_code ec;
            if (fs::is_regular_file(path, ec)) {
                EXPECT_EQ(readBytes(path), old) << name;
            }
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), c.files) << name;
    }
}

#ifndef _WIN32
// A save killed half-way leaves its temporary file; the next save into the folder removes it
// once it is old, and leaves one another save may still be writing.
TEST(DatFile, SaveRemovesTheTemporaryFilesOfKilledSaves) {
    TempDir dir;
    const std::string stale = dir.file(".a.dat.tmp0123456789ab");
    const std::string fresh = dir.file(".b.dat.tmpabcdef012345");
    const std::string other = dir.file(".notes.tmp");
    for (const std::string& file : {stale, fresh, other}) {
        writeBytes(file, Bytes(10, 1));
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    }
    fs::last_write_time(fresh, fs::file_time_type::clock::now());
    ASSERT_TRUE(saveDatFile(dir.file("c.dat"), test::patternedImage()));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(other));
}
#endif

TEST(ImageDiff, EachChangeIsNamedOnceAndUnexplainedBitsStayRaw) {
    const auto xorBits = [](std::size_t offset, std::uint8_t bits) {
        return [offset, bits](MemoryImage& i) {
            i.set(offset, static_cast<std::uint8_t>(i[offset] ^ bits));
        };
    };
    const std::size_t ch3 = map::channelOffset(3);  // every scan bit is clear to begin with
    // clang-format off
    const std::tuple<const char*, std::function<void(MemoryImage&)>, std::vector<std::string>> cases[] = {
        {"time-out value and bit 7", xorBits(map::kTimeOutTimer, 0x81), {"Time-Out Timer", "bytes 0x130"}},
        {"scan bit of empty channel 5", xorBits(map::kScanAddLow, 0x10), {"bytes 0x17E"}},
        {"scan bit of empty channel 12", xorBits(map::kScanAddHigh, 0x08), {"channel 12 Scan Add"}},
        {"channel 3 tone and byte 15", [&](MemoryImage& i) { i.set(ch3 + 8, 0x9E); i.set(ch3 + 9, 0x02); i.set(ch3 + 15, 0x00); },
         {"channel 3 QT/DQT Dec", "bytes 0x03F"}},
        {"channel 3 compander and scrambler", xorBits(ch3 + 14, 0x13), {"channel 3 Compand", "channel 3 Scrambler"}},
        {"channel 3 unused bit of byte 14", xorBits(ch3 + 14, 0x40), {"bytes 0x03E"}},
        {"channel 3 power", xorBits(ch3 + 13, 0x20), {"channel 3 Power"}},
        {"channel 3 encode tone and a free bit after it", [&](MemoryImage& i) { i.set(ch3 + 10, 0x85); i.set(ch3 + 11, 0x08); xorBits(ch3 + 12, 0x01)(i); },
         {"channel 3 QT/DQT Enc", "bytes 0x03C"}},
        {"channel 3 width", xorBits(ch3 + 13, 0x10), {"channel 3 W/N"}},
        {"channel 8 scan", xorBits(map::kScanAddLow, 0x80), {"channel 8 Scan Add"}},
        {"channel 9 scan", xorBits(map::kScanAddHigh, 0x01), {"channel 9 Scan Add"}},
        {"channel 3 transmit frequency gone", [&](MemoryImage& i) { i.set(ch3 + 7, 0xFF); },
         {"channel 3 Tx Frequency", "channel 3 QT/DQT Dec", "channel 3 QT/DQT Enc", "channel 3 Power", "channel 3 Scan Add",
          "channel 3 Busy Lock", "channel 3 W/N", "channel 3 Compand", "channel 3 Scrambler"}},
        {"band and a param value", [](MemoryImage& i) { i.set(map::kBand, 2); i.set(map::kParamAdjust + 1, 7); },
         {"Band (list index)", "Param Adjust " + paramRowLabels(Language::English)[0] + " Compand On"}},
        {"row 0 and identification", [](MemoryImage& i) { i.set(0x005, 0x12); i.set(0x006, 0x34); i.set(map::kIdentification + 7, 0x02); },
         {"bytes 0x005-0x006", "bytes 0x1BF"}},
    };
    // clang-format on
    // Channels 3 and 8 in use, everything else as a new document has it.
    MemoryImage first = newDocumentImage();
    ChannelTable table = decodeChannels(first, Language::English);
    table[2] = table[7] = newChannelDefaults("440.00000", Language::English);
    encodeChannels(first, table);
    EXPECT_TRUE(diffImages(first, first).empty());
    for (const auto& [change, apply, expected] : cases) {
        MemoryImage second = first;
        apply(second);
        std::vector<std::string> found;
        for (const ImageDifference& d : diffImages(first, second)) {
            found.push_back(d.what);
        }
        EXPECT_EQ(found, expected) << change;
    }
}

TEST(ImageDiff, RawBytesShowBothImagesInHex) {
    const MemoryImage first = newDocumentImage();
    MemoryImage second = first;
    second.set(map::kWriteProtected, 0x0A);
    second.set(map::kWriteProtected + 1, 0xB0);
    second.set(map::kPriorityMode, 1);
    EXPECT_EQ(describeDifferences(diffImages(first, second)),
              "Priority: None | Fixed\nbytes 0x330-0x331: FF FF | 0A B0\n");
}

}  // namespace
}  // namespace radio
