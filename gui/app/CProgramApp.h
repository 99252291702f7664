#pragma once

#include <QIcon>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>

#include "core/config/IniFile.h"
#include "core/text/Language.h"
#include "gui/app/Registry.h"

namespace radio {
namespace gui {

class CMainFrame;
class HelpWindow;
class ReportPrinting;
class UserPrompts;

// Settings read at start-up and fixed for the run.
struct StartupSettings {
    QString languageName;  // [Setup] Language; also the language section and the pack's name
    bool chinese = false;  // exactly "Chinese"
    QString helpFile;      // chHelp.html or enHelp.html
    QString programDir;    // folder of the runtime files (the executable's, or share/radioprog)
    QString displayName;   // caption of every message box: the language section's Company

    Language language() const { return chinese ? Language::Chinese : Language::English; }
};

// The application object: start-up, the configuration store, the language, the run-wide flags,
// New, Open, About and help.
class CProgramApp : public QObject {
    Q_OBJECT
  public:
    // programPath: the executable's path (argv[0] resolved); prompts answer every message box.
    CProgramApp(QString programPath, UserPrompts& prompts);
    ~CProgramApp() override;

    // Runs the start-up; false means the program must exit (a message was shown if needed).
    // arguments: the command line without the program name.
    bool initInstance(const QStringList& arguments);

    const StartupSettings& settings() const { return settings_; }
    Language language() const { return settings_.language(); }
    IniFile& config() { return config_; }
    // A Program.ini value, decoded; sectionless reads use [Setup] and the language section.
    QString configText(const QString& section, const QString& key) const;
    QString setupText(const QString& key) const { return configText("Setup", key); }
    QString languageText(const QString& key) const {
        return configText(settings_.languageName, key);
    }
    Registry registry() const { return Registry(setupText("AppName")); }
    UserPrompts& prompts() { return prompts_; }
    // The report's printer and print commands, made on first use.
    ReportPrinting& printing();
    // title.ico of the program folder, read once; the built-in picture when it is missing.
    QIcon titleIcon();
    CMainFrame* mainFrame() const { return mainFrame_.get(); }

    // Set by a new document, cleared by opening a file or a completed radio read.
    bool newImageFlag() const { return newImage_; }
    void setNewImageFlag(bool set) { newImage_ = set; }
    // The port every document's transfers open: "com" and the number last chosen in COM Setup
    // (remembered for the user as "com"), COM1 before any choice. One cable serves them all.
    QString portName() const { return portName_; }
    void setPortName(const QString& name) { portName_ = name; }
    // Set once the access code was accepted; widens every later radio write.
    bool adjustmentUnlocked() const { return adjustmentUnlocked_; }
    void setAdjustmentUnlocked() { adjustmentUnlocked_ = true; }

    // Setup > Verify After Write, remembered for the user; on until the user turns it off.
    bool verifyAfterWrite() const {
        return registry().readInt("VerifyAfterWrite").value_or(1) != 0;
    }
    void setVerifyAfterWrite(bool on) { registry().writeInt("VerifyAfterWrite", on ? 1 : 0); }

    // A message box with the display name as caption (or the given one).
    QMessageBox::StandardButton message(const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::Icon icon = QMessageBox::Warning,
                                        const QString& caption = QString());

    // Ends the run and starts the program again in another language: [Setup] Language is
    // written to Program.ini first (the new run reads it), then the main window closes, which
    // asks about unsaved documents. False when saving or closing did not happen; Program.ini
    // then holds the running language again.
    bool restartProgram(const QString& languageName);
    // Starts the program anew; tests replace it.
    void setRestartLauncher(std::function<void(const QString& program)> launcher) {
        restartLauncher_ = std::move(launcher);
    }

    void showHelp(int context);
    // The help window once help was shown; nullptr before.
    HelpWindow* helpWindow() const { return helpWindow_.get(); }

  public slots:
    void onFileNew();
    void onFileOpen();
    bool openFile(const QString& path);
    void onAppAbout();

  private:
    bool loadLanguagePack();
    void readStartupSettings();
    void addNewDocument();
    void editDocumentMenu();

    QString programPath_;
    UserPrompts& prompts_;
    IniFile config_;
    StartupSettings settings_;
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> qtTranslator_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<HelpWindow> helpWindow_;
    std::function<void(const QString&)> restartLauncher_;
    QIcon titleIcon_;
    std::unique_ptr<ReportPrinting> printing_;
    bool newImage_ = false;
    QString portName_ = QStringLiteral("COM1");
    bool adjustmentUnlocked_ = false;
};

}  // namespace gui
}  // namespace radio
