// Pictures of the table window at the usual screen sizes and at the moments a player looks at most:
// the name entry, the bidding, a trick with a declaration and the end of a match. Written as PNG
// files into the folder given on the command line.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "table_clicker.h"

namespace {

using zavkari::Element;
using zavkari::TableWindow;
using zavkari::testing::TableClicker;
namespace el = zavkari::el;

bool Save(TableWindow& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool Shoot(const QDir& folder, int width, int height) {
    TableWindow window(0.002);
    window.startUp({width, height, height});
    window.show();
    TableClicker player(window, 11);
    const QString size = QStringLiteral("%1x%2-").arg(width).arg(height);
    const zavkari::TableModel& table = window.game().Table();
    bool ok = true;

    player.clickWidget(window.control(QStringLiteral("SpeedButton1")));
    player.clickWidget(window.widgetOf(Element::bbb));
    ok &= Save(window, folder, size + QStringLiteral("1-name"));
    player.openMatch(QStringLiteral("gio"));

    // The human's turn to bid in a deal of a few cards.
    player.playUntil(
        [&] {
            return table.Visible(Element::tkma) && !table.Visible(Element::m_u) &&
                   window.game().State().dealSize >= 4 && !window.turns().busy();
        },
        60'000);
    ok &= Save(window, folder, size + QStringLiteral("2-bidding"));

    // A computer has led a wild card with a declaration and waits for the human's card.
    player.playUntil(
        [&] {
            return (table.Visible(Element::KVishi) || table.Visible(Element::KNije)) &&
                   window.game().HumanAsked() == zavkari::Asked::Card && !window.turns().busy();
        },
        120'000);
    ok &= Save(window, folder, size + QStringLiteral("3-declaration"));

    player.playUntil([&] { return player.matchFinished(); }, 240'000);
    ok &= Save(window, folder, size + QStringLiteral("4-match-end"));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: table-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) return 1;
    bool ok = true;
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)})
        ok &= Shoot(folder, size.width(), size.height());
    return ok ? 0 : 1;
}
