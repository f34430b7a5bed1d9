// Renders every built-in picture, every card at the sizes the table shows, frames of the clips
// and the program's texts in their fonts into one PNG for review: contact_sheet <out.png>

#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <span>
#include <string>

#include "avi_clip.h"
#include "byte_span.h"
#include "pictures.h"
#include "program_fonts.h"

namespace zavkari {
namespace {

constexpr int sheetWidth = 2000;
constexpr int margin = 20;

QStringList cardNames() {
    QStringList names;
    for (QString suit : {"A", "G", "J", "Y"})
        for (QString rank : {"6", "7", "8", "9", "10", "V", "D", "K", "T"})
            names << (rank == "6" && (suit == "J" || suit == "Y") ? (suit == "J" ? "J1" : "J2")
                                                                  : suit + rank);
    return names;
}

// Lays pictures out in rows, left to right, under headings.
class Sheet {
  public:
    explicit Sheet(QPainter& painter) : p_(painter) {}

    void heading(const QString& text) {
        newRow();
        y_ += 10;
        p_.setPen(Qt::white);
        p_.setFont(programFont("MS Sans Serif", 22));
        p_.drawText(margin, y_ + 22, text);
        y_ += 34;
    }

    QRect place(QSize size) {
        if (x_ + size.width() > sheetWidth - margin) newRow();
        const QRect at(QPoint(x_, y_), size);
        x_ += size.width() + 12;
        rowHeight_ = qMax(rowHeight_, size.height());
        return at;
    }

    void picture(const QImage& image, QSize size, const QString& caption = {}) {
        const QRect at = place(size + QSize(0, caption.isEmpty() ? 0 : 16));
        p_.drawImage(QRect(at.topLeft(), size), image);
        if (caption.isEmpty()) return;
        p_.setPen(QColor(230, 230, 230));
        p_.setFont(programFont("MS Sans Serif", 12));
        p_.drawText(at.left(), at.top() + size.height() + 13, caption);
    }

    void text(const QString& fontName, int pixelSize, const QString& latin) {
        newRow();
        const QString shown = shownText(latin, fontName);
        p_.setPen(QColor(220, 220, 220));
        p_.setFont(programFont("MS Sans Serif", 13));
        p_.drawText(
            margin, y_ + pixelSize,
            QString("%1 (%2), %3 px:").arg(fontName, installedFamily(fontName)).arg(pixelSize));
        p_.setPen(Qt::white);
        p_.setFont(programFont(fontName, pixelSize));
        p_.drawText(margin + 420, y_ + pixelSize, shown + "     \u2190 " + latin);
        rowHeight_ = pixelSize + 10;
    }

    void newRow() {
        y_ += rowHeight_ + (rowHeight_ > 0 ? 12 : 0);
        x_ = margin;
        rowHeight_ = 0;
    }

    int height() const { return y_ + rowHeight_ + margin; }

