#include <QApplication>

#include "options_dialog.h"
#include "pictures.h"
#include "table_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(zavkari::pictures::programIcon());
    zavkari::TableWindow table;
    zavkari::OptionsDialog options(table);
    table.showOnWholeScreen();
    const QSize screen = table.screen()->size();
    table.startUp({screen.width(), screen.height(), screen.height()});
    return QApplication::exec();
}
