#pragma once
// Drives real windows as a person would: the messages that typing,
// clicking and choosing produce, handled through the application's message
// loop, and what the screen then shows.
#include "vcl/controls/Controls.h"

class TCustomListControl;
class TDateTimePicker;

// Handles everything waiting in the queue (paints included).
void ProcessPendingMessages();
// Focuses the control and types the text, one character at a time.
void TypeText(TWinControl* Control, const String& Text);
// Presses and releases a key on the focused window, through the message
// loop (so the form sees dialog keys such as Tab).
void PressKey(WORD VirtualKey, bool Shift = false);
// A left click at a point of the control (its centre by default).
void ClickControl(TControl* Control);
void ClickAt(TControl* Control, const TPoint& Point);
// The mouse itself at a screen point: the system routes what it does to
// the window under the pointer (or the one holding the capture), and turns
// a second press soon after a first at the same place into a double click.
void MoveMouseTo(const TPoint& ScreenPoint);
void PressMouseAt(const TPoint& ScreenPoint);
void ReleaseMouseAt(const TPoint& ScreenPoint);
// Chooses an item of a list or combo box as a person's pick does: the
// selection changes and the window reports it.
void PickItem(TCustomListControl* Control, int Index);
// Clicks the check box of a date-time picker.
void ClickDateCheckBox(TDateTimePicker* Picker);
// The text a window reports (WM_GETTEXT), as assistive tools read it.
String WindowText(HWND Window);
// The framework control that has the keyboard focus, or null.
TWinControl* FocusedControl();
