// Window-procedure chains on a framework control and on a raw window, and
// the messages controller on real queued and sent messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "components/controls/cxControls.h"
#include "components/core/dxCore.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 1;
constexpr UINT WM_OTHER = WM_APP + 2;

// Who saw WM_PROBE, in order.
std::string Seen;

class TProbeControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PROBE) Seen += "own";
    TCustomControl::WndProc(Message);
  }
};

LRESULT CALLBACK ProbeWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_PROBE) {
    Seen += "own";
    return 7;
  }
  return DefWindowProcW(AWnd, AMsg, AWParam, ALParam);
}

// A hidden top-level window of a class of its own, destroyed with the object.
class TProbeWindow {
public:
  TProbeWindow() {
    static const ATOM atom = [] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = ProbeWindowProc;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = L"cxProbeWindow";
      return RegisterClassW(&windowClass);
    }();
    FHandle = CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~TProbeWindow() { DestroyWindow(FHandle); }
  HWND Handle() const { return FHandle; }
  LONG_PTR Procedure() const { return GetWindowLongPtrW(FHandle, GWLP_WNDPROC); }

private:
  HWND FHandle;
};

// A hook that notes its name and passes the message on.
TWndMethod Noting(const char* AName, TcxWindowProcLinkedObject** ASelf) {
  return [AName, ASelf](TMessage& Message) {
    if (Message.Msg == WM_PROBE) Seen += AName;
    (*ASelf)->DefaultProc(Message);
  };
}

std::string Probe(TControl* AControl, HWND AWnd) {
  Seen.clear();
  if (AControl)
    AControl->Perform(WM_PROBE);
  else
    SendMessageW(AWnd, WM_PROBE, 0, 0);
  return Seen;
}

// Adds hooks A, B, C to the control (or window) and removes them in every
// order, checking after each step who sees a message.
void CheckEveryRemovalOrder(TControl* AControl, HWND AWnd) {
  TcxWindowProcController* controller = cxGetWindowProcController();
  std::string order = "ABC";
  do {
    TcxWindowProcLinkedObject* hooks[3] = {};
    for (int i = 0; i < 3; ++i) {
      const char* name[] = {"A", "B", "C"};
      hooks[i] = AControl ? controller->Add(AControl, Noting(name[i], &hooks[i]))
                          : controller->Add(AWnd, Noting(name[i], &hooks[i]));
    }
    std::string alive = "ABC";
    EXPECT_EQ("CBAown", Probe(AControl, AWnd));
    for (char removed : order) {
      controller->Remove(hooks[removed - 'A']);
      EXPECT_EQ(nullptr, hooks[removed - 'A']);
      alive.erase(alive.find(removed), 1);
      std::string expected(alive.rbegin(), alive.rend());
      EXPECT_EQ(expected + "own", Probe(AControl, AWnd)) << "removal order " << order;
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

}  // namespace

TEST(WindowProcChains, HooksOfAControlGoInAnyOrderAndTheOwnProcedureComesBack) {
  TProbeControl control(nullptr);
  CheckEveryRemovalOrder(&control, nullptr);
}

TEST(WindowProcChains, HooksOfARawWindowGoInAnyOrderAndTheOwnProcedureComesBack) {
  TProbeWindow window;
  const LONG_PTR own = window.Procedure();
  CheckEveryRemovalOrder(nullptr, window.Handle());
  EXPECT_EQ(own, window.Procedure());
  EXPECT_EQ(nullptr, GetPropW(window.Handle(), L"cxSubclassingHelper"));
}

TEST(WindowProcChains, AHookThatDoesNotPassOnSwallowsTheMessageAndAnswersForIt) {
  TProbeWindow window;
  TcxWindowProcController* controller = cxGetWindowProcController();
  TcxWindowProcLinkedObject* older = nullptr;
  older = controller->Add(window.Handle(), Noting("A", &older));
  TcxWindowProcLinkedObject* swallowing = controller->Add(window.Handle(), [](TMessage& Message) {
    if (Message.Msg == WM_PROBE) Message.Result = 42;
  });
  Seen.clear();
  EXPECT_EQ(42, SendMessageW(window.Handle(), WM_PROBE, 0, 0));
  EXPECT_EQ("", Seen);
  controller->Remove(swallowing);
  Seen.clear();
  EXPECT_EQ(7, SendMessageW(window.Handle(), WM_PROBE, 0, 0));  // the own procedure's answer
  EXPECT_EQ("Aown", Seen);
  controller->Remove(older);
}

TEST(WindowProcChains, NothingIsHookedWithoutAControlOrWindow) {
  TcxWindowProcController* controller = cxGetWindowProcController();
  EXPECT_EQ(nullptr, controller->Add(static_cast<TControl*>(nullptr), [](TMessage&) {}));
  EXPECT_EQ(nullptr, controller->Add(static_cast<HWND>(nullptr), [](TMessage&) {}));
  TcxWindowProcLinkedObject* none = nullptr;
  controller->Remove(none);
  EXPECT_EQ(nullptr, none);
}

// ---------------------------------------------------------------- messages controller

namespace {
int CountQueued(HWND AWnd, UINT AMessage) {
  int count = 0;
  MSG msg;
  while (PeekMessageW(&msg, AWnd, AMessage, AMessage, PM_REMOVE)) ++count;
  return count;
}
}  // namespace

TEST(MessagesController, KillsTheFirstOrEveryQueuedMessageOfTheWindowInTheRange) {
  TProbeWindow window, other;
  const struct {
    UINT Min, Max;
    bool All;
    bool Killed;
    int ProbesLeft, OthersLeft;
  } cases[] = {
      {WM_PROBE, 0, false, true, 2, 1},
      {WM_PROBE, 0, true, true, 0, 1},
      {WM_PROBE, WM_OTHER, true, true, 0, 0},
      {WM_OTHER + 1, 0, true, false, 3, 1},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 3; ++i) PostMessageW(window.Handle(), WM_PROBE, 0, 0);
    PostMessageW(window.Handle(), WM_OTHER, 0, 0);
    PostMessageW(other.Handle(), WM_PROBE, 0, 0);
    EXPECT_EQ(c.Killed, dxGetMessagesController()->KillMessages(window.Handle(), c.Min, c.Max, c.All));
    EXPECT_EQ(c.ProbesLeft, CountQueued(window.Handle(), WM_PROBE));
    EXPECT_EQ(c.OthersLeft, CountQueued(window.Handle(), WM_OTHER));
    EXPECT_EQ(1, CountQueued(other.Handle(), WM_PROBE));
  }
}

TEST(MessagesController, AQuitMetWhileKillingIsPostedAgain) {
  TProbeWindow window;
  PostMessageW(window.Handle(), WM_PROBE, 0, 0);
  PostMessageW(window.Handle(), WM_PROBE, 0, 0);
  PostQuitMessage(5);
  EXPECT_TRUE(dxGetMessagesController()->KillMessages(nullptr, WM_PROBE, 0, true));
  // The system hands the quit out whatever the filter; it must still be
  // there, and the probes gone.
  int quits = 0, probes = 0;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT && msg.wParam == 5) ++quits;
    if (msg.message == WM_PROBE) ++probes;
  }
  EXPECT_EQ(1, quits);
  EXPECT_EQ(0, probes);
}

