#include "choice_group.h"

#include <QGridLayout>
#include <QMouseEvent>

#include "control_look.h"

namespace zavkari {
namespace {

// A choice that takes a click anywhere in its row, not only on its circle and text.
class ChoiceButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

ChoiceGroup::ChoiceGroup(const ControlSpec& control, QWidget* parent)
    : QGroupBox(ShownText(control, control.caption), parent), control_(control) {
    setFont(ControlFont(control.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, ToQColor(control.text));
    palette.setColor(QPalette::ButtonText, ToQColor(control.text));
    if (control.ground) palette.setColor(QPalette::Window, ToQColor(*control.ground));
    setPalette(palette);
    setAutoFillBackground(control.ground.has_value());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
}

void ChoiceGroup::show(const RadioGroup& group) {
    if (group.items != items_ || group.columns != columns_) {
        for (QRadioButton* b : buttons_)
            delete b;
        buttons_.clear();
        items_ = group.items;
        columns_ = std::max(1, group.columns);
        auto* grid = static_cast<QGridLayout*>(layout());
        // Items fill the columns top to bottom, as a radio group lays them out.
        const int count = static_cast<int>(items_.size());
        const int rows = (count + columns_ - 1) / columns_;
        for (int i = 0; i < count; ++i) {
            auto* b =
                new ChoiceButton(ShownText(control_, items_[static_cast<std::size_t>(i)]), this);
            b->setAutoExclusive(false);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QRadioButton::clicked, this, [this, i] {
                // The model decides what is chosen: undo the button's own toggle first.
                buttons_[static_cast<std::size_t>(i)]->setChecked(
                    !buttons_[static_cast<std::size_t>(i)]->isChecked());
                emit choiceClicked(i);
            });
            grid->addWidget(b, i % rows, i / rows);
            buttons_.push_back(b);
        }
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(static_cast<int>(i) == group.selected);
}

void ChoiceGroup::mousePressEvent(QMouseEvent* event) {
    QGroupBox::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit choiceClicked(-1);
}

}  // namespace zavkari
