#pragma once
// Runs a test in a given locale: the thread's locale, the platform's format
// settings and the display formats built from them; all are put back after.
#include "components/core/cxFormats.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/WinApi.h"

class TLocaleScope {
public:
  explicit TLocaleScope(LANGID ALanguage) : FOldLocale(GetThreadLocale()), FOldSettings(FormatSettings) {
    Apply(MAKELCID(ALanguage, SORT_DEFAULT));
  }
  ~TLocaleScope() { Apply(FOldLocale, &FOldSettings); }
  TLocaleScope(const TLocaleScope&) = delete;
  TLocaleScope& operator=(const TLocaleScope&) = delete;

private:
  static void Apply(LCID ALocale, const TFormatSettings* ASettings = nullptr) {
    SetThreadLocale(ALocale);
    FormatSettings = ASettings ? *ASettings : TFormatSettings::Create(ALocale);
    cxFormatControllerInstance()->RefreshFormats();
  }
  LCID FOldLocale;
  TFormatSettings FOldSettings;
};

constexpr LANGID cxLangPtBR = MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN);
constexpr LANGID cxLangEnUS = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID cxLangDe = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
constexpr LANGID cxLangThai = MAKELANGID(LANG_THAI, SUBLANG_DEFAULT);
constexpr LANGID cxLangJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
