#include "gui/app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#include <QLabel>
#include <QTimer>
#endif

#include "core/text/Texts.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMdiClientWnd.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/app/CProgramApp.h"
#include "gui/app/CommandIds.h"
#include "gui/app/MenuHelpFilter.h"
#include "gui/app/Pictures.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/UserPrompts.h"
#include "gui/channels/CProgramView.h"
#include "gui/image/CProgramDoc.h"
#include "gui/print/ReportPrinting.h"
#include "gui/settings/COptionalFeaturesDlg.h"
#include "gui/settings/CParamAdjustDlg.h"
#include "gui/settings/CPasswordDlg.h"
#include "gui/settings/CPowerAdjustDlg.h"
#include "gui/settings/CProductInfoDlg.h"
#include "gui/settings/SettingsPage.h"

namespace radio {
namespace gui {

CMainFrame::CMainFrame(CProgramApp& app) : app_(app) {
    setObjectName("CMainFrame");
    resize(1000, 600);
    buildCommands();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    buildNavigationBar();
    updateMenuBar();
    updateViewChecks();
    setAcceptDrops(true);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::makeCommand(int id, const QString& text, const QString& prompt,
                                 const QKeySequence& shortcut) {
    auto* command = new QAction(text, this);
    command->setData(id);
    if (!prompt.isEmpty()) {
        command->setStatusTip(prompt.section('\n', 0, 0));
        command->setToolTip(prompt.section('\n', 1, 1));
    }
    if (!shortcut.isEmpty()) {
        if (text.contains('\t')) {
            command->setShortcut(shortcut);
        } else {
            // The item text already shows its key ("&Read    Ctrl+R"); a second, hidden action
            // carries the shortcut so that the menu does not show it twice.
            auto* key = new QAction(this);
            key->setShortcut(shortcut);
            connect(key, &QAction::triggered, command, &QAction::trigger);
            addAction(key);
        }
    }
    connect(command, &QAction::triggered, this, [this, id] { onCommand(id); });
    addAction(command);
    actions_.insert(id, command);
    return command;
}

void CMainFrame::buildCommands() {
    makeCommand(cmd::FileNew, tr("&New\tCtrl+N"), tr("Create a new document\nNew"),
                QKeySequence(Qt::CTRL | Qt::Key_N));
    makeCommand(cmd::FileOpen, tr("&Open...\tCtrl+O"), tr("Open an existing document\nOpen"),
                QKeySequence(Qt::CTRL | Qt::Key_O));
    makeCommand(cmd::FileClose, tr("&Close"), tr("Close the active document\nClose"));
    makeCommand(cmd::FileSave, tr("&Save\tCtrl+S"), tr("Save the active document\nSave"),
                QKeySequence(Qt::CTRL | Qt::Key_S));
    makeCommand(cmd::FileSaveAs, tr("Save &As..."),
                tr("Save the active document with a new name\nSave As"));
    makeCommand(cmd::FilePrint, tr("&Print...\tCtrl+P"), tr("Print the active document\nPrint"),
                QKeySequence(Qt::CTRL | Qt::Key_P));
    makeCommand(cmd::FilePrintPreview, tr("Print Pre&view"),
                tr("Display full pages\nPrint Preview"));
    makeCommand(cmd::FilePrintSetup, tr("P&rint Setup..."),
                tr("Change the printer and printing options\nPrint Setup"));
    makeCommand(cmd::ExportPdf, tr("Export PDF..."),
                tr("Save the report as a PDF file\nExport PDF"));
    makeCommand(cmd::ExportChannels, tr("Export Channels..."),
                tr("Save the channel table as a CSV file\nExport Channels"));
    makeCommand(cmd::ImportChannels, tr("Import Channels..."),
                tr("Fill the channel table from a CSV file\nImport Channels"));
    makeCommand(cmd::AppExit, tr("E&xit"),
                tr("Quit the application; prompts to save documents\nExit"));

    makeCommand(cmd::ProductInformation, tr("&Product Information"));
    makeCommand(cmd::ChannelInformation, tr("&Channel Information"));
    makeCommand(cmd::OptionalFeatures, tr("&Optional Features"));
    makeCommand(cmd::PowerAdjust, tr("Power Adjustment"));
    makeCommand(cmd::ParamAdjust, tr("Param Adjust"));

    makeCommand(cmd::Read, tr("&Read    Ctrl+R"), tr("Read Data From Radio\nRead"),
                QKeySequence(Qt::CTRL | Qt::Key_R));
    makeCommand(cmd::Write, tr("&Write   Ctrl+W"), tr("Write Data To Radio\nWrite"),
                QKeySequence(Qt::CTRL | Qt::Key_W));
    makeCommand(cmd::ScanInfo, tr("Scan Info"));

    makeCommand(cmd::ViewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar\nToggle ToolBar"))
        ->setCheckable(true);
    makeCommand(cmd::ViewStatusBar, tr("&Status Bar"),
                tr("Show or hide the status bar\nToggle StatusBar"))
        ->setCheckable(true);
    makeCommand(cmd::ControlBar, tr("&Control Bar"))->setCheckable(true);

    makeCommand(cmd::ComSetup, tr("&Com Setup"));
    makeCommand(cmd::Language, tr("&Language"));
    makeCommand(cmd::AppAbout, tr("&About Program..."),
                tr("Display program information, version number and copyright\nAbout"));

    // The menu shown without a document keeps its own About item, whose text never changes.
    noDocumentAbout_ = new QAction(tr("&About Program..."), this);
    noDocumentAbout_->setData(int(cmd::AppAbout));
    connect(noDocumentAbout_, &QAction::triggered, this, [this] { onCommand(cmd::AppAbout); });
}

void CMainFrame::buildMenus() {
    auto menu = [this](const QString& title, std::initializer_list<int> ids, QList<QMenu*>& into) {
        auto* submenu = new QMenu(title, this);
        for (int id : ids) {
            if (id == 0) {
                submenu->addSeparator();
            } else {
                submenu->addAction(id == -1 ? noDocumentAbout_ : actions_.value(id));
            }
        }
        submenu->installEventFilter(new MenuHelpFilter(app_, submenu));
        into.append(submenu);
    };
    menu(tr("&File"),
         {cmd::FileNew, cmd::FileOpen, cmd::FileClose, cmd::FileSave, cmd::FileSaveAs, 0,
          cmd::FilePrint, cmd::FilePrintPreview, cmd::FilePrintSetup, 0, cmd::ExportPdf,
          cmd::ExportChannels, cmd::ImportChannels, 0, cmd::AppExit},
         documentMenus_);
    menu(tr("&Edit"),
         {cmd::ProductInformation, cmd::ChannelInformation, cmd::OptionalFeatures, cmd::PowerAdjust,
          cmd::ParamAdjust},
         documentMenus_);
    menu(tr("&Program"), {cmd::Read, cmd::Write, cmd::ScanInfo}, documentMenus_);
    menu(tr("&View"), {cmd::ViewToolbar, cmd::ViewStatusBar, cmd::ControlBar}, documentMenus_);
    menu(tr("&Setup"), {cmd::ComSetup, cmd::Language}, documentMenus_);
    menu(tr("&Help"), {cmd::AppAbout}, documentMenus_);

    menu(tr("&File"), {cmd::FileNew, cmd::FileOpen, cmd::FilePrintSetup, 0, cmd::AppExit},
         noDocumentMenus_);
    menu(tr("&View"), {cmd::ViewToolbar, cmd::ViewStatusBar}, noDocumentMenus_);
    menu(tr("&Help"), {-1}, noDocumentMenus_);
}

void CMainFrame::buildToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName("toolbar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(18, 19));
    using pictures::ToolbarButton;
    auto button = [&](int id, ToolbarButton picture) {
        QAction* command = actions_.value(id);
        command->setIcon(QIcon(QPixmap::fromImage(pictures::toolbarImage(picture))));
        toolBar_->addAction(command);
    };
    button(cmd::FileNew, ToolbarButton::New);
    button(cmd::FileOpen, ToolbarButton::Open);
    button(cmd::FileSave, ToolbarButton::Save);
    toolBar_->addSeparator();
    button(cmd::Read, ToolbarButton::Read);
    button(cmd::Write, ToolbarButton::Write);
    toolBar_->addSeparator();
    button(cmd::FilePrint, ToolbarButton::Print);
    toolBar_->addSeparator();
    button(cmd::AppAbout, ToolbarButton::About);
}

void CMainFrame::buildStatusBar() {
    statusBar()->showMessage(tr("Ready"));
#ifdef Q_OS_WIN
    // Only Windows tells programs the state of the lock keys.
    struct Indicator {
        const char* text;
        int key;
    };
    for (const Indicator indicator : {Indicator{"CAP", VK_CAPITAL}, Indicator{"NUM", VK_NUMLOCK},
                                      Indicator{"SCRL", VK_SCROLL}}) {
        auto* label = new QLabel(QString::fromLatin1(indicator.text), statusBar());
        statusBar()->addPermanentWidget(label);
        auto* poll = new QTimer(label);
        connect(poll, &QTimer::timeout, label,
                [label, key = indicator.key] { label->setEnabled((GetKeyState(key) & 1) != 0); });
        poll->start(250);
    }
#endif
}

void CMainFrame::buildNavigationBar() {
    const Language language = app_.language();
    CNavTreeBar::Entries entries{
        app_.languageText("AppName"), uiText(TextId::ProductInformation, language),
        uiText(TextId::ChannelInformation, language), uiText(TextId::OptionalFeatures, language)};
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    navBar_ = new CNavTreeBar(app_.languageText("company"), entries, central);
    navBar_->setFixedWidth(CNavTreeBar::kInitialWidth);
    workspace_ = new CMdiClientWnd(app_.settings().programDir, central);
    layout->addWidget(navBar_);
    layout->addWidget(workspace_, 1);
    setCentralWidget(central);
    connect(navBar_, &CNavTreeBar::entryChosen, this, &CMainFrame::onCommand);
    connect(navBar_, &CNavTreeBar::closeRequested, this, [this] {
        navBar_->hide();
        updateViewChecks();
    });
    connect(workspace_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            lastActive_ = frame;
        }
    });
}

QAction* CMainFrame::action(int id) const {
    QAction* command = actions_.value(id);
    if (!command) {
        return nullptr;
    }
    for (QMenu* menu : documentMenus_) {
        if (menu->actions().contains(command)) {
            return command;
        }
    }
    return nullptr;
}

void CMainFrame::removeCommand(int id) {
    if (QAction* command = actions_.value(id)) {
        for (QMenu* menu : documentMenus_) {
            menu->removeAction(command);
        }
    }
}

QMenu* CMainFrame::documentSubmenu(int position) const {
    return position >= 0 && position < documentMenus_.size() ? documentMenus_[position] : nullptr;
}

void CMainFrame::updateMenuBar() {
    const bool document = !childFrames().isEmpty();
    if (document == documentMenuShown_ && !menuBar()->actions().isEmpty()) {
        return;
    }
    documentMenuShown_ = document;
    menuBar()->clear();
    for (QMenu* menu : document ? documentMenus_ : noDocumentMenus_) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::updateViewChecks() {
    actions_.value(cmd::ViewToolbar)->setChecked(toolBar_->isVisibleTo(this));
    actions_.value(cmd::ViewStatusBar)->setChecked(statusBar()->isVisibleTo(this));
    actions_.value(cmd::ControlBar)->setChecked(navBar_->isVisibleTo(this));
}

QList<CChildFrame*> CMainFrame::childFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : workspace_->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            frames.append(frame);
        }
    }
    return frames;
}

