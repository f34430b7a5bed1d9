// The standard error message box, shown without waiting for it: the window behind goes on.
#pragma once

#include <QString>
#include <QWidget>

namespace zavkari {

void showErrorBox(QWidget* parent, const QString& title, const QString& text);

}  // namespace zavkari
