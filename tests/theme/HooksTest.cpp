#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "components/core/dxHooks.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/Application.h"

namespace {

// Which procedure saw a hook event, in the order they saw it.
std::vector<char> Journal;
LRESULT ProcedureResult = 0;
UINT TestMessage = WM_APP + 7;

bool IsTestEvent(TdxHookType AHookType, int ACode, WPARAM AWParam, LPARAM ALParam) {
  switch (AHookType) {
    case htWndProc:
      return reinterpret_cast<const CWPSTRUCT*>(ALParam)->message == TestMessage;
    case htGetMessage:
      return reinterpret_cast<const MSG*>(ALParam)->message == TestMessage;
    case htCBT:
      return ACode == HCBT_CREATEWND;
    case htKeyboard:
      return AWParam == VK_F7;
    case htMouse:
      return AWParam == WM_MOUSEMOVE;
  }
  return false;
}

template <char AName>
void Procedure(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult) {
  for (int type = htKeyboard; type <= htCBT; ++type) {
    if (!dxHookController()->SystemHook(static_cast<TdxHookType>(type))->Installed()) continue;
    if (!IsTestEvent(static_cast<TdxHookType>(type), ACode, AWParam, ALParam)) continue;
    Journal.push_back(AName);
    if (ProcedureResult) AHookResult = ProcedureResult;
    return;
  }
}

// A hook of the thread installed before the controller's, so that it is
// the next one in the chain.
class TNextHook {
public:
  explicit TNextHook(int AWindowsHookId)
      : FHandle(SetWindowsHookExW(AWindowsHookId, Callback, nullptr, GetCurrentThreadId())) {}
  ~TNextHook() { UnhookWindowsHookEx(FHandle); }
  static inline std::function<void(int, WPARAM, LPARAM)> OnEvent;

private:
  static LRESULT CALLBACK Callback(int ACode, WPARAM AWParam, LPARAM ALParam) {
    if (OnEvent) OnEvent(ACode, AWParam, ALParam);
    return CallNextHookEx(nullptr, ACode, AWParam, ALParam);
  }
  HHOOK FHandle;
};

class TTestWindow {
public:
  TTestWindow()
      : FHandle(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 0, 0, 200, 200, nullptr, nullptr,
                                nullptr, nullptr)) {}
  ~TTestWindow() { DestroyWindow(FHandle); }
  HWND Handle() const { return FHandle; }

private:
  HWND FHandle;
};

// Makes the event each hook type watches for, on the test window.
bool MakeEvent(TdxHookType AHookType, HWND AWindow) {
  switch (AHookType) {
    case htWndProc:
      SendMessageW(AWindow, TestMessage, 0, 0);
      return true;
    case htGetMessage: {
      PostMessageW(AWindow, TestMessage, 0, 0);
      MSG msg;
      return PeekMessageW(&msg, AWindow, TestMessage, TestMessage, PM_REMOVE);
    }
    case htCBT: {
      const HWND created = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
      if (created) DestroyWindow(created);
      return created != nullptr;
    }
    case htKeyboard: {
      SetForegroundWindow(AWindow);
      SetFocus(AWindow);
      INPUT input[2]{};
      input[0].type = input[1].type = INPUT_KEYBOARD;
      input[0].ki.wVk = input[1].ki.wVk = VK_F7;
      input[1].ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(2, input, sizeof(INPUT));
      ProcessPendingMessages();
      return true;
    }
    case htMouse: {
      SetForegroundWindow(AWindow);
      INPUT input{};
      input.type = INPUT_MOUSE;
      input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
      for (const int at : {5000, 6000}) {
        input.mi.dx = input.mi.dy = at;  // inside the window, in 1/65536 of the screen
        SendInput(1, &input, sizeof(INPUT));
        ProcessPendingMessages();
      }
      return true;
    }
  }
  return false;
}

class Hooks : public ::testing::Test {
protected:
  void SetUp() override {
    Journal.clear();
    ProcedureResult = 0;
  }
  void TearDown() override {
    dxRemoveHookProc(Procedure<'A'>);
    dxRemoveHookProc(Procedure<'B'>);
    dxRemoveHookProc(Procedure<'C'>);
  }
};

}  // namespace

