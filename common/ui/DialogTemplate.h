#pragma once
// A dialog's template: its id and caption and, for each control, the id, kind, label, mask, limits and
// place in a grid of rows. It is data of the program (its resources); the hosts build windows from it.
//
//   const DialogTemplate kCargaInclusao = {153, "Dados da carga", {
//       Label("&Quantidade de cargas:", 0, 0), MaskedEdit(1102, "###", 0, 1),
//       ...
//       OkButton(), CancelButton()}};

#include "Wnd.h"

#include <string>
#include <vector>

namespace tmpl {
inline constexpr unsigned Sorted = 1u << 0;      // lists: sorted by text
inline constexpr unsigned MultiLine = 1u << 1;   // edits
inline constexpr unsigned DigitsOnly = 1u << 2;  // edits: the number style
inline constexpr unsigned ReadOnly = 1u << 3;    // edits
inline constexpr unsigned Disabled = 1u << 4;
inline constexpr unsigned Hidden = 1u << 5;
inline constexpr unsigned Group = 1u << 6;       // radio buttons: the first of a group
inline constexpr unsigned Default = 1u << 7;     // push buttons: the default button
inline constexpr unsigned DropDown = 1u << 8;    // combo boxes: with an edit part (not a drop-down list)
inline constexpr unsigned AlignRight = 1u << 9;  // labels and edits: text to the right
inline constexpr unsigned Expand = 1u << 10;     // takes the free width of its column
inline constexpr unsigned Monospace = 1u << 11;  // lists: a fixed-width font, for lines laid out in columns
inline constexpr unsigned Borderless = 1u << 12; // group boxes: no frame and no title (see Column)
}  // namespace tmpl

// A control's place in the button row at the bottom of the dialog, instead of a grid row.
inline constexpr int kButtonRow = -1;

struct ControlTemplate {
    int id = IDC_STATIC;
    ControlKind kind = ControlKind::Static;
    std::string label;      // text, caption of a button, check box or group
    std::string mask;       // a masked edit's mask (the dialog gives it again in OnInitDialog, as written)
    int maxLength = 0;      // edits: characters the user may type (0: no limit)
    unsigned style = 0;
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
    int group = 0;          // id of the group box the control sits in; 0: the dialog itself
    int width = 0;          // in characters (edits, lists) or pixels (pictures, grids, trees); 0: natural
    int height = 0;         // in lines (lists) or pixels (pictures, grids, trees); 0: natural
    int bitmap = 0;         // pictures: the bitmap resource
    long gridRows = 2;      // grids: as the resource creates them
    long gridCols = 2;
    long gridFixedRows = 1;
    long gridFixedCols = 1;

    ControlTemplate& At(int r, int c) { row = r; col = c; return *this; }
    ControlTemplate& Span(int cols, int rows = 1) { colSpan = cols; rowSpan = rows; return *this; }
    ControlTemplate& In(int groupId) { group = groupId; return *this; }
    ControlTemplate& Width(int w) { width = w; return *this; }
    ControlTemplate& Height(int h) { height = h; return *this; }
    ControlTemplate& MaxLength(int n) { maxLength = n; return *this; }
    ControlTemplate& Style(unsigned s) { style |= s; return *this; }
    ControlTemplate& Sorted() { return Style(tmpl::Sorted); }
    ControlTemplate& DisabledAtStart() { return Style(tmpl::Disabled); }
    ControlTemplate& HiddenAtStart() { return Style(tmpl::Hidden); }
    ControlTemplate& DigitsOnly() { return Style(tmpl::DigitsOnly); }
    ControlTemplate& ReadOnly() { return Style(tmpl::ReadOnly); }
    ControlTemplate& MultiLine() { return Style(tmpl::MultiLine); }
    ControlTemplate& GroupStart() { return Style(tmpl::Group); }
    ControlTemplate& DefaultButton() { return Style(tmpl::Default); }
    ControlTemplate& Grid(long rows, long cols, long fixedRows = 1, long fixedCols = 0) {
        gridRows = rows; gridCols = cols; gridFixedRows = fixedRows; gridFixedCols = fixedCols; return *this;
    }
};

// Builders, one per kind.
ControlTemplate Label(const std::string& text, int row, int col, int id = IDC_STATIC);
ControlTemplate Edit(int id, int row, int col);
ControlTemplate MaskedEdit(int id, const std::string& mask, int row, int col);
ControlTemplate DropList(int id, int row, int col);        // drop-down list (no edit part)
ControlTemplate ComboEdit(int id, int row, int col);       // drop-down with an edit part
ControlTemplate ListBox(int id, int row, int col);
ControlTemplate CheckBox(int id, const std::string& text, int row, int col);
ControlTemplate RadioButton(int id, const std::string& text, int row, int col);
ControlTemplate PushButton(int id, const std::string& text, int row, int col);
ControlTemplate GroupBox(int id, const std::string& text, int row, int col);
// A group box drawn as nothing: a column of fields of its own beside another, whose rows close up when one
// of them is hidden, whatever the other column shows.
ControlTemplate Column(int id, int row, int col);
ControlTemplate Picture(int id, int bitmapId, int row, int col);
ControlTemplate FlexGrid(int id, int row, int col);
ControlTemplate TreeControl(int id, int row, int col);
// "OK" (the default button) and "Cancelar" in the button row.
ControlTemplate OkButton(const std::string& text = "OK");
ControlTemplate CancelButton(const std::string& text = "Cancelar");

namespace tmpl {
inline constexpr unsigned NoCaption = 1u << 0;   // a popup without caption (splash, banner)
inline constexpr unsigned FixedSize = 1u << 1;   // width and height are pixels the window keeps
inline constexpr unsigned Banner = 1u << 2;      // a strip of the screen of its own: never focused, never
                                                 // covered by the main window
}  // namespace tmpl

struct DialogTemplate {
    int id = 0;
    std::string caption;
    std::vector<ControlTemplate> controls;
    unsigned style = 0;
    int width = 0;   // dialog units (pixels with FixedSize); the hosts lay out with sizers otherwise
    int height = 0;

    const ControlTemplate* Find(int controlId) const;
};

// The program's dialog resources by id, for the dialogs constructed with a template id. Registering a
// second, different template under an id already taken throws.
void RegisterDialogTemplate(const DialogTemplate& t);
const DialogTemplate* FindDialogTemplate(int id);

// Registers at static-initialisation time: `static const DialogTemplateRegistration reg(kTemplate);`
struct DialogTemplateRegistration {
    explicit DialogTemplateRegistration(const DialogTemplate& t) { RegisterDialogTemplate(t); }
};
