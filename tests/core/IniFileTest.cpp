#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "core/config/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

void writeText(const std::string& path, const std::string& text) {
    writeBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

std::string readText(const std::string& path) {
    auto bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

struct Loaded {
    TempDir dir;
    IniFile ini{4};
    explicit Loaded(const std::string& text, bool caseInsensitive = true) {
        writeText(dir.file("Program.ini"), text);
        EXPECT_TRUE(ini.load(dir.file("Program.ini"), false, caseInsensitive, false));
    }
};

const char* const kSample =
    "top=level\n"
    "  [Setup]  \n"
    "Language=English // note\n"
    "Url = http://example.org/x \n"
    "Tabbed=value\t; comment\n"
    "Block=a /* b */\n"
    "; comment line\n"
    "// another\n"
    "\\ odd\n"
    "* star\n"
    "=no key\n"
    "bare\n"
    "Type1=A\r\n"
    "type1=B\n"
    "[ Spaced ]\n"
    "x=1\n"
    "[Setup]\n"
    "Hidden=yes\n";

TEST(IniFile, ReadsValuesWithCommentsCut) {
    Loaded loaded(kSample);
    struct Case {
        std::string section, key, expected;
    };
    const Case cases[] = {
        {"Setup", "Language", "English "},
        {"Setup", "Url", "http:"},
        {"Setup", "Tabbed", "value"},
        {"Setup", "Block", "a "},
        {"SETUP", "language", "English "},
        {"Setup", "bare", ""},
        {"Setup", "Type1", "B"},
        {"", "top", "level"},
        {" Spaced ", "x", "1"},
        {"Spaced", "x", "<none>"},
        {"Setup", "Hidden", " fallback "},
    };
    for (const Case& c : cases) {
        std::string fallback = c.key == "Hidden" ? " fallback " : "<none>";
        std::string expected = c.key == "Hidden" ? "fallback" : c.expected;
        EXPECT_EQ(loaded.ini.get(c.section, c.key, fallback), expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(loaded.ini.get("NoSuch", "key", " kept "), " kept ");
    EXPECT_EQ(loaded.ini.get("top"), "level");
}

TEST(IniFile, CommentLinesAndSpacingAreNotKept) {
    Loaded loaded(kSample);
    loaded.ini.set("Setup", "Language", "Chinese");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.dir.file("Program.ini")),
              "top=level\r\n[Setup]\r\nLanguage=Chinese\r\nUrl=http://example.org/x\r\n"
              "Tabbed=value\t; comment\r\nBlock=a /* b */\r\nbare=\r\nType1=A\r\ntype1=B\r\n"
              "[ Spaced ]\r\nx=1\r\n[Setup]\r\nHidden=yes\r\n");
}

TEST(IniFile, CaseSensitiveNamesWhenAsked) {
    Loaded loaded("[Setup]\nLanguage=English\n", false);
    EXPECT_EQ(loaded.ini.get("setup", "Language", "-"), "-");
    EXPECT_EQ(loaded.ini.get("Setup", "language", "-"), "-");
    EXPECT_EQ(loaded.ini.get("Setup", "Language", "-"), "English");
}

TEST(IniFile, MultiByteNamesCompareWholeCharacters) {
    // In GBK the second byte of a character may look like an ASCII letter (D6 70 vs D6 50);
    // folding it would make two different characters equal. UTF-8 names fold only ASCII.
    Loaded loaded("[\xD6\x70]\nk=gbk\n[中A]\nk=utf8\n");
    EXPECT_EQ(loaded.ini.get("\xD6\x50", "k", "-"), "-");
    EXPECT_EQ(loaded.ini.get("\xD6\x70", "K", "-"), "gbk");
    EXPECT_EQ(loaded.ini.get("中a", "k", "-"), "utf8");
}

TEST(IniFile, SetMarksDirtyOnlyForRealChanges) {
    Loaded loaded("[Setup]\nLanguage=English\n");
    EXPECT_FALSE(loaded.ini.dirty());
    loaded.ini.set("Setup", "Language", "ENGLISH");
    EXPECT_FALSE(loaded.ini.dirty());
    EXPECT_EQ(loaded.ini.get("Setup", "Language"), "ENGLISH");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.dir.file("Program.ini")), "[Setup]\nLanguage=English\n");

    loaded.ini.set("Setup", "Language", "Chinese");
    EXPECT_TRUE(loaded.ini.dirty());
    loaded.ini.set("New", "Key", "v");
    loaded.ini.set("Key2", "w");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.dir.file("Program.ini")),
              "Key2=w\r\n[Setup]\r\nLanguage=Chinese\r\n[New]\r\nKey=v\r\n");
}

TEST(IniFile, SetWithoutALoadedFileDoesNothing) {
    IniFile ini;
    ini.set("Setup", "Language", "Chinese");
    EXPECT_FALSE(ini.dirty());
    EXPECT_EQ(ini.get("Setup", "Language", "-"), "-");
}