// Each hook type installs its own Windows hook, which calls the procedures
// from the last registered to the first and then the next hook.
TEST_F(Hooks, EveryTypeCallsItsProceduresNewestFirstThenTheNextHook) {
  struct TCase {
    TdxHookType Type;
    int WindowsHookId;
  };
  const TCase cases[] = {{htKeyboard, WH_KEYBOARD},
                         {htMouse, WH_MOUSE},
                         {htWndProc, WH_CALLWNDPROC},
                         {htGetMessage, WH_GETMESSAGE},
                         {htCBT, WH_CBT}};
  TTestWindow window;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Type);
    Journal.clear();
    TNextHook next(c.WindowsHookId);
    TNextHook::OnEvent = [&](int ACode, WPARAM AWParam, LPARAM ALParam) {
      if (IsTestEvent(c.Type, ACode, AWParam, ALParam)) Journal.push_back('N');
    };
    dxInstallHookProc(c.Type, Procedure<'A'>);
    dxInstallHookProc(c.Type, Procedure<'B'>);
    EXPECT_TRUE(dxHookController()->SystemHook(c.Type)->Installed());
    ASSERT_TRUE(MakeEvent(c.Type, window.Handle()));
    ASSERT_GE(Journal.size(), 3u);
    EXPECT_EQ(std::vector<char>(Journal.begin(), Journal.begin() + 3), (std::vector<char>{'B', 'A', 'N'}));
    dxRemoveHookProc(Procedure<'A'>);
    dxRemoveHookProc(Procedure<'B'>);
    EXPECT_FALSE(dxHookController()->SystemHook(c.Type)->Installed());
    TNextHook::OnEvent = nullptr;
  }
}

TEST_F(Hooks, AResultSetByAProcedureIsTheHooksAnswer) {
  // A CBT hook that answers non-zero to a window's creation forbids it.
  dxInstallHookProc(htCBT, Procedure<'A'>);
  TTestWindow allowed;
  EXPECT_NE(allowed.Handle(), nullptr);
  ProcedureResult = 1;
  TTestWindow forbidden;
  EXPECT_EQ(forbidden.Handle(), nullptr);
  EXPECT_FALSE(Journal.empty());
}

TEST_F(Hooks, TheWindowsHookStaysWhileAProcedureIsRegistered) {
  TdxSystemHook* mouse = dxHookController()->SystemHook(htMouse);
  dxInstallHookProc(htMouse, Procedure<'A'>);
  dxInstallHookProc(htMouse, Procedure<'B'>);
  dxRemoveHookProc(Procedure<'A'>);
  EXPECT_TRUE(mouse->Installed());
  dxRemoveHookProc(Procedure<'C'>);  // never registered: nothing changes
  EXPECT_TRUE(mouse->Installed());
  dxRemoveHookProc(Procedure<'B'>);
  EXPECT_FALSE(mouse->Installed());
  EXPECT_NO_THROW(dxHookController()->CheckReleased());
}

TEST_F(Hooks, AProcedureRegistersOncePerTypeButWithSeveralTypes) {
  dxInstallHookProc(htMouse, Procedure<'A'>);
  EXPECT_NO_THROW(dxInstallHookProc(htGetMessage, Procedure<'A'>));
  try {
    dxInstallHookProc(htMouse, Procedure<'A'>);
    FAIL() << "registered twice";
  } catch (const EAssertionFailed& E) {
    EXPECT_EQ(E.Message().rfind(L"Assertion failure (dxHooks.cpp, line ", 0), 0u) << ToUtf8(E.Message());
  }
  EXPECT_THROW(dxHookController()->CheckReleased(), EAssertionFailed);
  // One removal takes it from every type.
  dxRemoveHookProc(Procedure<'A'>);
  EXPECT_FALSE(dxHookController()->SystemHook(htMouse)->Installed());
  EXPECT_FALSE(dxHookController()->SystemHook(htGetMessage)->Installed());
}

namespace {

void SelfRemovingProcedure(int, WPARAM, LPARAM ALParam, LRESULT&) {
  if (reinterpret_cast<const CWPSTRUCT*>(ALParam)->message != TestMessage) return;
  Journal.push_back('S');
  dxRemoveHookProc(SelfRemovingProcedure);
  dxRemoveHookProc(Procedure<'A'>);
}

void RaisingProcedure(int, WPARAM, LPARAM ALParam, LRESULT&) {
  if (reinterpret_cast<const CWPSTRUCT*>(ALParam)->message == TestMessage) throw Exception(L"hook failed");
}

}  // namespace

TEST_F(Hooks, ProceduresMayLeaveWhileCalledAndTheirErrorsGoToTheApplication) {
  TTestWindow window;
  dxInstallHookProc(htWndProc, Procedure<'A'>);
  dxInstallHookProc(htWndProc, Procedure<'B'>);
  dxInstallHookProc(htWndProc, SelfRemovingProcedure);
  SendMessageW(window.Handle(), TestMessage, 0, 0);
  // B still ran after A and the remover itself had left.
  EXPECT_EQ(Journal, (std::vector<char>{'S', 'B'}));

  std::vector<String> errors;
  Application->OnException = [&](TObject*, const Exception& E) { errors.push_back(E.Message()); };
  dxInstallHookProc(htWndProc, RaisingProcedure);
  Journal.clear();
  SendMessageW(window.Handle(), TestMessage, 0, 0);
  Application->OnException = nullptr;
  dxRemoveHookProc(RaisingProcedure);
  EXPECT_EQ(errors, (std::vector<String>{L"hook failed"}));
  EXPECT_EQ(Journal, (std::vector<char>{'B'}));
}
