// What the table shows, as the rules left it: for each element its visibility, caption, colour,
// place and stacking, and the items of the radio groups. The rules change the table only through
// this model; every change is reported to a TableView, which the window implements by updating its
// widgets and the headless table by doing nothing at all. The rules also read the model back where
// the game reads its window (the human's trick count is the caption of `m_h`).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "table_elements.h"

namespace zavkari {

enum class FontColour { Standard, White, Red, Black };

// Everything about an element but its visibility, which the model keeps apart: the rules ask for
// it far more often than for anything else.
struct ElementState {
    bool enabled = true;  // a disabled control ignores clicks
    std::string caption;
    FontColour colour = FontColour::Standard;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int z = 0;         // stacking: higher lies in front
    int fontSize = 0;  // in points, set by the layout; 0: the design font
};

struct RadioGroup {
    std::vector<std::string> items;
    int columns = 1;
    int selected = -1;  // -1: no item chosen
};

// The display side of the table. Every call has a default that does nothing, which is all the
// headless table needs.
class TableView {
  public:
    virtual ~TableView() = default;
    virtual void ElementChanged(Element) {}
    virtual void GroupChanged(Element) {}
    // False for a view that draws nothing, so that the model need not tell it of every change.
    virtual bool ShowsChanges() const { return true; }
    // True for a view whose player may ask for a hint at any moment.
    virtual bool OffersHints() const { return false; }
    virtual void TimerChanged(TimerId, bool /*enabled*/) {}
    // Forces a repaint of the window (or only of the table surface `p`).
    virtual void Repaint() {}
    // Brings the table window in front of the desktop's other windows.
    virtual void RaiseWindow() {}
    // A blocking pause: the window repaints, then handles no click and no tick for `ms`.
    virtual void Pause(int /*ms*/) {}
    // A strong player's search: the window runs it beside the table, which keeps painting and
    // handles no click and no tick meanwhile; without a window it runs at once.
    virtual void Think(const std::function<void()>& search) { search(); }
    // The debug memo `me`: false when nobody reads it, so that no log text is built at all.
    virtual bool KeepsMemo() const { return false; }
    virtual void MemoAppendToLastLine(std::string_view) {}
    virtual void MemoAddLine(std::string_view) {}
    // Applies the options dialog's card back and table picture (the dialog's confirm action).
    virtual void ApplyOptions() {}
    // The hidden list `hhh`: the strength of each plain card the human plays.
    virtual void RecordHumanStrength(int) {}
};

class TableModel {
  public:
    // Every element starts as the window creates it (see TableControls).
    explicit TableModel(TableView& view);

    TableView& view() { return view_; }
    void Repaint() {
        if (showsChanges_) view_.Repaint();
    }

    const ElementState& operator[](Element e) const { return elements_[e]; }
    bool Visible(Element e) const { return visible_[e]; }
    std::string_view Caption(Element e) const { return elements_[e].caption; }
    // True when `a` lies in front of `b`.
    bool InFront(Element a, Element b) const { return elements_[a].z > elements_[b].z; }

    void Show(Element e, bool visible = true) {
        if (Visible(e) != visible) SetVisible(e, visible);
    }
    void Hide(Element e) { Show(e, false); }
    // Shows or hides a run of elements (a row of backs, the faces).
    void ShowRange(IdRange<Element> range, bool visible = true);
    void HideRange(IdRange<Element> range) { ShowRange(range, false); }
    void SetEnabled(Element e, bool enabled);
    bool Enabled(Element e) const { return elements_[e].enabled; }
    void SetCaption(Element e, std::string_view caption) {
        if (!SameText(elements_[e].caption, caption)) ChangeCaption(e, caption);
    }
    void SetColour(Element e, FontColour colour);
    void SetFontSize(Element e, int points);
    void Move(Element e, int left, int top) {
        if (elements_[e].left != left || elements_[e].top != top) MoveTo(e, left, top);
    }
    void SetGeometry(Element e, int left, int top, int width, int height);
    void BringToFront(Element e) {
        // Raising the front element again would change nothing.
        if (elements_[e].z == frontZ_ && frontZ_ != 0) return;
        elements_[e].z = ++frontZ_;
        Changed(e);
    }
    void SendToBack(Element e);

    // The window's client size W x H and the screen height; the layout sets them.
    int width = 1280;
    int height = 1024;
    int screenHeight = 1024;

    // The radio groups `tkma`, `koz`, `vishi` and `nije` (el::kChoiceGroups).
    const RadioGroup& Group(Element e) const { return groups_[el::GroupIndex(e)]; }
    void SetItems(Element e, std::vector<std::string> items);
    void AppendItem(Element e, std::string item);
    void SetColumns(Element e, int columns);
    void Select(Element e, int item);  // -1 clears the selection

  private:
    // Captions are short: compared in place, without a call to the library's memcmp.
    static bool SameText(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] != b[i]) return false;
        }
        return true;
    }

    // The table as the window creates it, built once from the table's controls: every new model
    // copies it.
    struct FromControls {};
    TableModel(TableView& view, FromControls);
    TableModel(TableView& view, const TableModel& initial);
    static const TableModel& Initial();

    void SetVisible(Element e, bool visible);
    void ChangeCaption(Element e, std::string_view caption);
    void MoveTo(Element e, int left, int top);
    void Changed(Element e) {
        if (showsChanges_) view_.ElementChanged(e);
    }
    void GroupChanged(Element e) {
        if (showsChanges_) view_.GroupChanged(e);
    }

    TableView& view_;
    bool showsChanges_ = view_.ShowsChanges();
    PerElement<ElementState> elements_;  // every member has its own initialiser
    PerElement<bool> visible_{};
    std::array<RadioGroup, el::kChoiceGroups.size()> groups_{};
    int frontZ_ = 0;
    int backZ_ = 0;
};

}  // namespace zavkari
