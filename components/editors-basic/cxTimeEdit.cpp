// The time edit: its masks and formats from the locale, the parts of its
// text, the typing rules of each part, steps by the part under the caret,
// and its filter helper and registration.
#include "components/editors-basic/cxTimeEdit.h"

#include <cmath>
#include <memory>

#include "components/core/cxFormats.h"
#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

namespace {

// By TimeFormat x 4 + (24-hour ? 2 : 0) + (mask ? 1 : 0); the three
// 12-hour masks follow the locale.
String TimeFormats[12] = {
    L"hh:nn:ss ampm", L"00:00:00 LL;1;0", L"hh:nn:ss", L"00:00:00;1;0",
    L"hh:nn ampm",    L"00:00 LL;1;0",    L"hh:nn",    L"00:00;1;0",
    L"hh ampm",       L"00 LL;1;0",       L"hh",       L"00;1;0",
};

int FormatIndex(TcxTimeEditTimeFormat AFormat, bool AUse24HourFormat, bool AEditMask) {
  return static_cast<int>(AFormat) * 4 + (AUse24HourFormat ? 2 : 0) + (AEditMask ? 1 : 0);
}

// The position of the suffix (1-based) and of the end of the digits.
int SuffixStart(TcxTimeEditTimeFormat AFormat) { return 9 - 3 * static_cast<int>(AFormat); }

bool SameCharIgnoringCase(Char A, Char B) { return AnsiUpperCase(String(1, A)) == AnsiUpperCase(String(1, B)); }

// The date part, truncated towards zero as dates before 1899-12-30 count.
TDateTime DatePart(TDateTime AValue) { return std::trunc(AValue); }

// Listens for locale changes and rebuilds the 12-hour masks.
class TcxTimeEditFormatListener : public IcxFormatControllerListener {
public:
  TcxTimeEditFormatListener() {
    if (TcxFormatController* controller = cxFormatControllerInstance()) controller->AddListener(this);
    cxRebuildTimeEditMasks();
  }
  ~TcxTimeEditFormatListener() {
    if (TcxFormatController* controller = cxFormatControllerInstance()) controller->RemoveListener(this);
  }
  void FormatSettingsChanged() override { cxRebuildTimeEditMasks(); }
};

std::unique_ptr<TcxTimeEditFormatListener> FormatListener;
bool UnitStarted = false;

}  // namespace

String cxTimeEditFormat(TcxTimeEditTimeFormat AFormat, bool AUse24HourFormat, bool AEditMask) {
  // The locale's masks are built, and followed, from the first format asked
  // for on, not at start-up.
  if (UnitStarted && !FormatListener) FormatListener = std::make_unique<TcxTimeEditFormatListener>();
  return TimeFormats[FormatIndex(AFormat, AUse24HourFormat, AEditMask)];
}

void cxRebuildTimeEditMasks() {
  // Noon, so the text ends with the locale's PM designator.
  const String noon = FormatDateTime(L"hh:mm:ss AMPM", 1.5);
  String pattern;
  for (size_t i = 8; i < noon.size(); ++i) pattern += noon[i] == L' ' ? L' ' : L'c';
  pattern = TrimRight(pattern);
  for (int format = 0; format < 3; ++format) {
    String& mask = TimeFormats[format * 4 + 1];
    mask = Copy(L"00:00:00", 1, 8 - 3 * format) + pattern + L";1;0";
  }
}

void cxTimeSuffixStrings(TcxTimeSuffixKind AKind, String& AAM, String& APM) {
  switch (AKind) {
    case tskAP: AAM = L"A"; APM = L"P"; return;
    case tskAMPM: AAM = L"AM"; APM = L"PM"; return;
    case tskAMPMString: AAM = FormatSettings.TimeAMString; APM = FormatSettings.TimePMString; return;
  }
}

