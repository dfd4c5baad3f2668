#include "vcl/controls/Dialogs.h"

#include <string_view>
#include <vector>

#include "vcl/controls/Application.h"
#include "vcl/rtl/WinApi.h"

namespace {

// ---------------------------------------------------------------- message boxes

UINT ButtonFlags(TMsgDlgButtons Buttons) {
  static const struct {
    TMsgDlgButtons Buttons;
    UINT Flags;
  } kinds[] = {
      {{mbOK}, MB_OK},
      {{mbOK, mbCancel}, MB_OKCANCEL},
      {{mbYes, mbNo}, MB_YESNO},
      {{mbYes, mbNo, mbCancel}, MB_YESNOCANCEL},
      {{mbAbort, mbRetry, mbIgnore}, MB_ABORTRETRYIGNORE},
      {{mbRetry, mbCancel}, MB_RETRYCANCEL},
  };
  TMsgDlgButtons shown = Buttons - TMsgDlgButtons{mbHelp};
  for (const auto& kind : kinds)
    if (kind.Buttons == shown) return kind.Flags | (Buttons.Contains(mbHelp) ? MB_HELP : 0);
  throw EInvalidOperation(L"A message box cannot show this combination of buttons");
}

UINT IconFlags(TMsgDlgType DlgType) {
  switch (DlgType) {
    case mtWarning: return MB_ICONWARNING;
    case mtError: return MB_ICONERROR;
    case mtInformation: return MB_ICONINFORMATION;
    case mtConfirmation: return MB_ICONQUESTION;
    case mtCustom: break;
  }
  return 0;
}

// The window a dialog is modal to: the thread's active window; without one
// the dialog disables every window of the thread.
HWND DialogOwner() { return GetActiveWindow(); }

// ---------------------------------------------------------------- input box

// Builds a dialog template in memory: the header, then one item after
// another, each aligned on a 4-byte boundary.
class TDialogTemplate {
public:
  TDialogTemplate(const String& Caption, short Width, short Height, WORD Items) {
    DWORD style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AddDword(style);
    AddDword(0);
    FWords.push_back(Items);
    AddShorts({0, 0, Width, Height});
    FWords.push_back(0);  // no menu
    FWords.push_back(0);  // the standard dialog class
    AddString(Caption);
    FWords.push_back(8);  // point size
    AddString(L"Tahoma");
  }
  void AddItem(WORD ClassAtom, DWORD Style, short X, short Y, short Cx, short Cy, WORD Id,
               std::wstring_view Text) {
    if (FWords.size() % 2) FWords.push_back(0);
    AddDword(Style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    AddShorts({X, Y, Cx, Cy});
    FWords.push_back(Id);
    FWords.push_back(0xFFFF);
    FWords.push_back(ClassAtom);
    AddString(Text);
    FWords.push_back(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(FWords.data()); }

private:
  void AddDword(DWORD Value) {
    FWords.push_back(LOWORD(Value));
    FWords.push_back(HIWORD(Value));
  }
  void AddShorts(std::initializer_list<short> Values) {
    for (short value : Values) FWords.push_back(static_cast<WORD>(value));
  }
  void AddString(std::wstring_view Text) {
    FWords.insert(FWords.end(), Text.begin(), Text.end());
    FWords.push_back(0);
  }
  std::vector<WORD> FWords;
};

constexpr WORD ButtonAtom = 0x0080;
constexpr WORD EditAtom = 0x0081;
constexpr WORD StaticAtom = 0x0082;
constexpr int PromptId = 100;
constexpr int EditId = 101;
constexpr int MaxInputLength = 255;

struct TInputState {
  String Prompt;
  String Value;
};

String WindowText(HWND Window) {
  String text(GetWindowTextLengthW(Window), L'\0');
  GetWindowTextW(Window, text.data(), static_cast<int>(text.size()) + 1);
  return text;
}

// Moves a window down by DY within its parent.
void MoveDown(HWND Window, int DY) {
  RECT r;
  GetWindowRect(Window, &r);
  MapWindowPoints(nullptr, GetParent(Window), reinterpret_cast<POINT*>(&r), 2);
  SetWindowPos(Window, nullptr, r.left, r.top + DY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// A prompt longer than one line wraps: the prompt grows and everything
// below it moves down by as much.
void FitPrompt(HWND Dialog) {
  HWND prompt = GetDlgItem(Dialog, PromptId);
  RECT bounds;
  GetClientRect(prompt, &bounds);
  RECT needed = bounds;
  HDC dc = GetDC(prompt);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(prompt, WM_GETFONT, 0, 0)));
  String text = WindowText(prompt);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(prompt, dc);
  int grow = needed.bottom - bounds.bottom;
  if (grow <= 0) return;
  SetWindowPos(prompt, nullptr, 0, 0, bounds.right, needed.bottom, SWP_NOMOVE | SWP_NOZORDER);
  for (int id : {EditId, IDOK, IDCANCEL}) MoveDown(GetDlgItem(Dialog, id), grow);
  RECT frame;
  GetWindowRect(Dialog, &frame);
  SetWindowPos(Dialog, nullptr, frame.left, frame.top - grow / 2, frame.right - frame.left,
               frame.bottom - frame.top + grow, SWP_NOZORDER);
}

INT_PTR CALLBACK InputBoxProc(HWND Dialog, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<TInputState*>(LParam);
      SetWindowLongPtrW(Dialog, DWLP_USER, LParam);
      SetDlgItemTextW(Dialog, PromptId, state->Prompt.c_str());
      HWND edit = GetDlgItem(Dialog, EditId);
      SendMessageW(edit, EM_LIMITTEXT, MaxInputLength, 0);
      SetWindowTextW(edit, state->Value.c_str());
      SendMessageW(edit, EM_SETSEL, 0, -1);
      FitPrompt(Dialog);
      SetFocus(edit);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(WParam) == IDOK) {
        auto* state = reinterpret_cast<TInputState*>(GetWindowLongPtrW(Dialog, DWLP_USER));
        state->Value = WindowText(GetDlgItem(Dialog, EditId));
      }
      if (LOWORD(WParam) == IDOK || LOWORD(WParam) == IDCANCEL) {
        EndDialog(Dialog, LOWORD(WParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

// The platform's dialogs: its own message box and a dialog window with a
// static prompt and an edit.
class TPlatformDialogService : public TDialogService {
public:
  TModalResult ShowMessageBox(const TMessageBoxRequest& Request) override {
    HWND owner = DialogOwner();
    MSGBOXPARAMSW params{};
    params.cbSize = sizeof(params);
    params.hwndOwner = owner;
    params.hInstance = GetModuleHandleW(nullptr);
    params.lpszText = Request.Text.c_str();
    params.lpszCaption = Request.Caption.c_str();
    params.dwStyle = ButtonFlags(Request.Buttons) | IconFlags(Request.DlgType) |
                     (owner ? MB_APPLMODAL : MB_TASKMODAL);
    params.dwContextHelpId = static_cast<DWORD_PTR>(Request.HelpCtx);
    int result = MessageBoxIndirectW(&params);
    if (result == 0) RaiseLastOSError();
    return result;
  }

  bool InputQuery(const String& Caption, const String& Prompt, String& Value) override {
    TDialogTemplate dialog(Caption, 180, 63, 4);
    dialog.AddItem(StaticAtom, SS_LEFT | SS_NOPREFIX, 8, 8, 164, 10, PromptId, L"");
    dialog.AddItem(EditAtom, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 21, 164, 12, EditId, L"");
    dialog.AddItem(ButtonAtom, BS_DEFPUSHBUTTON | WS_TABSTOP, 38, 41, 50, 14, IDOK, L"OK");
    dialog.AddItem(ButtonAtom, BS_PUSHBUTTON | WS_TABSTOP, 92, 41, 50, 14, IDCANCEL, L"Cancel");
    TInputState state{Prompt, Value};
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(),
                                             DialogOwner(), InputBoxProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (result == -1) RaiseLastOSError();
    if (result != IDOK) return false;
    Value = state.Value;
    return true;
  }
};

TDialogService* GService = nullptr;

String DialogCaption(TMsgDlgType DlgType) {
  switch (DlgType) {
    case mtWarning: return L"Warning";
    case mtError: return L"Error";
    case mtInformation: return L"Information";
    case mtConfirmation: return L"Confirm";
    case mtCustom: break;
  }
  return Application->Title();
}
}  // namespace

TDialogService& DialogService() {
  static TPlatformDialogService platformService;
  return GService ? *GService : platformService;
}

TDialogService* SetDialogService(TDialogService* Service) {
  TDialogService* previous = GService;
  GService = Service;
  return previous;
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int HelpCtx) {
  ButtonFlags(Buttons);  // the same sets are refused whoever answers
  return DialogService().ShowMessageBox({DialogCaption(DlgType), Msg, DlgType, Buttons, HelpCtx});
}

void ShowMessage(const String& Msg) {
  DialogService().ShowMessageBox({Application->Title(), Msg, mtCustom, {mbOK}, 0});
}

bool InputQuery(const String& ACaption, const String& APrompt, String& Value) {
  return DialogService().InputQuery(ACaption, APrompt, Value);
}

String InputBox(const String& ACaption, const String& APrompt, const String& ADefault) {
  String value = ADefault;
  InputQuery(ACaption, APrompt, value);
  return value;
}
