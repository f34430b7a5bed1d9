// The table by keyboard. Each key presses what a mouse would press, through the same handlers, so
// that the rules cannot tell the two apart: a digit clicks an item of the bid list, Enter clicks
// `OK`, the highlighted choice or card, or the deck. The arrows and a suit's first letter move a
// highlight, which the game never sees (in the bid list they choose, as a radio group's arrows
// do); the hand's highlight shows only while a card is asked, and the first Enter plays it. Keys
// typed while a step pauses are kept in their order and carried out once it has returned, each only
// if the human is still asked what he was asked when it was typed. Keys typed into the name box,
// the debug memo or the menu stay theirs. The highlight carries the focus a screen reader follows.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "canvas_accessible.h"
#include "georgian_text.h"
#include "menu_keys.h"
#include "read_aloud.h"
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

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// The choice that the arrows and the letters move in while the human is asked for it.
Element choiceAsked(Asked asked) {
    switch (asked) {
        case Asked::Bid:
            return Element::tkma;
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

// Tab let go anywhere in the program, also in a window that took the keys while it was held.
class TabReleaseWatch : public QObject {
  public:
    TabReleaseWatch(std::function<void()> released, QObject* parent)
        : QObject(parent), released_(std::move(released)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab && !key->isAutoRepeat()) released_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> released_;
};

}  // namespace

void TableWindow::addShortcuts() {
    // The desktop's keys for a new game, quitting, help and the settings, wherever the keys are:
    // in any window of the program.
    const auto shortcut = [this](QKeySequence keys, QWidget* button) {
        auto* command = new QShortcut(keys, this);
        command->setContext(Qt::ApplicationShortcut);
        connect(command, &QShortcut::activated, button,
                [button] { static_cast<QAbstractButton*>(button)->click(); });
    };
    shortcut(QKeySequence::New, widgetOf(Element::bbb));
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), control(WindowControl::SpeedButton4));
    shortcut(QKeySequence(Qt::Key_F1), control(WindowControl::Rule));
    shortcut(QKeySequence(Qt::Key_F2), control(WindowControl::Options));
    const auto button = [this](WindowControl c) {
        return static_cast<QAbstractButton*>(control(c));
    };
    menuKeys_ = new MenuKeys(this,
                             {{button(WindowControl::SpeedButton1), Qt::Key_T},
                              {button(WindowControl::Options), Qt::Key_O},
                              {button(WindowControl::Rule), Qt::Key_W},
                              {button(WindowControl::Ab), Qt::Key_A}},
                             control(WindowControl::Qmenu),
                             {static_cast<QAbstractButton*>(widgetOf(Element::bbb)),
                              button(WindowControl::SpeedButton4)});
    new TabReleaseWatch([this] { holdLastTrick(false); }, this);
    connect(new QShortcut(QKeySequence(Qt::Key_F12), this), &QShortcut::activated, this,
            &TableWindow::toggleDebugControls);
}

bool TableWindow::keysAreTyped() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !focus->isVisible()) return false;
    return focus == nameBox_ || focus == memo_ || menuKeys_->holdsKeys();
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
    if (event->type() == QEvent::WindowDeactivate) holdLastTrick(false);
    return QWidget::event(event);
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    if (keysAreTyped()) return QWidget::keyPressEvent(event);
    if (turns_.busy()) {
        // As keys wait in the desktop's queue while a step pauses: all of them, in their order.
        keep([this, key = event->key(), text = event->text(),
              modifiers = event->modifiers()] { actOnKey(key, text, modifiers); },
             false);
        return;
    }
    actOnKey(event->key(), event->text(), event->modifiers());
}

void TableWindow::actOnKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    if (isConfirmKey(key)) return confirmByKey(modifiers.testFlag(Qt::ShiftModifier));
    if (key == Qt::Key_H) return showHint();
    if (game_.HumanAsked() == Asked::Bid) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return pressChoice(Element::tkma, key - Qt::Key_0);
        if (text.toLower() == QLatin1String("p")) return pressChoice(Element::tkma, 0);  // "pasi"
    }
    moveHighlight(key);
}

