// Validation of what a person typed, on a real form: each option alone and
// in the combinations that matter, leaving the edit, Enter, Escape and a
// forced validation; what an OnValidate handler changes; the typed value is
// never lost when a value is refused.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors/cxEdit.h"
#include "components/editors/cxEditConsts.h"
#include "tests/editors/ValidatingEdit.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/StdCtrls.h"

namespace {

struct EditValidation : FormFixture {
  EditValidation() {
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
    Edit = new TValidatingEdit(Form);
    Edit->SetBounds(10, 10, 120, 22);
    Edit->SetParent(Form);
    Other = new TEdit(Form);
    Other->SetBounds(10, 60, 120, 22);
    Other->SetParent(Form);
    // "bad" is refused; an error reported without a text gets the default.
    Edit->ActiveProperties()->OnValidate = [this](TObject*, Variant& DisplayValue, String& ErrorText, bool& Error) {
      ++Validations;
      if (VarToStr(DisplayValue) == L"bad") Error = true;
    };
    Application->OnException = [this](TObject*, const Exception& E) { Raised = E.Message(); };
    Edit->HandleNeeded();
    ProcessPendingMessages();
  }
  ~EditValidation() override { Application->OnException = nullptr; }

  void TypeInEdit(const String& AText) {
    if (!Edit->Focused()) {
      Edit->SetFocus();
      ProcessPendingMessages();
    }
    Edit->Type(AText);
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }

  TValidatingEdit* Edit;
  TEdit* Other;
  int Validations = 0;
  std::optional<String> Raised;
};

String DefaultErrorText() { return dxTranslatedResString(cxSEditValidateErrorText); }

TEST_F(EditValidation, LeavingWithARefusedValueReactsAsTheOptionsSay) {
  using O = TcxEditValidationOptions;
  struct Case {
    const char* Name;
    O Options;
    bool BeepOnError;
    bool Raises;
    bool FocusLeaves;
    bool Stored;
    int Beeps;
  } cases[] = {
      {"none", O{}, false, false, false, false, 0},
      {"none, beeping", O{}, true, false, false, false, 1},
      {"raise", O{evoRaiseException}, false, true, false, false, 0},
      {"raise, beeping", O{evoRaiseException}, true, true, false, false, 1},
      {"icon", O{evoShowErrorIcon}, false, false, false, false, 0},
      {"lose focus", O{evoAllowLoseFocus}, false, false, true, true, 0},
      {"icon, lose focus", O{evoShowErrorIcon, evoAllowLoseFocus}, true, false, true, true, 1},
      // A raised error keeps the focus even where it may leave.
      {"raise, lose focus", O{evoRaiseException, evoAllowLoseFocus}, false, true, false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant(L"old"));
    Edit->ActiveProperties()->SetValidationOptions(c.Options);
    Edit->ActiveProperties()->SetBeepOnError(c.BeepOnError);
    Edit->Beeps = 0;
    Raised.reset();
    TypeInEdit(L"bad");
    Leave();

    EXPECT_EQ(Raised.has_value(), c.Raises);
    if (Raised) EXPECT_EQ(*Raised, DefaultErrorText());
    EXPECT_EQ(Edit->Focused(), !c.FocusLeaves);
    EXPECT_EQ(Edit->EditValue(), Variant(c.Stored ? L"bad" : L"old"));
    EXPECT_EQ(Edit->Beeps, c.Beeps);
    EXPECT_TRUE(Edit->ValidationError());
    EXPECT_EQ(Edit->ValidationErrorText(), DefaultErrorText());
    // What was typed is still there, and still counts as changed where it
    // was not stored.
    EXPECT_EQ(Edit->Text(), String(L"bad"));
    if (!c.Stored) EXPECT_TRUE(Edit->ModifiedAfterEnter());

    // Corrected, the value is taken and the error is gone.
    Raised.reset();
    TypeInEdit(L"good");
    Leave();
    EXPECT_FALSE(Raised.has_value());
    EXPECT_FALSE(Edit->Focused());
    EXPECT_EQ(Edit->EditValue(), Variant(L"good"));
    EXPECT_FALSE(Edit->ValidationError());
  }
}

TEST_F(EditValidation, OnlyAChangedValueIsValidatedUnlessValidationIsForced) {
  Edit->SetEditValue(Variant(L"bad"));
  Edit->SetFocus();
  ProcessPendingMessages();
  Leave();
  EXPECT_EQ(Validations, 0);
  EXPECT_FALSE(Edit->ValidationError());

  EXPECT_FALSE(Edit->ValidateEdit(false));
  EXPECT_EQ(Validations, 1);
  EXPECT_TRUE(Edit->ValidationError());
  try {
    Edit->ValidateEdit(true);
    ADD_FAILURE() << "a refused value passed a raising validation";
  } catch (const EcxEditValidationError& E) {
    EXPECT_EQ(E.Message(), DefaultErrorText());
  }
  // A forced run never aborts silently: the answer tells.
  Edit->ActiveProperties()->SetValidationOptions({});
  EXPECT_FALSE(Edit->ValidateEdit());
}

TEST_F(EditValidation, AHandlerMayChangeTheValueTheTextAndTheOptions) {
  struct Case {
    const char* Name;
    String NewDisplay;  // empty: unchanged
    String NewText;     // empty: unchanged
    TcxEditValidationOptions NewOptions;
    String Shown;
    std::optional<String> Raised;
    bool Stored;
  } cases[] = {
      {"own text", L"", L"Not allowed here", {evoRaiseException}, L"bad", String(L"Not allowed here"), false},
      // The changed value is shown, also when the error is raised.
      {"changed value", L"fixed", L"", {evoRaiseException}, L"fixed", DefaultErrorText(), false},
      // Options changed during the run change how it reacts.
      {"let go", L"", L"", {evoAllowLoseFocus}, L"bad", std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant(L"old"));
    Edit->ActiveProperties()->SetValidationOptions({evoRaiseException});
    TcxCustomEditProperties* properties = Edit->ActiveProperties();
    properties->OnValidate = [&](TObject* Sender, Variant& DisplayValue, String& ErrorText, bool& Error) {
      EXPECT_EQ(Sender, Edit);
      EXPECT_TRUE(Edit->IsEditValidating());
      Error = true;
      if (!c.NewDisplay.empty()) DisplayValue = Variant(c.NewDisplay);
      if (!c.NewText.empty()) ErrorText = c.NewText;
      properties->SetInternalValidationOptions(c.NewOptions);
    };
    Raised.reset();
    TypeInEdit(L"bad");
    Leave();
    EXPECT_FALSE(Edit->IsEditValidating());
    EXPECT_EQ(Raised, c.Raised);
    EXPECT_EQ(Edit->Text(), c.Shown);
    EXPECT_EQ(Edit->EditValue(), Variant(c.Stored ? c.Shown : String(L"old")));
  }
}

TEST_F(EditValidation, EnterValidatesAndEscapeRestoresTheValueAndTheErrorState) {
  Edit->ActiveProperties()->SetValidateOnEnter(true);
  Edit->SetEditValue(Variant(L"old"));
  TypeInEdit(L"bad");
  PressKey(VK_RETURN);
  EXPECT_EQ(Raised, DefaultErrorText());
  EXPECT_TRUE(Edit->ValidationError());
  EXPECT_EQ(Edit->Text(), String(L"bad"));
  EXPECT_EQ(Edit->EditValue(), Variant(L"old"));

  PressKey(VK_ESCAPE);
  EXPECT_EQ(Edit->Text(), String(L"old"));
  EXPECT_FALSE(Edit->ValidationError());
  EXPECT_TRUE(Edit->EditModified());

  Raised.reset();
  TypeInEdit(L"good");
  PressKey(VK_RETURN);
  EXPECT_FALSE(Raised.has_value());
  EXPECT_EQ(Edit->EditValue(), Variant(L"good"));
  EXPECT_TRUE(Edit->Focused());
}

TEST_F(EditValidation, AFailedPostGivesTheFocusBackBeepsAndRaises) {
  Edit->ActiveProperties()->SetBeepOnError(true);
  TypeInEdit(L"typed");
  TValidatingBinding::Refuse = true;
  Leave();
  TValidatingBinding::Refuse = false;
  EXPECT_EQ(Raised, String(L"The value cannot be stored"));
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(Edit->Beeps, 1);
  EXPECT_EQ(Edit->Text(), String(L"typed"));
  EXPECT_TRUE(Edit->ModifiedAfterEnter());
}

// A dialog with the edit and a default OK button, shown modally; what a
// person does runs inside its modal loop, one step per timer tick.
struct ModalEditValidation : ::testing::Test {
  ModalEditValidation() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Dialog->SetBounds(100, 100, 300, 200);
    Edit = new TValidatingEdit(Dialog);
    Edit->SetBounds(10, 10, 120, 22);
    Edit->SetParent(Dialog);
    auto* ok = new TButton(Dialog);
    ok->SetBounds(10, 60, 75, 25);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetParent(Dialog);
    Edit->ActiveProperties()->OnValidate = [](TObject*, Variant& DisplayValue, String&, bool& Error) {
      if (VarToStr(DisplayValue) == L"bad") Error = true;
    };
    Edit->SetEditValue(Variant(L"old"));
    Application->OnException = [this](TObject*, const Exception& E) { Raised = E.Message(); };
    Dialog->HandleNeeded();
  }
  ~ModalEditValidation() override {
    Application->OnException = nullptr;
    delete Dialog;
  }

