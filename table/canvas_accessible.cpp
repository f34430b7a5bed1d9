#include "canvas_accessible.h"

#include <QPointer>

#include "georgian_text.h"
#include "read_aloud.h"

namespace zavkari {
namespace {

// One element the canvas draws, as the screen reader meets it.
class CanvasItemAccessible : public QAccessibleInterface {
  public:
    CanvasItemAccessible(TableCanvas* canvas, Element e) : canvas_(canvas), element_(e) {}

    Element element() const { return element_; }
    bool isValid() const override { return !canvas_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(canvas_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return toGeorgian(QString::fromStdString(ReadAloud(canvas_->game(), element_)));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = canvas_->elementRect(element_);
        return QRect(canvas_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        switch (Decode(element_).family) {
            case ElementFamily::Face:
                // A card of the hand is pressed to be played; a played card is only seen.
                return isInHand() ? QAccessible::Button : QAccessible::Graphic;
            case ElementFamily::Name:
                return QAccessible::ColumnHeader;
            case ElementFamily::RowHeading:
                return QAccessible::RowHeader;
            case ElementFamily::BidCell:
            case ElementFamily::ScoreCell:
            case ElementFamily::TotalCell:
                return QAccessible::Cell;
            default:
                return QAccessible::StaticText;
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !isValid() || !canvas_->game().Table().Visible(element_);
        return s;
    }

  private:
    bool isInHand() const {
        for (Element e : canvas_->game().HandInPlace()) {
            if (e == element_) return true;
        }
        return false;
    }

    QPointer<TableCanvas> canvas_;
    Element element_;
};

QAccessibleInterface* canvasFactory(const QString&, QObject* object) {
    auto* canvas = qobject_cast<TableCanvas*>(object);
    return canvas != nullptr ? new CanvasAccessible(canvas) : nullptr;
}

}  // namespace

CanvasAccessible::CanvasAccessible(TableCanvas* canvas)
    : QAccessibleWidget(canvas, QAccessible::Pane) {}

CanvasAccessible::~CanvasAccessible() {
    for (QAccessible::Id id : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(id);
}

void CanvasAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(canvasFactory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* CanvasAccessible::itemOf(Element e) const {
    const int key = static_cast<int>(e);
    if (const auto found = items_.constFind(key); found != items_.cend())
        return QAccessible::accessibleInterface(*found);
    auto* item = new CanvasItemAccessible(canvas(), e);
    items_.insert(key, QAccessible::registerAccessibleInterface(item));
    return item;
}

int CanvasAccessible::childCount() const {
    return static_cast<int>(canvas()->readableElements().size());
}

QAccessibleInterface* CanvasAccessible::child(int index) const {
    const std::vector<Element> shown = canvas()->readableElements();
    if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
    return itemOf(shown[static_cast<std::size_t>(index)]);
}

int CanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const CanvasItemAccessible*>(child);
    if (item == nullptr) return -1;
    const std::vector<Element> shown = canvas()->readableElements();
    const auto at = std::find(shown.begin(), shown.end(), item->element());
    return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
}

QAccessibleInterface* CanvasAccessible::childAt(int x, int y) const {
    const ControlSpec* c = canvas()->controlAt(canvas()->mapFromGlobal(QPoint(x, y)));
    if (c == nullptr || c->element == kWindowOnly) return nullptr;
    const std::vector<Element> shown = canvas()->readableElements();
    if (std::find(shown.begin(), shown.end(), c->element) == shown.end()) return nullptr;
    return itemOf(c->element);
}

}  // namespace zavkari
