#include "options_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <QToolTip>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "error_box.h"
#include "georgian_text.h"
#include "held_escape.h"
#include "own_picture.h"
#include "pictures.h"
#include "program_fonts.h"
#include "title_bar.h"

namespace zavkari {
namespace {

const QString kGeorgian = QStringLiteral("AcadNusx");
const QColor kValueColour(128, 64, 64);

// The frame that marks the picture chosen last, a card back or a table picture, drawn over the
// dialog's controls: a grey pen three pixels wide along the picture's four edges. A picture
// chosen after it takes the frame away.
class SelectionMark : public QWidget {
  public:
    SelectionMark(std::function<QRect()> marked, QWidget* parent)
        : QWidget(parent), marked_(std::move(marked)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QRect r = marked_();
        if (r.isNull()) return;
        QPainter painter(this);
        painter.setPen(QPen(QColor(128, 128, 128), 3));
        const int l = r.x(), t = r.y(), w = r.width(), h = r.height();
        painter.drawLine(l, t, l, t + h);
        painter.drawLine(l, t, l + w, t);
        painter.drawLine(l + w, t, l + w, t + h);
        painter.drawLine(l, t + h, l + w, t + h);
    }

  private:
    std::function<QRect()> marked_;
};

template <typename W>
W* place(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A text in the Georgian font, `pixels` high.
QLabel* georgianLabel(const QString& text, QWidget* parent, int pixels = 13) {
    auto* label = new QLabel(shownText(text, kGeorgian), parent);
    label->setFont(programFont(kGeorgian, pixels));
    return label;
}

// A static text: it sizes itself to its text, from its corner at `at`.
QLabel* staticText(QLabel* label, const char* name, QPoint at) {
    place(label, name, {});
    label->adjustSize();
    label->move(at);
    return label;
}

void setStaticText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

// A heading over a bevel's edge: it covers the edge behind its text.
QLabel* heading(const QString& text, QWidget* parent, const char* name, QPoint at) {
    QLabel* label = georgianLabel(text, parent);
    label->setAutoFillBackground(true);
    return staticText(label, name, at);
}

// A slider's value: "-200", "800".
QLabel* valueText(const QString& text, QWidget* parent, const char* name, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setFont(programFont(QStringLiteral("Sylfaen"), 13));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kValueColour);
    label->setPalette(palette);
    return staticText(label, name, at);
}

QFrame* bevel(QWidget* parent, const char* name, QRect geometry) {
    QFrame* frame = place(new QFrame(parent), name, geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

// "Tqveni": a flat button over the box of the player's own picture until one has been loaded.
QToolButton* ownPictureCover(QWidget* parent, const char* name, QRect geometry) {
    QToolButton* button = place(new QToolButton(parent), name, geometry);
    button->setText(shownText(QStringLiteral("Tqveni"), kGeorgian));
    button->setFont(programFont(kGeorgian, 13));
    button->setAutoRaise(true);
    return button;
}

QCheckBox* tickedBox(const QString& text, QWidget* parent, const char* name, QRect geometry) {
    QCheckBox* box = place(new QCheckBox(text, parent), name, geometry);
    box->setChecked(true);
    return box;
}

QString chooseBitmap(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Please select picture"), QString(),
                                        QStringLiteral("Bitmaps (*.bmp)"));
}

}  // namespace

OptionsDialog::OptionsDialog(const Options& settings, QWidget* parent)
    // A window of its own that stays above the table, which goes on while it is open.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      chooseFile_(&chooseBitmap) {
    setObjectName(QStringLiteral("TOption"));
    setWindowTitle(QStringLiteral("Option"));
    // Below the described controls, the choice of opponents makes the dialog taller.
    setFixedSize(426, 452);
    setFont(programFont(QStringLiteral("MS Sans Serif"), 11));
    buildChoices(settings);
    buildPictures();
    buildOpponents(settings);
    auto* ok = place(new QPushButton(QStringLiteral("OK "), this), "ok", {8, 368, 409, 22});
    QFont italic = ok->font();
    italic.setItalic(true);
    ok->setFont(italic);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::okClick);
    mark_ = new SelectionMark([this] { return marked_ ? marked_->geometry() : QRect(); }, this);
    mark_->setGeometry(rect());
    connectControls();
    ignoreHeldEscape(*this);
    nameControls();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void OptionsDialog::buildChoices(const Options& settings) {
    place(new QGroupBox(this), "GroupBox1", {8, 10, 193, 79});
    autoDeal_ = tickedBox(QStringLiteral("  Auto"), this, "darigeba", {16, 20, 97, 17});
    autoDeal_->setChecked(settings.autoDeal);
    staticText(georgianLabel(QStringLiteral("darigeba"), this), "StaticText1", {67, 20});
    frames_ = tickedBox(shownText(QStringLiteral("CarCoebi"), kGeorgian), this, "CheckBox1",
                        {16, 42, 97, 17});
    background_ =
        tickedBox(shownText(QStringLiteral("foni"), kGeorgian), this, "fon", {16, 65, 97, 17});
    for (QCheckBox* box : {frames_, background_})
        box->setFont(programFont(kGeorgian, 13));

    auto* penaltyBox = place(new QGroupBox(this), "GroupBox2", {8, 88, 193, 65});
    staticText(georgianLabel(QStringLiteral("xiStis sidide"), this), "StaticText2", {19, 99});
    penalty_ = place(new QSlider(Qt::Horizontal, penaltyBox), "sss", {8, 32, 177, 25});
    penalty_->setRange(4, 49);
    penalty_->setValue(settings.penaltySlider);
    penalty_->setTickPosition(QSlider::TicksBelow);
    penalty_->setTickInterval(1);
    penaltyText_ = valueText(QString::number(settings.PenaltyValue()), this, "xxx", {155, 96});

    auto* speedBox = place(new QGroupBox(this), "GroupBox3", {8, 152, 193, 57});
    staticText(georgianLabel(QStringLiteral("darigebis siswrafe"), speedBox), "StaticText3",
               {11, 14});
    speed_ = place(new QSlider(Qt::Horizontal, speedBox), "speed", {8, 32, 177, 17});
    speed_->setRange(0, 999);
    speed_->setValue(settings.speed);
    speedText_ = valueText(QString::number(speed_->value() + 1), speedBox, "mm", {155, 12});
}

void OptionsDialog::buildPictures() {
    bevel(this, "Bevel1", {208, 16, 209, 193});
    heading(QStringLiteral("kartis ukana mxare"), this, "Label2", {216, 10});
    const struct {
        const char* name;
        const char* picture;
        QRect at;
    } backs[] = {{"bb1", "BACK", {216, 32, 57, 81}}, {"bb2", "BB2", {280, 32, 57, 81}},
                 {"bb3", "BB3", {344, 32, 57, 81}},  {"bb4", "BB4", {216, 120, 57, 81}},
                 {"bb5", "BB5", {280, 120, 57, 81}}, {"bb6", "", {344, 120, 57, 81}}};
    for (std::size_t i = 0; i < backs_.size(); ++i) {
        backs_[i] = place(new PictureBox(QString::fromLatin1(backs[i].picture), this),
                          backs[i].name, backs[i].at);
    }
    ownBackCover_ = ownPictureCover(this, "button", backs_[5]->geometry());
    // The player's own picture takes the keys once it has been loaded; until then its cover does.
    backs_[5]->setFocusPolicy(Qt::NoFocus);

    bevel(this, "Bevel2", {8, 224, 409, 137});
    heading(QStringLiteral("magida "), this, "Label3", {16, 218});
    tables_[0] = place(new PictureBox(QString(), this), "m1", {16, 240, 113, 113});
    QLabel* nothing = georgianLabel(QStringLiteral("araferi"), this, 19);
    place(nothing, "Label4", {});
    nothing->adjustSize();
    nothing->move(32, 328);
    nothing->setAttribute(Qt::WA_TransparentForMouseEvents);
    tables_[1] = place(new PictureBox(QStringLiteral("M2"), this), "m2", {152, 240, 113, 113});
    tables_[2] = place(new PictureBox(QString(), this), "m3", {288, 240, 113, 113});
    ownTableCover_ = ownPictureCover(this, "button2", tables_[2]->geometry());
    tables_[2]->setFocusPolicy(Qt::NoFocus);
    for (QWidget* w : backsByKeys())
        w->installEventFilter(this);
    for (QWidget* w : tablesByKeys())
        w->installEventFilter(this);
    backs_[5]->installEventFilter(this);
    tables_[2]->installEventFilter(this);
}

void OptionsDialog::nameControls() {
    const auto name = [](QWidget* w, const char* latin) {
        w->setAccessibleName(toGeorgian(QString::fromLatin1(latin)));
    };
    name(autoDeal_, "Auto darigeba");
    name(penalty_, "xiStis sidide");
    name(speed_, "darigebis siswrafe");
    for (std::size_t i = 0; i < 5; ++i) {
        backs_[i]->setAccessibleName(toGeorgian(QStringLiteral("kartis ukana mxare ")) +
                                     QString::number(i + 1));
    }
    name(backs_[5], "Tqveni kartis ukana mxare");
    name(ownBackCover_, "Tqveni kartis ukana mxare");
    name(tables_[0], "magida: araferi");
    name(tables_[1], "magida");
    name(tables_[2], "Tqveni magida");
    name(ownTableCover_, "Tqveni magida");
}

std::vector<QWidget*> OptionsDialog::backsByKeys() const {
    std::vector<QWidget*> keys(backs_.begin(), backs_.end());
    if (ownBackCover_->isVisibleTo(this)) keys.back() = ownBackCover_;
    return keys;
}

std::vector<QWidget*> OptionsDialog::tablesByKeys() const {
    std::vector<QWidget*> keys(tables_.begin(), tables_.end());
    if (ownTableCover_->isVisibleTo(this)) keys.back() = ownTableCover_;
    return keys;
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Left || key == Qt::Key_Up      ? -1
                     : key == Qt::Key_Right || key == Qt::Key_Down ? 1
                                                                   : 0;
    if (step == 0) return QDialog::eventFilter(watched, event);
    for (const std::vector<QWidget*>& row : {backsByKeys(), tablesByKeys()}) {
        const auto at = std::find(row.begin(), row.end(), watched);
        if (at == row.end()) continue;
        const auto size = static_cast<std::ptrdiff_t>(row.size());
        const auto to = ((at - row.begin()) + step + size) % size;
        row[static_cast<std::size_t>(to)]->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::buildOpponents(const Options& settings) {
    bevel(this, "Bevel3", {8, 404, 409, 40});
    heading(QStringLiteral("mowinaaRmdegeebi"), this, "Label5", {16, 398});
    const QFont georgian = programFont(kGeorgian, 13);
    const auto choice = [&](const char* text, const char* name, QRect at) {
        QRadioButton* button = place(
            new QRadioButton(shownText(QString::fromLatin1(text), kGeorgian), this), name, at);
        button->setFont(georgian);
        return button;
    };
    usualOpponents_ = choice("Cveulebrivi", "usual", {24, 418, 170, 20});
    strongOpponents_ = choice("Zlieri", "strong", {224, 418, 170, 20});
    (settings.opponents == PlayerKind::Strong ? strongOpponents_ : usualOpponents_)
        ->setChecked(true);
}

void OptionsDialog::connectControls() {
    connect(autoDeal_, &QCheckBox::toggled, this, &OptionsDialog::autoDealChanged);
    connect(frames_, &QCheckBox::toggled, this, &OptionsDialog::framesChanged);
    connect(background_, &QCheckBox::toggled, this, &OptionsDialog::backgroundChanged);
    connect(penalty_, &QSlider::valueChanged, this, [this](int position) {
        setStaticText(penaltyText_, QString::number(PenaltyOfSlider(position)));
        emit penaltyChanged(position);
    });
    connect(strongOpponents_, &QRadioButton::toggled, this, [this](bool strong) {
        emit opponentsChanged(strong ? PlayerKind::Strong : PlayerKind::Rules);
    });
    connect(speed_, &QSlider::valueChanged, this, [this](int position) {
        setStaticText(speedText_, QString::number(position + 1));
        emit speedChanged(position);
    });
    for (int i = 0; i < 5; ++i)
        connect(backs_[i], &PictureBox::clicked, this, [this, i] { chooseBack(i + 1); });
    const auto pickOwnBack = [this] {
        pickOwnPicture(ownBackCover_, backs_[5], QStringLiteral("BACK"), [this] { chooseBack(6); });
    };
    connect(ownBackCover_, &QAbstractButton::clicked, this, pickOwnBack);
    connect(backs_[5], &PictureBox::clicked, this, pickOwnBack);
    for (int i = 0; i < 2; ++i)
        connect(tables_[i], &PictureBox::clicked, this, [this, i] { chooseTable(i + 1); });
    const auto pickOwnTable = [this] {
        pickOwnPicture(ownTableCover_, tables_[2], QStringLiteral("MAGIDA"),
                       [this] { chooseTable(3); });
    };
    connect(ownTableCover_, &QAbstractButton::clicked, this, pickOwnTable);
    connect(tables_[2], &PictureBox::clicked, this, pickOwnTable);
}

void OptionsDialog::showOptions(bool penaltyMayChange) {
    penalty_->setEnabled(penaltyMayChange);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void OptionsDialog::showEvent(QShowEvent* event) {
    askForTitleBarOnly(*this);
    QDialog::showEvent(event);
}

void OptionsDialog::done(int result) {
    setResult(result);
    hide();
}

void OptionsDialog::chooseBack(int number) {
    chosenBack_ = number;
    marked_ = backs_[number - 1];
    mark_->update();
    for (PictureBox* back : backs_)
        back->setChosen(back == marked_);
}

void OptionsDialog::chooseTable(int number) {
    chosenTable_ = number;
    marked_ = tables_[number - 1];
    mark_->update();
    for (PictureBox* table : tables_)
        table->setChosen(table == marked_);
    emit tableTopChosen();
}

void OptionsDialog::pickOwnPicture(QAbstractButton* cover, PictureBox* box,
                                   const QString& tablePicture,
                                   const std::function<void()>& choose) {
    if (loading_) {
        // One picture at a time: the player hears why the click does nothing else.
        QToolTip::showText(box->mapToGlobal(box->rect().center()),
                           shownText(QStringLiteral("suraTi itvirTeba..."), kGeorgian), box);
        return;
    }
    const QString path = chooseFile_(this);
    if (path.isEmpty()) return;
    // The picture itself takes the keys from now on.
    const bool coverHadKeys = cover->hasFocus();
    box->setFocusPolicy(Qt::StrongFocus);
    cover->hide();
    if (coverHadKeys) box->setFocus(Qt::OtherFocusReason);
    // Kept at the largest size it is drawn at, on the table or here, in the screens' pixels.
    const QSize here = (QSizeF(box->size()) * devicePixelRatioF()).toSize();
    const QSize largest =
        tablePictureSize_ ? tablePictureSize_(tablePicture).expandedTo(here) : here;
    loading_ = true;
    setCursor(Qt::BusyCursor);
    auto* watcher = new QFutureWatcher<OwnPicture>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [=, this] {
        const OwnPicture picture = watcher->result();
        watcher->deleteLater();
        loading_ = false;
        unsetCursor();
        if (picture.image.isNull()) {
            reportError(QFileInfo(path).fileName() + QStringLiteral(": ") + picture.error);
        } else {
            box->setPicture(QPixmap::fromImage(picture.image));
            choose();
        }
        if (confirmationDue_) {
            confirmationDue_ = false;
            emit picturesConfirmed(chosenPictures());
        }
    });
    // The table goes on meanwhile: a huge picture takes a second or so to read and scale.
    watcher->setFuture(QtConcurrent::run(&loadOwnPicture, path, largest));
}

void OptionsDialog::okClick() {
    // A picture still being read is applied once it has been read.
    if (loading_) {
        confirmationDue_ = true;
    } else {
        emit picturesConfirmed(chosenPictures());
    }
    hide();
}

ChosenPictures OptionsDialog::chosenPictures() const {
    ChosenPictures chosen;
    if (chosenBack_ > 0) chosen.back = backs_[chosenBack_ - 1]->picture();
    if (chosenTable_ == 1) chosen.tableTop = ChosenPictures::TableTop::None;
    if (chosenTable_ >= 2) {
        chosen.tableTop = ChosenPictures::TableTop::Picture;
        chosen.tableTopPicture = tables_[chosenTable_ - 1]->picture();
    }
    return chosen;
}

void OptionsDialog::reportError(const QString& text) {
    showErrorBox(this, QStringLiteral("Option"), text);
}

}  // namespace zavkari
