// The debug memo `me`: the computer players' decision logs, which the player may also edit. It
// takes a paste, a drop or a middle click only when it brings text: Qt 6.4's text control crashes
// on clipboard data without any format, which is what X hands over when no program holds the
// clipboard or the selection. A paste larger than the memo can sensibly hold is cut to
// `kLargestPaste` characters, so that the table never waits long on it.
#pragma once

#include <QPlainTextEdit>

namespace zavkari {

class DebugMemo : public QPlainTextEdit {
    Q_OBJECT

  public:
    DebugMemo(const QString& text, QWidget* parent);

    // 64 K characters: some thousand lines of the players' logs.
    static constexpr qsizetype kLargestPaste = 64 * 1024;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace zavkari
