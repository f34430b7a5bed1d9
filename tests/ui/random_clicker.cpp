#include "random_clicker.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QWheelEvent>
#include <vector>

namespace zavkari::testing {

QWidget* RandomClicker::allowedTarget(QWidget* window, QPoint at) const {
    QWidget* target = window->childAt(at);
    if (target == nullptr) target = window;
    if (target == window_.control(WindowControl::SpeedButton4)) return nullptr;
    return target;
}

void RandomClicker::click() {
    const QPoint at = pickPoint();
    QWidget* target = allowedTarget(&window_, at);
    if (target == nullptr || target == window_.control(WindowControl::Button2)) return;
    if (target == window_.widgetOf(Element::bbb) && below(300) != 0) return;
    const Qt::MouseButton button = below(3) == 0 ? Qt::RightButton : Qt::LeftButton;
    QTest::mouseClick(target, button, {}, target->mapFrom(&window_, at));
    ++events_;
}

void RandomClicker::storm() {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != &window_) shown.push_back(w);
    }
    // The table most of the time: that is where the match is played.
    QWidget* window = &window_;
    if (!shown.empty() && below(3) == 0)
        window = shown[static_cast<std::size_t>(below(static_cast<int>(shown.size())))];
    const int kind = below(20);
    if (below(400) == 0) {
        restart();
    } else if (kind == 0) {
        changeClipboard();
    } else if (kind < 7) {
        stormKeys(window);
    } else {
        stormMouse(window, window == &window_ ? pickPoint() : pickPointIn(window));
    }
}

QPoint RandomClicker::pickPointIn(QWidget* window) {
    // Half the time on one of its controls, as a person aims.
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    if (controls.isEmpty() || below(2) == 0) return inside(window->rect());
    QWidget* control = controls[below(static_cast<int>(controls.size()))];
    if (!control->isVisible()) return inside(window->rect());
    return inside(QRect(control->mapTo(window, QPoint()), control->size()));
}

void RandomClicker::stormMouse(QWidget* window, QPoint at) {
    QWidget* target = allowedTarget(window, at);
    if (target == nullptr) return;
    if (target == window_.widgetOf(Element::bbb) && below(300) != 0) return;
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                       Qt::MiddleButton};
    const Qt::MouseButton button = buttons[below(4)];
    const QPoint local = target->mapFrom(window, at);
    ++events_;
    switch (below(6)) {
        case 0:
            QTest::mouseDClick(target, button, {}, local);
            break;
        case 1: {  // a drag to another point of the same widget
            const QPoint to = inside(target->rect());
            QTest::mousePress(target, button, {}, local);
            QTest::mouseMove(target, (local + to) / 2);
            QTest::mouseMove(target, to);
            QTest::mouseRelease(target, button, {}, to);
            break;
        }
        case 2: {
            const QPoint turn(0, below(2) == 0 ? 120 : -120);
            QWheelEvent wheel(local, target->mapToGlobal(local), {}, turn, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            break;
        }
        default:
            QTest::mouseClick(target, button, {}, local);
            break;
    }
}

void RandomClicker::stormKeys(QWidget* window) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus != nullptr && focus->window() == window ? focus : window;
    ++events_;
    switch (below(9)) {
        case 0:
            return QTest::keyClick(target, Qt::Key_Return);
        case 1:
            return QTest::keyClick(target, Qt::Key_Escape);
        case 2:
            return QTest::keyClick(target, Qt::Key_Tab);
        case 3:
            return QTest::keyClick(target, Qt::Key_Space);
        case 4:
            return QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        case 5:
            return QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        case 6:  // Georgian letters, as a Georgian keyboard types them
            for (const QChar letter : QString::fromUtf8("გიორგი"))
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(letter), {});
            return;
        default: {
            const char letter = static_cast<char>((below(2) == 0 ? 'a' : 'A') + below(26));
            return QTest::keyClick(target, letter);
        }
    }
}

void RandomClicker::restart() {
    QWidget* menu = window_.control(WindowControl::Qmenu);
    QWidget* open = window_.control(WindowControl::SpeedButton1);
    if (!menu->isVisible()) QTest::mouseClick(open, Qt::LeftButton, {}, open->rect().center());
    QWidget* start = window_.widgetOf(Element::bbb);
    QTest::mouseClick(start, Qt::LeftButton, {}, start->rect().center());
    ++events_;
}

void RandomClicker::changeClipboard() {
    QClipboard* clipboard = QApplication::clipboard();
    switch (below(4)) {
        case 0:
            clipboard->setText(QStringLiteral("nino"));
            break;
        case 1:
            clipboard->setText(QString::fromUtf8("ქართული ტექსტი\nორ ხაზზე"));
            break;
        case 2:  // what X hands over when nobody holds the clipboard
            clipboard->setMimeData(new QMimeData);
            break;
        default:
            clipboard->clear();
            break;
    }
}

int RandomClicker::below(int n) {
    return random_.Below(n);
}

QPoint RandomClicker::inside(const QRect& r) {
    return {r.left() + below(std::max(1, r.width())), r.top() + below(std::max(1, r.height()))};
}

QRect RandomClicker::windowRect(QWidget* w) const {
    return QRect(w->mapTo(&window_, QPoint()), w->size());
}

QPoint RandomClicker::pickPoint() {
    const Game& game = window_.game();
    switch (below(6)) {
        case 0: {  // a card of the hand, or where one was
            const CardId c = game.State().humanHand[1 + below(kMaxHand)];
            if (!c.empty()) return inside(window_.canvas()->elementRect(el::CardImage(c)));
            break;
        }
        case 1: {  // an item of a choice group, shown or not
            auto* group = static_cast<ChoiceGroup*>(
                window_.widgetOf(el::kChoiceGroups[static_cast<std::size_t>(below(4))]));
            if (group->isVisible() && !group->buttons().empty()) {
                QWidget* b = group->buttons()[static_cast<std::size_t>(
                    below(static_cast<int>(group->buttons().size())))];
                return windowRect(b).center();
            }
            return windowRect(window_.widgetOf(Element::OK)).center();
        }
        case 2:
            return inside(window_.canvas()->elementRect(Element::b));
        case 3:
            return inside(window_.canvas()->elementRect(Element::cxrili));
        case 4: {  // the menu bar and the drop-down menu
            const WindowControl menu[] = {WindowControl::SpeedButton1, WindowControl::Options,
                                          WindowControl::Rule, WindowControl::Ab,
                                          WindowControl::Qmenu};
            QWidget* w = window_.control(menu[below(5)]);
            if (w->isVisible()) return inside(windowRect(w));
            break;
        }
        default:
            break;
    }
    return inside(window_.rect());
}

}  // namespace zavkari::testing
