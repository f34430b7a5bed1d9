#include "table_canvas.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>
#include <algorithm>

#include "canvas_accessible.h"
#include "control_look.h"
#include "pictures.h"
#include "read_aloud.h"
#include "score_sheet_ruling.h"
#include "table_layout.h"

namespace zavkari {
namespace {

// A picture with its white made see-through, as the score sheet shows only its ruling.
QPixmap withoutWhite(const QPixmap& source) {
    QPixmap clear = source;
    clear.setMask(source.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return clear;
}

Qt::CursorShape cursorOf(Pointer pointer) {
    switch (pointer) {
        case Pointer::Hand:
            return Qt::PointingHandCursor;
        case Pointer::NoDrop:
            return Qt::ForbiddenCursor;
        case Pointer::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

// A mark around a card drawn inside its box, so that repainting the card takes the mark away.
void drawCardMark(QPainter& painter, const QRect& card, const QColor& colour) {
    constexpr int kWidth = 3;
    painter.save();
    painter.setPen(QPen(colour, kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(card).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    painter.restore();
}

// How narrow the letters of a score sheet's cell may be drawn to keep clear of the rules, in
// hundredths of their width.
constexpr int kNarrowestStretch = 75;

// The messages about the trick in play, below the human's spot: the last trick, shown over the
// trick in play, takes them away with it.
bool isTrickMessage(Element e) {
    return e == Element::KVishi || e == Element::KNije || e == Element::under ||
           e == Element::strog;
}

// The keys' mark on a card of the hand, and the mark on the card that took the last trick.
const QColor kHighlightColour(0x1e, 0x90, 0xff);
const QColor kWinnerColour(0xff, 0xd7, 0x00);

}  // namespace

TableCanvas::TableCanvas(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    CanvasAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    const std::vector<ControlSpec>& controls = TableControls();
    items_.reserve(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlSpec& c = controls[i];
        if (!draws(c)) continue;
        items_.push_back({&c, static_cast<int>(i) + 1});
    }
    for (const Item& item : items_) {
        const Element e = item.control->element;
        if (e == kWindowOnly) continue;
        byElement_[e] = &item;
        drawnAt_[e] = extentOf(item);
    }
}

bool TableCanvas::draws(const ControlSpec& control) {
    return !IsWindowed(control.kind) && !control.parent;
}

int TableCanvas::zOf(const Item& item) const {
    const Element e = item.control->element;
    return e == kWindowOnly ? item.creationZ : game_.Table()[e].z;
}

bool TableCanvas::isShown(const Item& item) const {
    const Element e = item.control->element;
    if (e == kWindowOnly) return item.control->visible;
    return game_.Table().Visible(e);
}

QRect TableCanvas::rectOf(const Item& item) const {
    const ControlSpec& c = *item.control;
    if (c.element == kWindowOnly) {
        // The background and the table surface fill the window below the menu bar.
        return {0, kMenuBarHeight, width(), height() - kMenuBarHeight};
    }
    const ElementState& s = game_.Table()[c.element];
    if (c.element == Element::fon) return {0, kMenuBarHeight, width(), height() - kMenuBarHeight};
    if (c.autoSize) return textRect(c, {s.left, s.top, 0, 0});
    return {s.left, s.top, s.width, s.height};
}

QRect TableCanvas::elementRect(Element e) const {
    const Item* item = byElement_[e];
    return item != nullptr ? rectOf(*item) : QRect();
}

void TableCanvas::elementChanged(Element e) {
    const Item* item = byElement_[e];
    if (item == nullptr) return;
    labels_[e].valid = false;
    QRect& drawn = drawnAt_[e];
    const QRect now = extentOf(*item);
    update(drawn.united(now));
    drawn = now;
    orderDirty_ = true;
}

void TableCanvas::surfaceChanged() {
    update();
}

void TableCanvas::setFramesShown(bool shown) {
    if (frames_ == shown) return;
    frames_ = shown;
    update();
}

void TableCanvas::setPictureOverride(const QString& name, const QPixmap& picture) {
    overrides_.insert(name, picture);
    pictures_.clear();
    update();
}

QSize TableCanvas::largestSizeOf(const QString& name) const {
    QSize largest;
    for (const Item& item : items_) {
        const std::string_view picture = item.control->picture;
        if (QString::fromUtf8(picture) == name) largest = largest.expandedTo(rectOf(item).size());
    }
    return largest;
}

const std::vector<const TableCanvas::Item*>& TableCanvas::itemsInOrder() const {
    if (orderDirty_) {
        ordered_.clear();
        for (const Item& item : items_)
            ordered_.push_back(&item);
        std::stable_sort(ordered_.begin(), ordered_.end(),
                         [this](const Item* a, const Item* b) { return zOf(*a) < zOf(*b); });
        orderDirty_ = false;
    }
    return ordered_;
}

const TableCanvas::ShownLabel& TableCanvas::shownLabel(const ControlSpec& c) const {
    ShownLabel& label = labels_[c.element];
    if (!label.valid) {
        label.font = controlFont(c.font, game_.Table()[c.element].fontSize);
        label.text = controlText(c, game_.Table().Caption(c.element));
        fitToColumn(c.element, label);
        const QFontMetrics metrics(label.font);
        label.size = {metrics.horizontalAdvance(label.text), metrics.height()};
        // Italic letters lean past their advance, and some Georgian letters reach below the
        // line; their smoothed edges take one pixel more.
        label.inked = QRect(QPoint(0, 0), label.size)
                          .united(metrics.boundingRect(label.text).translated(0, metrics.ascent()))
                          .adjusted(-1, -1, 1, 1);
        label.valid = true;
    }
    return label;
}

void TableCanvas::fitToColumn(Element e, ShownLabel& label) const {
    const ElementPlace cell = Decode(e);
    if (cell.family != ElementFamily::ScoreCell && cell.family != ElementFamily::TotalCell) return;
    // The last place the letters may cover: two pixels of the panel between them and the rule.
    const int rule = game_.Table()[Element::cxrili].left +
                     sheet::Scaled(sheet::kColumnRules[static_cast<std::size_t>(cell.first)],
                                   kSheetWidth, sheet::kPictureWidth);
    const int last = rule - 3 - game_.Table()[e].left;
    const auto inkEnd = [&] {
        const QFontMetrics metrics(label.font);
        return metrics.boundingRect(label.text).right();
    };
    // Letters that would run into the rule ("I-----I" in a narrow column) are drawn narrower.
    for (int stretch = 99; inkEnd() > last && stretch >= kNarrowestStretch; --stretch)
        label.font.setStretch(stretch);
}

const QPixmap& TableCanvas::picture(const ControlSpec& c, QSize size) const {
    // Scaled to the box's device pixels, so that a screen of two pixels to the point shows the
    // picture at its own fineness rather than enlarged from a smaller one.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    const QString key = QString::fromUtf8(c.picture) + QLatin1Char('@') +
                        QString::number(pixels.width()) + QLatin1Char('x') +
                        QString::number(pixels.height());
    auto found = pictures_.find(key);
    if (found != pictures_.end()) return *found;
    const QString name = QString::fromUtf8(c.picture);
    const auto chosen = overrides_.constFind(name);
    const QPixmap source =
        chosen != overrides_.cend() ? *chosen : pictures::pixmapFor(name, size, ratio);
    QPixmap scaled = source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (c.clearWhite) scaled = withoutWhite(scaled);
    scaled.setDevicePixelRatio(ratio);
    return *pictures_.insert(key, scaled);
}

QRect TableCanvas::textRect(const ControlSpec& c, const QRect& box) const {
    const QSize size = shownLabel(c).size;
    int left = box.left();
    if (c.align == TextAlign::Centre) left += (box.width() - size.width()) / 2;
    if (c.align == TextAlign::Right) left += box.width() - size.width();
    return {QPoint(left, box.top()), size};
}

QRect TableCanvas::extentOf(const Item& item) const {
    const QRect box = rectOf(item);
    if (item.control->kind != ControlKind::Label) return box;
    // A label's text is not clipped to its box: it may run past it on every side.
    const ControlSpec& c = *item.control;
    return box.united(shownLabel(c).inked.translated(textRect(c, box).topLeft()));
}

void TableCanvas::drawLabel(QPainter& painter, const ControlSpec& c, const QRect& box) const {
    const ElementState& s = game_.Table()[c.element];
    if (c.ground) painter.fillRect(box, toQColor(*c.ground));
    const ShownLabel& label = shownLabel(c);
    if (label.text.isEmpty()) return;
    painter.setFont(label.font);
    painter.setPen(textColour(c, s.colour));
    painter.drawText(textRect(c, box), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, label.text);
}

void TableCanvas::drawItem(QPainter& painter, const Item& item) const {
    const ControlSpec& c = *item.control;
    const QRect box = rectOf(item);
    if (c.kind == ControlKind::PaintBox) {
        if (!game_.State().sheetActive) return;
        const ElementState& deck = game_.Table()[Element::b];
        painter.save();
        painter.translate(box.topLeft());
        paintSheetPanel(painter, {size(), kMenuBarHeight, game_.Table()[Element::tkma].top,
                                  QSize(deck.width, deck.height), frames_});
        painter.restore();
        return;
    }
    if (c.kind == ControlKind::Label) return drawLabel(painter, c, box);
    if (c.picture.empty() || box.isEmpty()) return;
    painter.drawPixmap(box.topLeft(), picture(c, box.size()));
}

void TableCanvas::preparePictures() const {
    for (const Item* item : itemsInOrder()) {
        const QRect box = rectOf(*item);
        if (isShown(*item) && !item->control->picture.empty() && !box.isEmpty())
            picture(*item->control, box.size());
    }
}

void TableCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, toQColor(colour::kBaize));
    painter.setClipRect(dirty);
    for (const Item* item : itemsInOrder()) {
        if (!isShown(*item)) continue;
        if (item->control->kind != ControlKind::PaintBox && !extentOf(*item).intersects(dirty))
            continue;
        if (lastTrickShown_ && isTrickMessage(item->control->element)) continue;
        drawItem(painter, *item);
    }
    if (const Element card = highlightedCard(); card != Element::no)
        drawCardMark(painter, elementRect(card), kHighlightColour);
    if (lastTrickShown_) drawLastTrick(painter);
}

std::vector<Element> TableCanvas::readableElements() const {
    std::vector<Element> readable;
    for (const Item* item : itemsInOrder()) {
        const Element e = item->control->element;
        if (e != kWindowOnly && isShown(*item) && !ReadAloud(game_, e).empty())
            readable.push_back(e);
    }
    return readable;
}

Element TableCanvas::highlightedCard() const {
    if (handHighlight_ < 0 || game_.Table().Visible(Element::kl)) return Element::no;
    const std::vector<Element> hand = game_.HandInPlace();
    if (hand.empty()) return Element::no;
    return hand[std::min<std::size_t>(static_cast<std::size_t>(handHighlight_), hand.size() - 1)];
}

void TableCanvas::setHandHighlight(int position) {
    if (const Element before = highlightedCard(); before != Element::no)
        update(elementRect(before));
    handHighlight_ = position;
    if (const Element now = highlightedCard(); now != Element::no) update(elementRect(now));
}

void TableCanvas::showLastTrick(bool shown) {
    if (shown == lastTrickShown_) return;
    lastTrickShown_ = shown;
    update();
}

void TableCanvas::drawLastTrick(QPainter& painter) const {
    const CompletedTrick* trick = game_.LastTrick();
    if (trick == nullptr) return;
    for (int seat = 1; seat <= 4; ++seat) {
        const Element face = el::CardImage(trick->cards[seat]);
        if (face == Element::no) continue;
        const ElementState& spot = game_.Table()[el::Spot(seat)];
        const ElementState& card = game_.Table()[face];
        const QRect box(spot.left, spot.top, card.width, card.height);
        painter.drawPixmap(box.topLeft(), picture(*ControlOf(face), box.size()));
        if (seat == trick->winner) drawCardMark(painter, box, kWinnerColour);
    }
}

const ControlSpec* TableCanvas::controlAt(QPoint point) const {
    const std::vector<const Item*>& order = itemsInOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Item& item = **it;
        if (isShown(item) && rectOf(item).contains(point)) return item.control;
    }
    return nullptr;
}

void TableCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        emit middleButtonHeld(true);
        return;
    }
    const bool right = event->button() == Qt::RightButton;
    if (!right && event->button() != Qt::LeftButton) return;
    emit clicked(event->position().toPoint(), right);
}

void TableCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) emit middleButtonHeld(false);
}

void TableCanvas::mouseMoveEvent(QMouseEvent* event) {
    const ControlSpec* c = controlAt(event->position().toPoint());
    setCursor(cursorOf(c != nullptr ? c->pointer : Pointer::Arrow));
}

bool TableCanvas::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const ControlSpec* c = controlAt(help->pos());
    if (c != nullptr && !c->hint.empty()) {
        QToolTip::showText(help->globalPos(), controlText(*c, c->hint), this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void TableCanvas::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();  // the right button plays a wild card low; no menu appears
}

}  // namespace zavkari