CChildFrame* CMainFrame::activeChildFrame() const {
    if (auto* frame = qobject_cast<CChildFrame*>(workspace_->activeSubWindow())) {
        return frame;
    }
    if (lastActive_ && childFrames().contains(lastActive_.data())) {
        return lastActive_.data();
    }
    return nullptr;
}

CProgramView* CMainFrame::activeView() const {
    CChildFrame* frame = activeChildFrame();
    return frame ? &frame->view() : nullptr;
}

CChildFrame* CMainFrame::frameHolding(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (CChildFrame* frame : childFrames()) {
        if (!wanted.isEmpty() && frame->document().hasFile() &&
            QFileInfo(frame->document().path()).canonicalFilePath() == wanted) {
            return frame;
        }
    }
    return nullptr;
}

void CMainFrame::bringBack(CChildFrame& frame) {
    frame.showNormal();
    workspace_->setActiveSubWindow(&frame);
    lastActive_ = &frame;
}

CProgramDoc* CMainFrame::activeDocument() const {
    CChildFrame* frame = activeChildFrame();
    return frame ? &frame->document() : nullptr;
}

void CMainFrame::addDocumentWindow(std::unique_ptr<CProgramDoc> document) {
    auto* frame = new CChildFrame(app_, std::move(document));
    workspace_->addSubWindow(frame);
    frame->move(0, 0);
    frame->show();
    workspace_->setActiveSubWindow(frame);
    lastActive_ = frame;
    frame->view().initialUpdate();
    connect(&frame->view(), &CProgramView::accessCodeRequested, this,
            [this] { runAccessCodeGate(app_); });
    updateMenuBar();
}