TEST(MessagesController, AQueuedMessageIsSeenOnlyForItsOwnWindowAndStaysQueued) {
  TProbeWindow window, other;
  TdxMessagesController* controller = dxGetMessagesController();
  PostMessageW(window.Handle(), WM_PROBE, 0, 0);
  EXPECT_TRUE(controller->IsMessageInQueue(window.Handle(), WM_PROBE));
  EXPECT_FALSE(controller->IsMessageInQueue(window.Handle(), WM_OTHER));
  EXPECT_FALSE(controller->IsMessageInQueue(other.Handle(), WM_PROBE));
  EXPECT_EQ(1, CountQueued(window.Handle(), WM_PROBE));
}

TEST(MessagesController, AnIdLockedTwiceStaysLockedUntilUnlockedTwice) {
  TdxMessagesController* controller = dxGetMessagesController();
  controller->LockMessages({WM_PROBE, WM_OTHER});
  controller->LockMessages({WM_PROBE});
  controller->UnlockMessages({WM_PROBE, WM_OTHER});
  EXPECT_TRUE(controller->IsMessageLocked(WM_PROBE));
  EXPECT_FALSE(controller->IsMessageLocked(WM_OTHER));
  controller->UnlockMessages({WM_PROBE});
  EXPECT_FALSE(controller->IsMessageLocked(WM_PROBE));
}

TEST(MessagesController, ABlockedWindowLosesExactlyItsNextMessage) {
  TProbeWindow window;
  TdxMessagesController* controller = dxGetMessagesController();
  const LONG_PTR own = window.Procedure();
  controller->BlockMessage(window.Handle());
  EXPECT_THROW(controller->BlockMessage(window.Handle()), EdxException);
  EXPECT_EQ("", Probe(nullptr, window.Handle()));
  EXPECT_EQ(own, window.Procedure());
  EXPECT_EQ("own", Probe(nullptr, window.Handle()));
}

TEST(MessagesController, AWindowWhoseMessageNeverCameDoesNotStopOtherBlocks) {
  TProbeWindow waiting, other;
  TdxMessagesController* controller = dxGetMessagesController();
  controller->BlockMessage(waiting.Handle());
  controller->BlockMessage(other.Handle());
  EXPECT_EQ("", Probe(nullptr, other.Handle()));
  EXPECT_EQ("own", Probe(nullptr, other.Handle()));
  EXPECT_EQ("", Probe(nullptr, waiting.Handle()));
  EXPECT_EQ("own", Probe(nullptr, waiting.Handle()));
}

TEST(MessagesController, OnlyALockedMessageIsBlocked) {
  TProbeWindow window;
  TdxMessagesController* controller = dxGetMessagesController();
  const LONG_PTR own = window.Procedure();
  UINT message = WM_OTHER;
  controller->BlockLockedMessage(window.Handle(), message);
  EXPECT_EQ(WM_OTHER, message);
  EXPECT_EQ(own, window.Procedure());
  controller->LockMessages({WM_OTHER});
  controller->BlockLockedMessage(window.Handle(), message);
  controller->UnlockMessages({WM_OTHER});
  EXPECT_EQ(0u, message);
  EXPECT_EQ("", Probe(nullptr, window.Handle()));
  EXPECT_EQ(own, window.Procedure());
}
