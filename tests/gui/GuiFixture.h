#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "gui/app/CMainFrame.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/UserPrompts.h"
#include "gui/image/CProgramDoc.h"

namespace radio::test {

// Answers message boxes and file dialogs from a script and records what was asked.
class ScriptedPrompts final : public gui::UserPrompts {
  public:
    struct Shown {
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString& caption,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        shown.push_back({caption, text, buttons});
        if (!answers.empty()) {
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return takeFile(); }
    QString saveFileName(QWidget*, const QString&, const QString& proposed,
                         const QString&) override {
        proposedNames.push_back(proposed);
        return takeFile();
    }
    // A dialog is answered by onDialog (which may work its controls); without one it is
    // cancelled.
    int runDialog(QDialog& dialog) override {
        dialogs.push_back(dialog.objectName());
        return onDialog ? onDialog(dialog) : 0;
    }

    std::deque<QMessageBox::StandardButton> answers;  // next answers, else OK / Cancel
    std::deque<QString> files;                        // next file names, else cancelled
    std::vector<Shown> shown;
    std::vector<QString> proposedNames;
    std::function<int(QDialog&)> onDialog;
    std::vector<QString> dialogs;  // object names of the dialogs shown

  private:
    QString takeFile() {
        if (files.empty()) {
            return {};
        }
        QString file = files.front();
        files.pop_front();
        return file;
    }
};

// A program folder of its own: Program.ini, the language packs, and a program path in it.
class ProgramFolder {
  public:
    static QString defaultIni(const QString& language = "English") {
        return "[Setup]\nLanguage=" + language +
               "\nShowLang=1\nAppName=RadioProgTest\n"
               "Type1=Alpha\nField1=400-470|430-480\nType2=Beta\nField2=136-174|144-148|400-400\n"
               "[English]\nCompany=Test Company\nAbout Title=About Test\nVersion=Version 9\n"
               "Copyrights=(C) Test\nCopyrights Owner=Owner Line\nAppName=Test Radio\n"
               "[Chinese]\nCompany=测试公司\nAbout Title=关于测试\nVersion=版本 9\n"
               "Copyrights=版权\nCopyrights Owner=所有者\nAppName=测试对讲机\n";
    }

    explicit ProgramFolder(const QString& ini = defaultIni()) {
        writeFile("Program.ini", ini.toUtf8());
        for (const char* pack : {"English.qm", "Chinese.qm", "enHelp.html", "chHelp.html"}) {
            QFile::copy(QStringLiteral(RADIOPROG_BIN_DIR "/") + pack, path(pack));
        }
    }
    QString path(const QString& name = QString()) const { return dir_.filePath(name); }
    QString programPath() const { return path("radioprog"); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

  private:
    QTemporaryDir dir_;
};

// Clears the user settings the program keeps between runs.
inline void clearUserSettings() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "RadioProgTest").clear();
}

// A started program with its own folder; the user settings are cleared before it starts and
// after it ends, so no radio type is left over from another test.
struct StartedProgram {
    explicit StartedProgram(const QString& ini = ProgramFolder::defaultIni(),
                            const QStringList& arguments = {})
        : folder(ini), app(folder.programPath(), prompts) {
        started = app.initInstance(arguments);
    }
    gui::CMainFrame& frame() { return *app.mainFrame(); }
    gui::CProgramDoc& document() { return *frame().activeDocument(); }
    MemoryImage& image() { return document().image(); }

    struct SettingsCleared {
        SettingsCleared() { clearUserSettings(); }
        ~SettingsCleared() { clearUserSettings(); }
    } cleared;  // first, so it runs before the start and after the end
    ScriptedPrompts prompts;
    ProgramFolder folder;
    gui::CProgramApp app;
    bool started = false;
};

}  // namespace radio::test
