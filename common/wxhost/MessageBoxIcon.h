#pragma once
// GTK's message dialogs no longer show the picture of their kind; this puts one back. wx creates the native
// dialog only inside ShowModal, so the picture is added as the dialog is shown, before it is mapped.

#include <wx/bitmap.h>

namespace zel::wx {

// While it lives, every GTK message dialog that shows gets the picture at the left of its text.
class ScopedMessageBoxIcon {
public:
    explicit ScopedMessageBoxIcon(const wxBitmap& icon);  // a null bitmap: nothing is added
    ~ScopedMessageBoxIcon();
    ScopedMessageBoxIcon(const ScopedMessageBoxIcon&) = delete;
    ScopedMessageBoxIcon& operator=(const ScopedMessageBoxIcon&) = delete;

    const wxBitmap& Icon() const { return m_icon; }

private:
    wxBitmap m_icon;
    unsigned m_signal = 0;
    unsigned long m_hook = 0;
};

}  // namespace zel::wx