  // Shows the dialog modally, running the steps inside its loop; a dialog
  // still open after the last step is closed (a cancel).
  TModalResult ShowModalWith(std::deque<std::function<void()>> ASteps) {
    Steps = std::move(ASteps);
    Current = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &Tick);
    const TModalResult result = Dialog->ShowModal();
    KillTimer(nullptr, timer);
    Current = nullptr;
    return result;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!Current || !Current->Dialog->Modal()) return;
    if (Current->Steps.empty()) return PostMessageW(Current->Dialog->Handle(), WM_CLOSE, 0, 0), void();
    auto step = std::move(Current->Steps.front());
    Current->Steps.pop_front();
    step();
  }
  void Type(const String& AText) {
    Edit->SetFocus();
    Edit->Type(AText);
  }
  // Enter goes to the default OK button, the focus staying in the edit.
  void PressEnter() {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(GetFocus(), WM_KEYUP, VK_RETURN, 0xC0000001);
  }

  TForm* Dialog = new TForm(Application);
  TValidatingEdit* Edit;
  std::deque<std::function<void()>> Steps;
  std::optional<String> Raised;
  static inline ModalEditValidation* Current = nullptr;
};

// OK validates the value typed before the dialog closes: a refused value
// keeps the dialog open with the focus in the edit (raised or beeped as the
// options say) unless the options let the focus go; closing the dialog
// (a cancel) takes nothing and reports nothing.
TEST_F(ModalEditValidation, ClosingWithOkValidatesTheEditAndCancelDoesNot) {
  using O = TcxEditValidationOptions;
  struct Case {
    const char* Name;
    O Options;
    String Typed;
    bool RaisesOnOk;
    bool ClosesOnOk;
    String Stored;
  } cases[] = {
      {"none", O{}, L"bad", false, false, L"old"},
      {"raise", O{evoRaiseException}, L"bad", true, false, L"old"},
      {"icon", O{evoShowErrorIcon}, L"bad", false, false, L"old"},
      {"icon, lose focus", O{evoShowErrorIcon, evoAllowLoseFocus}, L"bad", false, true, L"bad"},
      {"raise, valid value", O{evoRaiseException}, L"good", false, true, L"good"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant(L"old"));
    Edit->ActiveProperties()->SetValidationOptions(c.Options);
    Edit->ActiveProperties()->SetBeepOnError(true);
    Edit->Beeps = 0;
    Raised.reset();
    bool openAfterOk = false, focusedAfterOk = false;
    int beepsAfterOk = 0;
    std::optional<String> raisedOnOk;
    const TModalResult result = ShowModalWith({
        [&] { Type(c.Typed); },
        [&] { PressEnter(); },
        [&] {
          openAfterOk = Dialog->Visible();
          focusedAfterOk = Edit->Focused();
          beepsAfterOk = Edit->Beeps;
          raisedOnOk = Raised;
        },
    });
    const bool refused = !c.ClosesOnOk;
    EXPECT_EQ(result, refused ? mrCancel : mrOk);
    if (refused) {
      EXPECT_TRUE(openAfterOk);
      EXPECT_TRUE(focusedAfterOk);
      EXPECT_EQ(beepsAfterOk, 1);
      EXPECT_EQ(raisedOnOk.has_value(), c.RaisesOnOk);
      if (raisedOnOk) EXPECT_EQ(*raisedOnOk, DefaultErrorText());
    }
    // The cancel after a refusal neither beeps nor raises again.
    EXPECT_EQ(Edit->Beeps, c.Typed == L"bad" ? 1 : 0);
    EXPECT_EQ(Raised.has_value(), c.RaisesOnOk);
    EXPECT_EQ(Edit->EditValue(), Variant(c.Stored));
    EXPECT_EQ(Edit->ValidationError(), c.Typed == L"bad");
    // Cancelled, the edit shows its value again.
    EXPECT_EQ(Edit->Text(), c.Stored);
  }
  // Closed at once, without OK: nothing is validated.
  Edit->SetEditValue(Variant(L"old"));
  Edit->ActiveProperties()->SetValidationOptions({evoRaiseException});
  Edit->Beeps = 0;
  Raised.reset();
  EXPECT_EQ(ShowModalWith({[&] { Type(L"bad"); }}), mrCancel);
  EXPECT_EQ(Edit->Beeps, 0);
  EXPECT_FALSE(Raised.has_value());
  EXPECT_EQ(Edit->EditValue(), Variant(L"old"));
}

