#include "gui/app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
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
#include "gui/app/HelpContext.h"
#include "gui/app/HistoryKeys.h"
#include "gui/app/MenuHelpFilter.h"
#include "gui/app/Pictures.h"
#include "gui/app/RunTimeText.h"
#include "gui/app/UserPrompts.h"
#include "gui/app/WindowMenu.h"
#include "gui/channels/CProgramView.h"
#include "gui/channels/ChannelEditing.h"
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

CMainFrame::CMainFrame(CProgramApp& app) : app_(app), aboutTitle_(tr("&About Program...")) {
    setObjectName("CMainFrame");
    resize(1000, 600);
    buildCommands();
    buildRecentFileCommands();
    buildMenus();
    fillStateMenus(false);
    buildToolBar();
    buildStatusBar();
    buildNavigationBar();
    updateMenuBar();
    updateViewChecks();
    setAcceptDrops(true);
}

CMainFrame::~CMainFrame() {
    // The workspace closes its windows while QWidget's destructor runs, when this frame is no
    // longer a CMainFrame; its activation signal must not reach the frame's members then, nor
    // the navigation bar's news that it was hidden with the window.
    workspace_->disconnect(this);
    navBar_->disconnect(this);
}

QAction* CMainFrame::makeCommand(int helpContext, const QString& text, const QString& prompt,
                                 const QList<QKeySequence>& shortcuts) {
    auto* command = new QAction(text, this);
    setHelpContext(*command, helpContext);
    if (!prompt.isEmpty()) {
        command->setStatusTip(prompt.section('\n', 0, 0));
        command->setToolTip(prompt.section('\n', 1, 1));
    }
    // The menus show the key from the action, so the texts stay plain for screen readers and
    // translators alike.
    command->setShortcuts(shortcuts);
    addAction(command);
    return command;
}

void CMainFrame::buildCommands() {
    Commands& c = commands_;
    c.fileNew = makeCommand(cmd::FileNew, tr("&New"), tr("Create a new document\nNew"),
                            QKeySequence::keyBindings(QKeySequence::New));
    c.fileOpen = makeCommand(cmd::FileOpen, tr("&Open..."), tr("Open an existing document\nOpen"),
                             QKeySequence::keyBindings(QKeySequence::Open));
    c.fileClose = makeCommand(cmd::FileClose, tr("&Close"), tr("Close the active document\nClose"));
    c.fileSave = makeCommand(cmd::FileSave, tr("&Save"), tr("Save the active document\nSave"),
                             QKeySequence::keyBindings(QKeySequence::Save));
    c.fileSaveAs = makeCommand(cmd::FileSaveAs, tr("Save &As..."),
                               tr("Save the active document with a new name\nSave As"));
    c.filePrint =
        makeCommand(cmd::FilePrint, tr("&Print..."), tr("Print the active document\nPrint"),
                    QKeySequence::keyBindings(QKeySequence::Print));
    c.filePrintPreview = makeCommand(cmd::FilePrintPreview, tr("Print Pre&view"),
                                     tr("Display full pages\nPrint Preview"));
    c.filePrintSetup = makeCommand(cmd::FilePrintSetup, tr("P&rint Setup..."),
                                   tr("Change the printer and printing options\nPrint Setup"));
    c.exportPdf = makeCommand(cmd::ExportPdf, tr("Export P&DF..."),
                              tr("Save the report as a PDF file\nExport PDF"));
    c.exportChannels = makeCommand(cmd::ExportChannels, tr("Export C&hannels..."),
                                   tr("Save the channel table as a CSV file\nExport Channels"));
    c.importChannels = makeCommand(cmd::ImportChannels, tr("&Import Channels..."),
                                   tr("Fill the channel table from a CSV file\nImport Channels"));
    c.appExit = makeCommand(cmd::AppExit, tr("E&xit"),
                            tr("Quit the application; prompts to save documents\nExit"));

    c.editUndo = makeCommand(cmd::EditUndo, tr("&Undo"));
    c.editUndo->setShortcuts(undoKeys());
    c.editRedo = makeCommand(cmd::EditRedo, tr("&Redo"));
    c.editRedo->setShortcuts(redoKeys());

    buildChannelCommands();

    c.productInformation = makeCommand(cmd::ProductInformation, tr("&Product Information"));
    c.channelInformation = makeCommand(cmd::ChannelInformation, tr("&Channel Information"));
    c.optionalFeatures = makeCommand(cmd::OptionalFeatures, tr("&Optional Features"));
    // The service items' own run-time texts; they show once the access code is accepted.
    c.powerAdjust = makeCommand(cmd::PowerAdjust, uiText(TextId::PowerAdjustItem, app_.language()));
    c.paramAdjust = makeCommand(cmd::ParamAdjust, uiText(TextId::ParamAdjustItem, app_.language()));

    c.read = makeCommand(cmd::Read, tr("&Read"), tr("Read Data From Radio\nRead"),
                         {QKeySequence(Qt::CTRL | Qt::Key_R)});
    c.write = makeCommand(cmd::Write, tr("&Write"), tr("Write Data To Radio\nWrite"),
                          {QKeySequence(Qt::CTRL | Qt::Key_W)});
    c.compareWithRadio = makeCommand(cmd::CompareWithRadio, tr("Compare With Radio"));
    c.scanInfo = makeCommand(cmd::ScanInfo, tr("Scan Info"));

    c.viewToolbar = makeCommand(cmd::ViewToolbar, tr("&Toolbar"),
                                tr("Show or hide the toolbar\nToggle ToolBar"));
    c.viewStatusBar = makeCommand(cmd::ViewStatusBar, tr("&Status Bar"),
                                  tr("Show or hide the status bar\nToggle StatusBar"));
    c.controlBar = makeCommand(cmd::ControlBar, tr("&Control Bar"));
    for (QAction* toggle : {c.viewToolbar, c.viewStatusBar, c.controlBar}) {
        toggle->setCheckable(true);
    }

    c.comSetup = makeCommand(cmd::ComSetup, tr("&Com Setup"));
    c.verifyAfterWrite = makeCommand(cmd::VerifyAfterWrite, tr("Verify After Write"));
    c.verifyAfterWrite->setCheckable(true);
    c.verifyAfterWrite->setChecked(app_.verifyAfterWrite());
    c.language = makeCommand(cmd::Language, tr("&Language"));
    c.appAbout =
        makeCommand(cmd::AppAbout, tr("&About Program..."),
                    tr("Display program information, version number and copyright\nAbout"));
    connectCommands();
}

