// Screenshots of the splash halfway through its clip on a patterned desktop (so that its
// see-through parts show), once through its window shape and once through its alpha channel, the
// options dialog, the rules window and the about window, as PNG files in the folder given.
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

// A desktop of blue and grey stripes, where anything see-through stands out.
QImage patternedDesktop(QSize size) {
    QImage desktop(size, QImage::Format_RGB32);
    QPainter painter(&desktop);
    QLinearGradient sky(0, 0, 0, desktop.height());
    sky.setColorAt(0, QColor(38, 76, 120));
    sky.setColorAt(1, QColor(22, 44, 70));
    painter.fillRect(desktop.rect(), sky);
    painter.setPen(QPen(QColor(150, 160, 170), 6));
    for (int x = -size.height(); x < size.width(); x += 24)
        painter.drawLine(x, 0, x + size.height(), size.height());
    return desktop;
}

QImage splashOnDesktop(zavkari::SplashWindow::SeeThrough seeThrough) {
    zavkari::SplashWindow splash(1.0, seeThrough);
    splash.start();
    if (!QTest::qWaitFor([&] { return splash.progress() >= 50; }, 10'000))
        std::fprintf(stderr, "the splash's bar did not move\n");
    constexpr int margin = 40;
    QImage desktop = patternedDesktop(splash.size() + QSize(2 * margin, 2 * margin));
    QPainter painter(&desktop);
    painter.translate(margin, margin);
    if (seeThrough == zavkari::SplashWindow::SeeThrough::Shape)
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
    using SeeThrough = zavkari::SplashWindow::SeeThrough;
    const bool saved = save(splashOnDesktop(SeeThrough::Shape), folder, "splash.png") &&
                       save(splashOnDesktop(SeeThrough::Alpha), folder, "splash-alpha.png") &&
                       save(options.grab().toImage(), folder, "options.png") &&
                       save(rules.grab().toImage(), folder, "rules.png") &&
                       save(about.grab().toImage(), folder, "about.png");
    return saved ? 0 : 1;
}
