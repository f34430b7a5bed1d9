// The debug memo `me`: the computer players' decision logs, which the player may also edit. It
// takes a paste, a drop or a middle click only when it brings text: Qt 6.4's text control crashes
// on clipboard data without any format, which is what X hands over when no program holds the
// clipboard or the selection.
#pragma once

#include <QPlainTextEdit>

namespace zavkari {

class DebugMemo : public QPlainTextEdit {
    Q_OBJECT

  public:
    DebugMemo(const QString& text, QWidget* parent);

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace zavkari