void CMainFrame::buildChannelCommands() {
    Commands& c = commands_;
    const auto keys = [](QAction* command, QList<QKeySequence> sequences) {
        command->setShortcuts(sequences);
        command->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    };
    c.editCut =
        makeCommand(cmd::EditCut, tr("Cu&t"), tr("Cut the selected channels or cells\nCut"));
    keys(c.editCut, QKeySequence::keyBindings(QKeySequence::Cut));
    c.editCopy =
        makeCommand(cmd::EditCopy, tr("&Copy"), tr("Copy the selected channels or cells\nCopy"));
    keys(c.editCopy, QKeySequence::keyBindings(QKeySequence::Copy));
    c.editPaste = makeCommand(cmd::EditPaste, tr("&Paste"),
                              tr("Paste channels or cells at the current cell\nPaste"));
    keys(c.editPaste, QKeySequence::keyBindings(QKeySequence::Paste));
    c.editClear = makeCommand(cmd::EditClear, tr("Cle&ar"),
                              tr("Empty the selected channels or cells\nClear"));
    keys(c.editClear, {QKeySequence(Qt::Key_Delete)});
    c.insertChannel =
        makeCommand(cmd::InsertChannel, tr("&Insert Channel"),
                    tr("Move the selected channel and those below it down by one\nInsert Channel"));
    // Ctrl+= works without Shift on keyboards where + shares its key with =.
    keys(c.insertChannel,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    c.deleteChannel = makeCommand(cmd::DeleteChannel, tr("&Delete Channel"),
                                  tr("Remove the selected channels; those below move up\nDelete "
                                     "Channel"));
    keys(c.deleteChannel, {QKeySequence(Qt::CTRL | Qt::Key_Minus),
                           QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    c.moveUp = makeCommand(cmd::MoveChannelUp, tr("Move &Up"),
                           tr("Move the selected channels up by one\nMove Up"));
    keys(c.moveUp, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)});
    c.moveDown = makeCommand(cmd::MoveChannelDown, tr("Move Do&wn"),
                             tr("Move the selected channels down by one\nMove Down"));
    keys(c.moveDown, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)});
}

