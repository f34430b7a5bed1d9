#include "georgian_line_edit.h"

#include "georgian_text.h"

namespace zavkari {

GeorgianLineEdit::GeorgianLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &GeorgianLineEdit::showAsGeorgian);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& shown) {
        // Typing a letter changes the text twice, Latin then Georgian: tell it once.
        const QString latin = toLatin(shown);
        if (latin == lastLatin_) return;
        lastLatin_ = latin;
        emit latinTextChanged(latin);
    });
}

QString GeorgianLineEdit::latinText() const {
    return toLatin(text());
}

void GeorgianLineEdit::setLatinText(const QString& latin) {
    setText(toGeorgian(latin));
}

// The mapping keeps one letter for one, so the cursor stays where the player left it.
void GeorgianLineEdit::showAsGeorgian() {
    const int cursor = cursorPosition();
    setText(toGeorgian(text()));
    setCursorPosition(cursor);
}

}  // namespace zavkari
