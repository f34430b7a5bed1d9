#include "held_escape.h"

#include <QDialog>
#include <QKeyEvent>

namespace zavkari {
namespace {

// Takes the Escape presses that repeat a held key away from the dialog. The X server repeats a
// held key as a release and a press of the same moment; Qt marks such a press as repeated only
// when the two arrive together.
class HeldEscapeFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::KeyRelease)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape) return false;
        if (!press) {
            releasedAt_ = key->timestamp();
            return false;
        }
        return key->isAutoRepeat() || key->timestamp() == releasedAt_;
    }

  private:
    quint64 releasedAt_ = ~quint64{0};
};

}  // namespace

void ignoreHeldEscape(QDialog& dialog) {
    dialog.installEventFilter(new HeldEscapeFilter(&dialog));
}

}  // namespace zavkari
