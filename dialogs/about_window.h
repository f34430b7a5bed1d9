// The about window `Tabout`: the program's emblem, who made it and its version.
#pragma once

#include "fixed_window.h"

namespace zavkari {

class AboutWindow : public FixedWindow {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace zavkari
