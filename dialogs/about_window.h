// The about window `Tabout`: the program's emblem, who made it and its version.
#pragma once

#include "fixed_window.h"

namespace zavkari {

class AboutWindow : public FixedWindow {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Brings the window back to its normal state (not minimised) and shows it.
    void showNormalState();
};

}  // namespace zavkari
