#include "canvas_accessible.h"

#include <QPointer>
#include <utility>

#include "georgian_text.h"
#include "read_aloud.h"

namespace zavkari {
namespace {

// How many of the last notifications stay in the tree: a screen reader reads a notification's
// words after it appeared, when the next ones may have come already.
constexpr std::size_t kRecentNotes = 16;

// Something the canvas shows that has no widget of its own: a leaf of the canvas in the tree.
class CanvasLeafAccessible : public QAccessibleInterface {
  public:
    explicit CanvasLeafAccessible(TableCanvas* canvas) : canvas_(canvas) {}

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
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    QPointer<TableCanvas> canvas_;
};

// One element the canvas draws, as the screen reader meets it.
class CanvasItemAccessible : public CanvasLeafAccessible {
  public:
    CanvasItemAccessible(TableCanvas* canvas, Element e)
        : CanvasLeafAccessible(canvas), element_(e) {}

    Element element() const { return element_; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return toGeorgian(QString::fromStdString(ReadAloud(canvas_->game(), element_)));
    }
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
        if (s.invisible || !isInHand()) return s;
        s.focusable = true;
        s.focused = canvas_->highlightedCard() == element_ && canvas_->isActiveWindow();
        return s;
    }

  private:
    bool isInHand() const {
        for (Element e : canvas_->game().HandInPlace()) {
            if (e == element_) return true;
        }
        return false;
    }

