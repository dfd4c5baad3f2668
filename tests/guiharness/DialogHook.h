#pragma once
// Answers the platform's real dialog boxes (class "#32770": message boxes,
// the input box) from a script, through a WH_CBT hook on this thread that
// sees each box as it is activated. Installed while the object lives. A box
// without a scripted answer is cancelled and fails the test.
#include <deque>
#include <map>
#include <vector>

#include "vcl/rtl/SysUtils.h"

struct HWND__;
struct HHOOK__;

class TDialogHook {
public:
  TDialogHook();
  ~TDialogHook();
  TDialogHook(const TDialogHook&) = delete;
  TDialogHook& operator=(const TDialogHook&) = delete;

  // Presses the button with this command identifier (IDOK, IDYES, ...).
  void PressButton(int CommandId) { FActions.push_back({CommandId, false, String()}); }
  // Types Text into the box's edit, then presses OK.
  void EnterText(const String& Text) { FActions.push_back({1, true, Text}); }

  // What each answered box showed: its edits as it appeared, the rest as
  // it closed (a box may fill in its texts after it was activated).
  struct TSeenDialog {
    String Caption;
    std::vector<String> Texts;    // static texts, in child order
    std::vector<String> Edits;
    std::vector<String> Buttons;  // the visible ones
  };
  const std::vector<TSeenDialog>& Seen() const { return FSeen; }
  bool AllAnswered() const { return FActions.empty(); }

private:
  struct TAction {
    int CommandId;
    bool SetsText;
    String Text;
  };
  friend struct TDialogHookAccess;
  void Answer(HWND__* Dialog);
  void Closing(HWND__* Dialog);
  HHOOK__* FHook;
  std::deque<TAction> FActions;
  std::vector<TSeenDialog> FSeen;
  std::map<HWND__*, size_t> FAnswered;  // box -> its entry in FSeen
};
