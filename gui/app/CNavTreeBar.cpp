#include "gui/app/CNavTreeBar.h"

#include <QAction>
#include <QFontDatabase>
#include <QStyle>
#include <QTreeWidget>

namespace radio {
namespace gui {

CNavTreeBar::CNavTreeBar(const QString& caption, const Entries& entries,
                         const EntryCommands& commands, QWidget* parent)
    : QDockWidget(caption, parent),
      entries_(entries),
      commands_(commands),
      tree_(new QTreeWidget(this)) {
    setObjectName("IE Control Bar");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // Hidden before the font arrives, so no header is ever measured (that would load a bold face).
    tree_->setHeaderHidden(true);
    // The bar's face is "Time New Roman"; where no such face is installed, the system's
    // default face is used directly (searching for a substitute costs a third of start-up).
    QFont barFont = QFontDatabase::hasFamily("Time New Roman") ? QFont("Time New Roman") : font();
    barFont.setPixelSize(14);
    barFont.setWeight(QFont::Normal);
    tree_->setFont(barFont);
    tree_->setAccessibleName(tr("Navigation"));
    tree_->setRootIsDecorated(true);
    auto* root = new QTreeWidgetItem(tree_, {entries_.root});
    for (const QString& text :
         {entries_.productInformation, entries_.channelInformation, entries_.optionalFeatures}) {
        new QTreeWidgetItem(root, {text});
    }
    root->setExpanded(true);
    tree_->setCurrentItem(root);
    setWidget(tree_);
    // Return, Enter and (in some styles) a click activate; a click opens in every style.
    connect(tree_, &QTreeWidget::itemActivated, this, &CNavTreeBar::open);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](const QTreeWidgetItem* item) {
        if (!tree_->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr,
                                       tree_)) {
            open(item);
        }
    });
}

void CNavTreeBar::open(const QTreeWidgetItem* item) {
    const QString text = item ? item->text(0) : QString();
    if (text == entries_.channelInformation) {
        commands_.channelInformation->trigger();
    } else if (text == entries_.optionalFeatures) {
        commands_.optionalFeatures->trigger();
    } else if (text == entries_.productInformation) {
        commands_.productInformation->trigger();
    }
}

}  // namespace gui
}  // namespace radio
