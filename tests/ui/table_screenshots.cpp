// Pictures of the table window at the usual screen sizes and at the moments a player looks at most:
// the name entry, the bidding, the trump asked of the player in a nine-card deal, a wild card led
// with its named-suit choice, a renege message, the end of a match, and its sheet with a penalty
// mark in every score cell. Written as PNG files into the folder given on the command line.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "table_clicker.h"
#include "test_game.h"

namespace {

using zavkari::CardId;
using zavkari::Game;
using zavkari::TableWindow;
using zavkari::testing::TableClicker;
namespace el = zavkari::el;

class Photographer {
  public:
    Photographer(TableWindow& window, const QDir& folder, int width, int height)
        : window_(window),
          folder_(folder),
          prefix_(QStringLiteral("%1x%2-").arg(width).arg(height)) {}

    bool save(const QString& name) {
        const QString path = folder_.filePath(prefix_ + name + QStringLiteral(".png"));
        if (!window_.grab().save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

  private:
    TableWindow& window_;
    QDir folder_;
    QString prefix_;
};

// The first card of the hand that meets `wanted`, or an empty card.
template <typename Wanted>
CardId HeldCard(const Game& game, Wanted wanted) {
    for (int slot = 1; slot <= game.State().dealSize; ++slot) {
        const CardId c = game.State().humanHand[slot];
        if (!c.empty() && wanted(c)) return c;
    }
    return {};
}

bool Shoot(const QDir& folder, int width, int height) {
    TableWindow window(0.002);
    window.startUp({width, height, height});
    window.show();
    TableClicker player(window, 11);
    Photographer camera(window, folder, width, height);
    const Game& game = window.game();
    const zavkari::TableModel& table = game.Table();
    bool ok = true;

    player.clickWidget(window.control(zavkari::WindowControl::SpeedButton1));
    player.clickWidget(window.widgetOf(zavkari::Element::bbb));
    ok &= camera.save(QStringLiteral("1-name"));
    player.openMatch(QStringLiteral("gio"));

    bool bidding = false, trump = false, wildLead = false, renege = false, reneged = false;
    bool keys = false;
    // The renege message is on show only during its pause.
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (renege || !table.Visible(zavkari::Element::strog)) return;
        renege = true;
        ok &= camera.save(QStringLiteral("5-renege"));
    });
    watch.start();

    for (int matches = 1; matches <= 4; ++matches) {
        while (!player.matchFinished()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (window.turns().busy()) continue;
            const zavkari::Asked asked = game.HumanAsked();
            if (!bidding && asked == zavkari::Asked::Bid && game.State().dealSize >= 4) {
                // A bid chosen, "OK" not yet pressed.
                auto* bids =
                    static_cast<zavkari::ChoiceGroup*>(window.widgetOf(zavkari::Element::tkma));
                player.clickWidget(bids->buttons()[1]);
                bidding = true;
                ok &= camera.save(QStringLiteral("2-bidding"));
            }
            if (!trump && asked == zavkari::Asked::Trump) {
                trump = true;
                ok &= camera.save(QStringLiteral("3-trump-choice"));
            }
            const bool toPlay = asked == zavkari::Asked::Card;
            const CardId wild =
                HeldCard(game, [](CardId c) { return zavkari::IsWildCard(c.suit, c.rank); });
            const CardId breach = HeldCard(game, [&](CardId c) { return game.WouldRenege(c); });
            if (toPlay && !keys && !game.HumanLeads() && game.LastTrick() != nullptr) {
                // The keys' highlight on the hand's third card, then the last trick held by Tab.
                for (int i = 0; i < 3; ++i)
                    QTest::keyClick(&window, Qt::Key_Right);
                ok &= camera.save(QStringLiteral("7-keyboard-highlight"));
                QTest::keyPress(&window, Qt::Key_Tab);
                ok &= camera.save(QStringLiteral("8-last-trick"));
                QTest::keyRelease(&window, Qt::Key_Tab);
                keys = true;
            }
            if (toPlay && game.HumanLeads() && !wildLead && !wild.empty()) {
                player.clickTable(player.centreOf(el::CardImage(wild)));
                wildLead = true;
                ok &= camera.save(QStringLiteral("4-wild-card-lead"));
            } else if (toPlay && !game.HumanLeads() && !reneged && !breach.empty()) {
                player.clickTable(player.centreOf(el::CardImage(breach)));
                reneged = true;
            } else {
                player.act();
            }
        }
        if (matches == 1) {
            ok &= camera.save(QStringLiteral("6-match-end"));
            // The sheet's narrowest texts in every column: a penalty mark in every score cell.
            window.turns().run([&] {
                zavkari::TableModel& cells = zavkari::TestGame::TableOf(const_cast<Game&>(game));
                for (int column = 1; column <= 4; ++column)
                    for (int row = 1; row <= el::kRows; ++row)
                        cells.SetCaption(el::ScoreCell(column, row),
                                         std::string(zavkari::kPenaltyMark));
            });
            ok &= camera.save(QStringLiteral("9-sheet-penalty-marks"));
        }
        if (bidding && trump && wildLead && renege && keys) break;
        player.openMatch(QStringLiteral("gio"));
    }
    if (!(bidding && trump && wildLead && renege && keys)) {
        std::fprintf(stderr, "%dx%d: not every moment came up\n", width, height);
        return false;
    }
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
    for (const QSize size : {QSize(1024, 768), QSize(1280, 800), QSize(1280, 1024)})
        ok &= Shoot(folder, size.width(), size.height());
    return ok ? 0 : 1;
}
