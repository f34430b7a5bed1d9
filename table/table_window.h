// The table window `Tform1`: the green table where the player plays a match against the three
// computer players. It owns the game for the whole run, builds its controls by walking the table
// of controls, shows what the table model reports, and hands the player's clicks and the timers'
// ticks to the game, one step at a time.
#pragma once

#include <QThreadPool>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "choice_group.h"
#include "chosen_pictures.h"
#include "debug_memo.h"
#include "game.h"
#include "game_timers.h"
#include "game_turns.h"
#include "georgian_line_edit.h"
#include "narration.h"
#include "table_canvas.h"
#include "table_layout.h"

class QListWidget;
class QLocale;

namespace zavkari {

class MenuKeys;

class TableWindow : public QWidget, public TableView {
    Q_OBJECT

  public:
    // `timeScale` below 1 shortens every pause and timer interval, so that tests play fast.
    explicit TableWindow(double timeScale = 1.0, QWidget* parent = nullptr);
    ~TableWindow() override;

    // Covers the whole screen without a border, on X11 (with or without a window manager) and on
    // Wayland.
    void showOnWholeScreen();
    // The start-up's initialisation: lays out the table for the window and the screen and puts
    // the game into its idle state.
    void startUp(TableSize size);

    const Game& game() const { return game_; }
    const GameTurns& turns() const { return turns_; }
    GameTurns& turns() { return turns_; }
    const GameTimers& timers() const { return timers_; }
    TableCanvas* canvas() const { return canvas_; }
    // The widget of a windowed element (the choices, the buttons, the name box ...), or nullptr.
    QWidget* widgetOf(Element e) const { return widgets_[e]; }
    // A control that only the window has (the menu, the debug memo ...).
    QWidget* control(WindowControl c) const { return windowControls_[c]; }
    // --- The player's settings, from the options dialog; each acts inside a step of the game ---
    void setAutoDeal(bool on);
    void setPenaltySlider(int position);
    void setDealSpeed(int position);
    // Who plays the computer seats from the next match on.
    void setOpponents(PlayerKind opponents);
    void setFramesShown(bool shown);
    void setBackgroundShown(bool shown);
    // A table picture was chosen: the background goes behind everything, so that the table top
    // can lie above it.
    void putBackgroundBehind();
    // The dialog's confirm action: the chosen card back and table top.
    void showChosenPictures(const ChosenPictures& chosen);
    // The largest size, in the screen's pixels, that the table draws the picture `name` ("BACK",
    // "MAGIDA") at: the size the player's own picture is worth keeping at.
    QSize pictureSizeOf(const QString& name) const;

    // The file the memo is written to: "zavkari.txt" in the player's home folder; empty when
    // there is no home folder.
    static QString memoFilePath();
    // The decimal separator the running totals take in `locale`: its own, or "." where the
    // locale's is not a single ASCII mark.
    static char decimalPointOf(const QLocale& locale);

    // --- What the table model reports ---
    void ElementChanged(Element e) override;
    void GroupChanged(Element e) override;
    void TimerChanged(TimerId id, bool enabled) override;
    void Repaint() override;
    void RaiseWindow() override;
    void Pause(int ms) override;
    void Think(const std::function<void()>& search) override { turns_.thinkAside(search); }
    bool KeepsMemo() const override { return true; }
    bool OffersHints() const override { return true; }
    void MemoAppendToLastLine(std::string_view text) override;
    void MemoAddLine(std::string_view text) override;
    void RecordHumanStrength(int strength) override;
    void ApplyOptions() override { emit optionsConfirmDue(); }

