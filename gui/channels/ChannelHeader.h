#pragma once

#include <QHash>
#include <QHeaderView>

class QAbstractButton;

namespace radio {
namespace gui {

// The channel table's headers: the field names above, the channel numbers beside. Each text is
// measured once, in the table's own font; the style measures every section in bold each time
// the header changes, which at start-up also loads a second face.
class ChannelHeader : public QHeaderView {
  public:
    using QHeaderView::QHeaderView;

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    // Sections are painted in the header colour.
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    void changeEvent(QEvent* event) override;

  private:
    mutable QHash<QString, QSize> sizes_;
};

// The colour of the header texts: the program's blue where it stands out from the palette's
// header background, else the palette's own header text colour (in a dark palette, say).
QColor headerTextColour(const QPalette& palette);

// Paints the table's corner button as a header section with a text ("CH") in the header colour.
void paintCornerText(QAbstractButton& corner, const QString& text);

}  // namespace gui
}  // namespace radio
