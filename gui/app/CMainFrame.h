#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <memory>

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

// The main window: menus, toolbar, status bar, the navigation bar and the workspace of
// document windows. Routes every command to the application, the main frame, the active
// document or its view.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(CProgramApp& app);
    ~CMainFrame() override;

    // The document-menu action of a command; nullptr when the menu does not hold it.
    QAction* action(int id) const;
    // Removes a command's item from the document menu.
    void removeCommand(int id);
    // Submenu by position of the document menu: 0 File, 1 Edit, 2 Program, 3 View, 4 Setup, 5 Help.
    QMenu* documentSubmenu(int position) const;
    bool showsDocumentMenu() const { return documentMenuShown_; }

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
    // Destroys a document window without asking to save; false if it must stay.
    bool destroyChildFrame(CChildFrame* frame);

    // Saves a document, asking for a name when it has no file yet; false when not saved.
    bool saveDocument(CChildFrame& frame, bool askForName);

  public slots:
    void onCommand(int id);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A .dat file dropped on the window opens as File > Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QAction* makeCommand(int id, const QString& text, const QString& prompt = QString(),
                         const QKeySequence& shortcut = QKeySequence());
    void buildCommands();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildNavigationBar();
    void updateMenuBar();
    void updateViewChecks();
    bool routeToDocument(int id);
    void showChannelInformation();
    // The document a settings page works on; nullptr (after telling the user) when none is open.
    CProgramDoc* documentForPage();
    void showOptionalFeatures();
    void showProductInformation();
    void showPowerAdjustment();
    void showParamAdjust();
    bool queryCloseAll();

    CProgramApp& app_;
    QMap<int, QAction*> actions_;
    QAction* noDocumentAbout_ = nullptr;
    QList<QMenu*> documentMenus_;
    QList<QMenu*> noDocumentMenus_;
    bool documentMenuShown_ = false;
    QToolBar* toolBar_ = nullptr;
    CNavTreeBar* navBar_ = nullptr;
    CMdiClientWnd* workspace_ = nullptr;
    QPointer<CChildFrame> lastActive_;
    // Made on first use, then kept for the run.
    std::unique_ptr<COptionalFeaturesDlg> optionalFeaturesDlg_;
    std::unique_ptr<CProductInfoDlg> productInfoDlg_;
    std::unique_ptr<CPowerAdjustDlg> powerAdjustDlg_;
};

}  // namespace gui
}  // namespace radio
