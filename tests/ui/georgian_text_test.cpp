#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTest>

#include "georgian_line_edit.h"
#include "georgian_text.h"
#include "program_fonts.h"

namespace zavkari {
namespace {

TEST(GeorgianText, MapsTheGamesWords) {
    EXPECT_EQ(toGeorgian(u"dawyeba"), QString("დაწყება"));
    EXPECT_EQ(toGeorgian(u"ar SeiZleba!!! "), QString("არ შეიძლება!!! "));
    EXPECT_EQ(toGeorgian(u"ramdens ambobT?"), QString("რამდენს ამბობთ?"));
    EXPECT_EQ(toGeorgian(u"zavkari"), QString("ზავკარი"));
}

TEST(GeorgianText, MapsTheWholeAlphabet) {
    EXPECT_EQ(toGeorgian(u"abgdevzTiklmnopJrstufqRySCcZwWxjh"),
              QString("აბგდევზთიკლმნოპჟრსტუფქღყშჩცძწჭხჯჰ"));
}

TEST(GeorgianText, LeavesEveryOtherCharacterAlone) {
    const QString untouched = "ABDEFGHIKLMNOPQUVXY FHKLMNOPQUVXY 0123456789 -!?.,:()I-----I ";
    EXPECT_EQ(toGeorgian(untouched), untouched);
    EXPECT_EQ(toGeorgian(u"gaTiSva "), QString("გათიშვა "));
    EXPECT_EQ(toGeorgian(u""), QString());
}

TEST(GeorgianText, MapsBackToTheLatinLetters) {
    for (QString latin :
         {"dawyeba", "ar SeiZleba!!! ", "  saxeli", "abgdevzTiklmnopJrstufqRySCcZwWxjh"})
        EXPECT_EQ(toLatin(toGeorgian(latin)), latin);
}

TEST(ProgramFonts, NamedFontsMapToInstalledFaces) {
    EXPECT_TRUE(installedFamily("AcadNusx").startsWith("BPG"));
    EXPECT_EQ(installedFamily("Monotype Corsiva"), QString("Z003"));
    EXPECT_EQ(installedFamily("MS Sans Serif"), QString("Nimbus Sans"));
    EXPECT_FALSE(installedFamily("Sylfaen").isEmpty());
    EXPECT_FALSE(installedFamily("No Such Font").isEmpty());
}

TEST(ProgramFonts, SizesArePixels) {
    const QFont font = programFont("AcadNusx", 20);
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_EQ(QFontInfo(font).family(), installedFamily("AcadNusx"));
}

TEST(ProgramFonts, OnlyAcadNusxTextsAreShownInGeorgian) {
    EXPECT_EQ(shownText("pasi", "AcadNusx"), QString("პასი"));
    EXPECT_EQ(shownText("Close ", "Sylfaen"), QString("Close "));
    EXPECT_EQ(shownText("About", "Monotype Corsiva"), QString("About"));
}

TEST(GeorgianLineEdit, ShowsGeorgianAndKeepsTheLatinName) {
    GeorgianLineEdit box;
    box.setMaxLength(7);
    QString told;
    QObject::connect(&box, &GeorgianLineEdit::latinTextChanged,
                     [&told](const QString& latin) { told = latin; });
    QTest::keyClicks(&box, "zurala");
    EXPECT_EQ(box.text(), QString("ზურალა"));
    EXPECT_EQ(box.latinText(), QString("zurala"));
    EXPECT_EQ(told, QString("zurala"));

    // Typing in the middle keeps the cursor where it was.
    box.setCursorPosition(2);
    QTest::keyClicks(&box, "S");
    EXPECT_EQ(box.latinText(), QString("zuSrala"));
    EXPECT_EQ(box.cursorPosition(), 3);
    QTest::keyClicks(&box, "x");
    EXPECT_EQ(box.latinText(), QString("zuSrala"));  // at most 7 letters
}

TEST(GeorgianLineEdit, BlanksAndOtherCharactersStayAsTyped) {
    GeorgianLineEdit box;
    box.setLatinText("  saxeli");
    EXPECT_EQ(box.text(), QString("  საxელი").replace("x", "ხ"));
    EXPECT_EQ(box.latinText(), QString("  saxeli"));
    box.clear();
    QTest::keyClicks(&box, "Bo 7!");
    EXPECT_EQ(box.latinText(), QString("Bo 7!"));
    EXPECT_EQ(box.text(), QString("Bო 7!"));
}

}  // namespace
}  // namespace zavkari