  private:
    QPainter& p_;
    int x_ = margin;
    int y_ = margin;
    int rowHeight_ = 0;
};

AviClip clipNamed(const QString& name) {
    const QByteArray bytes = pictures::data(name);
    std::string error;
    auto clip = readAviClip(bytesOf(bytes), error);
    if (!clip) std::fprintf(stderr, "%s: %s\n", qPrintable(name), error.c_str());
    return clip.value_or(AviClip{});
}

QImage onBackground(const QImage& picture, QColor background) {
    QImage shown(picture.size(), QImage::Format_RGB32);
    shown.fill(background);
    QPainter(&shown).drawImage(0, 0, picture);
    return shown;
}

// White is the score sheet's transparent colour.
QImage withoutWhite(const QImage& sheet) {
    QImage keyed = sheet.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
    }
    return keyed;
}

QImage scaled(const QString& name, QSize size) {
    return pictures::image(name).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Roughly how a 1280 x 1024 table looks in the middle of a deal.
QImage tableScene() {
    const QSize card(89, 121);
    QImage scene(1280, 1024, QImage::Format_RGB32);
    QPainter p(&scene);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(scene.rect(), pictures::image("FONI"));
    p.drawImage(QRect(180, 219, 621, 598), pictures::image("M2"));
    p.fillRect(QRect(980, 0, 300, 870), QColor(128, 64, 0));
    p.drawImage(QRect(998, 156, 275, 553), withoutWhite(pictures::image("CXRILI")));
    const QStringList hand{"A7", "AK", "G10", "GD", "J1", "JV", "Y9", "YT", "J2"};
    for (int i = 0; i < hand.size(); ++i)
        p.drawImage(QPoint(130 + i * 50, 880), scaled(hand[i], card));
    for (int i = 0; i < 9; ++i) {
        p.drawImage(QPoint(250 + i * 35, 30), scaled("BACK", card));
        p.drawImage(QPoint(30, 170 + i * 50), scaled("BACK", card));
        p.drawImage(QPoint(860, 170 + i * 50), scaled("BACK", card));
    }
    const std::pair<QPoint, QString> trick[] = {
        {{381, 451}, "GT"}, {{445, 363}, "G8"}, {{510, 451}, "AV"}, {{445, 540}, "GK"}};
    for (const auto& [at, name] : trick)
        p.drawImage(at, scaled(name, card));
    return scene;
}

void drawEverything(Sheet& sheet, bool& complete) {
    sheet.heading("At the table, 1280 x 1024");
    sheet.picture(tableScene(), QSize(1280, 1024));

    const auto must = [&complete](const QImage& image, const QString& name) {
        if (image.isNull()) {
            std::fprintf(stderr, "missing picture %s\n", qPrintable(name));
            complete = false;
        }
        return image;
    };
    sheet.heading("Card faces, full size");
    for (const QString& name : cardNames()) {
        const QImage face = must(pictures::image(name), name);
        sheet.picture(face, face.size(), name);
    }
    for (QSize tableSize : {QSize(89, 121), QSize(79, 100)}) {
        sheet.heading(QString("Card faces and backs at table size %1 x %2")
                          .arg(tableSize.width())
                          .arg(tableSize.height()));
        for (const QString& name : cardNames())
            sheet.picture(pictures::image(name).scaled(tableSize, Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation),
                          tableSize);
        for (QString name : {"BACK", "BB2", "BB3", "BB4", "BB5"})
            sheet.picture(pictures::image(name).scaled(tableSize, Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation),
                          tableSize);
    }
    sheet.heading("Card backs BACK, BB2 ... BB5, full size and in the options dialog (57 x 81)");
    for (QString name : {"BACK", "BB2", "BB3", "BB4", "BB5"}) {
        const QImage back = must(pictures::image(name), name);
        sheet.picture(back, back.size(), name);
    }
    for (QString name : {"BACK", "BB2", "BB3", "BB4", "BB5"})
        sheet.picture(pictures::image(name), QSize(57, 81));

    sheet.heading("Table M2, table top MAGIDA (libjpeg), score sheet CXRILI (raw, on the panel)");
    for (QString name : {"M2", "MAGIDA"}) {
        const QImage table = must(pictures::image(name), name);
        sheet.picture(table, table.size(), name);
    }
    const QImage scoreSheet = must(pictures::image("CXRILI"), "CXRILI");
    sheet.picture(scoreSheet, scoreSheet.size(), "CXRILI");
    sheet.picture(onBackground(withoutWhite(scoreSheet), QColor(128, 64, 0)), QSize(275, 553),
                  "CXRILI at 275 x 553");

    sheet.heading("Background FONI (half size), about picture, rules pictures, program icon");
    const QImage baize = must(pictures::image("FONI"), "FONI");
    sheet.picture(baize, baize.size() / 2, "FONI");
    const QImage about = must(pictures::image("ABOUT"), "ABOUT");
    sheet.picture(about, about.size(), "ABOUT");
    sheet.picture(onBackground(about, QColor(68, 51, 58)), QSize(185, 249), "in the about window");
    for (QString name : {"MOUSE1", "MOUSE2"}) {
        const QImage mouse = must(pictures::image(name), name);
        sheet.picture(onBackground(mouse, QColor(69, 87, 57)), mouse.size(), name);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString name = QString("ICON%1").arg(size);
        const QImage icon = must(pictures::image(name), name);
        sheet.picture(onBackground(icon, QColor(60, 60, 70)), icon.size(), name);
    }

    sheet.heading("Splash clip DATKEBA, every fourth frame, and the last");
    const AviClip splash = clipNamed("DATKEBA");
    for (std::size_t i = 0; i < splash.frames.size(); i += 4)
        sheet.picture(pictures::toImage(splash.frames[i]), QSize(250, 170),
                      QString("frame %1").arg(i + 1));
    if (!splash.frames.empty())
        sheet.picture(pictures::toImage(splash.frames.back()), QSize(500, 339),
                      QString("frame %1 (%2 ms a frame)")
                          .arg(splash.frames.size())
                          .arg(splash.frameIntervalMs));
    sheet.heading("Bid panel clip REKLAMA, every third frame");
    const AviClip reklama = clipNamed("REKLAMA");
    for (std::size_t i = 0; i < reklama.frames.size(); i += 3)
        sheet.picture(pictures::toImage(reklama.frames[i]), QSize(273, 129));
    complete = complete && !splash.frames.empty() && !reklama.frames.empty();

    sheet.heading("Texts in their fonts");
    sheet.text("AcadNusx", 20, "dawyeba  gaTiSva   ramdens ambobT?  koziria?");
    sheet.text("AcadNusx", 20, "ar SeiZleba!!! ");
    sheet.text("AcadNusx", 20, "strogi gulis damalvisTvis, viSi wageSlebaT!");
    sheet.text("AcadNusx", 16, "bezi  aguri  guli  jvari  yvavi   viSi  waiRos  pasi");
    sheet.text("AcadNusx", 13, "pirveli motamaSe  zurala  valtiko  gorbeni  bedoni  I-----I");
    sheet.text("AcadNusx", 12, "TamaSi  opciebi  wesebi  xiStis sidide  darigebis siswrafe");
    sheet.text("Sylfaen", 15, "Program made in Georgia   ( Demo )");
    sheet.text("Sylfaen", 16, "Close ");
    sheet.text("MS Sans Serif", 11, "  Auto   Option   Rules   about   OK");
    sheet.text("Monotype Corsiva", 13, "About");
    sheet.text("Monotype Corsiva", 26, "About");
}

}  // namespace
}  // namespace zavkari

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.png>\n", argv[0]);
        return 2;
    }
    // Measure first, then draw on a sheet of the right height.
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter measuring(&probe);
    zavkari::Sheet measure(measuring);
    bool complete = true;
    zavkari::drawEverything(measure, complete);
    measuring.end();

    QImage contact(zavkari::sheetWidth, measure.height(), QImage::Format_RGB32);
    contact.fill(QColor(40, 44, 48));
    QPainter painter(&contact);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    zavkari::Sheet sheet(painter);
    zavkari::drawEverything(sheet, complete);
    painter.end();
    if (!contact.save(argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return complete ? 0 : 1;
}
