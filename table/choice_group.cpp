#include "choice_group.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>

#include "control_look.h"

namespace zavkari {
namespace {

// Inside the etched frame: room on the left before the first column, on the right and below.
constexpr int kLeftMargin = 9;
constexpr int kRightMargin = 3;
constexpr int kBottomMargin = 2;
// The items' font shrinks no further than this: below it the Georgian letters blur.
constexpr int kSmallestPixels = 10;

// A choice that takes a click anywhere in its row, not only on its circle and text. It holds the
// focus while the keys move over its choice, so that a screen reader says it; the keys themselves
// are the table's.
class ChoiceButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    bool event(QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return QRadioButton::event(event);
        QCoreApplication::sendEvent(window(), event);
        return true;
    }
};

// A choice as a screen reader meets it: a radio button, checked when the game has chosen it. (The
// buttons leave the choosing to the game, so Qt would take them for check boxes.)
class ChoiceButtonAccessible : public QAccessibleWidget {
  public:
    explicit ChoiceButtonAccessible(ChoiceButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? button()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* choiceButtonFactory(const QString&, QObject* object) {
    auto* button = dynamic_cast<ChoiceButton*>(object);
    return button != nullptr ? new ChoiceButtonAccessible(button) : nullptr;
}

// Whether every text, drawn as a radio button draws it (its line centred in the row), keeps its
// letters inside a row `height` pixels high.
bool fitsInRow(const QFont& font, const std::vector<QRadioButton*>& buttons, int height) {
    const QFontMetrics metrics(font);
    const int baseline = (height - metrics.height()) / 2 + metrics.ascent();
    for (const QRadioButton* b : buttons) {
        const QRect ink = metrics.tightBoundingRect(b->text()).translated(0, baseline);
        if (ink.top() < 0 || ink.bottom() >= height) return false;
    }
    return true;
}

}  // namespace

ChoiceGroup::ChoiceGroup(const ControlSpec& control, QWidget* parent)
    : CaptionedBox(controlText(control, control.caption), parent), control_(control) {
    static const bool readable = [] {
        QAccessible::installFactory(choiceButtonFactory);
        return true;
    }();
    (void)readable;
    setFont(controlFont(control.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, toQColor(control.text));
    palette.setColor(QPalette::ButtonText, toQColor(control.text));
    if (control.ground) palette.setColor(QPalette::Window, toQColor(*control.ground));
    setPalette(palette);
    setAutoFillBackground(control.ground.has_value());
}

void ChoiceGroup::show(const RadioGroup& group) {
    if (group.items != items_ || group.columns != columns_) {
        for (QRadioButton* b : buttons_)
            delete b;
        buttons_.clear();
        items_ = group.items;
        columns_ = std::max(1, group.columns);
        for (std::size_t i = 0; i < items_.size(); ++i) {
            // Named once made: a name given while the button is made would make its accessible
            // interface before it is a ChoiceButton.
            auto* b = new ChoiceButton(this);
            b->setText(controlText(control_, items_[i]));
            b->setAutoExclusive(false);
            b->setFocusPolicy(Qt::NoFocus);
            // The circle white on the green, as the desktop draws it, so that it stands out.
            QPalette look = b->palette();
            look.setColor(QPalette::Base, Qt::white);
            b->setPalette(look);
            connect(b, &QRadioButton::clicked, this, [this, i] {
                // The model decides what is chosen: undo the button's own toggle first.
                buttons_[i]->setChecked(!buttons_[i]->isChecked());
                emit choiceClicked(static_cast<int>(i));
            });
            b->setVisible(true);
            buttons_.push_back(b);
        }
        arrange();
        highlighted_ = -1;
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(static_cast<int>(i) == group.selected);
}

void ChoiceGroup::setHighlighted(int item) {
    highlighted_ = item >= 0 && item < static_cast<int>(buttons_.size()) ? item : -1;
    if (highlighted_ >= 0 && isVisible())
        buttons_[static_cast<std::size_t>(highlighted_)]->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QRadioButton* b = buttons_[i];
        const bool marked = static_cast<int>(i) == highlighted_;
        b->setAutoFillBackground(marked);
        if (marked) {
            QPalette look = b->palette();
            look.setColor(QPalette::Window, QColor(0xff, 0xf0, 0x9a));
            b->setPalette(look);
        }
    }
}

void ChoiceGroup::arrange() {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int top = captionHeight();
    const int rowHeight = std::max(1, (height() - top - kBottomMargin) / rows);
    const int columnWidth = (width() - kLeftMargin - kRightMargin) / columns_;
    QFont itemFont = font();
    while (itemFont.pixelSize() > kSmallestPixels && !fitsInRow(itemFont, buttons_, rowHeight))
        itemFont.setPixelSize(itemFont.pixelSize() - 1);
    for (int i = 0; i < count; ++i) {
        QRadioButton* b = buttons_[static_cast<std::size_t>(i)];
        b->setFont(itemFont);
        b->setGeometry(kLeftMargin + (i / rows) * columnWidth, top + (i % rows) * rowHeight,
                       columnWidth, rowHeight);
    }
}

void ChoiceGroup::resizeEvent(QResizeEvent* event) {
    CaptionedBox::resizeEvent(event);
    arrange();
}

void ChoiceGroup::mousePressEvent(QMouseEvent* event) {
    CaptionedBox::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit choiceClicked(-1);
}

}  // namespace zavkari
