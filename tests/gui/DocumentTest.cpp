#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "GuiFixture.h"
#include "core/image/NewImage.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMdiClientWnd.h"
#include "gui/app/CNavTreeBar.h"
#include "gui/app/CommandIds.h"
#include "gui/image/CProgramDoc.h"

namespace radio::test {
namespace {

using namespace gui;

QByteArray readAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

TEST(Documents, SaveOfANewDocumentAsksForANameAndWrites1024Bytes) {
    StartedProgram program;
    const QString path = program.folder.path("saved");
    program.prompts.files.push_back(path);
    program.frame().onCommand(cmd::FileSave);
    ASSERT_EQ(program.prompts.proposedNames.size(), 1u);
    EXPECT_EQ(program.prompts.proposedNames[0], "RadioProgTest.dat");
    const QByteArray bytes = readAll(path + ".dat");
    ASSERT_EQ(bytes.size(), 1024);
    EXPECT_EQ(bytes.left(3), QByteArray(3, '\0'));
    EXPECT_EQ(bytes.mid(440, 6), "K58146");
    EXPECT_EQ(program.frame().activeDocument()->title(), "saved.dat");

    // A second Save goes to the same file without asking.
    program.frame().onCommand(cmd::FileSave);
    EXPECT_EQ(program.prompts.proposedNames.size(), 1u);
}

TEST(Documents, OpenHidesThePreviousWindowAndKeepsItsDocument) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    CChildFrame* first = frame.activeChildFrame();
    const QString path = program.folder.path("radio.dat");
    writeAll(path, QByteArray(1025, char(0x33)));
    program.prompts.files.push_back(path);
    frame.onCommand(cmd::FileOpen);
    ASSERT_EQ(frame.childFrames().size(), 2);
    EXPECT_FALSE(first->isVisible());
    EXPECT_NE(frame.activeChildFrame(), first);
    EXPECT_EQ(frame.activeDocument()->title(), "radio.dat");
    EXPECT_EQ(frame.activeDocument()->image()[1023], 0x33);
    EXPECT_FALSE(program.app.newImageFlag());
}

TEST(Documents, BadFilesAreReportedAndChangeNothing) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    CChildFrame* first = frame.activeChildFrame();
    struct Case {
        QString name;
        QByteArray bytes;
        QString reason;
    };
    const Case cases[] = {{"short.dat", QByteArray(1023, 'x'), "1023 bytes"},
                          {"empty.dat", QByteArray(), "empty"}};
    for (const Case& c : cases) {
        writeAll(program.folder.path(c.name), c.bytes);
        program.prompts.files.push_back(program.folder.path(c.name));
        frame.onCommand(cmd::FileOpen);
        ASSERT_FALSE(program.prompts.shown.empty());
        EXPECT_TRUE(program.prompts.shown.back().text.contains(c.name));
        EXPECT_TRUE(program.prompts.shown.back().text.contains(c.reason))
            << program.prompts.shown.back().text.toStdString();
        EXPECT_EQ(frame.childFrames().size(), 1);
        EXPECT_TRUE(first->isVisible());
        EXPECT_TRUE(program.app.newImageFlag());
    }
}

TEST(Documents, NewAsksBeforeReplacingTheActiveDocument) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    QPointer<CChildFrame> first = frame.activeChildFrame();
    program.prompts.answers.push_back(QMessageBox::Cancel);
    frame.onCommand(cmd::FileNew);
    EXPECT_EQ(program.prompts.shown.back().text, "All data will be Cleared!");
    EXPECT_EQ(frame.activeChildFrame(), first.data());

    program.prompts.answers.push_back(QMessageBox::Ok);
    frame.onCommand(cmd::FileNew);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(frame.childFrames().size(), 1);
    EXPECT_TRUE(program.app.newImageFlag());
}

TEST(Documents, ClosingOnlyHidesAndChannelInformationShowsAgain) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    CChildFrame* window = frame.activeChildFrame();
    for (int id : {int(cmd::FileClose), -1}) {
        if (id == -1) {
            window->close();
        } else {
            frame.onCommand(id);
        }
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(frame.childFrames().size(), 1);
        EXPECT_EQ(frame.activeChildFrame(), window);
        frame.onCommand(cmd::ChannelInformation);
        EXPECT_TRUE(window->isVisible());
    }
}

TEST(Documents, LeavingWithChangesAsksSaveDiscardOrCancel) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    frame.activeDocument()->setModified(true);

    program.prompts.answers.push_back(QMessageBox::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(program.prompts.shown.back().text.contains("Save changes"));

    // Save, but the file dialog is cancelled: the program stays.
    program.prompts.answers.push_back(QMessageBox::Save);
    EXPECT_FALSE(frame.close());

    const QString path = program.folder.path("kept.dat");
    program.prompts.answers.push_back(QMessageBox::Save);
    program.prompts.files.push_back(path);
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(readAll(path).size(), 1024);
}