QList<QAction*> CMainFrame::channelCommands() const {
    const Commands& c = commands_;
    return {c.editCut,       c.editCopy,      c.editPaste, c.editClear,
            c.insertChannel, c.deleteChannel, c.moveUp,    c.moveDown};
}

void CMainFrame::connectChannelCommands() {
    const Commands& c = commands_;
    const auto toEditing = [this](QAction* command, auto operation) {
        connect(command, &QAction::triggered, this, [this, operation] {
            if (CProgramView* view = activeView()) {
                operation(view->editing());
                view->editing().reopenEditor();
            }
        });
    };
    toEditing(c.editCut, [](ChannelEditing& editing) { editing.cut(); });
    toEditing(c.editCopy, [](ChannelEditing& editing) { editing.copy(); });
    toEditing(c.editPaste, [](ChannelEditing& editing) { editing.paste(); });
    toEditing(c.editClear, [](ChannelEditing& editing) { editing.clear(); });
    toEditing(c.insertChannel, [](ChannelEditing& editing) { editing.insertChannels(); });
    toEditing(c.deleteChannel, [](ChannelEditing& editing) { editing.deleteChannels(); });
    toEditing(c.moveUp, [](ChannelEditing& editing) { editing.moveChannels(-1); });
    toEditing(c.moveDown, [](ChannelEditing& editing) { editing.moveChannels(1); });
}

void CMainFrame::connectCommands() {
    const Commands& c = commands_;
    connect(c.fileNew, &QAction::triggered, &app_, &CProgramApp::onFileNew);
    connect(c.fileOpen, &QAction::triggered, &app_, &CProgramApp::onFileOpen);
    connect(c.fileClose, &QAction::triggered, this, &CMainFrame::onFileClose);
    connect(c.fileSave, &QAction::triggered, this, &CMainFrame::onFileSave);
    connect(c.fileSaveAs, &QAction::triggered, this, &CMainFrame::onFileSaveAs);
    connect(c.filePrintSetup, &QAction::triggered, this, [this] { app_.printing().pageSetup(); });
    connect(c.appExit, &QAction::triggered, this, &QWidget::close);
    connect(c.appAbout, &QAction::triggered, &app_, &CProgramApp::onAppAbout);

    connect(c.editUndo, &QAction::triggered, this, [this] {
        if (CProgramView* view = activeView()) {
            view->undo();
        }
    });
    connect(c.editRedo, &QAction::triggered, this, [this] {
        if (CProgramView* view = activeView()) {
            view->redo();
        }
    });
    connectChannelCommands();
    connect(c.verifyAfterWrite, &QAction::toggled, &app_, &CProgramApp::setVerifyAfterWrite);
    connect(c.channelInformation, &QAction::triggered, this, &CMainFrame::onChannelInformation);
    connect(c.optionalFeatures, &QAction::triggered, this, &CMainFrame::onOptionalFeatures);
    connect(c.productInformation, &QAction::triggered, this, &CMainFrame::onProductInformation);
    connect(c.powerAdjust, &QAction::triggered, this, &CMainFrame::onPowerAdjust);
    connect(c.paramAdjust, &QAction::triggered, this, &CMainFrame::onParamAdjust);
    connect(c.viewToolbar, &QAction::triggered, this, &CMainFrame::onViewToolbar);
    connect(c.viewStatusBar, &QAction::triggered, this, &CMainFrame::onViewStatusBar);
    connect(c.controlBar, &QAction::triggered, this, &CMainFrame::onControlBar);

    connectToView(c.read, &CProgramView::onRead);
    connectToView(c.write, &CProgramView::onWrite);
    connectToView(c.compareWithRadio, &CProgramView::onCompare);
    connectToView(c.scanInfo, &CProgramView::onScanInfo);
    connectToView(c.comSetup, &CProgramView::onComSetup);
    connectToView(c.language, &CProgramView::onLanguage);
    connectToView(c.filePrint, &CProgramView::onPrint);
    connectToView(c.filePrintPreview, &CProgramView::onPrintPreview);
    connectToView(c.exportPdf, &CProgramView::onExportPdf);
    connectToView(c.exportChannels, &CProgramView::onExportChannels);
    connectToView(c.importChannels, &CProgramView::onImportChannels);
}

void CMainFrame::connectToView(QAction* command, void (CProgramView::*slot)()) {
    connect(command, &QAction::triggered, this, [this, slot] {
        if (CProgramView* view = activeView()) {
            (view->*slot)();
        }
    });
}

