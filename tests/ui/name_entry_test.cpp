// The name box and its "ok" button as the player uses them: a click empties the box, a name of
// blanks is refused, the box holds seven letters and no control characters, and Georgian letters
// are kept in their Latin spelling, which decides whether a computer player is renamed "bedoni".
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "table_clicker.h"

namespace zavkari::testing {
namespace {

class NameEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.startUp({1280, 1024, 1024});
        window.show();
        player.clickWidget(window.control(WindowControl::SpeedButton1));
        player.clickWidget(window.widgetOf(Element::bbb));
    }

    GeorgianLineEdit& box() const {
        return *static_cast<GeorgianLineEdit*>(window.widgetOf(Element::saxeli));
    }
    QWidget& ok() const { return *window.widgetOf(Element::BitBtn1); }

    // A click into the box, then the text typed, letter by letter (also letters outside ASCII,
    // as a Georgian keyboard layout gives them).
    void type(const QString& text) {
        player.clickWidget(&box());
        for (QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, &box(),
                                static_cast<Qt::Key>(letter.toUpper().unicode()), QString(letter),
                                Qt::NoModifier);
    }

    TableWindow window{0.002};
    TableClicker player{window, 5};
};

TEST_F(NameEntryTest, ClickEmptiesTheBoxAndBlankNamesAreRefused) {
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(box().latinText(), QStringLiteral("  saxeli"));
    EXPECT_FALSE(ok().isEnabled());
    player.clickWidget(&box());
    EXPECT_TRUE(box().text().isEmpty());
    EXPECT_FALSE(ok().isEnabled());
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_TRUE(box().isVisible());

    type(QStringLiteral("       "));
    EXPECT_FALSE(ok().isEnabled());
    QTest::keyClick(&box(), Qt::Key_Return);
    player.clickWidget(&ok());
    EXPECT_TRUE(box().isVisible());

    type(QStringLiteral("g"));
    EXPECT_TRUE(ok().isEnabled());
    // Every click empties the box again, also after typing.
    player.clickWidget(&box());
    EXPECT_TRUE(box().text().isEmpty());
    EXPECT_FALSE(ok().isEnabled());
}

TEST_F(NameEntryTest, PresetNameStandsSelectedSoTypingReplacesIt) {
    EXPECT_EQ(window.focusWidget(), &box());  // the caret in the box
    EXPECT_EQ(box().selectedText(), box().text());
    const QImage disabled = ok().grab().toImage();
    QTest::keyClicks(&box(), QStringLiteral("ab"));
    EXPECT_EQ(box().latinText(), QStringLiteral("ab"));
    ASSERT_TRUE(ok().isEnabled());
    EXPECT_NE(ok().grab().toImage(), disabled);  // "ok" shows that it can be pressed now
}

TEST_F(NameEntryTest, NameIsCutToSevenLetters) {
    type(QStringLiteral("abcdefghij"));
    EXPECT_EQ(box().latinText(), QStringLiteral("abcdefg"));
    EXPECT_EQ(window.game().Table().Caption(Element::saxeli), "abcdefg");
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_FALSE(box().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.game().State().sheetActive; }, 10'000));
    EXPECT_EQ(window.game().HumanName(), "abcdefg");
}

// A pasted name with a right-to-left override, an isolate, a control character and an escape:
// the box keeps the letters only, as the match runner takes only such names.
TEST_F(NameEntryTest, ControlAndDirectionCharactersAreDropped) {
    player.clickWidget(&box());
    box().insert(QString::fromUtf8("\u202Eg\u2066i\x01o\x1b"));
    EXPECT_EQ(box().latinText(), QStringLiteral("gio"));
    EXPECT_EQ(window.game().Table().Caption(Element::saxeli), "gio");
    EXPECT_TRUE(ok().isEnabled());
}

TEST_F(NameEntryTest, GeorgianLettersAreKeptInLatinSoSeatOneBecomesBedoni) {
    type(QStringLiteral("ზურალა"));
    EXPECT_EQ(box().latinText(), QStringLiteral("zurala"));
    EXPECT_EQ(box().text(), QStringLiteral("ზურალა"));
    ASSERT_TRUE(ok().isEnabled());
    player.clickWidget(&ok());
    const Game& game = window.game();
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.Table().Visible(el::Name(1)); }, 20'000));
    const char* const names[] = {"", "bedoni", "valtiko", "gorbeni", "zurala"};
    for (int seat = 1; seat <= 4; ++seat) {
        const Element label = el::Name(game.State().sheetColumn[seat]);
        EXPECT_TRUE(game.Table().Visible(label));
        EXPECT_EQ(game.Table().Caption(label), names[seat]) << "seat " << seat;
    }
}

}  // namespace
}  // namespace zavkari::testing
