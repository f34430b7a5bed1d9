#include "table_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>
#include <QToolButton>

#include "animation_player.h"
#include "canvas_accessible.h"
#include "captioned_box.h"
#include "control_look.h"
#include "error_box.h"
#include "georgian_text.h"
#include "name_characters.h"
#include "pictures.h"
#include "read_aloud.h"

namespace zavkari {
namespace {

void setGround(QWidget* w, const std::optional<Rgb>& ground) {
    if (!ground) return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, toQColor(*ground));
    palette.setColor(QPalette::Base, toQColor(*ground));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

// The box of a label that shows its text whole, as the table shows its own labels: a line of the
// stand-in font can be taller than the design's box (the trump's name, bold italic, is), and then
// the label grows about its middle, which keeps the text where it was. Two pixels above and below
// the line hold the strokes of bold italic letters that reach past the font's ascent and descent.
QRect wholeLineBox(QRect box, const QFont& font) {
    const int needed = QFontMetrics(font).height() + 4;
    if (box.height() >= needed) return box;
    const int grow = needed - box.height();
    return box.adjusted(0, -grow / 2, 0, grow - grow / 2);
}

// The design colour of an enabled control's text; a disabled one keeps the desktop's grey, so
// that a button shows whether it can be pressed.
void setTextColour(QWidget* w, const QColor& colour) {
    QPalette palette = w->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    w->setPalette(palette);
}

}  // namespace

char TableWindow::decimalPointOf(const QLocale& locale) {
    // The game writes the separator as one character of its Latin texts: a locale whose mark is
    // anything else (an Arabic one) keeps the point.
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80 && point[0].isPunct())
        return point[0].toLatin1();
    return '.';
}

TableWindow::TableWindow(double timeScale, QWidget* parent)
    : QWidget(parent),
      turns_(timeScale),
      random_(0, &ClockSeededRandom::TimeOfDayMs),
      game_(*this, random_),
      narration_(game_, [this](const std::string& words) { announce(words); }),
      timers_(turns_, [this](TimerId id) { game_.Tick(id); }) {
    setWindowTitle(QStringLiteral("Zavkari "));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(pictures::programIcon());
    setFont(controlFont({FontFace::MsSansSerif, 11}));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(colour::kBaize));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(1270, 958);
    // The running totals are written in the player's decimals, as the desktop writes numbers.
    game_.options.decimalPoint = decimalPointOf(QLocale());
    game_.SetObserver(&narration_);
    buildControls();
    connectControls();
    addShortcuts();
}

TableWindow::~TableWindow() {
    timers_.stopAll();
}

void TableWindow::buildControls() {
    canvas_ = new TableCanvas(game_, this);
    canvas_->setGeometry(rect());
    const std::vector<ControlSpec>& controls = TableControls();
    // The widget made for each control, by its position, for the controls that lie in it.
    std::vector<QWidget*> made(controls.size(), nullptr);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlSpec& c = controls[i];
        if (TableCanvas::draws(c)) continue;
        QWidget* w = makeWidget(c, c.parent ? made[*c.parent] : this);
        w->setGeometry(c.design.left, c.design.top, c.design.width, c.design.height);
        w->setVisible(c.visible);
        w->setObjectName(QString::fromStdString(c.name));
        made[i] = w;
        if (c.element != kWindowOnly) {
            widgets_[c.element] = w;
        } else {
            windowControls_[c.windowControl] = w;
        }
    }
    fitNameEntry();
    // The two controls that show no words of their own have names for a screen reader.
    nameBox_->setAccessibleName(toGeorgian(QString::fromUtf8(kNameBoxName)));
    control(WindowControl::Button2)
        ->setAccessibleName(toGeorgian(QString::fromUtf8(kMemoFileButtonName)));
}

void TableWindow::fitNameEntry() {
    // The typed name keeps a little room from the box's left edge and stays clear of "ok", which
    // lies inside the box's right end.
    QWidget* ok = widgetOf(Element::BitBtn1);
    const int underOk = nameBox_->geometry().right() - ok->geometry().left() + 1;
    nameBox_->setTextMargins(3, 0, std::max(0, underOk), 0);
    // "ok" in a size its Georgian letters have room in, with their descenders.
    ok->setFont(controlFont({FontFace::AcadNusx, 10}));
}