void CMainFrame::updateCommands() {
    const Commands& c = commands_;
    const bool document = activeChildFrame() != nullptr;
    for (QAction* command : {c.fileClose, c.fileSave, c.fileSaveAs, c.filePrint, c.filePrintPreview,
                             c.exportPdf, c.exportChannels, c.importChannels, c.read, c.write,
                             c.compareWithRadio, c.scanInfo, c.comSetup, c.language}) {
        command->setEnabled(document);
    }
    for (QAction* command : channelCommands()) {
        command->setEnabled(document);
    }
    followHistory(activeDocument());
    const QUndoStack* history = historyShown_ ? &historyShown_->history() : nullptr;
    const bool canUndo = history && history->canUndo();
    const bool canRedo = history && history->canRedo();
    c.editUndo->setEnabled(canUndo);
    c.editRedo->setEnabled(canRedo);
    c.editUndo->setText(canUndo ? tr("&Undo %1").arg(history->undoText()) : tr("&Undo"));
    c.editRedo->setText(canRedo ? tr("&Redo %1").arg(history->redoText()) : tr("&Redo"));
}

void CMainFrame::followHistory(CProgramDoc* document) {
    if (historyShown_ == document) {
        return;
    }
    if (historyShown_) {
        disconnect(&historyShown_->history(), nullptr, this, nullptr);
    }
    historyShown_ = document;
    if (document) {
        connect(&document->history(), &QUndoStack::indexChanged, this, &CMainFrame::updateCommands);
        connect(&document->history(), &QUndoStack::cleanChanged, this, &CMainFrame::updateCommands);
    }
}

void CMainFrame::buildMenus() {
    const auto menu = [this](const QString& title) {
        auto* submenu = menuBar()->addMenu(title);
        submenu->installEventFilter(new MenuHelpFilter(app_, submenu));
        menus_.append(submenu);
        return submenu;
    };
    const Commands& c = commands_;
    // Another running copy may have opened files since: the menu shows the stored list.
    connect(menu(tr("&File")), &QMenu::aboutToShow, this, &CMainFrame::reloadRecentFiles);
    addItems(
        *menu(tr("&Edit")),
        {c.editUndo, c.editRedo, nullptr, c.editCut, c.editCopy, c.editPaste, c.editClear, nullptr,
         c.insertChannel, c.deleteChannel, c.moveUp, c.moveDown, nullptr, c.productInformation,
         c.channelInformation, c.optionalFeatures, c.powerAdjust, c.paramAdjust});
    addItems(*menu(tr("&Program")), {c.read, c.write, c.compareWithRadio, c.scanInfo});
    menu(tr("&View"));
    addItems(*menu(tr("&Setup")), {c.comSetup, c.verifyAfterWrite, c.language});
    windowMenu_ = std::make_unique<WindowMenu>(*this, *menu(tr("&Window")));
    addItems(*menu(tr("&Help")), {c.appAbout});
    c.powerAdjust->setVisible(false);
    c.paramAdjust->setVisible(false);
}

void CMainFrame::addItems(QMenu& menu, std::initializer_list<QAction*> items) {
    for (QAction* item : items) {
        if (item) {
            menu.addAction(item);
        } else {
            menu.addSeparator();
        }
    }
}

// Without a document the File and View menus offer only what works without one, and Edit,
// Program, Setup and Window are not shown.
void CMainFrame::fillStateMenus(bool document) {
    const Commands& c = commands_;
    QMenu& file = *menus_[kFileMenu];
    file.clear();
    if (document) {
        addItems(file, {c.fileNew, c.fileOpen, c.fileClose, c.fileSave, c.fileSaveAs, nullptr,
                        c.filePrint, c.filePrintPreview, c.filePrintSetup, nullptr, c.exportPdf,
                        c.exportChannels, c.importChannels, nullptr});
    } else {
        addItems(file, {c.fileNew, c.fileOpen, c.filePrintSetup, nullptr});
    }
    file.addActions(QList<QAction*>(c.recentFiles.begin(), c.recentFiles.end()));
    addItems(file, {c.recentFilesEnd, c.appExit});
    QMenu& view = *menus_[kViewMenu];
    view.clear();
    addItems(view, {c.viewToolbar, c.viewStatusBar});
    if (document) {
        view.addAction(c.controlBar);
    }
    for (const int shown : {kEditMenu, kProgramMenu, kSetupMenu, kWindowMenu}) {
        menus_[shown]->menuAction()->setVisible(document);
    }
    c.appAbout->setText(document ? aboutTitle_ : tr("&About Program..."));
}

