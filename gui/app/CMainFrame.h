#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "gui/app/Commands.h"
#include "gui/app/RecentFiles.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace radio {
namespace gui {

class CChildFrame;
class CMdiClientWnd;
class CNavTreeBar;
class COptionalFeaturesDlg;
class CPowerAdjustDlg;
class CProductInfoDlg;
class CProgramApp;
class CProgramDoc;
class CProgramView;
class WindowMenu;

// The main window: menus, toolbar, status bar, the navigation bar and the workspace of
// document windows. Owns the commands and connects each to the application, the main frame or
// the active document's view.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(CProgramApp& app);
    ~CMainFrame() override;

    const Commands& commands() const { return commands_; }
    // Cut to Move Down: the channel table's own commands, also its right-click menu.
    QList<QAction*> channelCommands() const;
    // The menus by position; Edit, Program, Setup and Window are shown only with a document.
    enum MenuPosition {
        kFileMenu,
        kEditMenu,
        kProgramMenu,
        kViewMenu,
        kSetupMenu,
        kWindowMenu,
        kHelpMenu
    };
    QMenu* submenu(int position) const;
    // The Help item's text while a document is open.
    void setAboutTitle(const QString& title);

    CMdiClientWnd* workspace() const { return workspace_; }
    CNavTreeBar* navigationBar() const { return navBar_; }

    // The active document window, also when its user hid it; nullptr when there is none.
    CChildFrame* activeChildFrame() const;
    CProgramView* activeView() const;
    CProgramDoc* activeDocument() const;
    QList<CChildFrame*> childFrames() const;
    void addDocumentWindow(std::unique_ptr<CProgramDoc> document);
    // The document window whose file is the one at path, hidden or not; nullptr when none.
    CChildFrame* frameHolding(const QString& path) const;
    // Shows a document window again and makes it the active one.
    void bringBack(CChildFrame& frame);
    // Asks to save a modified document; false when the user cancelled or saving failed.
    bool querySave(CChildFrame& frame);
    // Destroys a document window without asking to save; false if it must stay. A running
    // transfer the user agrees to stop ends first: then this returns false, and the window is
    // destroyed once the transfer has ended, followed by afterwards.
    bool destroyChildFrame(CChildFrame* frame, const std::function<void()>& afterwards = {});

    // Saves a document, asking for a name when it has no file yet; false when not saved.
    bool saveDocument(CChildFrame& frame, bool askForName);
    // Puts a document just opened or saved first in the File menu's recent files.
    void rememberFile(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A .dat file dropped on the window opens as File > Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private slots:
    void onFileClose();
    void onFileSave();
    void onFileSaveAs();
    void onChannelInformation();
    void onOptionalFeatures();
    void onProductInformation();
    void onPowerAdjust();
    void onParamAdjust();
    void onViewToolbar();
    void onViewStatusBar();
    void onControlBar();

  private:
    // The recent files live in the user settings, shared by every running copy: the File menu
    // shows the stored list, and a change is made to it, not to this copy's old view of it.
    void reloadRecentFiles();
    void changeRecentFiles(const std::function<void(RecentFiles&)>& change);
    QAction* makeCommand(int helpContext, const QString& text, const QString& prompt = QString(),
                         const QList<QKeySequence>& shortcuts = {});
    void buildCommands();
    void connectCommands();
    void buildChannelCommands();
    void connectChannelCommands();
    // Connects a command to a slot of the active document's view; nothing happens without one.
    void connectToView(QAction* command, void (CProgramView::*slot)());
    // Enables the commands that need a document as the document state stands.
    void updateCommands();
    // Edit > Undo and Redo follow the history of this document from now on.
    void followHistory(CProgramDoc* document);
    void buildMenus();
    static void addItems(QMenu& menu, std::initializer_list<QAction*> items);
    void fillStateMenus(bool document);
    // The recent files of the last run, placed before Exit in the File menu.
    void buildRecentFileCommands();
    void updateRecentFileCommands();
    void onRecentFile(int index);
    void buildToolBar();
    void buildStatusBar();
    void buildNavigationBar();
    void updateMenuBar();
    void updateViewChecks();
    // The document a settings page works on; nullptr (after telling the user) when none is open.
    CProgramDoc* documentForPage();
    // Opens a settings page on the active document: made on first use (an empty holder makes
    // one for this use only), then run(page, document).
    template <typename Page, typename Run>
    void showPage(QPointer<Page>& page, Run run);
    bool queryCloseAll();

    CProgramApp& app_;
    Commands commands_;
    QList<QMenu*> menus_;
    std::unique_ptr<WindowMenu> windowMenu_;
    QString aboutTitle_;
    bool documentMenuShown_ = false;
    QToolBar* toolBar_ = nullptr;
    CNavTreeBar* navBar_ = nullptr;
    CMdiClientWnd* workspace_ = nullptr;
    QPointer<CChildFrame> lastActive_;
    QPointer<CProgramDoc> historyShown_;
    // Made on first use, then kept for the run; the frame is their Qt parent and owner.
    QPointer<COptionalFeaturesDlg> optionalFeaturesDlg_;
    QPointer<CProductInfoDlg> productInfoDlg_;
    QPointer<CPowerAdjustDlg> powerAdjustDlg_;
    RecentFiles recentFiles_;
};

}  // namespace gui
}  // namespace radio