// The glyphs are the program's own resources, decoded on first use.
TEST(EditValidationGlyphs, EachErrorTypeTakesItsBuiltInGlyph) {
  TcxEditValidateInfo info;
  for (TcxEditErrorType type : {eetError, eetWarning, eetInfo}) {
    TdxSmartImage* glyph = cxEditValidationGlyph(type);
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->Width(), 16);
    info.SetErrorType(type);
    EXPECT_TRUE(info.ErrorIcon->Compare(glyph));
    EXPECT_TRUE(info.HasErrorIcon());
  }
  // A custom type keeps what the icon holds.
  info.SetErrorType(eetCustom);
  EXPECT_TRUE(info.ErrorIcon->Compare(cxEditValidationGlyph(eetInfo)));
  info.Reset();
  EXPECT_FALSE(info.HasError());
  EXPECT_TRUE(info.ErrorIcon->Empty());
  EXPECT_EQ(cxEditValidationGlyph(eetNone), nullptr);
}

// The wheel cursor is the program's own resource too, registered with the
// screen at start-up: a 32x32 picture with its hot spot in the middle.
TEST(EditUnitResources, TheMouseWheelCursorIsRegistered) {
  const HCURSOR cursor = Screen->Cursors(crcxEditMouseWheel);
  ASSERT_NE(cursor, nullptr);
  EXPECT_NE(cursor, LoadCursorW(nullptr, IDC_ARROW));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 16u);
  EXPECT_EQ(info.yHotspot, 16u);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

}  // namespace