    Element element_;
};

// Words the table says once: a notification that lives on in the tree a while after it appeared.
class NoteAccessible : public CanvasLeafAccessible {
  public:
    NoteAccessible(TableCanvas* canvas, QString words)
        : CanvasLeafAccessible(canvas), words_(std::move(words)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? words_ : QString();
    }
    QRect rect() const override {
        return isValid() ? QRect(canvas_->mapToGlobal(QPoint(0, 0)), canvas_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QString words_;
};

void notify(QAccessibleInterface* item, QAccessible::Event type) {
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* canvasFactory(const QString&, QObject* object) {
    auto* canvas = qobject_cast<TableCanvas*>(object);
    return canvas != nullptr ? new CanvasAccessible(canvas) : nullptr;
}

}  // namespace

CanvasAccessible::CanvasAccessible(TableCanvas* canvas)
    : QAccessibleWidget(canvas, QAccessible::Pane) {}

CanvasAccessible::~CanvasAccessible() {
    for (const Told& item : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(item.id);
    for (QAccessible::Id id : notes())
        QAccessible::deleteAccessibleInterface(id);
}

CanvasAccessible* CanvasAccessible::of(TableCanvas* canvas) {
    return dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(canvas));
}

void CanvasAccessible::focusCard(TableCanvas* canvas, Element card) {
    if (CanvasAccessible* table = of(canvas)) notify(table->itemOf(card), QAccessible::Focus);
}

void CanvasAccessible::announce(TableCanvas* canvas, const QString& words) {
    CanvasAccessible* table = of(canvas);
    if (table == nullptr) return;
    table->recent_.push_back(table->addNote(words));
    if (table->recent_.size() <= kRecentNotes) return;
    table->removeNote(table->recent_.front());
    table->recent_.pop_front();
}

void CanvasAccessible::showLastTrick(TableCanvas* canvas, const QString& words) {
    CanvasAccessible* table = of(canvas);
    if (table == nullptr) return;
    if (table->lastTrick_ != 0) table->removeNote(std::exchange(table->lastTrick_, 0));
    if (!words.isEmpty()) table->lastTrick_ = table->addNote(words);
}

std::vector<QAccessible::Id> CanvasAccessible::notes() const {
    std::vector<QAccessible::Id> ids;
    if (lastTrick_ != 0) ids.push_back(lastTrick_);
    ids.insert(ids.end(), recent_.begin(), recent_.end());
    return ids;
}

QAccessible::Id CanvasAccessible::addNote(const QString& words) {
    auto* note = new NoteAccessible(canvas(), words);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(note);
    // A screen reader speaks a notification when it appears.
    notify(note, QAccessible::ObjectCreated);
    notify(note, QAccessible::ObjectShow);
    return id;
}

void CanvasAccessible::removeNote(QAccessible::Id id) {
    QAccessibleInterface* note = QAccessible::accessibleInterface(id);
    notify(note, QAccessible::ObjectHide);
    notify(note, QAccessible::ObjectDestroyed);
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
    auto found = items_.find(key);
    if (found == items_.end()) found = items_.insert(key, newItem(e));
    return QAccessible::accessibleInterface(found->id);
}

CanvasAccessible::Told CanvasAccessible::newItem(Element e) const {
    auto* item = new CanvasItemAccessible(canvas(), e);
    return {QAccessible::registerAccessibleInterface(item), item->text(QAccessible::Name),
            item->role(), item->state()};
}

void CanvasAccessible::tell(TableCanvas* canvas) {
    if (!QAccessible::isActive()) return;
    CanvasAccessible* table = of(canvas);
    if (table == nullptr) return;
    for (auto it = table->items_.begin(); it != table->items_.end(); ++it) {
        Told& told = *it;
        QAccessibleInterface* item = QAccessible::accessibleInterface(told.id);
        if (item->role() != told.role) {
            notify(item, QAccessible::ObjectDestroyed);
            QAccessible::deleteAccessibleInterface(told.id);
            told = table->newItem(static_cast<Element>(it.key()));
            notify(QAccessible::accessibleInterface(told.id), QAccessible::ObjectCreated);
            continue;
        }
        const QString words = item->text(QAccessible::Name);
        if (words != told.words) notify(item, QAccessible::NameChanged);
        const QAccessible::State state = item->state();
        if (state.invisible != told.state.invisible)
            notify(item, state.invisible ? QAccessible::ObjectHide : QAccessible::ObjectShow);
        if (state.focusable != told.state.focusable) {
            QAccessible::State changed;
            changed.focusable = true;
            QAccessibleStateChangeEvent event(item, changed);
            QAccessible::updateAccessibility(&event);
        }
        told.words = words;
        told.state = state;
    }
}

int CanvasAccessible::childCount() const {
    return static_cast<int>(canvas()->readableElements().size() + notes().size());
}

QAccessibleInterface* CanvasAccessible::child(int index) const {
    const std::vector<Element> shown = canvas()->readableElements();
    if (index >= 0 && index < static_cast<int>(shown.size()))
        return itemOf(shown[static_cast<std::size_t>(index)]);
    const std::vector<QAccessible::Id> notes = this->notes();
    const auto note = static_cast<std::size_t>(index) - shown.size();
    return index >= 0 && note < notes.size() ? QAccessible::accessibleInterface(notes[note])
                                             : nullptr;
}

int CanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<Element> shown = canvas()->readableElements();
    if (const auto* item = dynamic_cast<const CanvasItemAccessible*>(child)) {
        const auto at = std::find(shown.begin(), shown.end(), item->element());
        return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
    }
    const std::vector<QAccessible::Id> notes = this->notes();
    const auto at = std::find_if(notes.begin(), notes.end(), [child](QAccessible::Id id) {
        return QAccessible::accessibleInterface(id) == child;
    });
    return at == notes.end() ? -1 : static_cast<int>(shown.size() + (at - notes.begin()));
}

QAccessibleInterface* CanvasAccessible::childAt(int x, int y) const {
    const ControlSpec* c = canvas()->controlAt(canvas()->mapFromGlobal(QPoint(x, y)));
    if (c == nullptr || c->element == kWindowOnly) return nullptr;
    const std::vector<Element> shown = canvas()->readableElements();
    if (std::find(shown.begin(), shown.end(), c->element) == shown.end()) return nullptr;
    return itemOf(c->element);
}

}  // namespace zavkari