bool CMainFrame::destroyChildFrame(CChildFrame* frame) {
    if (!frame->view().prepareToClose()) {
        return false;
    }
    if (lastActive_ == frame) {
        lastActive_.clear();
    }
    workspace_->removeSubWindow(frame);
    frame->hide();
    // Later, so that no handler still running inside the window touches a destroyed view.
    frame->deleteLater();
    updateMenuBar();
    return true;
}

bool CMainFrame::saveDocument(CChildFrame& frame, bool askForName) {
    CProgramDoc& document = frame.document();
    QString path = document.path();
    if (askForName || !document.hasFile()) {
        path =
            app_.prompts().saveFileNameWithSuffix(this, tr("Save As"), document.proposedFileName(),
                                                  tr("Program Document (*.dat)"), "dat");
        if (path.isEmpty()) {
            return false;
        }
    }
    frame.view().CommitCellEdit();
    if (auto saved = document.saveTo(path); !saved) {
        app_.message(QString::fromStdString(saved.error().message(app_.language())));
        return false;
    }
    return true;
}

bool CMainFrame::routeToDocument(int id) {
    CChildFrame* frame = activeChildFrame();
    if (!frame) {
        return false;
    }
    switch (id) {
        case cmd::FileClose:
            frame->close();
            return true;
        case cmd::FileSave:
            saveDocument(*frame, false);
            return true;
        case cmd::FileSaveAs:
            saveDocument(*frame, true);
            return true;
        default:
            return frame->view().onCommand(id);
    }
}

