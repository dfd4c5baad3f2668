#pragma once
// TClipboard: the system clipboard, opened through a hidden window of its
// own. Graphics put themselves on it with SaveToClipboardFormat.
#include "vcl/rtl/Persistent.h"

struct HWND__;

class TClipboard : public TPersistent {
  VCL_CLASS(TClipboard, TPersistent)
public:
  TClipboard() = default;
  ~TClipboard() override;

  // Opens may nest; the clipboard closes with the last Close. A clipboard
  // another program holds raises EOSError.
  void Open();
  void Close();
  // Empties the clipboard (opening it for the call when it is not open).
  void Clear();
  bool HasFormat(uint32_t AFormat) const;
  // The data of a format, owned by the clipboard; null when absent.
  void* GetAsHandle(uint32_t AFormat);
  // Hands the data to the clipboard, which owns it from then on.
  void SetAsHandle(uint32_t AFormat, void* AData);
  // The clipboard's text; empty when it holds none.
  String AsText();

  // A graphic (or a picture's graphic) replaces the clipboard's content.
  void Assign(TPersistent* Source) override;

private:
  HWND__* WindowHandle();
  HWND__* FWindow = nullptr;
  int FOpenRefCount = 0;
  bool FEmptied = false;
};

// The process's clipboard object.
TClipboard* Clipboard();
