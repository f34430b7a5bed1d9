// The rules window `TRules`: how the two wild-card declarations are made with the mouse, a left
// click playing a wild card high ("viSi"), a right click playing it low ("waiRos").
#pragma once

#include "fixed_window.h"

namespace zavkari {

class RulesWindow : public FixedWindow {
    Q_OBJECT

  public:
    explicit RulesWindow(QWidget* parent = nullptr);
};

}  // namespace zavkari
