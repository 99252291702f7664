#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "GuiFixture.h"

namespace radio::test {
namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The user's configuration folder the system names ($XDG_CONFIG_HOME) is `folder` while this
// lives; the tests' own stand-in for it is switched off meanwhile.
class UserConfigHome {
  public:
    explicit UserConfigHome(const QString& folder) : old_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
        QStandardPaths::setTestModeEnabled(false);
    }
    ~UserConfigHome() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_CONFIG_HOME", old_);
    }

  private:
    QByteArray old_;
};

TEST(ConfigLocation, TheLanguageChoiceIsSavedWhereTheProgramLives) {
    struct Case {
        const char* name;
        const char* programDir;
        const char* runtimeDir;
        bool portable;
    };
    const Case cases[] = {
        {"portable folder", "app", "app", true},
        {"installed under a prefix", "prefix/bin", "prefix/share/radioprog", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        const UserConfigHome home(root.filePath("config"));
        const QString programDir = root.filePath(c.programDir);
        const QString runtimeDir = root.filePath(c.runtimeDir);
        QDir().mkpath(programDir);
        QDir().mkpath(runtimeDir);
        QFile shippedFile(runtimeDir + "/Program.ini");
        ASSERT_TRUE(shippedFile.open(QIODevice::WriteOnly) &&
                    shippedFile.write(ProgramFolder::defaultIni().toUtf8()) > 0);
        shippedFile.close();
        for (const char* pack : {"English.qm", "Chinese.qm"}) {
            QFile::copy(QStringLiteral(RADIOPROG_BIN_DIR "/") + pack, runtimeDir + '/' + pack);
        }
        const QStringList shippedFiles = QDir(runtimeDir).entryList(QDir::Files);
        const QString shipped = readAll(runtimeDir + "/Program.ini");
        const QString userIni = root.filePath("config/radioprog/Program.ini");
        {
            ScriptedPrompts prompts;
            gui::CProgramApp first(programDir + "/radioprog", prompts);
            first.setRestartLauncher([](const QString&) {});
            ASSERT_TRUE(first.initInstance({}));  // the language pack came from the runtime folder
            EXPECT_EQ(first.settings().programDir, runtimeDir + '/');
            ASSERT_TRUE(first.restartProgram("Chinese"));
        }
        const QString saved = readAll(c.portable ? runtimeDir + "/Program.ini" : userIni);
        EXPECT_TRUE(saved.contains("Language=Chinese"));
        EXPECT_TRUE(saved.contains("Field1=400-470|430-480"));  // made from the defaults
        if (!c.portable) {
            EXPECT_EQ(readAll(runtimeDir + "/Program.ini"), shipped);
            EXPECT_EQ(QDir(runtimeDir).entryList(QDir::Files), shippedFiles);
        } else {
            EXPECT_FALSE(QFileInfo::exists(userIni));
        }
        ScriptedPrompts prompts;
        gui::CProgramApp second(programDir + "/radioprog", prompts);
        ASSERT_TRUE(second.initInstance({}));
        EXPECT_TRUE(second.settings().chinese);
    }
}

}  // namespace
}  // namespace radio::test