QWidget* TableWindow::makeWidget(const ControlSpec& c, QWidget* parent) {
    const QString caption = controlText(c, c.caption);
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::RadioGroup: {
            auto* group = new ChoiceGroup(c, parent);
            groups_[el::GroupIndex(c.element)] = group;
            group->show(game_.Table().Group(c.element));
            w = group;
            break;
        }
        case ControlKind::Button:
            w = new QPushButton(caption, parent);
            break;
        case ControlKind::FlatButton: {
            auto* button = new QToolButton(parent);
            button->setText(caption);
            button->setAutoRaise(true);
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            w = button;
            break;
        }
        case ControlKind::Memo: {
            memo_ = new DebugMemo(caption, parent);
            w = memo_;
            break;
        }
        case ControlKind::List:
            strengths_ = new QListWidget(parent);
            w = strengths_;
            break;
        case ControlKind::GroupBox:
            w = new CaptionedBox(caption, parent);
            break;
        case ControlKind::EditBox:
            // No length limit here: the game cuts the name to seven letters, and a limit would cut
            // the preset "  saxeli" too.
            nameBox_ = new GeorgianLineEdit(parent);
            nameBox_->setLatinText(QString::fromUtf8(c.caption));
            w = nameBox_;
            break;
        case ControlKind::Animation: {
            auto* clip = new AnimationPlayer(parent);
            clip->open(QStringLiteral("REKLAMA"));
            w = clip;
            break;
        }
        case ControlKind::ToolBar:
        case ControlKind::Panel:
            w = new QFrame(parent);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            w = label;
            break;
        }
        case ControlKind::Picture:
        case ControlKind::PaintBox:
            w = new QWidget(parent);
            break;
    }
    w->setFont(controlFont(c.font));
    setTextColour(w, toQColor(c.text));
    setGround(w, c.ground);
    w->setEnabled(c.enabled);
    w->setFocusPolicy(c.kind == ControlKind::EditBox || c.kind == ControlKind::Memo ? Qt::ClickFocus
                                                                                    : Qt::NoFocus);
    return w;
}

void TableWindow::connectControls() {
    connect(canvas_, &TableCanvas::clicked, this, &TableWindow::canvasClicked);
    connect(&turns_, &GameTurns::stepEnded, this, &TableWindow::stepReturned);
    connect(canvas_, &TableCanvas::middleButtonHeld, this, &TableWindow::holdLastTrick);
    for (Element e : el::kChoiceGroups) {
        connect(groups_[el::GroupIndex(e)], &ChoiceGroup::choiceClicked, this, [this, e](int item) {
            turns_.run([this, e, item] {
                if (e == Element::tkma) game_.tkmaClick(item);
                if (item < 0) return;
                if (e == Element::koz) game_.kozClick(item);
                if (e == Element::vishi) game_.vishiClick(item);
                if (e == Element::nije) game_.nijeClick(item);
            });
        });
    }
    const auto button = [](QWidget* w) { return qobject_cast<QAbstractButton*>(w); };
    const auto clicked = &QAbstractButton::clicked;
    connect(button(widgetOf(Element::OK)), clicked, this,
            [this] { turns_.run([this] { game_.OKClick(); }); });
    connect(button(widgetOf(Element::BitBtn1)), clicked, this,
            [this] { turns_.run([this] { game_.BitBtn1Click(); }); });
    connect(button(widgetOf(Element::bbb)), clicked, this, [this] {
        hideMenu();
        keptInputs_.clear();  // made on the table being left
        turns_.whenIdle([this] { startOrRestartMatch(); });
    });
    connect(button(control(WindowControl::SpeedButton4)), clicked, this, [this] {
        hideMenu();
        closeWhenIdle();
    });
    connect(button(control(WindowControl::SpeedButton1)), clicked, this, [this] {
        QWidget* menu = control(WindowControl::Qmenu);
        menu->setVisible(!menu->isVisible());
        menu->raise();
    });
    connect(button(control(WindowControl::Options)), clicked, this,
            [this] { openWindow(&TableWindow::optionsRequested); });
    connect(button(control(WindowControl::Rule)), clicked, this,
            [this] { openWindow(&TableWindow::rulesRequested); });
    connect(button(control(WindowControl::Ab)), clicked, this,
            [this] { openWindow(&TableWindow::aboutRequested); });
    for (WindowControl c : {WindowControl::Options, WindowControl::Rule, WindowControl::Ab})
        control(c)->installEventFilter(this);
    connect(button(control(WindowControl::Button1)), clicked, memo_, &QPlainTextEdit::clear);
    connect(button(control(WindowControl::Button2)), clicked, this, &TableWindow::writeMemoFile);
    connect(button(control(WindowControl::rCeva)), clicked, this, &TableWindow::showHint);
    // The hint's button leaves the keys with the table, which H reaches as well.
    control(WindowControl::rCeva)->setFocusPolicy(Qt::NoFocus);
    nameBox_->installEventFilter(this);
    connect(nameBox_, &GeorgianLineEdit::latinTextChanged, this, &TableWindow::nameEdited);
}