void CMainFrame::buildToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName("toolbar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(18, 19));
    using pictures::ToolbarButton;
    auto button = [&](QAction* command, ToolbarButton picture) {
        command->setIcon(QIcon(QPixmap::fromImage(pictures::toolbarImage(picture))));
        toolBar_->addAction(command);
    };
    const Commands& c = commands_;
    button(c.fileNew, ToolbarButton::New);
    button(c.fileOpen, ToolbarButton::Open);
    button(c.fileSave, ToolbarButton::Save);
    toolBar_->addSeparator();
    button(c.read, ToolbarButton::Read);
    button(c.write, ToolbarButton::Write);
    toolBar_->addSeparator();
    button(c.filePrint, ToolbarButton::Print);
    toolBar_->addSeparator();
    button(c.appAbout, ToolbarButton::About);
}

void CMainFrame::buildStatusBar() {
    statusBar()->setAccessibleName(tr("Status"));
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
    const Commands& c = commands_;
    navBar_ =
        new CNavTreeBar(app_.languageText("company"), entries,
                        {c.productInformation, c.channelInformation, c.optionalFeatures}, this);
    addDockWidget(Qt::LeftDockWidgetArea, navBar_);
    resizeDocks({navBar_}, {CNavTreeBar::kInitialWidth}, Qt::Horizontal);
    workspace_ = new CMdiClientWnd(app_.settings().programDir, this);
    workspace_->setAccessibleName(tr("Documents"));
    workspace_->addActions(channelCommands());  // their keys work inside the document windows
    setCentralWidget(workspace_);
    connect(navBar_, &QDockWidget::visibilityChanged, this, &CMainFrame::updateViewChecks);
    connect(workspace_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            lastActive_ = frame;
        }
        updateCommands();
    });
}

QMenu* CMainFrame::submenu(int position) const {
    return menus_.value(position);
}

void CMainFrame::setAboutTitle(const QString& title) {
    aboutTitle_ = title;
    fillStateMenus(documentMenuShown_);
}

void CMainFrame::updateMenuBar() {
    updateCommands();
    const bool document = !childFrames().isEmpty();
    if (document != documentMenuShown_) {
        documentMenuShown_ = document;
        fillStateMenus(document);
    }
}

void CMainFrame::updateViewChecks() {
    commands_.viewToolbar->setChecked(toolBar_->isVisibleTo(this));
    commands_.viewStatusBar->setChecked(statusBar()->isVisibleTo(this));
    commands_.controlBar->setChecked(navBar_->isVisibleTo(this));
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

bool CMainFrame::destroyChildFrame(CChildFrame* frame, const std::function<void()>& afterwards) {
    const auto again = [this, frame = QPointer<CChildFrame>(frame), afterwards] {
        if (frame && destroyChildFrame(frame) && afterwards) {
            afterwards();
        }
    };
    if (!frame->view().prepareToClose(again)) {
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
    if (!frame.view().CommitCellEdit()) {
        return false;  // a refused text: nothing is written, the user mends it first
    }
    QString path = document.path();
    if (askForName || !document.hasFile()) {
        path =
            app_.prompts().saveFileNameWithSuffix(this, tr("Save As"), document.proposedFileName(),
                                                  tr("Program Document (*.dat)"), "dat");
        if (path.isEmpty()) {
            return false;
        }
    }
    if (auto saved = document.saveTo(path); !saved) {
        app_.message(QString::fromStdString(saved.error().message(app_.language())));
        return false;
    }
    rememberFile(path);
    return true;
}

namespace {

const QString kRecentFilesSetting = QStringLiteral("Recent Files");

}  // namespace

void CMainFrame::buildRecentFileCommands() {
    Commands& c = commands_;
    for (int i = 0; i < RecentFiles::kCapacity; ++i) {
        c.recentFiles[i] = makeCommand(cmd::RecentFile1 + i, QString());
        connect(c.recentFiles[i], &QAction::triggered, this, [this, i] { onRecentFile(i); });
    }
    c.recentFilesEnd = new QAction(this);
    c.recentFilesEnd->setSeparator(true);
    reloadRecentFiles();
}

void CMainFrame::reloadRecentFiles() {
    recentFiles_ = RecentFiles(app_.registry().readTexts(kRecentFilesSetting));
    updateRecentFileCommands();
}

void CMainFrame::updateRecentFileCommands() {
    const QStringList& paths = recentFiles_.paths();
    for (int i = 0; i < RecentFiles::kCapacity; ++i) {
        QAction* item = commands_.recentFiles[i];
        item->setVisible(i < paths.size());
        if (i < paths.size()) {
            const QString name = QFileInfo(paths[i]).fileName().replace('&', "&&");
            item->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), name));
            item->setStatusTip(QDir::toNativeSeparators(paths[i]));
        }
    }
    commands_.recentFilesEnd->setVisible(!paths.isEmpty());
}

