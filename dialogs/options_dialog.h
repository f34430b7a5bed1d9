// The options dialog `TOption` ("Option"): the player's settings for the table window. Automatic
// dealing, the frames, the background, the penalty size and the dealing speed act as soon as they
// are changed; the chosen card back and table picture are applied by "OK ", which the game also
// presses by itself when a match opens. It lives as long as the table and keeps its settings while
// hidden; nothing is saved between runs.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "picture_box.h"
#include "table_window.h"

class QAbstractButton;
class QLabel;
class QSlider;

namespace zavkari {

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Shown by the table's "opciebi"; its confirm action is the table's when a match opens.
    explicit OptionsDialog(TableWindow& table);
    ~OptionsDialog() override;

    // Shows the dialog restored and without blocking the table. The penalty size may only be
    // changed before the first deal of a match is over.
    void showOptions();
    // "OK ": gives the table the chosen card back and table picture, and hides the dialog.
    void okClick();

    // 0 while nothing has been chosen; backs 1..5 built in, 6 the player's; tables 1 none,
    // 2 built in, 3 the player's.
    int chosenBack() const { return chosenBack_; }
    int chosenTable() const { return chosenTable_; }

    // How the player's picture file is picked: the open-file dialog unless replaced (by tests).
    // An empty name means the player cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;
    void setFileChooser(FileChooser choose) { chooseFile_ = std::move(choose); }
    // A picture the player picked is being read; no other can be picked meanwhile.
    bool loading() const { return loading_; }

  private:
    void buildChoices();
    void buildPictures();
    void connectControls();
    void chooseBack(int number);
    void chooseTable(int number);
    // Lets the player pick a bitmap. Once one is accepted its cover is gone; the picture is read
    // in the background, shown in `box` and chosen by `choose`, or refused with the error box.
    // `tablePicture` names what it stands for on the table, which sets the size it is kept at.
    void pickOwnPicture(QAbstractButton* cover, PictureBox* box, const QString& tablePicture,
                        const std::function<void()>& choose);
    void reportError(const QString& text);

    TableWindow& table_;
    std::array<PictureBox*, 6> backs_{};
    std::array<PictureBox*, 3> tables_{};
    QAbstractButton* ownBackCover_ = nullptr;
    QAbstractButton* ownTableCover_ = nullptr;
    QSlider* penalty_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* penaltyText_ = nullptr;
    QLabel* speedText_ = nullptr;
    QWidget* marks_ = nullptr;
    int chosenBack_ = 0;
    int chosenTable_ = 0;
    bool loading_ = false;
    FileChooser chooseFile_;
};

}  // namespace zavkari
