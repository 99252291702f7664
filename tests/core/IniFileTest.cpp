#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/config/IniFile.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Loaded {
    TempDir dir;
    std::string path = dir.file("Program.ini");
    IniFile ini{4};
    explicit Loaded(const std::string& text, bool caseInsensitive = true) {
        writeText(path, text);
        EXPECT_TRUE(ini.load(path, false, caseInsensitive, false));
    }
    std::string saved() {
        EXPECT_TRUE(ini.save(false));
        return readText(path);
    }
};

// Notepad's byte-order mark is not part of the first key; it is not saved either.
TEST(IniFile, ReadsValuesWithCommentsCutAndSavesEveryEntry) {
    Loaded loaded(
        "\xEF\xBB\xBFtop=level\n  [Setup]  \nLanguage=English // note\nUrl = http://example.org/x "
        "\n"
        "Tabbed=value\t; comment\n; comment line\n// another\n* star\n=no key\nbare\n"
        "Type1=A\r\ntype1=B\n[Broken\nAfter=1\n[ Spaced ]\nx=1\n[Setup]\nHidden=yes\n");
    const std::array<std::array<std::string, 4>, 9> cases = {{
        {"SETUP", "language", "-", "English "},
        {"Setup", "Url", "-", "http:"},
        {"Setup", "Tabbed", "-", "value"},
        {"Setup", "After", "-", "1"},  // "[Broken" is no section header
        {"Setup", "Type1", "-", "B"},  // the last of equal keys wins
        {"", "top", "-", "level"},
        {" Spaced ", "x", "-", "1"},
        {"Setup", "Hidden", " fallback ", "fallback"},  // only the first [Setup] answers
        {"NoSuch", "key", " kept ", " kept "},
    }};
    for (const auto& [section, key, fallback, expected] : cases) {
        EXPECT_EQ(loaded.ini.get(section, key, fallback), expected) << section << "/" << key;
    }
    loaded.ini.set("Setup", "Language", "Chinese");
    loaded.ini.set("Setup", "ShowLang", "1");
    loaded.ini.set("New", "Key", "v");
    EXPECT_TRUE(loaded.ini.deleteKey("", "top") && loaded.ini.deleteSection(" Spaced "));
    EXPECT_EQ(loaded.saved(),
              "[Setup]\r\nLanguage=Chinese\r\nUrl=http://example.org/x\r\n"
              "Tabbed=value\t; comment\r\nbare=\r\nType1=A\r\ntype1=B\r\n[Broken=\r\nAfter=1\r\n"
              "ShowLang=1\r\n[Setup]\r\nHidden=yes\r\n[New]\r\nKey=v\r\n");

    // A mark on a later line belongs to its key, and still does once that key is saved first.
    Loaded marked("\n\xEF\xBB\xBFkey=v\n");
    marked.saved();
    Loaded again(readText(marked.path));
    EXPECT_EQ(again.ini.get("", "\xEF\xBB\xBFkey", "-"), "v");
}

// Names compare by the case rule, and a value that differs only by it is no change to save.
TEST(IniFile, NamesAndValuesCompareByTheCaseRule) {
    // In GBK the second byte of a character may look like an ASCII letter (D6 70 vs D6 50);
    // folding it would make two different characters equal. UTF-8 names fold only ASCII.
    const std::string text = "[Setup]\nk=English\n[\xD6\x70]\nk=gbk\n[中A]\nk=utf8\n";
    // clang-format off
    const std::array<std::tuple<bool, std::string, std::string>, 5> cases = {
        {{true, "setup", "English"}, {false, "setup", "-"}, {true, "\xD6\x50", "-"},
        {true, "\xD6\x70", "gbk"}, {true, "中a", "utf8"}}};
    // clang-format on
    for (const auto& [caseInsensitive, section, expected] : cases) {
        Loaded loaded(text, caseInsensitive);
        EXPECT_EQ(loaded.ini.get(section, "K", "-"), expected) << section;
    }
    const std::array<std::tuple<std::string, std::string, bool>, 5> changes = {{
        {"English", "ENGLISH", false},
        {"中文A", "中文a", false},
        {"中😁A", "中😁a", false},  // read as GBK, the A would end a two-byte character
        {"中文", "中字", true},
        {"\xD6\x70", "\xD6\x50", true},  // GBK: another character, not another case
    }};
    for (const auto& [stored, next, dirty] : changes) {
        Loaded loaded("[Setup]\nLanguage=" + stored + "\n");
        EXPECT_TRUE(loaded.ini.set("Setup", "Language", next));
        EXPECT_EQ(loaded.ini.dirty(), dirty) << next;
        EXPECT_EQ(loaded.saved(), dirty ? "[Setup]\r\nLanguage=" + next + "\r\n"
                                        : "[Setup]\nLanguage=" + stored + "\n");
    }
}

// A missing file is created empty; a folder or a missing folder is refused, and so is every
// change until a file is loaded.
TEST(IniFile, RefusesLineBreaksAndFilesItCannotUse) {
    Loaded loaded("[Setup]\nLanguage=English\n");
    EXPECT_FALSE(loaded.ini.set("Setup", "Language", "English\n[Other]\nKey=1"));
    EXPECT_FALSE(loaded.ini.set("Setup", "Lang\r", "x"));
    EXPECT_FALSE(loaded.ini.set("Set\nup", "Language", "x"));
    EXPECT_FALSE(loaded.ini.dirty());
    IniFile ini;
    EXPECT_FALSE(ini.set("Setup", "Language", "Chinese"));
    ASSERT_TRUE(ini.load(loaded.dir.file("new.ini"), true, true, false));
    EXPECT_EQ(readText(loaded.dir.file("new.ini")), "");
    EXPECT_FALSE(ini.load(loaded.dir.file("no/such/folder/Program.ini"), true, true, false));
    fs::create_directory(loaded.dir.file("folder.ini"));
    EXPECT_FALSE(ini.load(loaded.dir.file("folder.ini"), true, true, false));
    EXPECT_FALSE(ini.set("Setup", "Language", "Chinese"));
}

TEST(IniFile, AutoSaveOnReloadAndDestruction) {
    for (const bool autoSave : {false, true}) {
        TempDir dir;
        const std::string first = dir.file("first.ini");
        const std::string second = dir.file("second.ini");
        const std::string old = "[Setup]\nLanguage=English\n";
        writeText(first, old);
        writeText(second, old);
        const std::string changed = autoSave ? "[Setup]\r\nLanguage=Chinese\r\n" : old;
        {
            IniFile ini;
            ASSERT_TRUE(ini.load(first, autoSave, true, false));
            ini.set("Setup", "Language", "Chinese");
            ASSERT_TRUE(ini.load(second, autoSave, true, false));
            EXPECT_EQ(readText(first), changed);
            ini.set("Setup", "Language", "Chinese");
        }
        EXPECT_EQ(readText(second), changed);
    }
}

}  // namespace
}  // namespace radio
