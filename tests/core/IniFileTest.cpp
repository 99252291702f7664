#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/config/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace radio {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;
namespace fs = std::filesystem;

void writeText(const std::string& path, const std::string& text) {
    writeBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

std::string readText(const std::string& path) {
    auto bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

struct Loaded {
    TempDir dir;
    std::string path = dir.file("Program.ini");
    IniFile ini{4};
    explicit Loaded(const std::string& text, bool caseInsensitive = true) {
        writeText(path, text);
        EXPECT_TRUE(ini.load(path, false, caseInsensitive, false));
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

// --- reading

TEST(IniFile, ReadsValuesWithCommentsCut) {
    Loaded loaded(kSample);
    struct Case {
        std::string section, key, fallback, expected;
    };
    const Case cases[] = {
        {"Setup", "Language", "-", "English "},
        {"Setup", "Url", "-", "http:"},
        {"Setup", "Tabbed", "-", "value"},
        {"Setup", "Block", "-", "a "},
        {"SETUP", "language", "-", "English "},
        {"Setup", "bare", "-", ""},
        {"Setup", "Type1", "-", "B"},  // the last of equal keys wins
        {"", "top", "-", "level"},
        {" Spaced ", "x", "-", "1"},
        {"Spaced", "x", "-", "-"},
        {"Setup", "Hidden", " fallback ", "fallback"},  // only the first [Setup] answers
        {"NoSuch", "key", " kept ", " kept "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(loaded.ini.get(c.section, c.key, c.fallback), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(loaded.ini.get("top"), "level");
}

TEST(IniFile, SaveWritesEveryEntryAndNoComment) {
    Loaded loaded(kSample);
    loaded.ini.set("Setup", "Language", "Chinese");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.path),
              "top=level\r\n[Setup]\r\nLanguage=Chinese\r\nUrl=http://example.org/x\r\n"
              "Tabbed=value\t; comment\r\nBlock=a /* b */\r\nbare=\r\nType1=A\r\ntype1=B\r\n"
              "[ Spaced ]\r\nx=1\r\n[Setup]\r\nHidden=yes\r\n");
}

TEST(IniFile, NamesCompareByTheCaseRule) {
    // In GBK the second byte of a character may look like an ASCII letter (D6 70 vs D6 50);
    // folding it would make two different characters equal. UTF-8 names fold only ASCII.
    const std::string text =
        "[Setup]\nLanguage=English\n[\xD6\x70]\nk=gbk\n[中A]\nk=utf8\n"
        "[A\x81]\nk=lead byte last\n";
    struct Case {
        bool caseInsensitive;
        std::string section, key, expected;
    };
    const Case cases[] = {
        {true, "setup", "LANGUAGE", "English"},
        {false, "setup", "Language", "-"},
        {false, "Setup", "language", "-"},
        {false, "Setup", "Language", "English"},
        {true, "\xD6\x50", "k", "-"},
        {true, "\xD6\x70", "K", "gbk"},
        {true, "中a", "k", "utf8"},
        {true, "a\x81", "k", "lead byte last"},
    };
    for (const Case& c : cases) {
        Loaded loaded(text, c.caseInsensitive);
        EXPECT_EQ(loaded.ini.get(c.section, c.key, "-"), c.expected) << c.section;
    }
}

// --- changing

TEST(IniFile, SetMarksDirtyOnlyForRealChanges) {
    struct Case {
        std::string stored, next;
        bool dirty;
    };
    const Case cases[] =
        {
            {"English", "ENGLISH", false},  {"English", "Chinese", true},
            {"中文A", "中文a", false},      {"中文", "中字", true},
            {"\xD6\x70", "\xD6\x50", true},  // GBK: another character, not another case
        };
    for (const Case& c : cases) {
        Loaded loaded("[Setup]\nLanguage=" + c.stored + "\n");
        EXPECT_TRUE(loaded.ini.set("Setup", "Language", c.next));
        EXPECT_EQ(loaded.ini.dirty(), c.dirty) << c.next;
        EXPECT_EQ(loaded.ini.get("Setup", "Language"), c.next);
        ASSERT_TRUE(loaded.ini.save(false));
        EXPECT_EQ(readText(loaded.path), c.dirty ? "[Setup]\r\nLanguage=" + c.next + "\r\n"
                                                 : "[Setup]\nLanguage=" + c.stored + "\n");
    }

    Loaded loaded("[Setup]\nLanguage=English\n");
    loaded.ini.set("New", "Key", "v");
    loaded.ini.set("Key2", "w");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.path), "Key2=w\r\n[Setup]\r\nLanguage=English\r\n[New]\r\nKey=v\r\n");
}

TEST(IniFile, SetRefusesLineBreaksAndNeedsALoadedFile) {
    Loaded loaded("[Setup]\nLanguage=English\n");
    EXPECT_FALSE(loaded.ini.set("Setup", "Language", "English\n[Other]\nKey=1"));
    EXPECT_FALSE(loaded.ini.set("Setup", "Lang\r", "x"));
    EXPECT_FALSE(loaded.ini.set("Set\nup", "Language", "x"));
    EXPECT_FALSE(loaded.ini.dirty());
    EXPECT_EQ(loaded.ini.get("Setup", "Language"), "English");

    IniFile empty;
    EXPECT_FALSE(empty.set("Setup", "Language", "Chinese"));
    EXPECT_FALSE(empty.dirty());
    EXPECT_EQ(empty.get("Setup", "Language", "-"), "-");
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
    EXPECT_EQ(loaded.ini.get("One", "w"), "4");  // the second [One] now answers
    EXPECT_FALSE(loaded.ini.deleteSection("Nope"));
    // The unnamed section is emptied, not removed: keys set in it later must not end up
    // under another section's header.
    EXPECT_TRUE(loaded.ini.deleteSection(""));
    EXPECT_EQ(loaded.ini.get("a", "-"), "");
    loaded.ini.set("b", "2");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.path), "b=2\r\n[Two]\r\nz=3\r\n[One]\r\nw=4\r\n");

    loaded.ini.clear();
    EXPECT_TRUE(loaded.ini.path().empty());
    EXPECT_FALSE(loaded.ini.dirty());
    EXPECT_EQ(loaded.ini.get("Two", "z", "-"), "-");
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

// --- files

TEST(IniFile, UnnamedLaterSectionSurvivesASave) {
    // Without its "[]" header the second Language would come back as [Setup]'s last key.
    Loaded loaded("[Setup]\nLanguage=English\n[]\nLanguage=Chinese\n");
    loaded.ini.set("Setup", "ShowLang", "1");
    ASSERT_TRUE(loaded.ini.save(false));
    EXPECT_EQ(readText(loaded.path),
              "[Setup]\r\nLanguage=English\r\nShowLang=1\r\n[]\r\nLanguage=Chinese\r\n");
    IniFile again;
    ASSERT_TRUE(again.load(loaded.path, false, true, false));
    EXPECT_EQ(again.get("Setup", "Language"), "English");
}

TEST(IniFile, MissingFileIsCreatedEmptyAndNotRewritten) {
    TempDir dir;
    {
        IniFile ini;
        ASSERT_TRUE(ini.load(dir.file("Program.ini"), true, true, false));
        EXPECT_EQ(ini.get("Setup", "Language", ""), "");
    }
    EXPECT_TRUE(fs::exists(dir.file("Program.ini")));
    EXPECT_EQ(readText(dir.file("Program.ini")), "");
    IniFile ini;
    EXPECT_FALSE(ini.load(dir.file("no/such/folder/Program.ini"), true, true, false));
}

TEST(IniFile, UnreadableFileLeavesNothingLoaded) {
    TempDir dir;
    fs::create_directory(dir.file("Program.ini"));
    IniFile ini;
    EXPECT_FALSE(ini.load(dir.file("Program.ini"), true, true, false));
    EXPECT_TRUE(ini.path().empty());
    EXPECT_FALSE(ini.set("Setup", "Language", "Chinese"));
}

TEST(IniFile, AutoSaveOnDestructionAndReload) {
    for (const bool autoSave : {false, true}) {
        TempDir dir;
        const std::string first = dir.file("first.ini");
        const std::string second = dir.file("second.ini");
        writeText(first, "[Setup]\nLanguage=English\n");
        writeText(second, "[Setup]\nLanguage=English\n");
        const std::string changed = "[Setup]\r\nLanguage=Chinese\r\n";
        {
            IniFile ini;
            ASSERT_TRUE(ini.load(first, autoSave, true, false));
            ini.set("Setup", "Language", "Chinese");
            ASSERT_TRUE(ini.load(second, autoSave, true, false));
            EXPECT_EQ(readText(first), autoSave ? changed : "[Setup]\nLanguage=English\n");
            EXPECT_FALSE(ini.dirty());
            ini.set("Setup", "Language", "Chinese");
        }
        EXPECT_EQ(readText(second), autoSave ? changed : "[Setup]\nLanguage=English\n");
    }
}

TEST(IniFile, OpenUsesTheProgramFolderWithEitherSeparator) {
    TempDir dir;
    fs::create_directory(dir.file("bin"));
    writeText(dir.file("bin/Program.ini"), "[Setup]\nLanguage=Chinese\n");
    const fs::path before = fs::current_path();
    fs::current_path(dir.file("bin"));
    for (const std::string& program :
         {dir.file("bin/radioprog"), dir.file("bin") + "\\Program.exe", std::string("radioprog")}) {
        IniFile ini;
        EXPECT_TRUE(ini.open("Program.ini", program, false, true, false)) << program;
        EXPECT_EQ(ini.get("Setup", "Language"), "Chinese") << program;
        EXPECT_TRUE(fs::equivalent(ini.path(), dir.file("bin/Program.ini"))) << ini.path();
    }
    fs::current_path(before);
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
    // A file name without a dot: a dot in the folder's name must not lead the search
    // elsewhere and hand out the name of an existing backup.
    fs::create_directory(dir.file("cfg.d"));
    writeText(dir.file("cfg.d/config.001"), "x");
    EXPECT_EQ(IniFile::nextBackupName(dir.file("cfg.d/config")), dir.file("cfg.d/config.002"));

    IniFile ini;
    ASSERT_TRUE(ini.load(path, false, true, false));
    EXPECT_EQ(ini.save(true).value(), "");  // nothing changed: no file, no backup
    EXPECT_FALSE(fs::exists(path + ".008"));
    ini.set("Setup", "Language", "Chinese");
    EXPECT_EQ(ini.save(true).value(), path + ".008");
    EXPECT_EQ(readText(path + ".008"), "[Setup]\nLanguage=English\n");
    ini.set("Setup", "Language", "English");  // the name is kept for later backup saves
    EXPECT_EQ(ini.save(true).value(), path + ".008");
    EXPECT_EQ(readText(path + ".008"), "[Setup]\r\nLanguage=Chinese\r\n");
    ini.setBackupName(dir.file("chosen"));
    EXPECT_EQ(ini.save(true).value(), dir.file("chosen"));
    EXPECT_EQ(readText(dir.file("chosen")), "[Setup]\r\nLanguage=English\r\n");
}

TEST(IniFile, FailedSaveReportsAndKeepsTheOldFile) {
    // A read-only folder stops everyone but root; a file-size limit also stops root.
    for (const bool readOnlyFolder : {true, false}) {
        TempDir dir;
        const std::string path = dir.file("Program.ini");
        const std::string old = "[Setup]\nLanguage=English\n" + std::string(2000, ';') + "\n";
        writeText(path, old);
        IniFile ini;
        ASSERT_TRUE(ini.load(path, false, true, false));
        ini.set("Setup", "Language", "Chinese");
        ini.set("Setup", "Padding", std::string(3000, 'x'));
        if (readOnlyFolder) {
            fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        }
        auto result = [&] {
            std::optional<test::FileSizeLimit> limit;
            if (!readOnlyFolder || geteuid() == 0) {
                limit.emplace(1024);
                EXPECT_TRUE(limit->ok());
            }
            return ini.save(false);
        }();
        fs::permissions(dir.path(), fs::perms::owner_all);

        ASSERT_FALSE(result) << readOnlyFolder;
        EXPECT_EQ(result.error().kind, FileError::Kind::NotWritable);
        EXPECT_NE(result.error().message(Language::English).find("Program.ini"), std::string::npos);
        EXPECT_EQ(readText(path), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
        EXPECT_TRUE(ini.dirty());
    }
}

}  // namespace
}  // namespace radio
