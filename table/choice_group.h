// A captioned group of choices in columns (the bid list, the trump choice and the named-suit
// choices). It shows the items and the chosen one as the table model holds them; a click asks for
// a choice and leaves the showing to the model, so that a click the game does not take shows
// nothing.
//
// The items fill the columns top to bottom in rows of equal height below the caption, as a radio
// group spreads them over its box. Where the box is too low for the design font (the small cards'
// boxes hold up to five rows), the items take the largest font whose letters fit whole in a row.
#pragma once

#include <QRadioButton>
#include <vector>

#include "captioned_box.h"
#include "table_controls.h"
#include "table_model.h"

namespace zavkari {

class ChoiceGroup : public CaptionedBox {
    Q_OBJECT

  public:
    ChoiceGroup(const ControlSpec& control, QWidget* parent);

    void show(const RadioGroup& group);
    const std::vector<QRadioButton*>& buttons() const { return buttons_; }
    // Marks the item a player picks by keys before taking it, and puts the focus on it; -1 marks
    // none.
    void setHighlighted(int item);
    int highlighted() const { return highlighted_; }

  signals:
    // The item clicked, or -1 for a click on the box outside its items.
    void choiceClicked(int item);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Places the items in their rows and gives them the font that fits.
    void arrange();

    const ControlSpec& control_;
    std::vector<QRadioButton*> buttons_;
    std::vector<std::string> items_;
    int columns_ = 0;
    int highlighted_ = -1;
};

}  // namespace zavkari
