// A captioned group of choices in columns (the bid list, the trump choice and the named-suit
// choices). It shows the items and the chosen one as the table model holds them; a click asks for
// a choice and leaves the showing to the model, so that a click the game does not take shows
// nothing.
#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <vector>

#include "table_controls.h"
#include "table_model.h"

namespace zavkari {

class ChoiceGroup : public QGroupBox {
    Q_OBJECT

  public:
    ChoiceGroup(const ControlSpec& control, QWidget* parent);

    void show(const RadioGroup& group);
    const std::vector<QRadioButton*>& buttons() const { return buttons_; }

  signals:
    // The item clicked, or -1 for a click on the box outside its items.
    void choiceClicked(int item);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const ControlSpec& control_;
    std::vector<QRadioButton*> buttons_;
    std::vector<std::string> items_;
    int columns_ = 0;
};

}  // namespace zavkari