// The suffix: before the first character where AM and PM differ the typed
// character must be AM's, after it the text's own; at it, it chooses AM or
// PM whole. Digits: a two-digit item must stay in its range; a digit that
// cannot start the item pushes a 0 before it.
bool cxValidateTimeEditChar(String& AText, Char ACh, int APos, const TcxTimeEditTextZone& AZone, int& ACaret) {
  if (APos < 1 || APos > static_cast<int>(AText.size())) return false;
  if (AZone.Kind == 3) {
    String am, pm;
    cxTimeSuffixStrings(AZone.SuffixKind, am, pm);
    const size_t common = std::min(am.size(), pm.size());
    int differ = -1;
    for (size_t i = 0; i < common && differ < 0; ++i)
      if (!SameCharIgnoringCase(am[i], pm[i])) differ = static_cast<int>(i) + 1;
    if (differ < 0 && am.size() != pm.size()) differ = static_cast<int>(common) + 1;
    if (differ < 0) return false;
    const int decisive = differ + AZone.Start - 1;
    if (APos < decisive) {
      const int index = APos - AZone.Start;
      if (index < 0 || index >= static_cast<int>(am.size()) || !SameCharIgnoringCase(ACh, am[index])) return false;
      AText[APos - 1] = am[index];
      ACaret = APos;
      return true;
    }
    if (APos > decisive) {
      if (!SameCharIgnoringCase(ACh, AText[APos - 1])) return false;
      ACaret = APos;
      return true;
    }
    auto chooses = [&](const String& S) {
      return differ <= static_cast<int>(S.size()) && SameCharIgnoringCase(ACh, S[differ - 1]);
    };
    const String* chosen = chooses(am) ? &am : chooses(pm) ? &pm : nullptr;
    if (!chosen) return false;
    AText = Copy(AText, 1, AZone.Start - 1) + *chosen;
    ACaret = AZone.Start - 1 + static_cast<int>(chosen->size());
    return true;
  }
  if (ACh < L'0' || ACh > L'9') return false;
  const int first = AZone.Start - 1;  // 0-based
  if (first + 1 >= static_cast<int>(AText.size())) return false;
  const int low = AZone.Kind == 0 && !AZone.Use24HourFormat ? 1 : 0;
  const int high = AZone.Kind != 0 ? 59 : AZone.Use24HourFormat ? 23 : 12;
  auto inRange = [&](const String& T) {
    const Char a = T[first], b = T[first + 1];
    if (a < L'0' || a > L'9' || b < L'0' || b > L'9') return false;
    const int value = (a - L'0') * 10 + (b - L'0');
    return value >= low && value <= high;
  };
  String placed = AText;
  placed[APos - 1] = ACh;
  if (inRange(placed)) {
    AText = placed;
    ACaret = APos;
    return true;
  }
  if (APos - 1 == first) {
    if (ACh == L'0') {
      AText[first + 1] = AText[first];
      AText[first] = L'0';
      ACaret = APos;
    } else if (ACh > static_cast<Char>(L'0' + high / 10)) {
      AText[first] = L'0';
      AText[first + 1] = ACh;
      ACaret = APos + 1;
    } else {
      AText[first] = ACh;
      AText[first + 1] = L'0';
      ACaret = APos;
    }
    return true;
  }
  if (ACh == L'0') return false;
  AText[first] = L'0';
  AText[first + 1] = ACh;
  ACaret = APos;
  return true;
}

// ---------------------------------------------------------------- properties

TcxCustomTimeEditProperties::TcxCustomTimeEditProperties(TPersistent* AOwner) : TcxCustomSpinEditProperties(AOwner) {
  SetValueType(vtFloat);
  ApplyTimeMask();
  SetIgnoreMaskBlank(true);
  SetIncrement(1);
  SetMinValue(0);
  SetMaxValue(86399);
  SetAlwaysShowBlanksAndLiterals(true);
}

TcxCustomEditClass TcxCustomTimeEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxTimeEdit>();
}

void TcxCustomTimeEditProperties::ApplyTimeMask() { SetEditMask(cxTimeEditFormat(FTimeFormat, FUse24HourFormat, true)); }

void TcxCustomTimeEditProperties::SetShowDate(bool Value) {
  if (FShowDate == Value) return;
  FShowDate = Value;
  Changed();
}