void TableWindow::showOnWholeScreen() {
    // Full screen rather than maximised: a maximised window leaves the desktop's panels uncovered,
    // and on Wayland the compositor alone places windows. The geometry is for an X server without a
    // window manager, where nobody acts on the request.
    setGeometry(screen()->geometry());
    showFullScreen();
}

void TableWindow::startUp(TableSize size) {
    resize(size.width, size.height);
    canvas_->setGeometry(0, 0, size.width, size.height);
    control(WindowControl::menu)->setGeometry(0, 0, size.width, kMenuBarHeight);
    turns_.run([this, size] { game_.StartUp(size); });
    const Box hint = HintButtonBox(size.height, game_.Table()[Element::tkma].height,
                                   CardHeight(size.screenHeight));
    control(WindowControl::rCeva)->setGeometry(hint.left, hint.top, hint.width, hint.height);
}

void TableWindow::setAutoDeal(bool on) {
    turns_.change([this, on] { game_.options.autoDeal = on; });
}

void TableWindow::setPenaltySlider(int position) {
    turns_.change([this, position] { game_.options.penaltySlider = position; });
}

void TableWindow::setDealSpeed(int position) {
    turns_.change([this, position] { game_.options.speed = position; });
}

void TableWindow::setOpponents(PlayerKind opponents) {
    turns_.change([this, opponents] { game_.options.opponents = opponents; });
}

void TableWindow::setFramesShown(bool shown) {
    canvas_->setFramesShown(shown);
}

void TableWindow::setBackgroundShown(bool shown) {
    turns_.change([this, shown] { game_.ShowBackground(shown); });
}

void TableWindow::putBackgroundBehind() {
    turns_.change([this] { game_.PutBackgroundBehind(); });
}

void TableWindow::showChosenPictures(const ChosenPictures& chosen) {
    if (!chosen.back.isNull()) canvas_->setPictureOverride(QStringLiteral("BACK"), chosen.back);
    if (chosen.tableTop == ChosenPictures::TableTop::Picture)
        canvas_->setPictureOverride(QStringLiteral("MAGIDA"), chosen.tableTopPicture);
    if (chosen.tableTop == ChosenPictures::TableTop::Unchanged) return;
    const bool shown = chosen.tableTop == ChosenPictures::TableTop::Picture;
    turns_.change([this, shown] { game_.ShowTableTop(shown); });
}

QSize TableWindow::pictureSizeOf(const QString& name) const {
    return (QSizeF(canvas_->largestSizeOf(name)) * devicePixelRatioF()).toSize();
}

void TableWindow::startOrRestartMatch() {
    // "Tavidan" abandons the match under way in the core; the timers it stops stop here too.
    game_.bbbClick();
    showNameFromModel();
    // The preset name stands selected with the caret in the box: typing replaces it, also when
    // the match was opened from another window.
    RaiseWindow();
    nameBox_->setFocus(Qt::OtherFocusReason);
    nameBox_->selectAll();
}

void TableWindow::hideMenu() {
    control(WindowControl::Qmenu)->hide();
}

void TableWindow::canvasClicked(QPoint at, bool rightButton) {
    // Aimed at the table as it is when the click is carried out: a hand covered meanwhile takes
    // nothing.
    const auto click = [this, at, rightButton] {
        tableClicked(canvas_->controlAt(at), rightButton);
    };
    if (turns_.busy()) {
        // As input waits in the desktop's queue while a step pauses, only the last click stays.
        keep(click, true);
        return;
    }
    click();
}

