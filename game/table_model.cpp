#include "table_model.h"

#include <utility>

#include "table_controls.h"

namespace zavkari {

TableModel::TableModel(TableView& view) : TableModel(view, Initial()) {}

TableModel::TableModel(TableView& view, const TableModel& initial)
    : view_(view),
      elements_(initial.elements_),
      visible_(initial.visible_),
      groups_(initial.groups_),
      frontZ_(initial.frontZ_),
      backZ_(initial.backZ_) {}

const TableModel& TableModel::Initial() {
    static TableView nobody;
    static const TableModel initial(nobody, FromControls{});
    return initial;
}

TableModel::TableModel(TableView& view, FromControls) : view_(view) {
    // Every element starts as the window creates it, stacked in the order of creation.
    // Window-only controls hold their places in that order too, so that the window can stack them
    // among the elements by the same numbers.
    for (const ControlSpec& c : TableControls()) {
        ++frontZ_;
        if (c.element == kWindowOnly) continue;
        ElementState& s = elements_[c.element];
        s.enabled = c.enabled;
        s.caption = c.caption;
        s.left = c.design.left;
        s.top = c.design.top;
        s.width = c.design.width;
        s.height = c.design.height;
        s.z = frontZ_;
        visible_[c.element] = c.visible;
        if (c.kind == ControlKind::RadioGroup) {
            RadioGroup& g = groups_[el::GroupIndex(c.element)];
            g.items.assign(c.items.begin(), c.items.end());
            g.columns = c.columns;
        }
    }
}

void TableModel::SetVisible(Element e, bool visible) {
    visible_[e] = visible;
    Changed(e);
}

void TableModel::ShowRange(IdRange<Element> range, bool visible) {
    for (Element e : range)
        Show(e, visible);
}

void TableModel::SetEnabled(Element e, bool enabled) {
    if (elements_[e].enabled == enabled) return;
    elements_[e].enabled = enabled;
    Changed(e);
}

void TableModel::ChangeCaption(Element e, std::string_view caption) {
    elements_[e].caption.assign(caption);
    Changed(e);
}

void TableModel::SetColour(Element e, FontColour colour) {
    if (elements_[e].colour == colour) return;
    elements_[e].colour = colour;
    Changed(e);
}

void TableModel::SetFontSize(Element e, int points) {
    if (elements_[e].fontSize == points) return;
    elements_[e].fontSize = points;
    Changed(e);
}

void TableModel::MoveTo(Element e, int left, int top) {
    ElementState& s = elements_[e];
    s.left = left;
    s.top = top;
    Changed(e);
}

void TableModel::SetGeometry(Element e, int left, int top, int width, int height) {
    ElementState& s = elements_[e];
    s.left = left;
    s.top = top;
    s.width = width;
    s.height = height;
    Changed(e);
}

void TableModel::SendToBack(Element e) {
    elements_[e].z = --backZ_;
    Changed(e);
}

void TableModel::SetItems(Element e, std::vector<std::string> items) {
    RadioGroup& g = groups_[el::GroupIndex(e)];
    g.items = std::move(items);
    g.selected = -1;
    GroupChanged(e);
}

void TableModel::AppendItem(Element e, std::string item) {
    groups_[el::GroupIndex(e)].items.push_back(std::move(item));
    GroupChanged(e);
}

void TableModel::SetColumns(Element e, int columns) {
    RadioGroup& g = groups_[el::GroupIndex(e)];
    if (g.columns == columns) return;
    g.columns = columns;
    GroupChanged(e);
}

void TableModel::Select(Element e, int item) {
    RadioGroup& g = groups_[el::GroupIndex(e)];
    if (item < -1 || item >= static_cast<int>(g.items.size())) item = -1;
    if (g.selected == item) return;
    g.selected = item;
    GroupChanged(e);
}

}  // namespace zavkari