TEST(IniFile, MissingFileIsCreatedEmptyAndNotRewritten) {
    TempDir dir;
    {
        IniFile ini;
        ASSERT_TRUE(ini.load(dir.file("Program.ini"), true, true, false));
        EXPECT_EQ(ini.get("Setup", "Language", ""), "");
    }
    EXPECT_TRUE(std::filesystem::exists(dir.file("Program.ini")));
    EXPECT_EQ(readText(dir.file("Program.ini")), "");
}

TEST(IniFile, AutoSaveWritesOnDestruction) {
    TempDir dir;
    writeText(dir.file("Program.ini"), "[Setup]\nLanguage=English\n");
    {
        IniFile ini;
        ASSERT_TRUE(ini.open("Program.ini", dir.file("radioprog"), true, true, false));
        ini.set("Setup", "Language", "Chinese");
    }
    EXPECT_EQ(readText(dir.file("Program.ini")), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST(IniFile, OpenUsesTheProgramFolderWithEitherSeparator) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("bin"));
    writeText(dir.file("bin/Program.ini"), "[Setup]\nLanguage=Chinese\n");
    for (const std::string& program :
         {dir.file("bin/radioprog"), dir.file("bin") + "\\Program.exe"}) {
        IniFile ini;
        ASSERT_TRUE(ini.open("Program.ini", program, false, true, false)) << program;
        EXPECT_EQ(ini.get("Setup", "Language"), "Chinese") << program;
    }
}

TEST(IniFile, BackupsAreNumbered) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    writeText(path, "[Setup]\nLanguage=English\n");
    EXPECT_EQ(IniFile::nextBackupName(path), path + ".001");
    writeText(dir.file("Program.ini.007"), "x");
    writeText(dir.file("Program.bak"), "x");
    writeText(dir.file("Other.ini.099"), "x");
    EXPECT_EQ(IniFile::nextBackupName(path), path + ".008");

    IniFile ini;
    ASSERT_TRUE(ini.load(path, false, true, false));
    ini.set("Setup", "Language", "Chinese");
    auto saved = ini.save(true);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value(), path + ".008");
    EXPECT_EQ(readText(path + ".008"), "[Setup]\nLanguage=English\n");
    // The name is kept for later backup saves.
    ini.set("Setup", "Language", "English");
    EXPECT_EQ(ini.save(true).value(), path + ".008");
    EXPECT_EQ(readText(path + ".008"), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST(IniFile, ListItems) {
    Loaded loaded("[Setup]\nField1= 400-470 | 430-480 |\nNull=(null)\nOne=136-174\n");
    struct Case {
        std::string key;
        int index;
        std::string expected;
    };
    const Case cases[] = {{"Field1", 0, "400-470"}, {"Field1", 1, "430-480"}, {"Field1", 2, ""},
                          {"Field1", 3, ""},        {"Field1", -1, ""},       {"Null", 0, ""},
                          {"One", 0, "136-174"},    {"One", 1, ""},           {"Missing", 0, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(loaded.ini.getListItem("Setup", c.key, c.index, '|'), c.expected)
            << c.key << " " << c.index;
    }
}

TEST(IniFile, DeletingAndListing) {
    Loaded loaded("a=1\n[One]\nx=1\ny=2\n[Two]\nz=3\n[One]\nw=4\n");
    std::vector<std::string> names;
    loaded.ini.sectionNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two", "One"}));
    std::vector<std::string> keys;
    loaded.ini.keyNames("one", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"x", "y"}));

    EXPECT_TRUE(loaded.ini.deleteKey("One", "x"));
    EXPECT_FALSE(loaded.ini.deleteKey("One", "x"));
    EXPECT_TRUE(loaded.ini.dirty());
    EXPECT_TRUE(loaded.ini.deleteSection("One"));
    // The second [One] now is the first and answers.
    EXPECT_EQ(loaded.ini.get("One", "w"), "4");
    EXPECT_FALSE(loaded.ini.deleteSection("Nope"));
    loaded.ini.clear();
    EXPECT_TRUE(loaded.ini.path().empty());
    EXPECT_FALSE(loaded.ini.dirty());
    EXPECT_EQ(loaded.ini.get("Two", "z", "-"), "-");
}

TEST(IniFile, FailedSaveReportsAndKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("Program.ini");
    const std::string old = "[Setup]\nLanguage=English\n" + std::string(2000, ';') + "\n";
    writeText(path, old);
    IniFile ini;
    ASSERT_TRUE(ini.load(path, false, true, false));
    ini.set("Setup", "Language", "Chinese");
    ini.set("Setup", "Padding", std::string(3000, 'x'));

    auto result = [&] {
        test::FileSizeLimit limit(1024);
        EXPECT_TRUE(limit.ok());
        return ini.save(false);
    }();

    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message(Language::English).find("Program.ini"), std::string::npos);
    EXPECT_EQ(readText(path), old);
    EXPECT_TRUE(ini.dirty());
}

}  // namespace
}  // namespace radio
