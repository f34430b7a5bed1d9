// The options dialog `TOption` ("Option"): the player's settings for the table window. Automatic
// dealing, the frames, the background, the penalty size and the dealing speed act as soon as they
// are changed; the chosen card back and table picture are applied by "OK ", which the game also
// presses by itself when a match opens. It lives as long as the table and keeps its settings while
// hidden; nothing is saved between runs. It knows nothing of the table: every setting leaves it as
// a typed signal, which the program's wiring hands to the table window.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "chosen_pictures.h"
#include "options.h"
#include "picture_box.h"

class QAbstractButton;
class QCheckBox;
class QRadioButton;
class QLabel;
class QSlider;

namespace zavkari {

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Starts with the game's settings; a window of its own that stays above `parent` (the table).
    OptionsDialog(const Options& settings, QWidget* parent);

    // Shows the dialog restored and without blocking the table; the penalty size can be changed
    // only while the game allows it.
    void showOptions(bool penaltyMayChange);
    // "OK ": hands over the chosen card back and table picture, and hides the dialog. A picture
    // of the player's own that is still being read is handed over once it has been read.
    void okClick();

    // 0 while nothing has been chosen; backs 1..5 built in, 6 the player's; tables 1 none,
    // 2 built in, 3 the player's.
    int chosenBack() const { return chosenBack_; }
    int chosenTable() const { return chosenTable_; }

    // How the player's picture file is picked: the open-file dialog unless replaced (by tests).
    // An empty name means the player cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;
    void setFileChooser(FileChooser choose) { chooseFile_ = std::move(choose); }
    // The largest size, in the screen's pixels, that a picture ("BACK", "MAGIDA") is drawn at on
    // the table; the player's own picture is kept at that size. Set by the program's wiring.
    using TablePictureSize = std::function<QSize(const QString& picture)>;
    void setTablePictureSize(TablePictureSize size) { tablePictureSize_ = std::move(size); }
    // A picture the player picked is being read; no other can be picked meanwhile.
    bool loading() const { return loading_; }

  protected:
    // The arrows move the keys among the card backs, or among the table pictures.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    void autoDealChanged(bool on);       // `darigeba`
    void framesChanged(bool shown);      // `CheckBox1`
    void backgroundChanged(bool shown);  // `fon`
    void penaltyChanged(int position);   // `sss`
    void speedChanged(int position);     // `speed`
    // "mowinaaRmdegeebi": the described computer players or the strong ones, from the next match.
    void opponentsChanged(PlayerKind opponents);
    void tableTopChosen();  // `m1`, `m2` or `m3`: the background goes behind
    void picturesConfirmed(const ChosenPictures& chosen);  // "OK "

  protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the window manager's close hide the dialog as "OK " does. Qt's own close would
    // destroy its native window under a tool that is still sending it the key's release.
    void done(int result) override;

  private:
    void buildChoices(const Options& settings);
    void buildPictures();
    void buildOpponents(const Options& settings);
    void connectControls();
    // Names for a screen reader where the dialog shows a picture or a label beside the control.
    void nameControls();
    // What the keys reach for each card back, or each table picture: the picture, or the
    // "Tqveni" over the player's own until a picture has been loaded.
    std::vector<QWidget*> backsByKeys() const;
    std::vector<QWidget*> tablesByKeys() const;
    void chooseBack(int number);
    void chooseTable(int number);
    // Lets the player pick a bitmap. Once one is accepted its cover is gone; the picture is read
    // in the background, shown in `box` and chosen by `choose`, or refused with the error box.
    // `tablePicture` names what it stands for on the table, which sets the size it is kept at.
    void pickOwnPicture(QAbstractButton* cover, PictureBox* box, const QString& tablePicture,
                        const std::function<void()>& choose);
    void reportError(const QString& text);
    ChosenPictures chosenPictures() const;

    QCheckBox* autoDeal_ = nullptr;
    QCheckBox* frames_ = nullptr;
    QCheckBox* background_ = nullptr;
    QRadioButton* usualOpponents_ = nullptr;
    QRadioButton* strongOpponents_ = nullptr;
    std::array<PictureBox*, 6> backs_{};
    std::array<PictureBox*, 3> tables_{};
    QAbstractButton* ownBackCover_ = nullptr;
    QAbstractButton* ownTableCover_ = nullptr;
    QSlider* penalty_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* penaltyText_ = nullptr;
    QLabel* speedText_ = nullptr;
    QWidget* mark_ = nullptr;
    const QWidget* marked_ = nullptr;  // the picture chosen last, which `mark_` frames
    int chosenBack_ = 0;
    int chosenTable_ = 0;
    bool loading_ = false;
    bool confirmationDue_ = false;  // "OK " was pressed while a picture was being read
    FileChooser chooseFile_;
    TablePictureSize tablePictureSize_;
};

}  // namespace zavkari