void TcxCustomTimeEditProperties::SetTimeFormat(TcxTimeEditTimeFormat Value) {
  if (FTimeFormat == Value) return;
  BeginUpdate();
  FTimeFormat = Value;
  ApplyTimeMask();
  Changed();
  EndUpdate();
}

void TcxCustomTimeEditProperties::SetUse24HourFormat(bool Value) {
  if (FUse24HourFormat == Value) return;
  BeginUpdate();
  FUse24HourFormat = Value;
  ApplyTimeMask();
  Changed();
  EndUpdate();
}

void TcxCustomTimeEditProperties::SetUseTimeFormatWhenUnfocused(bool Value) {
  if (FUseTimeFormatWhenUnfocused == Value) return;
  FUseTimeFormatWhenUnfocused = Value;
  Changed();
}

void TcxCustomTimeEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomSpinEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomTimeEditProperties*>(Source);
  if (!source) return;
  BeginUpdate();
  FAutoCorrectHours = source->FAutoCorrectHours;
  SetShowDate(source->FShowDate);
  SetTimeFormat(source->FTimeFormat);
  SetUse24HourFormat(source->FUse24HourFormat);
  SetUseTimeFormatWhenUnfocused(source->FUseTimeFormatWhenUnfocused);
  EndUpdate();
}

// The masks were rebuilt by the unit's listener, heard first.
void TcxCustomTimeEditProperties::NotifyFormatsChanged() {
  BeginUpdate();
  ApplyTimeMask();
  EndUpdate(false);
  TcxCustomSpinEditProperties::NotifyFormatsChanged();
}

int TcxCustomTimeEditProperties::GetTextZoneStart(int AKind) {
  return AKind == 3 ? 10 - 3 * static_cast<int>(FTimeFormat) : AKind * 3 + 1;
}

void TcxCustomTimeEditProperties::GetTextZone(int APosition, TcxTimeEditTextZone& AZone) {
  int position = APosition;
  if (MaxLength() > 0) position = std::min(position, MaxLength());
  int kind;
  if (!FUse24HourFormat && position > 8 - 3 * static_cast<int>(FTimeFormat)) {
    kind = 3;
  } else {
    const String format = UpperCase(TimeDisplayFormat());
    const int length = static_cast<int>(format.size());
    auto kindOf = [&](Char C, int AOther) { return C == L'H' ? 0 : C == L'N' ? 1 : C == L'S' ? 2 : AOther; };
    position = std::clamp(position, 1, length);
    kind = kindOf(format[position - 1], -1);
    if (kind < 0) kind = kindOf(format[std::min(position + 1, length) - 1], 2);
  }
  AZone.Kind = kind;
  AZone.Start = GetTextZoneStart(kind);
  AZone.Length = GetTextZoneLength(kind);
  AZone.SuffixKind = GetTextSuffixKind();
  AZone.Use24HourFormat = FUse24HourFormat;
}

String TcxCustomTimeEditProperties::FormatTimeText(TDateTime AValue, bool AFocused) {
  const bool dated = FShowDate && AValue != 0 && DatePart(AValue) != 0;
  String text;
  if (AFocused || (FUseTimeFormatWhenUnfocused && !dated))
    text = FormatDateTime(TimeDisplayFormat(), AValue);
  else
    text = dated ? DateTimeToStr(AValue) : TimeToStr(AValue);
  return TrimRight(text);
}

// The text cut to what a time parse takes: the digits, a lone hour made a
// whole time, and the suffix the locale's AM or PM.
static String TimeTextToParse(TcxCustomTimeEditProperties* AProperties, const String& AText) {
  const int suffix = SuffixStart(AProperties->TimeFormat());
  String text = AProperties->Use24HourFormat() ? AText : Copy(AText, 1, suffix - 1);
  text = Trim(text);
  if (text.size() == 2) text += L":00";
  if (!AProperties->Use24HourFormat()) {
    const String tail = Copy(AText, suffix);
    const String& am = FormatSettings.TimeAMString;
    const String designator = !am.empty() && Pos(am, tail) > 0 ? am : FormatSettings.TimePMString;
    if (!designator.empty()) text += L" " + designator;
  }
  return text;
}

