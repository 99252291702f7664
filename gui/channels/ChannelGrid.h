#pragma once

#include <QString>
#include <QTableWidget>
#include <functional>

namespace radio {
namespace gui {

// The channel grid: 17 rows and 11 columns counted as the program has always counted them:
// row 0 the header, column 0 the channel numbers, rows 1..16 the channels and columns 1..10 the
// fields (receive, transmit, decode, encode, power, scan add, busy lock, W/N, compand,
// scrambler). The header row and column stay in place when the grid scrolls.
class ChannelGrid : public QTableWidget {
    Q_OBJECT
  public:
    static constexpr int kRows = 17;
    static constexpr int kCols = 11;
    static constexpr int kPowerColumn = 5;

    explicit ChannelGrid(QWidget* parent = nullptr);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current cell (1..16, 1..10). Every move by click, key or setCell first asks the
    // leave handler, with the cell being left still current (false keeps it there), and then
    // raises enterCell.
    int row() const { return currentRow() + 1; }
    int col() const { return currentColumn() + 1; }
    void setCell(int row, int col);
    void setLeaveHandler(std::function<bool()> handler) { leaveHandler_ = std::move(handler); }

    // The rectangle of a data cell in the coordinates of the viewport (the editors' parent).
    QRect cellRect(int row, int col) const;

    // Column widths from the default width w: 0.5 w for the numbers, 1.2 w for the frequencies,
    // 1.1 w for the tones, 0.9 w for the flags, w for the scrambler; the power column hidden.
    void applyColumnWidths();
    int columnWidthOf(int col) const;

    QSize fullSize() const;

  signals:
    void enterCell();
    void cellPressed();
    void scrolled();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool mayLeave() const { return !leaveHandler_ || leaveHandler_(); }

    QString cornerText_;
    std::function<bool()> leaveHandler_;
};

}  // namespace gui
}  // namespace radio
