// The table as a screen reader sees it: the cards, the labels and the score sheet that the canvas
// draws become accessible children of the canvas, each with its Georgian words and its role, so
// that Orca (over AT-SPI) reads them as it reads the window's own controls. The card the keys mark
// has the focus. What happens at the table is said through notifications: each appears once among
// the canvas's children, with its words, and a screen reader speaks it as it appears.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <deque>

#include "table_canvas.h"

namespace zavkari {

class CanvasAccessible : public QAccessibleWidget {
  public:
    explicit CanvasAccessible(TableCanvas* canvas);
    ~CanvasAccessible() override;

    // Makes Qt give every table canvas this interface; once is enough.
    static void install();
    // The keys' mark is on `card` of the hand: the screen reader's focus follows it.
    static void focusCard(TableCanvas* canvas, Element card);
    // Says `words` once, through a notification that appears under the table.
    static void announce(TableCanvas* canvas, const QString& words);
    // The last trick held up by Tab: a notification with its `words` for as long as it shows;
    // empty words take it away.
    static void showLastTrick(TableCanvas* canvas, const QString& words);
    // Tells a screen reader what changed on the table since it was last told: the words, the
    // showing and the focusability of the elements it has met; an element whose role changed (a
    // card played from the hand) becomes another object, as no event says a role changed.
    static void tell(TableCanvas* canvas);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

  private:
    static CanvasAccessible* of(TableCanvas* canvas);
    TableCanvas* canvas() const { return static_cast<TableCanvas*>(widget()); }
    // The interface of one drawn element, made when first asked for and kept for the canvas's life.
    QAccessibleInterface* itemOf(Element e) const;
    // What a screen reader was last told of an element.
    struct Told {
        QAccessible::Id id = 0;
        QString words;
        QAccessible::Role role = QAccessible::NoRole;
        QAccessible::State state;
    };
    Told newItem(Element e) const;
    // The children after the drawn elements: the last trick while it shows, then the recent
    // notifications, oldest first.
    std::vector<QAccessible::Id> notes() const;
    QAccessible::Id addNote(const QString& words);
    void removeNote(QAccessible::Id id);

    mutable QHash<int, Told> items_;      // by element number
    std::deque<QAccessible::Id> recent_;  // the last few things said, for late listeners
    QAccessible::Id lastTrick_ = 0;       // 0: not shown
};

}  // namespace zavkari