static bool TryTimeText(TcxCustomTimeEditProperties* AProperties, const String& AText, TDateTime& ATime) {
  ATime = 0;
  if (Trim(AText).empty()) return true;
  return TryStrToTime(TimeTextToParse(AProperties, AText), ATime);
}

void TcxCustomTimeEditProperties::DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                        bool AEditFocused) {
  if (AEditValue.IsNull() || AEditValue.IsEmpty()) {
    DisplayValue = Variant(AEditFocused ? Trim(FormatDateTime(TimeDisplayFormat(), 0)) : String());
    return;
  }
  if (!VarIsNumeric(AEditValue) && !VarIsStr(AEditValue) && VarType(AEditValue) != varDate)
    throw EConvertError(dxTranslatedResString(cxSEditTimeConvertError));
  TDateTime value;
  if (VarIsStr(AEditValue)) {
    // A text that is no time shows as it is, never as some other time.
    if (!TryStrToDateTime(AEditValue.AsString(), value)) {
      DisplayValue = AEditValue;
      return;
    }
  } else {
    value = AEditValue.AsDouble();
  }
  try {
    DisplayValue = Variant(FormatTimeText(value, AEditFocused));
  } catch (const Exception&) {
    DisplayValue = Variant(VarToStr(AEditValue));
  }
}

Variant TcxCustomTimeEditProperties::EmptyFocusedDisplayValue() {
  return Variant(Trim(FormatDateTime(TimeDisplayFormat(), 0)));
}

// Valid is what the edit value can be made of: the same parse.
bool TcxCustomTimeEditProperties::IsDisplayValueValid(Variant& ADisplayValue, bool) {
  const String text = VarToStr(ADisplayValue);
  TDateTime time;
  if (TryTimeText(this, text, time)) return true;
  TDateTime any;
  return TryStrToDateTime(Trim(text), any);
}

bool TcxCustomTimeEditProperties::IsEditValueValid(Variant& EditValue, bool AEditFocused) {
  if (VarIsStr(EditValue)) {
    TDateTime value;
    return TryStrToDateTime(Trim(EditValue.AsString()), value);
  }
  return EditValue.IsNull() || EditValue.IsEmpty() || VarIsNumeric(EditValue) || VarType(EditValue) == varDate;
}

// A text that is no time is refused with its reason, and the previous
// value stays.
void TcxCustomTimeEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  Variant display = ADisplayValue;
  if (!AError && !IsDisplayValueValid(display, true)) AError = true;
  if (AError && AErrorText.empty()) AErrorText = dxTranslatedResString(cxSEditTimeConvertError);
  TcxCustomEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

TcxMaskEditModeClass TcxCustomTimeEditProperties::ModeClassForKind(TcxEditMaskKind) {
  return TcxMaskEditModeClass::Of<TcxTimeEditMaskMode>();
}

// ---------------------------------------------------------------- mask mode

TcxCustomTimeEditProperties* TcxTimeEditMaskMode::TimeProperties() const {
  return dynamic_cast<TcxCustomTimeEditProperties*>(ActiveMaskProperties());
}

Char TcxTimeEditMaskMode::GetBlank(int APos) {
  TcxCustomTimeEditProperties* properties = TimeProperties();
  if (!properties) return TcxMaskEditStandardMode::GetBlank(APos);
  TcxTimeEditTextZone zone;
  properties->GetTextZone(APos, zone);
  return zone.Kind == 3 ? Char(0) : L'0';
}

