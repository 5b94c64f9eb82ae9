#include "DialogTemplate.h"

#include "MessageService.h"

#include <map>
#include <stdexcept>
#include <string>

namespace {

ControlTemplate Make(int id, ControlKind kind, const std::string& label, int row, int col) {
    ControlTemplate t;
    t.id = id;
    t.kind = kind;
    t.label = label;
    t.row = row;
    t.col = col;
    return t;
}

std::map<int, const DialogTemplate*>& Registry() {
    static std::map<int, const DialogTemplate*> registry;
    return registry;
}

}  // namespace

ControlTemplate Label(const std::string& text, int row, int col, int id) {
    return Make(id, ControlKind::Static, text, row, col);
}
ControlTemplate Edit(int id, int row, int col) { return Make(id, ControlKind::Edit, "", row, col); }
ControlTemplate MaskedEdit(int id, const std::string& mask, int row, int col) {
    ControlTemplate t = Make(id, ControlKind::Edit, "", row, col);
    t.mask = mask;
    return t;
}
ControlTemplate DropList(int id, int row, int col) { return Make(id, ControlKind::ComboBox, "", row, col); }
ControlTemplate ComboEdit(int id, int row, int col) {
    return Make(id, ControlKind::ComboBox, "", row, col).Style(tmpl::DropDown);
}
ControlTemplate ListBox(int id, int row, int col) { return Make(id, ControlKind::ListBox, "", row, col); }
ControlTemplate CheckBox(int id, const std::string& text, int row, int col) {
    return Make(id, ControlKind::CheckBox, text, row, col);
}
ControlTemplate RadioButton(int id, const std::string& text, int row, int col) {
    return Make(id, ControlKind::RadioButton, text, row, col);
}
ControlTemplate PushButton(int id, const std::string& text, int row, int col) {
    return Make(id, ControlKind::PushButton, text, row, col);
}
ControlTemplate GroupBox(int id, const std::string& text, int row, int col) {
    return Make(id, ControlKind::GroupBox, text, row, col);
}
ControlTemplate Column(int id, int row, int col) { return GroupBox(id, "", row, col).Style(tmpl::Borderless); }
ControlTemplate Picture(int id, int bitmapId, int row, int col) {
    ControlTemplate t = Make(id, ControlKind::Picture, "", row, col);
    t.bitmap = bitmapId;
    return t;
}
ControlTemplate FlexGrid(int id, int row, int col) { return Make(id, ControlKind::Grid, "", row, col); }
ControlTemplate TreeControl(int id, int row, int col) { return Make(id, ControlKind::Tree, "", row, col); }
ControlTemplate OkButton(const std::string& text) {
    return Make(IDOK, ControlKind::PushButton, text, kButtonRow, 1).DefaultButton();
}
ControlTemplate CancelButton(const std::string& text) {
    return Make(IDCANCEL, ControlKind::PushButton, text, kButtonRow, 0);
}

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    for (const ControlTemplate& c : controls)
        if (c.id == controlId) return &c;
    return nullptr;
}

void RegisterDialogTemplate(const DialogTemplate& t) {
    auto [it, inserted] = Registry().emplace(t.id, &t);
    if (!inserted && it->second != &t)
        throw std::logic_error("dialog template " + std::to_string(t.id) + " registered twice");
}

const DialogTemplate* FindDialogTemplate(int id) {
    const auto it = Registry().find(id);
    return it == Registry().end() ? nullptr : it->second;
}
