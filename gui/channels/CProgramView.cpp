#include "gui/channels/CProgramView.h"

#include "gui/image/CProgramDoc.h"

namespace radio {
namespace gui {

CProgramView::CProgramView(CProgramApp& app, CProgramDoc& document, QWidget* parent)
    : QWidget(parent), app_(app), document_(document) {
    document_.setStoreHook([this] { StoreChannels(); });
    setMinimumSize(640, 400);
}

void CProgramView::initialUpdate() { LoadChannels(); }

void CProgramView::LoadChannels() {}

void CProgramView::CommitCellEdit() {}

bool CProgramView::prepareToClose() { return true; }

void CProgramView::StoreChannels() {}

bool CProgramView::onCommand(int /*id*/) { return false; }

}  // namespace gui
}  // namespace radio
