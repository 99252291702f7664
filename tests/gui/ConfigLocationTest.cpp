#include <QStandardPaths>

#include "GuiFixture.h"

namespace radio::test {
namespace {

// The language choice is saved beside the program when its folder is its own (portable), else
// in the user's configuration folder, leaving the installed files as they were shipped.
TEST(ConfigLocation, TheLanguageChoiceIsSavedWhereTheProgramLives) {
    const std::tuple<QString, QString, bool> cases[] = {
        // program folder, runtime folder
        {"app", "app", true},
        {"prefix/bin", "prefix/share/radioprog", false},
        // the Windows installer's folder: everything beside the program and its uninstaller
        {"Program Files/radioprog", "Program Files/radioprog", false}};
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
    for (const auto& [programFolder, runtimeFolder, portable] : cases) {
        SCOPED_TRACE(portable ? "portable" : "installed");
        QTemporaryDir root;
        // The system's configuration folder instead of the tests' stand-in for it.
        qputenv("XDG_CONFIG_HOME", root.filePath("config").toLocal8Bit());
        QStandardPaths::setTestModeEnabled(false);
        const QString program = root.filePath(programFolder) + "/radioprog";
        const QString runtimeDir = root.filePath(runtimeFolder);
        QDir().mkpath(root.filePath(programFolder));
        QDir().mkpath(runtimeDir);
        const QByteArray shipped = ProgramFolder::defaultIni().toUtf8();
        writeFile(runtimeDir + "/Program.ini", shipped);
        if (!portable && programFolder == runtimeFolder) {
            writeFile(runtimeDir + "/uninstall.exe", "MZ");
        }
        for (const char* pack : {"English.qm", "Chinese.qm"}) {
            QFile::copy(QStringLiteral(RADIOPROG_BIN_DIR "/") + pack, runtimeDir + '/' + pack);
        }
        const QString userIni = root.filePath("config/radioprog/Program.ini");
        {
            ScriptedPrompts prompts;
            gui::CProgramApp first(program, prompts);
            first.setRestartLauncher([](const QString&) {});
            ASSERT_TRUE(first.initInstance({}));  // the language pack came from the runtime folder
            EXPECT_EQ(first.settings().programDir, runtimeDir + '/');
            ASSERT_TRUE(first.restartProgram("Chinese"));
        }
        const QByteArray saved = readFile(portable ? runtimeDir + "/Program.ini" : userIni);
        EXPECT_TRUE(saved.contains("Language=Chinese"));
        EXPECT_TRUE(saved.contains("Field1=400-470|430-480"));  // made from the defaults
        EXPECT_EQ(QFileInfo::exists(userIni), !portable);
        EXPECT_TRUE(portable || readFile(runtimeDir + "/Program.ini") == shipped);
        ScriptedPrompts prompts;
        gui::CProgramApp second(program, prompts);
        ASSERT_TRUE(second.initInstance({}));
        EXPECT_TRUE(second.settings().chinese);
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_CONFIG_HOME", oldHome);
    }
}

}  // namespace
}  // namespace radio::test
