#pragma once
// Resource strings: the program's localisable texts. Each is one
// process-wide record holding its current text, which a localizer may
// replace at run time; code reads it through LoadResString, so a
// replacement shows wherever the text is used.
#include "vcl/rtl/System.h"

struct TResStringRec {
  String Text;
};
using PResStringRec = TResStringRec*;

inline String LoadResString(const TResStringRec* AResString) {
  return AResString ? AResString->Text : String();
}
