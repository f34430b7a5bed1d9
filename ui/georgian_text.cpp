#include "georgian_text.h"

#include <array>
#include <utility>

namespace zavkari {
namespace {

constexpr std::array<std::pair<char16_t, char16_t>, 33> alphabet{{
    {u'a', u'ა'}, {u'b', u'ბ'}, {u'g', u'გ'}, {u'd', u'დ'}, {u'e', u'ე'}, {u'v', u'ვ'},
    {u'z', u'ზ'}, {u'T', u'თ'}, {u'i', u'ი'}, {u'k', u'კ'}, {u'l', u'ლ'}, {u'm', u'მ'},
    {u'n', u'ნ'}, {u'o', u'ო'}, {u'p', u'პ'}, {u'J', u'ჟ'}, {u'r', u'რ'}, {u's', u'ს'},
    {u't', u'ტ'}, {u'u', u'უ'}, {u'f', u'ფ'}, {u'q', u'ქ'}, {u'R', u'ღ'}, {u'y', u'ყ'},
    {u'S', u'შ'}, {u'C', u'ჩ'}, {u'c', u'ც'}, {u'Z', u'ძ'}, {u'w', u'წ'}, {u'W', u'ჭ'},
    {u'x', u'ხ'}, {u'j', u'ჯ'}, {u'h', u'ჰ'},
}};

template <typename From, typename To>
QString mapLetters(QStringView text, From from, To to) {
    QString mapped(text.size(), QChar());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t letter = text[i].unicode();
        mapped[i] = QChar(letter);
        for (const auto& pair : alphabet) {
            if (from(pair) == letter) {
                mapped[i] = QChar(to(pair));
                break;
            }
        }
    }
    return mapped;
}

}  // namespace

QString toGeorgian(QStringView latin) {
    return mapLetters(
        latin, [](const auto& pair) { return pair.first; },
        [](const auto& pair) { return pair.second; });
}

QString toLatin(QStringView georgian) {
    return mapLetters(
        georgian, [](const auto& pair) { return pair.second; },
        [](const auto& pair) { return pair.first; });
}

}  // namespace zavkari