bool TcxTimeEditMaskMode::PressSymbol(Char& ASymbol) {
  TcxCustomTimeEditProperties* properties = TimeProperties();
  if (!properties || !Edit()) return TcxMaskEditStandardMode::PressSymbol(ASymbol);
  const String text = Text();
  const int length = TextLength(), start = SelStart();
  const TcxStandardMask& mask = Mask();
  auto isLiteral = [&](int APos) { return APos < mask.Count() && mask.GetItems(APos)->IsLiteral(); };
  auto putCaret = [&](int APos) {
    while (APos < length && isLiteral(APos)) ++APos;
    SetSelection(APos, APos < length ? 1 : 0);
  };
  if (length == 0 || start >= length) {
    BeepOnError();
    return false;
  }
  int pos = start;
  while (pos < length && isLiteral(pos)) ++pos;
  // A literal typed over itself only steps over it.
  if (pos != start && text[start] == ASymbol) {
    putCaret(pos);
    return false;
  }
  TcxTimeEditTextZone zone;
  properties->GetTextZone(pos + 1, zone);
  String newText = text;
  int caret = pos;
  if (pos >= length || !cxValidateTimeEditChar(newText, ASymbol, pos + 1, zone, caret)) {
    BeepOnError();
    return false;
  }
  size_t from = 0;
  while (from < text.size() && from < newText.size() && text[from] == newText[from]) ++from;
  if (from < text.size() || from < newText.size())
    ReplaceText(static_cast<int>(from), length - static_cast<int>(from), newText.substr(from));
  putCaret(caret);
  return false;
}

// ---------------------------------------------------------------- the edit

TcxCustomTimeEdit::TcxCustomTimeEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomSpinEdit(AOwner, AIsInplace) {
  TControlStyle style = ControlStyle();
  SetControlStyle(style.Exclude(csSetCaption));
}

TDateTime TcxCustomTimeEdit::Time() {
  const Variant value = InternalFocused() ? GetTypedEditValue() : EditValue();
  TDateTime result = 0;
  if (value.IsNull() || value.IsEmpty()) return 0;
  if (VarIsStr(value)) {
    if (!TryStrToDateTime(value.AsString(), result)) return 0;
  } else {
    result = value.AsDouble();
  }
  return std::fabs(result - std::trunc(result));
}

void TcxCustomTimeEdit::SetTime(TDateTime AValue) {
  const double sign = FSavedDate < 0 ? -1 : 1;
  SetInternalEditValue(VarFromDateTime(FSavedDate + std::fabs(AValue - std::trunc(AValue)) * sign));
}

Variant TcxCustomTimeEdit::Value() {
  TcxCustomTimeEditProperties* properties = ActiveProperties();
  const String text = Text();
  auto item = [&](int APos) { return StrToIntDef(Copy(text, APos, 2), 0); };
  const bool twelve = !properties->Use24HourFormat();
  int seconds = (twelve ? item(1) % 12 : item(1)) * 3600;
  if (properties->TimeFormat() != tfHour) seconds += item(4) * 60;
  if (properties->TimeFormat() == tfHourMinSec) seconds += item(7);
  const String& pm = FormatSettings.TimePMString;
  if (twelve && !pm.empty() && text.size() >= pm.size() && text.compare(text.size() - pm.size(), pm.size(), pm) == 0)
    seconds += 43200;
  return Variant(seconds);
}

void TcxCustomTimeEdit::SetValue(const Variant& AValue) {
  if (VarIsNumeric(AValue)) SetTime(AValue.AsDouble() * 1000 / 86400000);
}

String TcxCustomTimeEdit::ValueToDisplayText(const Variant& AValue) {
  return TcxCustomSpinEdit::ValueToDisplayText(Variant(AValue.AsDouble() * 1000 / 86400000));
}

TcxTimeEditTextZone TcxCustomTimeEdit::CaretZone() {
  TcxTimeEditTextZone zone;
  ActiveProperties()->GetTextZone(SelStart() + 1, zone);
  return zone;
}

// The step of the part under the caret; in the suffix, AM and PM swap
// within the day.
double TcxCustomTimeEdit::ButtonIncrement(TcxSpinEditButton AButton) {
  const double increment = ActiveProperties()->GetIncrement(AButton);
  switch (CaretZone().Kind) {
    case 0: return increment * 3600;
    case 1: return increment * 60;
    case 2: return increment;
    default: break;
  }
  return Value().AsDouble() >= 43200 ? -43200 : 43200;
}

