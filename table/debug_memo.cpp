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
    if (canInsertFromMimeData(source)) QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace zavkari
