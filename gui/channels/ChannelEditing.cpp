#include "gui/channels/ChannelEditing.h"

namespace radio {
namespace gui {

ChannelEditing::ChannelEditing(CProgramApp& app, CProgramView& view) : app_(app), view_(view) {}

}  // namespace gui
}  // namespace radio
