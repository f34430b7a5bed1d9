#include "random_clicker.h"

#include <QTest>

namespace zavkari::testing {

void RandomClicker::click() {
    const QPoint at = pickPoint();
    QWidget* target = window_.childAt(at);
    if (target == nullptr) target = &window_;
    if (target == window_.control(QStringLiteral("SpeedButton4")) ||
        target == window_.control(QStringLiteral("Button2")))
        return;
    if (target == window_.widgetOf(Element::bbb) && below(300) != 0) return;
    const Qt::MouseButton button = below(3) == 0 ? Qt::RightButton : Qt::LeftButton;
    QTest::mouseClick(target, button, {}, target->mapFrom(&window_, at));
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
            const Element groups[] = {Element::tkma, Element::koz, Element::vishi, Element::nije};
            auto* group = static_cast<ChoiceGroup*>(window_.widgetOf(groups[below(4)]));
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
            const char* const names[] = {"SpeedButton1", "Options", "Rule", "Ab", "Qmenu"};
            QWidget* w = window_.control(QString::fromLatin1(names[below(5)]));
            if (w->isVisible()) return inside(windowRect(w));
            break;
        }
        default:
            break;
    }
    return inside(window_.rect());
}

}  // namespace zavkari::testing
