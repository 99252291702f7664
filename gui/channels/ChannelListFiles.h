#pragma once

#include <QCoreApplication>

namespace radio {
namespace gui {

class CProgramApp;
class CProgramView;

// The channel table of a view as a CSV file, and back.
class ChannelListFiles {
    Q_DECLARE_TR_FUNCTIONS(ChannelListFiles)
  public:
    // Writes what the grid shows (English texts, whatever the interface language).
    static void exportTo(CProgramApp& app, CProgramView& view);
    // Fills the grid from a file checked as typing into the grid is; the channels the file
    // does not list become empty. A file with any bad line is refused whole, with every
    // bad line named, and the grid stays as it was.
    static void importFrom(CProgramApp& app, CProgramView& view);
};

}  // namespace gui
}  // namespace radio
