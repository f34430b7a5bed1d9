#include "error_box.h"

#include <QMessageBox>

namespace zavkari {

void showErrorBox(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("errorBox"));
    box->open();
}

}  // namespace zavkari
