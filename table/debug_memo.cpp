#include "debug_memo.h"

#include <QMimeData>

namespace zavkari {

DebugMemo::DebugMemo(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

bool DebugMemo::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void DebugMemo::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) return;
    QString text = source->text();
    if (text.size() <= kLargestPaste) return QPlainTextEdit::insertFromMimeData(source);
    // Cut between two characters, never inside one written in two UTF-16 units.
    text.truncate(text.at(kLargestPaste - 1).isHighSurrogate() ? kLargestPaste - 1 : kLargestPaste);
    QMimeData cut;
    cut.setText(text);
    QPlainTextEdit::insertFromMimeData(&cut);
}

}  // namespace zavkari
