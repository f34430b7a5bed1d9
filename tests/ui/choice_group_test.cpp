// The table's choices: a click anywhere in an item's row asks for that item, and what is shown as
// chosen is what the game chose.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "choice_group.h"

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

}  // namespace
}  // namespace zavkari::testing