void CMainFrame::showChannelInformation() {
    if (CChildFrame* frame = activeChildFrame()) {
        bringBack(*frame);
    } else {
        showNormal();
    }
}

CProgramDoc* CMainFrame::documentForPage() {
    CProgramDoc* document = activeDocument();
    if (!document) {
        app_.message(tr("No document is open."), QMessageBox::Ok, QMessageBox::Information);
    }
    return document;
}

void CMainFrame::showOptionalFeatures() {
    CProgramDoc* document = documentForPage();
    if (!document) {
        return;
    }
    if (!optionalFeaturesDlg_) {
        optionalFeaturesDlg_ = std::make_unique<COptionalFeaturesDlg>(app_, this);
    }
    runSettingsPage(app_.prompts(), *optionalFeaturesDlg_, *document);
}

void CMainFrame::showProductInformation() {
    CProgramDoc* document = documentForPage();
    if (!document) {
        return;
    }
    if (!productInfoDlg_) {
        productInfoDlg_ = std::make_unique<CProductInfoDlg>(app_, this);
    }
    if (runSettingsPage(app_.prompts(), *productInfoDlg_, *document)) {
        setWindowTitle(productInfoDlg_->title());
        activeView()->setBandLimits(productInfoDlg_->bandLimits());
    }
}

