// The table's pictures and labels, drawn in one surface in their stacking order: the background,
// the table surface `p` and its panel, the table top, the cards and backs, the covers, the bid and
// trick labels, the messages and the score sheet. It draws what the table model says, finds the
// control under the pointer for a click, and shows the pointer each control asks for.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "game.h"
#include "sheet_panel.h"
#include "table_controls.h"

namespace zavkari {

class TableCanvas : public QWidget {
    Q_OBJECT

  public:
    TableCanvas(const Game& game, QWidget* parent);

    // Whether the control is drawn here: the pictures and labels that lie on the table itself.
    // The windowed controls, and the labels inside them, are widgets above the table.
    static bool draws(const ControlSpec& control);

    // The model changed this element: redraw where it was and where it is now.
    void elementChanged(Element e);
    // Redraws the table surface `p` (its panel follows the match and the options).
    void surfaceChanged();
    void setFramesShown(bool shown);
    bool framesShown() const { return frames_; }
    // Shows `picture` wherever the table shows the resource `name` ("BACK", "MAGIDA"): the card
    // back and the table top the player chose.
    void setPictureOverride(const QString& name, const QPixmap& picture);
    // Makes ready the pictures of what is shown now, so that the next paint need not wait for them.
    void preparePictures() const;
    // The largest width and height the table draws the resource `name` at, in this layout.
    QSize largestSizeOf(const QString& name) const;

    // The rectangle the element takes on the table as drawn (an autosized label's text width).
    QRect elementRect(Element e) const;
    // The control under a point: its entry in the controls' table, or nullptr for bare table.
    const ControlSpec* controlAt(QPoint point) const;
    // The shown elements a screen reader has words for, from the back of the table to the front.
    std::vector<Element> readableElements() const;
    const Game& game() const { return game_; }

    // Marks the card at `position` (0 the leftmost) of the human's hand for a player who picks a
    // card by keys, while the hand is not covered; -1 marks none.
    void setHandHighlight(int position);
    int handHighlight() const { return handHighlight_; }
    // The hand's card the keys have marked, if the hand shows it now; `no` otherwise.
    Element highlightedCard() const;
    // Shows the last complete trick of the deal on its spots over the table, the winner's card
    // marked and the messages about the trick in play hidden, or the table as it is. Nothing of
    // the game changes either way.
    void showLastTrick(bool shown);
    bool lastTrickShown() const { return lastTrickShown_; }

  signals:
    // A click on the table at `at`, with the left or the right button.
    void clicked(QPoint at, bool rightButton);
    // The middle button went down on the table (`held`) or came up again.
    void middleButtonHeld(bool held);

  protected:
    bool event(QEvent* event) override;  // the hints of the controls that have one
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Item {
        const ControlSpec* control;
        int creationZ;
    };
    int zOf(const Item& item) const;
    bool isShown(const Item& item) const;
    QRect rectOf(const Item& item) const;
    // Where the item draws: its box, and for a label the letters that may run past the box.
    QRect extentOf(const Item& item) const;
    QRect textRect(const ControlSpec& label, const QRect& box) const;
    const std::vector<const Item*>& itemsInOrder() const;
    void drawItem(QPainter& painter, const Item& item) const;
    void drawLabel(QPainter& painter, const ControlSpec& c, const QRect& box) const;
    // A label's font, text and size as shown, kept until the element changes: a full repaint
    // draws a few hundred labels of the score sheet.
    struct ShownLabel {
        bool valid = false;
        QFont font;
        QString text;
        QSize size;   // the text's advance and line height
        QRect inked;  // what its letters cover, from the text's top-left corner
    };
    const ShownLabel& shownLabel(const ControlSpec& label) const;
    // A score or a running total of the sheet is drawn narrower where its letters would run into
    // its column's right rule.
    void fitToColumn(Element e, ShownLabel& label) const;
    const QPixmap& picture(const ControlSpec& c, QSize size) const;
    void drawLastTrick(QPainter& painter) const;

    const Game& game_;
    std::vector<Item> items_;
    PerElement<const Item*> byElement_{};    // the element's item, if it is drawn here
    PerElement<QRect> drawnAt_;              // per element: where it was last drawn
    mutable PerElement<ShownLabel> labels_;  // per element
    mutable std::vector<const Item*> ordered_;
    mutable bool orderDirty_ = true;
    mutable QHash<QString, QPixmap> pictures_;
    QHash<QString, QPixmap> overrides_;
    bool frames_ = true;
    int handHighlight_ = -1;
    bool lastTrickShown_ = false;
};

}  // namespace zavkari
