#pragma once
// Common controls on the platform's own window classes: the date-time
// picker (SysDateTimePick32) and the status bar (msctls_statusbar32).
#include "vcl/controls/Controls.h"
#include "vcl/rtl/SysUtils.h"

VCL_EXCEPTION(EDateTimeError, Exception)

class TDateTimePicker : public TWinControl {
  VCL_COMPONENT_CLASS(TDateTimePicker, TWinControl)
public:
  explicit TDateTimePicker(TComponent* AOwner);

  // The date and time shown; it stays when the box is unchecked. A value
  // the picker cannot show (before 1601) raises EDateTimeError.
  TDateTime DateTime() const { return FDateTime; }
  void SetDateTime(TDateTime Value);
  TDateTime Date() const;
  void SetDate(TDateTime Value);  // keeps the time of day
  // A check box in front of the date; unchecked means "no date".
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);

  // A person changed the date or the check box.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void WndProc(TMessage& Message) override;

private:
  void ShowValue();
  TDateTime FDateTime;
  bool FShowCheckbox = false;
  bool FChecked = true;
};

class TStatusBar;

class TStatusPanel {
public:
  explicit TStatusPanel(TStatusBar* AOwner) : FOwner(AOwner) {}
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);

private:
  TStatusBar* FOwner;
  String FText;
  int FWidth = 50;
};

class TStatusBar : public TWinControl {
  VCL_COMPONENT_CLASS(TStatusBar, TWinControl)
public:
  explicit TStatusBar(TComponent* AOwner);

  // One text across the whole bar instead of the panels.
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  const String& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const String& Value);

  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  TStatusPanel* Panels(int Index) const { return FPanels.at(Index).get(); }
  TStatusPanel* AddPanel();
  void ClearPanels();

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;

private:
  friend class TStatusPanel;
  void ShowPanels();
  bool FSimplePanel = false;
  String FSimpleText;
  std::vector<std::unique_ptr<TStatusPanel>> FPanels;
};
