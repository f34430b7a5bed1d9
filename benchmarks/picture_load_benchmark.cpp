// How the options dialog takes a huge picture of the player's own for the table top: the time to
// read and scale it, the longest gap between two frames of the table meanwhile (it is repainted
// every 10 ms), the resident memory before and after, and its peak. Two loads in a row, as a
// player trying pictures would do. Prints the figures; nothing here passes or fails.
//
//   picture_load_benchmark [--width W] [--height H]   (16384 x 5000 by default)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "options_dialog.h"
#include "options_wiring.h"
#include "process_status.h"
#include "table_window.h"

namespace {

using namespace zavkari;

// A 24-bit bitmap of `width` x `height` with a gradient, written row by row.
bool WriteHugeBitmap(const QString& path, int width, int height) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const qint64 stride = (static_cast<qint64>(width) * 3 + 3) / 4 * 4;
    QByteArray header(54, '\0');
    const auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = static_cast<char>(v >> (8 * i));
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, static_cast<quint32>(54 + stride * height));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    put32(26, 1 | 24 << 16);
    file.write(header);
    QByteArray row(stride, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(x);
            row[3 * x + 1] = static_cast<char>(y);
            row[3 * x + 2] = static_cast<char>(x + y);
        }
        if (file.write(row) != row.size()) return false;
    }
    return true;
}

double Mb(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int width = 16384;
    int height = 5000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--width") == 0) width = std::stoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--height") == 0) height = std::stoi(argv[i + 1]);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    if (!WriteHugeBitmap(path, width, height)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }

    TableWindow table;
    table.startUp({1280, 1024, 1024});
    table.show();
    OptionsDialog dialog(table.game().options, &table);
    connectOptionsDialog(dialog, table);
    dialog.setFileChooser([&](QWidget*) { return path; });
    emit table.optionsRequested();
    QWidget* cover = dialog.findChild<QWidget*>(QStringLiteral("button2"));
    QWidget* box = dialog.findChild<QWidget*>(QStringLiteral("m3"));

    // The table is repainted every 10 ms; each frame's end is noted.
    QElapsedTimer clock;
    clock.start();
    qint64 lastFrame = 0;
    qint64 longestGap = 0;
    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, [&] {
        table.canvas()->repaint();
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - lastFrame);
        lastFrame = now;
    });
    frames.start(10);
    QTest::qWait(500);
    // The same table without a picture loading, for comparison on a busy machine.
    longestGap = 0;
    QTest::qWait(3000);
    const qint64 idleGap = longestGap;

    std::printf("Picture of %d x %d (%.0f MB file), table top kept at %d x %d\n", width, height,
                static_cast<double>(QFile(path).size()) / (1024 * 1024),
                table.pictureSizeOf(QStringLiteral("MAGIDA")).width(),
                table.pictureSizeOf(QStringLiteral("MAGIDA")).height());
    const long before = ProcessStatusKb("VmRSS");
    std::printf("resident before: %.1f MB; longest frame gap in 3 s without a load: %lld ms\n",
                Mb(before), static_cast<long long>(idleGap));
    for (int load = 1; load <= 2; ++load) {
        QWidget* target = cover->isVisible() ? cover : box;
        lastFrame = clock.elapsed();
        longestGap = 0;
        const qint64 start = clock.elapsed();
        QTest::mouseClick(target, Qt::LeftButton);
        while (dialog.loading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        const qint64 took = clock.elapsed() - start;
        const qint64 gap = longestGap;
        QTest::qWait(300);
        const long after = ProcessStatusKb("VmRSS");
        std::printf(
            "load %d: %lld ms, longest frame gap %lld ms, resident after %.1f MB (%+.1f MB), "
            "peak %.1f MB\n",
            load, static_cast<long long>(took), static_cast<long long>(gap), Mb(after),
            Mb(after - before), Mb(ProcessStatusKb("VmHWM")));
    }
    return 0;
}
