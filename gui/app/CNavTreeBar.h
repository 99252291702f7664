#pragma once

#include <QDockWidget>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;

namespace radio {
namespace gui {

// The navigation bar along the main window's left edge: a dock titled with the company name,
// with its close button, holding a tree whose entries open the channel window and the option
// pages. An entry opens when it is clicked, or activated with Return or Enter: the selected
// entry, never the one that happens to lie under the pointer.
class CNavTreeBar : public QDockWidget {
    Q_OBJECT
  public:
    struct Entries {
        QString root, productInformation, channelInformation, optionalFeatures;
    };
    // The commands the entries trigger, in the order of Entries.
    struct EntryCommands {
        QAction* productInformation;
        QAction* channelInformation;
        QAction* optionalFeatures;
    };
    CNavTreeBar(const QString& caption, const Entries& entries, const EntryCommands& commands,
                QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }

    static constexpr int kInitialWidth = 220;

  private:
    void open(const QTreeWidgetItem* item);

    Entries entries_;
    EntryCommands commands_;
    QTreeWidget* tree_;
};

}  // namespace gui
}  // namespace radio
