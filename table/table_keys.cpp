// The table by keyboard. Each key presses what a mouse would press, through the same handlers, so
// that the rules cannot tell the two apart: a digit clicks an item of the bid list, Enter clicks
// `OK`, the highlighted choice or card, or the deck; a key that confirms during a pause is kept as
// a click on the table would be. The arrows and a suit's first letter only move a highlight, which
// the game never sees. Keys typed into the name box or the debug memo stay theirs.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "table_window.h"

namespace zavkari {
namespace {

// Clicks a button as the mouse would: only while the player can see it and it takes clicks.
void pressIfShown(QWidget* widget) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button != nullptr && button->isVisible() && button->isEnabled()) button->click();
}

bool isConfirmKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// The choice that the arrows and the letters move in while the human is asked for it.
Element choiceAsked(Asked asked) {
    switch (asked) {
        case Asked::Trump:
            return Element::koz;
        case Asked::ViSiSuit:
            return Element::vishi;
        case Asked::WaiRosSuit:
            return Element::nije;
        default:
            return Element::no;
    }
}

// The highlight `current` (-1: none yet) moved by an arrow over `count` items; the first arrow
// shows it on the first item.
int stepped(int current, int count, int key) {
    if (current < 0 || current >= count) return 0;
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    return std::clamp(current + (back ? -1 : 1), 0, count - 1);
}

}  // namespace

void TableWindow::addShortcuts() {
    // The desktop's keys for a new game, quitting and help, wherever the keys are.
    const auto shortcut = [this](QKeySequence keys, QWidget* button) {
        connect(new QShortcut(keys, this), &QShortcut::activated, button,
                [button] { static_cast<QAbstractButton*>(button)->click(); });
    };
    shortcut(QKeySequence::New, widgetOf(Element::bbb));
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), control(WindowControl::SpeedButton4));
    shortcut(QKeySequence(Qt::Key_F1), control(WindowControl::Rule));
    connect(new QShortcut(QKeySequence(Qt::Key_F12), this), &QShortcut::activated, this,
            &TableWindow::toggleDebugControls);
}

bool TableWindow::keysAreTyped() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->isVisible() && (focus == nameBox_ || focus == memo_);
}

bool TableWindow::event(QEvent* event) {
    // Tab held shows the last trick; the window has no focus chain for it to move along.
    const bool press = event->type() == QEvent::KeyPress;
    if (press || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !keysAreTyped()) {
            if (!key->isAutoRepeat()) holdLastTrick(press);
            return true;
        }
    }
    return QWidget::event(event);
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    if (keysAreTyped()) return QWidget::keyPressEvent(event);
    const int key = event->key();
    if (isConfirmKey(key)) {
        const bool asRightClick = event->modifiers().testFlag(Qt::ShiftModifier);
        if (turns_.busy()) {
            // As a click on the table during a pause: the last one is carried out afterwards.
            keptInput_ = [this, asRightClick] { confirmByKey(asRightClick); };
        } else {
            confirmByKey(asRightClick);
        }
        return;
    }
    if (game_.HumanAsked() == Asked::Bid) {
        const QString text = event->text().toLower();
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return pressChoice(Element::tkma, key - Qt::Key_0);
        if (text == QLatin1String("p")) return pressChoice(Element::tkma, 0);  // "pasi"
    }
    if (!moveHighlight(key)) QWidget::keyPressEvent(event);
}

bool TableWindow::moveHighlight(int key) {
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (const Element e = choiceAsked(game_.HumanAsked()); e != Element::no) {
        ChoiceGroup* group = groups_[el::GroupIndex(e)];
        const std::vector<std::string>& items = game_.Table().Group(e).items;
        const int count = static_cast<int>(items.size());
        if (arrow) {
            group->setHighlighted(stepped(group->highlighted(), count, key));
            return true;
        }
        // A suit's first letter: "a" for "aguri" ... "b" for "bezi".
        for (int i = 0; i < count; ++i) {
            const std::string& item = items[static_cast<std::size_t>(i)];
            if (!item.empty() && key == Qt::Key_A + (item[0] - 'a')) {
                group->setHighlighted(i);
                return true;
            }
        }
        return false;
    }
    if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
    const int count = static_cast<int>(game_.HandInPlace().size());
    if (count == 0) return true;
    handHighlight_ = stepped(std::min(handHighlight_, count - 1), count, key);
    canvas_->setHandHighlight(handHighlight_);
    return true;
}

void TableWindow::pressChoice(Element group, int item) {
    const std::vector<QRadioButton*>& buttons = groups_[el::GroupIndex(group)]->buttons();
    if (item >= 0 && item < static_cast<int>(buttons.size()) &&
        groups_[el::GroupIndex(group)]->isVisible())
        pressIfShown(buttons[static_cast<std::size_t>(item)]);
}

void TableWindow::confirmByKey(bool asRightClick) {
    const Asked asked = game_.HumanAsked();
    if (const Element e = choiceAsked(asked); e != Element::no) {
        pressChoice(e, groups_[el::GroupIndex(e)]->highlighted());
        return;
    }
    switch (asked) {
        case Asked::Name:
            pressIfShown(widgetOf(Element::BitBtn1));
            break;
        case Asked::Bid:
            pressIfShown(widgetOf(Element::OK));
            break;
        case Asked::Card: {
            const std::vector<Element> hand = game_.HandInPlace();
            if (handHighlight_ < 0 || hand.empty()) {
                moveHighlight(Qt::Key_Right);  // the first Enter shows the highlight
                break;
            }
            const Element face = hand[std::min<std::size_t>(
                static_cast<std::size_t>(handHighlight_), hand.size() - 1)];
            tableClicked(ControlOf(face), asRightClick);
            break;
        }
        case Asked::Deck:
            tableClicked(ControlOf(Element::b), false);
            break;
        default:
            break;
    }
}

void TableWindow::holdLastTrick(bool held) {
    // Only between the game's steps: a pause shows the table as the step left it.
    canvas_->showLastTrick(held && !turns_.busy() && game_.LastTrick() != nullptr);
}

}  // namespace zavkari