TEST(Documents, HiddenModifiedDocumentsAreAskedAboutToo) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    frame.activeDocument()->setModified(true);
    frame.activeChildFrame()->close();
    program.prompts.answers.push_back(QMessageBox::Discard);
    const auto before = program.prompts.shown.size();
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(program.prompts.shown.size(), before + 1);
}

TEST(Documents, UnmodifiedDocumentsCloseWithoutAQuestion) {
    StartedProgram program;
    const auto before = program.prompts.shown.size();
    EXPECT_TRUE(program.frame().close());
    EXPECT_EQ(program.prompts.shown.size(), before);
}

TEST(Navigation, EveryClickOnAnEntryActsAlsoTheSameAgain) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    frame.show();
    CNavTreeBar* bar = frame.navigationBar();
    QTreeWidget* tree = bar->tree();
    QSignalSpy chosen(bar, &CNavTreeBar::entryChosen);
    QTreeWidgetItem* entry = tree->topLevelItem(0)->child(2);
    const QRect rect = tree->visualItemRect(entry);
    QCursor::setPos(tree->viewport()->mapToGlobal(rect.center()));
    for (int click = 0; click < 2; ++click) {
        tree->setCurrentItem(entry);
        EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
    }
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen[0][0].toInt(), int(cmd::OptionalFeatures));

    // With the pointer away from the tree nothing is chosen.
    QCursor::setPos(tree->mapToGlobal(QPoint(-50, -50)));
    tree->setCurrentItem(entry);
    EXPECT_EQ(chosen.count(), 2);
}

TEST(Navigation, CloseButtonAndControlBarToggle) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    frame.show();
    CNavTreeBar* bar = frame.navigationBar();
    QAction* toggle = frame.action(cmd::ControlBar);
    EXPECT_TRUE(toggle->isChecked());
    const QPoint button = bar->closeButtonRect().center();
    QTest::mousePress(bar, Qt::LeftButton, {}, button);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, button);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    frame.onCommand(cmd::ControlBar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(bar->width(), CNavTreeBar::kInitialWidth);
}

TEST(Navigation, ResizingKeepsWithinTheLimits) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    frame.showNormal();
    frame.resize(1000, 600);
    CNavTreeBar* bar = frame.navigationBar();
    bar->finishResize(5000);
    EXPECT_EQ(bar->barWidth(), frame.width() / 2);
    bar->finishResize(-30);
    EXPECT_EQ(bar->barWidth(), 11);
    bar->finishResize(150);
    EXPECT_EQ(bar->barWidth(), 150);
}

TEST(Workspace, PaintsTheBackgroundFileOrTheBuiltInPicture) {
    StartedProgram program;
    CMdiClientWnd* workspace = program.frame().workspace();
    workspace->resize(200, 100);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    auto centreColour = [&] {
        QImage shot = workspace->viewport()->grab().toImage();
        return shot.pixelColor(shot.width() - 5, shot.height() - 5);
    };
    for (CChildFrame* window : program.frame().childFrames()) {
        window->hide();
    }
    EXPECT_NE(centreColour(), QColor(Qt::red));
    ASSERT_TRUE(red.save(program.folder.path("background.bmp"), "BMP"));
    EXPECT_EQ(centreColour(), QColor(Qt::red));
}

// Sends a drag of the given files over the window and drops it; whether the drag was taken.
bool dropFiles(QWidget& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

TEST(Documents, ADroppedDatFileOpensLikeFileOpen) {
    StartedProgram program;
    CMainFrame& frame = program.frame();
    const QString path = program.folder.path("dropped.dat");
    writeAll(path, QByteArray(1024, char(0x21)));
    EXPECT_FALSE(dropFiles(frame, {program.folder.path("notes.txt")}));
    EXPECT_EQ(frame.childFrames().size(), 1);

    ASSERT_TRUE(dropFiles(frame, {path}));
    ASSERT_EQ(frame.childFrames().size(), 2);
    EXPECT_EQ(frame.activeDocument()->title(), "dropped.dat");
    EXPECT_EQ(frame.activeDocument()->image()[5], 0x21);

    // A bad file is reported and changes nothing, as with File > Open.
    const QString bad = program.folder.path("short.dat");
    writeAll(bad, QByteArray(10, char(0)));
    dropFiles(frame, {bad});
    EXPECT_EQ(frame.childFrames().size(), 2);
    EXPECT_EQ(program.prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace radio::test
