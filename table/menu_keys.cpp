#include "menu_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <algorithm>

namespace zavkari {

MenuKeys::MenuKeys(QWidget* table, std::vector<BarEntry> bar, QWidget* dropDown,
                   std::vector<QAbstractButton*> dropDownEntries)
    : QObject(table),
      table_(table),
      dropDown_(dropDown),
      dropDownEntries_(std::move(dropDownEntries)) {
    for (const BarEntry& entry : bar) {
        bar_.push_back(entry.button);
        connect(new QShortcut(QKeySequence(Qt::ALT | entry.letter), table), &QShortcut::activated,
                this, [this, button = entry.button] { press(button); });
    }
    connect(new QShortcut(QKeySequence(Qt::Key_F10), table), &QShortcut::activated, this,
            [this] { bar_.front()->setFocus(Qt::ShortcutFocusReason); });
    for (QAbstractButton* entry : bar_)
        entry->installEventFilter(this);
    for (QAbstractButton* entry : dropDownEntries_)
        entry->installEventFilter(this);
    // The entries keep the focus policy of the table's controls, none: the keys reach an entry only
    // when put on it here, never by a click, nor when a control that had them hides.
}

bool MenuKeys::holdsKeys() const {
    const QWidget* focus = QApplication::focusWidget();
    return std::count(bar_.begin(), bar_.end(), focus) +
               std::count(dropDownEntries_.begin(), dropDownEntries_.end(), focus) >
           0;
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* entry = static_cast<QAbstractButton*>(watched);
    const bool inBar = std::count(bar_.begin(), bar_.end(), entry) > 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            press(entry);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (inBar)
                move(bar_, entry, static_cast<QKeyEvent*>(event)->key() == Qt::Key_Left ? -1 : 1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!inBar) {
                move(dropDownEntries_, entry,
                     static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up ? -1 : 1);
            } else if (entry == bar_.front() &&
                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
                press(entry);
            }
            return true;
        case Qt::Key_Escape:
            dropDown_->hide();
            if (inBar) {
                handBack();
            } else {
                bar_.front()->setFocus(Qt::ShortcutFocusReason);
            }
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

void MenuKeys::press(QAbstractButton* entry) {
    entry->click();
    if (entry == bar_.front() && dropDown_->isVisible()) {
        dropDownEntries_.front()->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    // A window opened, a match or the end of the program: the table has the keys again.
    handBack();
}

void MenuKeys::move(const std::vector<QAbstractButton*>& row, QAbstractButton* from, int step) {
    const auto at = std::find(row.begin(), row.end(), from) - row.begin();
    const auto size = static_cast<std::ptrdiff_t>(row.size());
    row[static_cast<std::size_t>((at + step + size) % size)]->setFocus(Qt::ShortcutFocusReason);
}

void MenuKeys::handBack() {
    if (holdsKeys()) table_->setFocus(Qt::OtherFocusReason);
}

}  // namespace zavkari
