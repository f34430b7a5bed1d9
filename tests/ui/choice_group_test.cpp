// The table's choices: a click anywhere in an item's row asks for that item, what is shown as
// chosen is what the game chose, and every item is whole, apart and clickable in the box.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>

#include "choice_group.h"
#include "table_layout.h"

namespace zavkari::testing {
namespace {

TEST(ChoiceGroup, AClickAnywhereInARowAsksForItsItem) {
    QWidget table;
    table.resize(400, 300);
    ChoiceGroup bids(*ControlOf(Element::tkma), &table);
    bids.setGeometry(10, 10, 217, 121);
    bids.show(RadioGroup{{"pasi", "1"}, 2, 0});
    table.show();
    QSignalSpy asked(&bids, &ChoiceGroup::choiceClicked);
    for (QRadioButton* item : bids.buttons()) {
        for (QPoint at : {item->rect().center(), QPoint(item->width() - 2, item->height() / 2)})
            QTest::mouseClick(item, Qt::LeftButton, {}, at);
    }
    ASSERT_EQ(asked.count(), 4);
    EXPECT_EQ(asked.at(0).at(0).toInt(), 0);
    EXPECT_EQ(asked.at(3).at(0).toInt(), 1);
    // The click itself chooses nothing: the first item stays the chosen one until the game says.
    EXPECT_TRUE(bids.buttons()[0]->isChecked());
    EXPECT_FALSE(bids.buttons()[1]->isChecked());
}

// What an item's letters cover, in the group: the radio button draws its text with the line
// centred in its contents.
QRect TextInk(const QRadioButton& item) {
    QStyleOptionButton option;
    option.initFrom(&item);
    option.text = item.text();
    const QRect contents =
        item.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &item);
    const QFontMetrics metrics(item.font());
    const int baseline =
        contents.top() + (contents.height() - metrics.height()) / 2 + metrics.ascent();
    return metrics.tightBoundingRect(item.text())
        .translated(contents.left(), baseline)
        .translated(item.pos());
}

TEST(ChoiceGroup, EveryItemIsWholeApartAndClickableAtBothCardSizes) {
    const std::vector<std::string> bids = {"pasi", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    const std::vector<std::pair<Element, RadioGroup>> groups = {
        {Element::koz, {{"bezi", "aguri", "guli", "jvari", "yvavi"}, 1, -1}},
        {Element::vishi, {{"aguri", "guli", "jvari", "yvavi"}, 1, -1}},
        {Element::nije, {{"agurma", "gulma", "jvarma", "yvavma"}, 1, -1}},
        {Element::tkma, {bids, 2, -1}},                               // deals 21 to 24
        {Element::tkma, {{bids.begin(), bids.begin() + 9}, 3, -1}}};  // eight cards
    for (const int screenHeight : {768, 1024}) {
        for (const auto& [element, items] : groups) {
            SCOPED_TRACE(ElementName(element) + " at screen height " +
                         std::to_string(screenHeight));
            QWidget table;
            ChoiceGroup group(*ControlOf(element), &table);
            group.setGeometry(0, 0, ControlOf(element)->design.width, CardHeight(screenHeight));
            group.show(items);
            table.show();
            const QRect inside(2, group.captionHeight(), group.width() - 4,
                               group.height() - group.captionHeight() - 2);
            std::vector<QRect> inks;
            for (const QRadioButton* item : group.buttons()) {
                const QRect ink = TextInk(*item);
                EXPECT_TRUE(inside.contains(ink) && item->geometry().contains(ink));  // whole
                EXPECT_GE(item->font().pixelSize(), 12);                              // readable
                EXPECT_EQ(group.childAt(ink.center()), item);                         // clickable
                for (const QRect& other : inks)
                    EXPECT_FALSE(ink.intersects(other));
                inks.push_back(ink);
            }
        }
    }
}

}  // namespace
}  // namespace zavkari::testing
