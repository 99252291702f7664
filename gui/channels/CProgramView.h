#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "core/channels/ChannelFields.h"
#include "core/channels/Frequency.h"

namespace radio {
namespace gui {

class CProgramApp;
class CProgramDoc;
class ChannelDelegate;
class ChannelEditing;
class ChannelTableModel;
class ChannelTableView;
class CLanguageDlg;
class CScanInfoDlg;
class RadioLink;

// The view of a document window: the 16 channels of its memory image in a table, edited in
// place. The document's image is the one copy of the channels; the table shows it through
// its model, and every committed cell is one step of the document's history.
class CProgramView : public QWidget {
    Q_OBJECT
  public:
    CProgramView(CProgramApp& app, CProgramDoc& document, QWidget* parent = nullptr);
    ~CProgramView() override;

    CProgramDoc& document() { return document_; }
    ChannelTableView& table() { return *table_; }
    ChannelTableModel& model() { return *model_; }
    ChannelEditing& editing() { return *editing_; }
    RadioLink& link() { return *link_; }

    // First showing of the document, and after a radio read: the radio type and band brought
    // into step with the ones remembered for the user, the title and the band limits.
    void initialUpdate();
    void LoadChannels();
    // The channels as the table shows them.
    ChannelTable channelTexts() const;
    // Number of printed channel pages, by the rule printing uses.
    int CountUsedChannels() const;

    // Commits the open cell editor; false when its text was refused (the message was shown):
    // a command that needs the document as the user sees it then stops.
    bool CommitCellEdit();

    // The limits of the band the image's type and band name in Program.ini: typed
    // frequencies must lie within them.
    BandLimits bandLimits() const;

    // Asked before the window is destroyed or the program ends; false keeps it for now (see
    // RadioLink::prepareToClose).
    bool prepareToClose(const std::function<void()>& whenStopped);

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

  private:
    void syncTypeAndBand();
    // The main window's title, from the image's type and band.
    void showTypeAndBand();
    void reportRefusal(FrequencyCheck check);
    bool stepHistory(bool back);

    CProgramApp& app_;
    CProgramDoc& document_;
    std::unique_ptr<ChannelTableModel> model_;
    std::unique_ptr<ChannelDelegate> delegate_;
    ChannelTableView* table_;  // owned as a child
    std::unique_ptr<ChannelEditing> editing_;
    std::unique_ptr<RadioLink> link_;
    CScanInfoDlg* scanInfoDlg_ = nullptr;  // made on first use, owned as a child
    CLanguageDlg* languageDlg_ = nullptr;  // made on first use, owned as a child
};

}  // namespace gui
}  // namespace radio
