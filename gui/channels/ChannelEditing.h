#pragma once

#include <QCoreApplication>

namespace radio {
namespace gui {

class CProgramApp;
class CProgramView;

// The spreadsheet commands of a channel table: cut, copy, paste, clear, and inserting,
// deleting and moving channels. Each is one step of the document's history.
class ChannelEditing {
    Q_DECLARE_TR_FUNCTIONS(ChannelEditing)
  public:
    ChannelEditing(CProgramApp& app, CProgramView& view);

  private:
    CProgramApp& app_;
    CProgramView& view_;
};

}  // namespace gui
}  // namespace radio