bool TableWindow::moveHighlight(int key) {
    const Asked asked = game_.HumanAsked();
    if (const Element e = choiceAsked(asked); e != Element::no) {
        ChoiceGroup* group = groups_[el::GroupIndex(e)];
        const std::vector<std::string>& items = game_.Table().Group(e).items;
        const int count = static_cast<int>(items.size());
        if (isArrow(key)) {
            // In the bid list an arrow chooses, as the digits do; elsewhere it only marks.
            const int from =
                group->highlighted() >= 0 ? group->highlighted() : game_.Table().Group(e).selected;
            const int to = stepped(from, count, key);
            if (e == Element::tkma) {
                pressChoice(e, to);
            } else {
                group->setHighlighted(to);
            }
            return true;
        }
        // A suit's first letter: "a" for "aguri" ... "b" for "bezi".
        for (int i = 0; i < count && e != Element::tkma; ++i) {
            const std::string& item = items[static_cast<std::size_t>(i)];
            if (!item.empty() && key == Qt::Key_A + (item[0] - 'a')) {
                group->setHighlighted(i);
                return true;
            }
        }
        return false;
    }
    if (asked != Asked::Card || (key != Qt::Key_Left && key != Qt::Key_Right)) return false;
    markCard(stepped(handHighlight_, static_cast<int>(game_.HandInPlace().size()), key));
    return true;
}

void TableWindow::pressChoice(Element group, int item) {
    ChoiceGroup* choice = groups_[el::GroupIndex(group)];
    const std::vector<QRadioButton*>& buttons = choice->buttons();
    if (item < 0 || item >= static_cast<int>(buttons.size()) || !choice->isVisible()) return;
    choice->setHighlighted(item);
    pressIfShown(buttons[static_cast<std::size_t>(item)]);
}

void TableWindow::confirmByKey(bool asRightClick) {
    const Asked asked = game_.HumanAsked();
    switch (asked) {
        case Asked::Trump:
        case Asked::ViSiSuit:
        case Asked::WaiRosSuit: {
            const Element e = choiceAsked(asked);
            pressChoice(e, groups_[el::GroupIndex(e)]->highlighted());
            break;
        }
        case Asked::Name:
            pressIfShown(widgetOf(Element::BitBtn1));
            break;
        case Asked::Bid:
            pressIfShown(widgetOf(Element::OK));
            break;
        case Asked::Card: {
            const std::vector<Element> hand = game_.HandInPlace();
            if (hand.empty()) break;
            const auto at = static_cast<std::size_t>(
                std::clamp(handHighlight_, 0, static_cast<int>(hand.size()) - 1));
            tableClicked(ControlOf(hand[at]), asRightClick);
            break;
        }
        case Asked::Deck:
            tableClicked(ControlOf(Element::b), false);
            break;
        case Asked::Nothing:
            break;
    }
}

void TableWindow::markCard(int position) {
    const std::vector<Element> hand = game_.HandInPlace();
    if (hand.empty()) return;
    handHighlight_ = std::clamp(position, 0, static_cast<int>(hand.size()) - 1);
    canvas_->setHandHighlight(handHighlight_);
    CanvasAccessible::focusCard(canvas_, hand[static_cast<std::size_t>(handHighlight_)]);
}

void TableWindow::showWhatIsAsked() {
    const Asked asked = game_.HumanAsked();
    const HumanMoment now = moment();
    const bool askedAnew = !(now == shownMoment_);
    shownMoment_ = now;
    if (asked != Asked::Card && canvas_->handHighlight() >= 0) canvas_->setHandHighlight(-1);
    // The hint answers a question about the play, and only the one it was asked.
    QWidget* hint = control(WindowControl::rCeva);
    hint->setEnabled(asked != Asked::Nothing && asked != Asked::Name && asked != Asked::Deck);
    if (askedAnew) hint->setToolTip({});
    // A choice that closed hands the keys back to the table.
    const QWidget* focus = QApplication::focusWidget();
    for (ChoiceGroup* group : groups_) {
        if (focus != nullptr && focus->parentWidget() == group && !group->isVisible())
            setFocus(Qt::OtherFocusReason);
    }
    if (!askedAnew || asked == Asked::Nothing) return;
    announce(QuestionWords(asked));
    // The keys' mark is on a card when one is asked, the last one marked or the first.
    if (asked == Asked::Card) markCard(handHighlight_);
}

void TableWindow::holdLastTrick(bool held) {
    // Only between the game's steps: a pause shows the table as the step left it.
    const bool shown = held && !turns_.busy() && game_.LastTrick() != nullptr;
    if (shown == canvas_->lastTrickShown()) return;
    canvas_->showLastTrick(shown);
    CanvasAccessible::showLastTrick(
        canvas_, shown ? toGeorgian(QString::fromStdString(LastTrickWords(game_))) : QString());
}

}  // namespace zavkari
