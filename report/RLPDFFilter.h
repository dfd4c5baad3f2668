#pragma once
// The settings of the report's PDF export: how plain text is laid out and
// the document information written into the file, with one default object
// of each.
#include <cstdint>

#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/UnitStartup.h"

class TRLPDFFilterTextControl : public TPersistent {
  VCL_CREATABLE_CLASS(TRLPDFFilterTextControl, TPersistent)
  VCL_PUBLISHED(TRLPDFFilterTextControl)
public:
  TRLPDFFilterTextControl() = default;

  bool FormFeed() const { return FFormFeed; }
  void SetFormFeed(bool Value) { FFormFeed = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  int32_t TabSize() const { return FTabSize; }
  void SetTabSize(int32_t Value) { FTabSize = Value; }

  // Unlike a new object, a cleared one starts no page at a form feed.
  void Clear();
  // Copies the settings of another text control; other classes raise.
  void Assign(TPersistent* Source) override;

private:
  bool FFormFeed = true;
  bool FWordWrap = false;
  int32_t FTabSize = 8;
};

class TRLPDFFilterDocumentInfo : public TPersistent {
  VCL_CREATABLE_CLASS(TRLPDFFilterDocumentInfo, TPersistent)
  VCL_PUBLISHED(TRLPDFFilterDocumentInfo)
public:
  TRLPDFFilterDocumentInfo() = default;

  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  const String& Subject() const { return FSubject; }
  void SetSubject(const String& Value) { FSubject = Value; }
  const String& Author() const { return FAuthor; }
  void SetAuthor(const String& Value) { FAuthor = Value; }
  const String& KeyWords() const { return FKeyWords; }
  void SetKeyWords(const String& Value) { FKeyWords = Value; }
  const String& Creator() const { return FCreator; }
  void SetCreator(const String& Value) { FCreator = Value; }
  const String& Producer() const { return FProducer; }
  void SetProducer(const String& Value) { FProducer = Value; }

  void Clear();
  // Copies the six texts of another document information; other classes raise.
  void Assign(TPersistent* Source) override;

private:
  String FTitle, FSubject, FAuthor, FKeyWords, FCreator, FProducer;
};

// The report pieces' name and version, the default Creator.
extern const wchar_t* const RLCreatorText;

extern TRLPDFFilterTextControl* RLDefaultPDFTextControl;
extern TRLPDFFilterDocumentInfo* RLDefaultPDFDocumentInfo;

extern const TUnitEntry RLPDFFilterUnit;