// The caret stays in the part stepped: on its second digit, or over the
// suffix.
bool TcxCustomTimeEdit::Increment(TcxSpinEditButton AButton) {
  if (!HandleAllocated()) return TcxCustomSpinEdit::Increment(AButton);
  TcxCustomTimeEditProperties* properties = ActiveProperties();
  int start, length = 1;
  if (CaretZone().Kind == 3) {
    const String text = Text();
    start = SuffixStart(properties->TimeFormat()) - 1;
    while (start < static_cast<int>(text.size()) && text[start] == L' ') ++start;
    const bool becomesAfternoon = Time() < 0.5;
    length = static_cast<int>((becomesAfternoon ? FormatSettings.TimePMString : FormatSettings.TimeAMString).size());
  } else {
    const int caret = SelStart();
    start = caret < 2 ? 1 : caret <= 4 ? 4 : 7;
  }
  const bool changed = TcxCustomSpinEdit::Increment(AButton);
  SetSelection(start, length);
  return changed;
}

Variant TcxCustomTimeEdit::GetTypedEditValue() {
  Variant value;
  PrepareEditValue(Variant(Text()), value, true);
  return value;
}

// A text that is no time keeps the previous value (validation refuses it
// with its reason).
void TcxCustomTimeEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  TDateTime time;
  if (!TryTimeText(ActiveProperties(), VarToStr(ADisplayValue), time)) {
    AEditValue = EditValue();
    return;
  }
  const double sign = FSavedDate < 0 ? -1 : 1;
  AEditValue = VarFromDateTime(time * sign + FSavedDate);
}

void TcxCustomTimeEdit::StoreEditValue(const Variant& Value, bool AFlag) {
  Variant value = Value;
  if (value.IsNull() || value.IsEmpty() || !ActiveProperties()->IsEditValueValid(value, InternalFocused())) {
    FSavedDate = 0;
  } else if (VarIsStr(value)) {
    TDateTime parsed = 0;
    TryStrToDateTime(Trim(value.AsString()), parsed);
    FSavedDate = DatePart(parsed);
  } else {
    FSavedDate = DatePart(value.AsDouble());
  }
  TcxCustomSpinEdit::StoreEditValue(Value, AFlag);
}

// In 12-hour form an empty text goes in as it is, not through the mask; so
// does the unfocused text, which may be the system's date-time form.
void TcxCustomTimeEdit::WriteDisplayValue(const Variant& ADisplayValue) {
  const bool masked = ActiveProperties()->Use24HourFormat() || !VarToStr(ADisplayValue).empty();
  if (masked && InternalFocused()) return TcxCustomSpinEdit::WriteDisplayValue(ADisplayValue);
  TcxCustomTextEdit::SetInternalDisplayValue(ADisplayValue);
}

void TcxCustomTimeEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomSpinEdit::HandlePropertiesChanged(Sender);
  if (HandleAllocated() && !InternalFocused()) SetSelection(static_cast<int>(Text().size()), 0);
}

// ---------------------------------------------------------------- filter helper

const TcxFilterTimeEditHelper* TcxFilterTimeEditHelper::Instance() {
  static const TcxFilterTimeEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterTimeEditHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxTimeEdit>();
}

void TcxFilterTimeEditHelper::InitializeFilterEdit(TcxCustomEdit* AEdit,
                                                   TcxCustomEditProperties* AEditProperties) const {
  TcxFilterSpinEditHelper::InitializeFilterEdit(AEdit, AEditProperties);
  if (auto* edit = dynamic_cast<TcxCustomTimeEdit*>(AEdit)) edit->SetTime(0);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxTimeEditUnit{L"cxTimeEdit",
                                [] {
                                  UnitStarted = true;
                                  cxEditPropertiesRegistry()->Register(
                                      TcxTimeEditProperties::StaticClass(),
                                      dxTranslatedResString(scxSEditRepositoryTimeItem));
                                  cxFilterEditsRegistry()->Register(TcxTimeEditProperties::StaticClass(),
                                                                    TcxFilterTimeEditHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxTimeEditProperties::StaticClass(),
                                                                      TcxFilterTimeEditHelper::Instance());
                                  cxEditPropertiesRegistry()->Unregister(TcxTimeEditProperties::StaticClass());
                                  FormatListener.reset();
                                  UnitStarted = false;
                                }};
