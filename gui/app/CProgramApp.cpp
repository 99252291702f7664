#include "gui/app/CProgramApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMenu>
#include <QProcess>

#include "core/text/Texts.h"
#include "core/util/CRuntimeText.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/Pictures.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/StringTable.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/print/ReportPrinting.h"
#include "qtshared/ConfigText.h"
#include "qtshared/ProgramFiles.h"
#include "qtshared/TextFiles.h"

namespace radio {
namespace gui {

CProgramApp::CProgramApp(QString programPath, UserPrompts& prompts)
    : programPath_(std::move(programPath)), prompts_(prompts), config_(4) {}

CProgramApp::~CProgramApp() {
    mainFrame_.reset();
    helpWindow_.reset();
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
    }
    if (qtTranslator_) {
        QCoreApplication::removeTranslator(qtTranslator_.get());
    }
}

QString CProgramApp::configText(const QString& section, const QString& key) const {
    return decodeConfigText(config_.get(section.toStdString(), key.toStdString(), ""));
}

void CProgramApp::readStartupSettings() {
    const ProgramFiles files = locateProgramFiles(QFileInfo(programPath_).absolutePath());
    // A failed load leaves an empty store, so every read gives its default.
    config_.load(localPath(files.iniToRead), true, true, false);
    if (files.iniToWrite != files.iniToRead && config_.path() == localPath(files.iniToRead)) {
        // Installed: the first change saved makes the user's copy from the defaults.
        config_.setPath(localPath(files.iniToWrite));
    }
    settings_.languageName = setupText("Language");
    settings_.chinese = settings_.languageName == QLatin1String("Chinese");
    settings_.helpFile =
        settings_.chinese ? QStringLiteral("chHelp.html") : QStringLiteral("enHelp.html");
    settings_.programDir = files.dataDir;
}

bool CProgramApp::loadLanguagePack() {
    translator_ = std::make_unique<QTranslator>();
    const QString pack = settings_.programDir + settings_.languageName + ".qm";
    if (!QFileInfo(pack).isFile() || !translator_->load(pack)) {
        translator_.reset();
        // No language section can be trusted yet: the caption is the configured program name.
        const QString appName = setupText("AppName");
        prompts_.message(nullptr, QMessageBox::Warning,
                         appName.isEmpty() ? QCoreApplication::applicationName() : appName,
                         uiText(TextId::LoadLanguageFailed, language()), QMessageBox::Ok);
        return false;
    }
    QCoreApplication::installTranslator(translator_.get());
    if (settings_.chinese) {
        // Qt's own buttons (OK, Cancel, Retry) in Chinese too, when the system has them.
        qtTranslator_ = std::make_unique<QTranslator>();
        if (qtTranslator_->load("qtbase_zh_CN",
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator_.get());
        } else {
            qtTranslator_.reset();
        }
    }
    return true;
}

bool CProgramApp::initInstance(const QStringList& arguments) {
    readStartupSettings();
    if (const std::optional<int> port = registry().readInt("com")) {
        portName_ = QStringLiteral("com%1").arg(*port);
    }
    if (!loadLanguagePack()) {
        return false;
    }
    // Before anything else can fail, so that every message carries it.
    settings_.displayName = languageText("Company");
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (arguments.isEmpty()) {
        onFileNew();
    } else if (!openFile(arguments.first())) {
        return false;
    }
    mainFrame_->showMaximized();
    mainFrame_->setWindowIcon(titleIcon());
    editDocumentMenu();
    return true;
}

void CProgramApp::editDocumentMenu() {
    CMainFrame& frame = *mainFrame_;
    const Commands& commands = frame.commands();
    frame.setAboutTitle(languageText("About Title"));
    commands.language->setVisible(leadingInt(config_.get("Setup", "ShowLang", "")) != 0);
}

QMessageBox::StandardButton CProgramApp::message(const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::Icon icon, const QString& caption) {
    return prompts_.message(mainFrame_.get(), icon,
                            caption.isNull() ? settings_.displayName : caption, text, buttons);
}

void CProgramApp::onFileNew() {
    CChildFrame* active = mainFrame_->activeChildFrame();
    if (active) {
        // A typed text is part of what would be cleared; a refused one stops here.
        if (!active->view().CommitCellEdit()) {
            return;
        }
        if (message(StringTable::text(StringTable::AllDataCleared),
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
            return;
        }
        if (!mainFrame_->querySave(*active) ||
            !mainFrame_->destroyChildFrame(active, [this] { addNewDocument(); })) {
            return;
        }
    }
    addNewDocument();
}

void CProgramApp::addNewDocument() {
    auto document = std::make_unique<CProgramDoc>();
    document->initNew(uiText(TextId::ChannelInformation, language()), setupText("AppName"));
    newImage_ = true;
    mainFrame_->addDocumentWindow(std::move(document));
}

void CProgramApp::onFileOpen() {
    const QString path =
        prompts_.openFileName(mainFrame_.get(), tr("Open"), tr("Program Document (*.dat)"));
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool CProgramApp::openFile(const QString& path) {
    CChildFrame* previous = mainFrame_->activeChildFrame();
    if (CChildFrame* open = mainFrame_->frameHolding(path)) {
        // The document that holds the file already, with its edits: a second copy could be
        // saved over them.
        if (previous && previous != open) {
            previous->close();
        }
        mainFrame_->bringBack(*open);
        mainFrame_->rememberFile(path);
        return true;
    }
    auto document = std::make_unique<CProgramDoc>();
    if (auto loaded = document->load(path); !loaded) {
        message(QString::fromStdString(loaded.error().message(language())));
        return false;
    }
    if (previous) {
        previous->close();  // hides it; its document stays open
    }
    newImage_ = false;
    mainFrame_->addDocumentWindow(std::move(document));
    mainFrame_->rememberFile(path);
    return true;
}

void CProgramApp::onAppAbout() {
    CAboutDlg dialog(*this, mainFrame_.get());
    prompts_.runDialog(dialog);
}

ReportPrinting& CProgramApp::printing() {
    if (!printing_) {
        printing_ = std::make_unique<ReportPrinting>(*this);
    }
    return *printing_;
}

QIcon CProgramApp::titleIcon() {
    if (titleIcon_.isNull()) {
        titleIcon_ = QIcon(settings_.programDir + "title.ico");
    }
    if (titleIcon_.isNull()) {
        titleIcon_ = QIcon(QPixmap::fromImage(pictures::programIcon(32)));
    }
    return titleIcon_;
}

bool CProgramApp::restartProgram(const QString& languageName) {
    const std::string before = config_.get("Setup", "Language", "");
    const auto storeLanguage = [this](const std::string& name) {
        config_.set("Setup", "Language", name);
        // The user's configuration folder may not exist yet when the program runs installed.
        QDir().mkpath(QFileInfo(QFile::decodeName(config_.path().c_str())).absolutePath());
        return config_.save(false);
    };
    if (auto saved = storeLanguage(languageName.toStdString()); !saved) {
        storeLanguage(before);
        message(QString::fromStdString(saved.error().message(language())));
        return false;
    }
    if (!mainFrame_->close()) {
        storeLanguage(before);  // the run goes on, and so does its language at the next start
        return false;
    }
    if (restartLauncher_) {
        restartLauncher_(programPath_);
    } else {
        QProcess::startDetached(programPath_, {});
    }
    return true;
}

void CProgramApp::showHelp(int context) {
    const QString file = settings_.programDir + settings_.helpFile;
    if (!QFileInfo(file).isFile()) {
        return;
    }
    if (!helpWindow_) {
        helpWindow_ = std::make_unique<HelpWindow>();
    }
    helpWindow_->showContext(file, context);
}

}  // namespace gui
}  // namespace radio