void TableWindow::keep(std::function<void()> input, bool replacesKept) {
    if (replacesKept) keptInputs_.clear();
    keptInputs_.push_back({moment(), std::move(input)});
}

TableWindow::HumanMoment TableWindow::moment() const {
    return {game_.HumanAsked(), game_.CurrentRow(), game_.CurrentTrick()};
}

void TableWindow::stepReturned() {
    carryOutKeptInput();
    if (turns_.busy()) return;
    thinkAhead();
    showWhatIsAsked();
    CanvasAccessible::tell(canvas_);
}

void TableWindow::carryOutKeptInput() {
    // An input carried out runs steps of its own, whose return comes here again: the loop below
    // goes on with the rest.
    if (carryingOut_) return;
    carryingOut_ = true;
    while (!keptInputs_.empty() && !turns_.busy()) {
        const KeptInput kept = std::move(keptInputs_.front());
        keptInputs_.erase(keptInputs_.begin());
        // Made for another moment (the bid was taken meanwhile, another trick began): dropped.
        if (kept.moment == moment()) kept.input();
    }
    carryingOut_ = false;
}

void TableWindow::announce(const std::string& words) {
    if (words.empty() || turns_.cuttingShort()) return;
    CanvasAccessible::announce(canvas_, toGeorgian(QString::fromStdString(words)));
}

void TableWindow::openWindow(void (TableWindow::*request)()) {
    holdLastTrick(false);
    emit(this->*request)();
}

void TableWindow::tableClicked(const ControlSpec* control, bool rightButton) {
    if (control == nullptr || control->element == Element::fon ||
        control->element == Element::noclick || control->kind == ControlKind::PaintBox) {
        if (!rightButton) hideMenu();
        return;
    }
    const Element e = control->element;
    if (const ElementPlace face = Decode(e); face.family == ElementFamily::Face) {
        // A right click only means something on a wild card.
        if (rightButton && !IsWildCard(face.first, face.second)) return;
        turns_.run([this, e, rightButton] { game_.CardClick(e, rightButton); });
    } else if (e == Element::b && !rightButton) {
        turns_.run([this] { game_.bClick(); });
    }
}

void TableWindow::mousePressEvent(QMouseEvent* event) {
    hideMenu();
    QWidget::mousePressEvent(event);
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nameBox_ && event->type() == QEvent::MouseButtonPress) {
        turns_.run([this] { game_.saxeliClick(); });
        showNameFromModel();
    } else if (watched == nameBox_ && event->type() == QEvent::KeyPress &&
               (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter)) {
        // Enter in the box confirms the name as its "ok" does, and goes no further: the table
        // would take it for the next step.
        turns_.run([this] { game_.BitBtn1Click(); });
        return true;
    } else if (event->type() == QEvent::Enter && watched != nameBox_) {
        hideMenu();  // hovering "opciebi", "wesebi" or "About"
    }
    return QWidget::eventFilter(watched, event);
}

void TableWindow::nameEdited(const QString& latin) {
    if (showingName_) return;
    // Control characters and direction controls, typed or pasted, are dropped: the box then shows
    // the name without them.
    QString name;
    for (const char32_t c : latin.toUcs4())
        if (IsNameCharacter(c)) name += QString::fromUcs4(&c, 1);
    turns_.run([this, &name] { game_.saxeliChange(name.toStdString()); });
    showNameFromModel();
}

void TableWindow::showNameFromModel() {
    const QString latin = QString::fromUtf8(game_.Table().Caption(Element::saxeli));
    if (nameBox_->latinText() == latin) return;
    showingName_ = true;
    const int cursor = nameBox_->cursorPosition();
    nameBox_->setLatinText(latin);
    nameBox_->setCursorPosition(std::min(cursor, static_cast<int>(latin.size())));
    showingName_ = false;
}