void CMainFrame::showPowerAdjustment() {
    CProgramDoc* document = documentForPage();
    if (!document) {
        return;
    }
    if (!powerAdjustDlg_) {
        powerAdjustDlg_ = std::make_unique<CPowerAdjustDlg>(app_, this);
    }
    powerAdjustDlg_->load(document->image(), activeView()->bandLimits());
    runStoringPage(app_.prompts(), *powerAdjustDlg_, *document);
}

void CMainFrame::showParamAdjust() {
    CProgramDoc* document = documentForPage();
    if (!document) {
        return;
    }
    CParamAdjustDlg dialog(app_, this);
    dialog.load(document->image());
    runStoringPage(app_.prompts(), dialog, *document);
}

void CMainFrame::onCommand(int id) {
    switch (id) {
        case cmd::FileNew:
            app_.onFileNew();
            return;
        case cmd::FileOpen:
            app_.onFileOpen();
            return;
        case cmd::AppAbout:
            app_.onAppAbout();
            return;
        case cmd::AppExit:
            close();
            return;
        case cmd::FilePrintSetup:
            app_.printing().pageSetup();
            return;
        case cmd::ChannelInformation:
            showChannelInformation();
            return;
        case cmd::OptionalFeatures:
            showOptionalFeatures();
            return;
        case cmd::ProductInformation:
            showProductInformation();
            return;
        case cmd::PowerAdjust:
            showPowerAdjustment();
            return;
        case cmd::ParamAdjust:
            showParamAdjust();
            return;
        case cmd::ViewToolbar:
            toolBar_->setVisible(!toolBar_->isVisibleTo(this));
            break;
        case cmd::ViewStatusBar:
            statusBar()->setVisible(!statusBar()->isVisibleTo(this));
            break;
        case cmd::ControlBar:
            navBar_->setVisible(!navBar_->isVisibleTo(this));
            break;
        default:
            routeToDocument(id);
            return;
    }
    updateViewChecks();
}

bool CMainFrame::querySave(CChildFrame& frame) {
    if (!frame.document().isModified()) {
        return true;
    }
    const auto answer = app_.message(tr("Save changes to %1?").arg(frame.document().title()),
                                     QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                     QMessageBox::Question);
    return answer == QMessageBox::Discard ||
           (answer == QMessageBox::Save && saveDocument(frame, false));
}

bool CMainFrame::queryCloseAll() {
    const QList<CChildFrame*> frames = childFrames();
    // A typed text counts as a change only once it is in its cell.
    for (CChildFrame* frame : frames) {
        frame->view().CommitCellEdit();
    }
    for (CChildFrame* frame : frames) {
        if (!frame->view().prepareToClose() || !querySave(*frame)) {
            return false;
        }
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (queryCloseAll()) {
        event->accept();
    } else {
        event->ignore();
    }
}

namespace {

// The local .dat files a drag carries.
QStringList droppedDataFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare("dat", Qt::CaseInsensitive) == 0) {
            files << path;
        }
    }
    return files;
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDataFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = droppedDataFiles(event->mimeData());
    for (const QString& file : files) {
        app_.openFile(file);  // each opens in its own window; a bad one is reported
    }
    if (!files.isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        app_.showHelp(0);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace gui
}  // namespace radio
