#include "report/RLPDFFilter.h"

const wchar_t* const RLCreatorText = L"Conversao report pieces 1.0";

TRLPDFFilterTextControl* RLDefaultPDFTextControl = nullptr;
TRLPDFFilterDocumentInfo* RLDefaultPDFDocumentInfo = nullptr;

const TPropTable* TRLPDFFilterTextControl::PublishedTable(TPublishedTag<TRLPDFFilterTextControl>) {
  static const TPropTable table = TPublished<TRLPDFFilterTextControl>()
      .Property(L"FormFeed", &TRLPDFFilterTextControl::FormFeed, &TRLPDFFilterTextControl::SetFormFeed)
      .Property(L"WordWrap", &TRLPDFFilterTextControl::WordWrap, &TRLPDFFilterTextControl::SetWordWrap)
      .Property(L"TabSize", &TRLPDFFilterTextControl::TabSize, &TRLPDFFilterTextControl::SetTabSize)
      .Build();
  return &table;
}

void TRLPDFFilterTextControl::Clear() {
  FFormFeed = false;
  FWordWrap = false;
  FTabSize = 8;
}

void TRLPDFFilterTextControl::Assign(TPersistent* Source) {
  const auto* source = dynamic_cast<const TRLPDFFilterTextControl*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FFormFeed = source->FFormFeed;
  FWordWrap = source->FWordWrap;
  FTabSize = source->FTabSize;
}

const TPropTable* TRLPDFFilterDocumentInfo::PublishedTable(TPublishedTag<TRLPDFFilterDocumentInfo>) {
  using T = TRLPDFFilterDocumentInfo;
  static const TPropTable table = TPublished<T>()
      .Property(L"Title", &T::Title, &T::SetTitle)
      .Property(L"Subject", &T::Subject, &T::SetSubject)
      .Property(L"Author", &T::Author, &T::SetAuthor)
      .Property(L"KeyWords", &T::KeyWords, &T::SetKeyWords)
      .Property(L"Creator", &T::Creator, &T::SetCreator)
      .Property(L"Producer", &T::Producer, &T::SetProducer)
      .Build();
  return &table;
}

void TRLPDFFilterDocumentInfo::Clear() {
  for (String* text : {&FTitle, &FSubject, &FAuthor, &FKeyWords, &FCreator, &FProducer}) text->clear();
}

void TRLPDFFilterDocumentInfo::Assign(TPersistent* Source) {
  const auto* source = dynamic_cast<const TRLPDFFilterDocumentInfo*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FTitle = source->FTitle;
  FSubject = source->FSubject;
  FAuthor = source->FAuthor;
  FKeyWords = source->FKeyWords;
  FCreator = source->FCreator;
  FProducer = source->FProducer;
}

namespace {

void RLPDFFilterInitialize() {
  RLDefaultPDFTextControl = new TRLPDFFilterTextControl();
  RLDefaultPDFDocumentInfo = new TRLPDFFilterDocumentInfo();
  RLDefaultPDFDocumentInfo->SetCreator(RLCreatorText);
}

void RLPDFFilterFinalize() {
  delete RLDefaultPDFTextControl;
  RLDefaultPDFTextControl = nullptr;
  delete RLDefaultPDFDocumentInfo;
  RLDefaultPDFDocumentInfo = nullptr;
}

}  // namespace

const TUnitEntry RLPDFFilterUnit{L"RLPDFFilter", RLPDFFilterInitialize, RLPDFFilterFinalize};