void TableWindow::closeWhenIdle() {
    keptInputs_.clear();
    // Queued behind the step, so that the close itself finds no step running.
    turns_.whenIdle(
        [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
}

void TableWindow::closeEvent(QCloseEvent* event) {
    if (turns_.busy()) {
        // Not inside a step of the game: close once it has returned.
        event->ignore();
        closeWhenIdle();
        return;
    }
    timers_.stopAll();
    event->accept();
    emit closed();
}

// --- What the table model reports ---

void TableWindow::requireStep(const char* report) const {
#ifdef ZAVKARI_SEAM_CHECK
    if (!turns_.busy())
        qFatal("%s outside a step of the game: the table changes only inside a step", report);
#else
    Q_UNUSED(report);
#endif
}

void TableWindow::ElementChanged(Element e) {
    requireStep("ElementChanged");
    holdLastTrick(false);
    if (widgets_[e] == nullptr) {
        canvas_->elementChanged(e);
        if (e == Element::b || e == Element::tkma) canvas_->surfaceChanged();
        return;
    }
    showElement(e);
}

void TableWindow::showElement(Element e) {
    QWidget* w = widgets_[e];
    const ElementState& s = game_.Table()[e];
    const ControlSpec& c = *ControlOf(e);
    w->setGeometry(s.left, s.top, s.width, s.height);
    w->setEnabled(s.enabled);
    const QString caption = controlText(c, s.caption);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(caption);
        label->setFont(controlFont(c.font, s.fontSize));
        label->setGeometry(wholeLineBox(w->geometry(), label->font()));
        setTextColour(label, textColour(c, s.colour));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(caption);
    } else if (w == nameBox_) {
        showNameFromModel();
    }
    const bool visible = game_.Table().Visible(e);
    if (auto* clip = qobject_cast<AnimationPlayer*>(w)) {
        if (visible && !clip->isPlaying()) clip->play(AnimationPlayer::Repeat::Forever);
        if (!visible) clip->stop();
    }
    const bool hadKeys = w->hasFocus();
    w->setVisible(visible);
    // The name box closing hands the keys back to the table.
    if (hadKeys && !visible) setFocus(Qt::OtherFocusReason);
    if (e == Element::tkma) canvas_->surfaceChanged();  // the panel ends above the bid list
}

void TableWindow::GroupChanged(Element e) {
    requireStep("GroupChanged");
    holdLastTrick(false);
    groups_[el::GroupIndex(e)]->show(game_.Table().Group(e));
}

void TableWindow::TimerChanged(TimerId id, bool enabled) {
    requireStep("TimerChanged");
    timers_.setEnabled(id, enabled);
}

void TableWindow::Repaint() {
    canvas_->surfaceChanged();
}

void TableWindow::RaiseWindow() {
    raise();
    activateWindow();
}

void TableWindow::Pause(int ms) {
    // A step that a restart or a close has cut short must not flash its frames.
    if (turns_.cuttingShort()) return;
    thinkAhead();
    repaint();
    turns_.pause(ms);
}

void TableWindow::MemoAppendToLastLine(std::string_view text) {
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(text));
}

void TableWindow::MemoAddLine(std::string_view text) {
    memo_->appendPlainText(QString::fromUtf8(text));
}

void TableWindow::RecordHumanStrength(int strength) {
    strengths_->addItem(QString::number(strength));
}

QString TableWindow::memoFilePath() {
    // Qt falls back to the root folder without HOME; the memo is not written there.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    return QDir(home).filePath(QStringLiteral("zavkari.txt"));
}

void TableWindow::writeMemoFile() {
    const QString path = memoFilePath();
    if (path.isEmpty()) {
        reportError(QStringLiteral("zavkari.txt: there is no home folder (HOME is not set)"));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        reportError(file.fileName() + QStringLiteral(": ") + file.errorString());
        return;
    }
    // The memo shows its Latin text in Georgian letters; the file keeps the Latin.
    const QString text = toLatin(memo_->toPlainText());
    QByteArray lines;
    if (!text.isEmpty()) {
        for (const QString& line : text.split(QLatin1Char('\n')))
            lines += line.toUtf8() + '\n';
    }
    if (file.write(lines) != lines.size() || !file.flush()) {
        reportError(file.fileName() + QStringLiteral(": ") + file.errorString());
    }
}

void TableWindow::toggleDebugControls() {
    const bool shown = !memo_->isVisible();
    if (!shown && memo_->hasFocus()) setFocus(Qt::OtherFocusReason);
    for (WindowControl c : {WindowControl::me, WindowControl::Button1, WindowControl::Button2})
        control(c)->setVisible(shown);
}

void TableWindow::reportError(const QString& text) {
    showErrorBox(this, QStringLiteral("Zavkari"), text);
}

}  // namespace zavkari
