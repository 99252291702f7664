#pragma once

#include <QWidget>
#include <memory>

#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"

namespace radio {
namespace gui {

class CProgramApp;
class CProgramDoc;
class CellEditors;
class CLanguageDlg;
class CScanInfoDlg;
class ChannelGrid;
class RadioLink;
struct DocumentState;

// The view of a document window: the 16 channels of its memory image in a grid, edited in
// place. The grid is the working copy of the channels: LoadChannels fills it from the image,
// StoreChannels writes it back whenever the image is about to be used. Every committed cell
// is one step of the document's history; undo puts back the grid's texts and the image
// together, so the two never disagree about which step they are at.
class CProgramView : public QWidget {
    Q_OBJECT
  public:
    CProgramView(CProgramApp& app, CProgramDoc& document, QWidget* parent = nullptr);
    ~CProgramView() override;

    CProgramDoc& document() { return document_; }
    ChannelGrid& grid() { return *grid_; }
    CellEditors& editors() { return *editors_; }
    RadioLink& link() { return *link_; }

    // First showing of the document: one-time setup, then LoadChannels.
    void initialUpdate();
    void LoadChannels();
    void StoreChannels();
    // The channels as the grid shows them, by grid column.
    ChannelTable gridTexts() const;
    // Puts a whole table into the grid as edits.
    void showChannels(const ChannelTable& table);
    // The image as the user sees it: a copy of the document's with the grid's channels in it.
    MemoryImage shownImage() const;
    // Number of printed channel pages, by the rule printing uses.
    int CountUsedChannels() const;

    void ShowCellEditor();
    // Moves the visible editor's text into the cell it was opened on, with the frequency
    // checks; an editor the user did not change commits nothing. False when a check failed and
    // its message was shown: that cell is then current again with its editor open.
    bool CommitCellEdit();
    void HideCellEditors();

    BandLimits bandLimits() const { return bandLimits_; }
    void setBandLimits(BandLimits limits) { bandLimits_ = limits; }

    // Asked before the window is destroyed or the program ends; false keeps it.
    bool prepareToClose();

  public slots:
    // The commands that work on this document.
    void onRead();
    void onWrite();
    void onCompare();
    void onComSetup();
    void onScanInfo();
    void onLanguage();
    void onPrint();
    void onPrintPreview();
    void onExportPdf();
    void onExportChannels();
    void onImportChannels();

    // Edit > Undo and Redo: the open editor is committed first; false when there was no step.
    bool undo();
    bool redo();

  signals:
    // Ctrl+F11: the access-code gate.
    void accessCodeRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setupGrid();
    void syncTypeAndBand();
    // The main window's title and the band limits, from the image's type and band.
    void showTypeAndBand();
    void showState(const DocumentState& state);
    QString cellStepName(int row, int col) const;
    bool stepHistory(bool back);
    bool historyKeyForEditor(const QKeyEvent& key) const;
    void setCellText(int row, int col, const QString& text);
    void clearRow(int row);
    bool commitFrequency(int row, int col, const QString& typed, const QString& rx);
    bool commitOpenEditor();
    void reportInput(int messageId);
    void moveAfterEnter();
    // Commits and moves on for the keys that leave a cell (Enter, Tab, arrows); false when the
    // key is not one of them.
    bool leaveByKey(QObject* watched, const QKeyEvent& key);
    void showHelpForFocus(QObject* focused);

    CProgramApp& app_;
    CProgramDoc& document_;
    ChannelGrid* grid_;
    std::unique_ptr<CellEditors> editors_;
    std::unique_ptr<RadioLink> link_;
    CScanInfoDlg* scanInfoDlg_ = nullptr;  // made on first use, owned as a child
    CLanguageDlg* languageDlg_ = nullptr;  // made on first use, owned as a child
    bool firstUpdate_ = true;
    BandLimits bandLimits_;
};

}  // namespace gui
}  // namespace radio