void CMainFrame::rememberFile(const QString& path) {
    changeRecentFiles([&](RecentFiles& files) { files.add(path); });
}

void CMainFrame::changeRecentFiles(const std::function<void(RecentFiles&)>& change) {
    // Starting from what is stored keeps the files another running copy added meanwhile.
    recentFiles_ = RecentFiles(app_.registry().readTexts(kRecentFilesSetting));
    change(recentFiles_);
    app_.registry().writeTexts(kRecentFilesSetting, recentFiles_.paths());
    updateRecentFileCommands();
}

void CMainFrame::onRecentFile(int index) {
    const QString path = recentFiles_.paths().value(index);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo::exists(path)) {
        app_.openFile(path);  // as File > Open, which puts it first again
        return;
    }
    changeRecentFiles([&](RecentFiles& files) { files.remove(path); });
    app_.message(tr("The file %1 no longer exists.").arg(QDir::toNativeSeparators(path)));
}

void CMainFrame::onFileClose() {
    if (CChildFrame* frame = activeChildFrame()) {
        frame->close();
    }
}

void CMainFrame::onFileSave() {
    if (CChildFrame* frame = activeChildFrame()) {
        saveDocument(*frame, false);
    }
}

void CMainFrame::onFileSaveAs() {
    if (CChildFrame* frame = activeChildFrame()) {
        saveDocument(*frame, true);
    }
}

void CMainFrame::onChannelInformation() {
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

template <typename Page, typename Run>
void CMainFrame::showPage(QPointer<Page>& page, Run run) {
    CProgramDoc* document = documentForPage();
    if (!document) {
        return;
    }
    if (!page) {
        page = new Page(app_, this);
    }
    run(*page, *document);
}

void CMainFrame::onOptionalFeatures() {
    showPage(optionalFeaturesDlg_, [this](COptionalFeaturesDlg& page, CProgramDoc& document) {
        runSettingsPage(app_.prompts(), page, document);
    });
}

void CMainFrame::onProductInformation() {
    showPage(productInfoDlg_, [this](CProductInfoDlg& page, CProgramDoc& document) {
        // The band question must see a channel still being typed.
        if (!activeView()->CommitCellEdit()) {
            return;
        }
        if (runSettingsPage(app_.prompts(), page, document)) {
            setWindowTitle(page.title());
        }
    });
}

void CMainFrame::onPowerAdjust() {
    showPage(powerAdjustDlg_, [this](CPowerAdjustDlg& page, CProgramDoc& document) {
        page.load(document.image(), activeView()->bandLimits());
        runStoringPage(app_.prompts(), page, document);
    });
}

void CMainFrame::onParamAdjust() {
    CProgramDoc* document = documentForPage();
    if (!document) {
        return;
    }
    CParamAdjustDlg page(app_, this);  // made afresh for each use
    page.load(document->image());
    runStoringPage(app_.prompts(), page, *document);
}

void CMainFrame::onViewToolbar() {
    toolBar_->setVisible(!toolBar_->isVisibleTo(this));
    updateViewChecks();
}

void CMainFrame::onViewStatusBar() {
    statusBar()->setVisible(!statusBar()->isVisibleTo(this));
    updateViewChecks();
}

void CMainFrame::onControlBar() {
    navBar_->setVisible(!navBar_->isVisibleTo(this));
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
        if (!frame->view().CommitCellEdit()) {
            return false;
        }
    }
    for (CChildFrame* frame : frames) {
        if (!frame->view().prepareToClose([this] { close(); }) || !querySave(*frame)) {
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
