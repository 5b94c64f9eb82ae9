#pragma once
// Modal dialogs, message boxes and file dialogs framed as such by a window manager: a title, a close box,
// a border to resize the ones that can be, and no minimize or maximize buttons. (Openbox draws those two
// buttons on every window whatever it is asked; it offers no maximize on a window that cannot be resized.)

class wxTopLevelWindow;

namespace zel::wx {

// A dialog about to be shown modally: the modal dialogs of wx become modal only as they show, after GTK has
// made their window.
void FrameAsModalDialog(wxTopLevelWindow& window);

// For every modal dialog shown from now on (called once, by the host).
void FrameModalDialogsPlainly();

}  // namespace zel::wx