  signals:
    void optionsRequested();
    void rulesRequested();
    void aboutRequested();
    void closed();
    // A match opens: the options dialog confirms its choices as its "OK " does.
    void optionsConfirmDue();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The keys (table_keys.cpp): every step of a match by keyboard, and Tab held for the last
    // trick.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QWidget* makeWidget(const ControlSpec& c, QWidget* parent);
    void fitNameEntry();
    void connectControls();
    void showElement(Element e);
    void canvasClicked(QPoint at, bool rightButton);
    // A step has returned: the input kept meanwhile is carried out, then the table shows what the
    // human is asked.
    void stepReturned();
    void carryOutKeptInput();
    // Keeps input made while a step runs, for when it has returned; a click replaces all kept
    // before it, a key joins them.
    void keep(std::function<void()> input, bool replacesKept);
    // Says `words` (the game's Latin letters) to a screen reader, unless the step runs out unseen.
    void announce(const std::string& words);
    void tableClicked(const ControlSpec* control, bool rightButton);
    void nameEdited(const QString& latin);
    void showNameFromModel();
    void startOrRestartMatch();
    void hideMenu();
    void closeWhenIdle();
    void writeMemoFile();
    // F12: puts the debug memo and its two buttons away for the run, or brings them back. The memo
    // goes on taking the players' logs meanwhile.
    void toggleDebugControls();
    // --- The keys (table_keys.cpp) ---
    void addShortcuts();
    // The name box, the debug memo or the menu has the keys: what is typed there stays theirs.
    bool keysAreTyped() const;
    // What a key does at the table, now or once the step it was typed in has returned.
    void actOnKey(int key, const QString& text, Qt::KeyboardModifiers modifiers);
    // Moves a highlight (the hand's, or the open choice's); false for a key that moves none.
    bool moveHighlight(int key);
    // Enter or Space: takes what the highlight marks, confirms the bid, or deals.
    void confirmByKey(bool asRightClick);
    void pressChoice(Element group, int item);
    // Marks the card at `position` of the hand (clamped to it), and tells a screen reader.
    void markCard(int position);
    // The hint (H or "rCeva"): what the strong players would choose is worked out beside the table
    // and marked, the card on the hand or the item of the choice, while the human is still asked
    // the same; nothing is chosen or played, and the game does not change.
    void showHint();
    void markAdvice(const Advice& advice);
    // Has a strong computer's next decision worked out beside the table as soon as it is
    // settled: at the start of every pause and once every step has returned.
    void thinkAhead();
    // After a step: the keys' mark on the hand while a card is asked, the keys back from a choice
    // that closed, and the question when the human is asked something new.
    void showWhatIsAsked();
    // Shows the last trick while Tab or the middle button is held; Tab let go anywhere, a window
    // opening, the table losing the keys or a step that changes the table ends it.
    void holdLastTrick(bool held);
    // Asks for another window (the options, the rules, about): the look back at the last trick
    // ends.
    void openWindow(void (TableWindow::*request)());
    void reportError(const QString& text);
    // The seam's rule: a report of the table model comes only from inside a step of the game.
    // Builds with ZAVKARI_SEAM_CHECK stop the program at the first one that does not.
    void requireStep(const char* report) const;

    GameTurns turns_;
    ClockSeededRandom random_;
    Game game_;
    // The strong computers' decisions worked out ahead; it ends before the game does.
    QThreadPool foresight_;
    Narration narration_;
    GameTimers timers_;
    TableCanvas* canvas_ = nullptr;
    PerElement<QWidget*> widgets_{};
    PerWindowControl<QWidget*> windowControls_{};
    std::array<ChoiceGroup*, 4> groups_{};
    GeorgianLineEdit* nameBox_ = nullptr;
    DebugMemo* memo_ = nullptr;
    QListWidget* strengths_ = nullptr;
    bool showingName_ = false;  // the name box is being set from the model
    // What the human is asked and where in the match: a key or click made while a step pauses
    // counts only if this is still the same once the step has returned.
    struct HumanMoment {
        Asked asked = Asked::Nothing;
        int row = 0;
        int trick = 0;
        friend bool operator==(const HumanMoment&, const HumanMoment&) = default;
    };
    HumanMoment moment() const;
    // The input made while a step ran, in its order, each with the moment it was made in: it is
    // carried out once the step has returned, while the human is still asked the same.
    struct KeptInput {
        HumanMoment moment;
        std::function<void()> input;
    };
    std::vector<KeptInput> keptInputs_;
    bool carryingOut_ = false;
    HumanMoment shownMoment_;    // what the table last showed the human asked
    int handHighlight_ = 0;      // the card of the hand that the keys mark, 0 the leftmost
    bool hintUnderWay_ = false;  // a hint is being worked out
    MenuKeys* menuKeys_ = nullptr;
};

}  // namespace zavkari
