// The table as a screen reader sees it: the cards, the labels and the score sheet that the canvas
// draws become accessible children of the canvas, each with its Georgian words and its role, so
// that Orca (over AT-SPI) reads them as it reads the window's own controls.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

#include "table_canvas.h"

namespace zavkari {

class CanvasAccessible : public QAccessibleWidget {
  public:
    explicit CanvasAccessible(TableCanvas* canvas);
    ~CanvasAccessible() override;

    // Makes Qt give every table canvas this interface; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

  private:
    TableCanvas* canvas() const { return static_cast<TableCanvas*>(widget()); }
    // The interface of one drawn element, made when first asked for and kept for the canvas's life.
    QAccessibleInterface* itemOf(Element e) const;

    mutable QHash<int, QAccessible::Id> items_;  // by element number
};

}  // namespace zavkari
