// Screenshots of the splash halfway through its clip (on a plain desktop, so that its see-through
// parts show), the options dialog, the rules window and the about window, as PNG files in the
// folder given.
#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTest>
#include <cstdio>

#include "about_window.h"
#include "options_dialog.h"
#include "rules_window.h"
#include "splash_window.h"

namespace {

bool save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (image.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QImage splashOnDesktop() {
    zavkari::SplashWindow splash;
    splash.start();
    if (!QTest::qWaitFor([&] { return splash.progress() >= 50; }, 10'000))
        std::fprintf(stderr, "the splash's bar did not move\n");
    constexpr int margin = 40;
    QImage desktop(splash.size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    QPainter painter(&desktop);
    QLinearGradient sky(0, 0, 0, desktop.height());
    sky.setColorAt(0, QColor(38, 76, 120));
    sky.setColorAt(1, QColor(22, 44, 70));
    painter.fillRect(desktop.rect(), sky);
    painter.translate(margin, margin);
    painter.setClipRegion(splash.mask());
    painter.drawPixmap(0, 0, splash.grab());
    return desktop;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;

    zavkari::RulesWindow rules;
    zavkari::AboutWindow about;
    zavkari::OptionsDialog options(zavkari::Options{}, nullptr);
    rules.show();
    about.show();
    options.showOptions(true);
    QTest::qWait(50);
    const bool saved = save(splashOnDesktop(), folder, "splash.png") &&
                       save(options.grab().toImage(), folder, "options.png") &&
                       save(rules.grab().toImage(), folder, "rules.png") &&
                       save(about.grab().toImage(), folder, "about.png");
    return saved ? 0 : 1;
}
