// The table's menu by keys, as a desktop's menu bar: F10 puts the keys on the bar, Alt with an
// entry's letter presses it, Left and Right move along the bar, Down opens "TamaSi", Up and Down
// move in its drop-down, Enter and Space press, Escape hands the keys back to the table. Opened by
// keys, "TamaSi" puts them on the first entry of its drop-down. The mouse leaves the keys where
// they are.
#pragma once

#include <QObject>
#include <vector>

class QAbstractButton;
class QWidget;

namespace zavkari {

class MenuKeys : public QObject {
  public:
    struct BarEntry {
        QAbstractButton* button;
        int letter;  // Qt::Key_A ... Qt::Key_Z: Alt and this letter press the entry
    };
    // `bar` left to right, its first entry opening `dropDown` with `dropDownEntries` top down.
    MenuKeys(QWidget* table, std::vector<BarEntry> bar, QWidget* dropDown,
             std::vector<QAbstractButton*> dropDownEntries);

    // An entry of the menu has the keys.
    bool holdsKeys() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void press(QAbstractButton* entry);
    // Moves the keys `step` entries along `row`, round its ends.
    void move(const std::vector<QAbstractButton*>& row, QAbstractButton* from, int step);
    void handBack();

    QWidget* table_;
    std::vector<QAbstractButton*> bar_;
    QWidget* dropDown_;
    std::vector<QAbstractButton*> dropDownEntries_;
};

}  // namespace zavkari
