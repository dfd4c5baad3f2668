// The PDF export settings and their default objects.
#include <gtest/gtest.h>

#include "report/RLPDFFilter.h"
#include "vcl/classes/TypInfo.h"

namespace {

std::vector<String> PublishedNames(TClass AClass) {
  std::vector<String> names;
  for (PPropInfo prop : GetPropList(AClass)) names.push_back(prop->Name);
  return names;
}

}  // namespace

TEST(PDFFilterTest, TextControlStartsWithPageFeedsAndClearsWithout) {
  TRLPDFFilterTextControl control;
  EXPECT_TRUE(control.FormFeed());
  EXPECT_FALSE(control.WordWrap());
  EXPECT_EQ(8, control.TabSize());
  control.SetWordWrap(true);
  control.SetTabSize(4);
  control.Clear();
  EXPECT_FALSE(control.FormFeed());
  EXPECT_FALSE(control.WordWrap());
  EXPECT_EQ(8, control.TabSize());
  EXPECT_EQ((std::vector<String>{L"FormFeed", L"WordWrap", L"TabSize"}),
            PublishedNames(TRLPDFFilterTextControl::StaticClass()));
}

TEST(PDFFilterTest, AssignCopiesEverySettingOfItsOwnClassOnly) {
  TRLPDFFilterTextControl source, control;
  source.SetFormFeed(false);
  source.SetWordWrap(true);
  source.SetTabSize(3);
  control.Assign(&source);
  EXPECT_FALSE(control.FormFeed());
  EXPECT_TRUE(control.WordWrap());
  EXPECT_EQ(3, control.TabSize());

  TRLPDFFilterDocumentInfo info, copy;
  info.SetTitle(L"Vendas");
  info.SetAuthor(L"Financeiro");
  copy.SetSubject(L"stale");
  copy.SetProducer(L"stale");
  copy.Assign(&info);
  EXPECT_EQ(L"Vendas", copy.Title());
  EXPECT_EQ(L"", copy.Subject());
  EXPECT_EQ(L"Financeiro", copy.Author());
  EXPECT_EQ(L"", copy.Producer());

  EXPECT_THROW(control.Assign(&info), EConvertError);
  EXPECT_THROW(info.Assign(&control), EConvertError);
}

TEST(PDFFilterTest, DocumentInfoClearsEveryText) {
  TRLPDFFilterDocumentInfo info;
  for (const String& name : PublishedNames(TRLPDFFilterDocumentInfo::StaticClass()))
    SetStrProp(&info, name, L"x");
  info.Clear();
  for (const String& name : PublishedNames(TRLPDFFilterDocumentInfo::StaticClass()))
    EXPECT_EQ(L"", GetStrProp(&info, name)) << name;
  EXPECT_EQ((std::vector<String>{L"Title", L"Subject", L"Author", L"KeyWords", L"Creator", L"Producer"}),
            PublishedNames(TRLPDFFilterDocumentInfo::StaticClass()));
}

TEST(PDFFilterTest, TheDefaultsNameTheirCreatorOnly) {
  ASSERT_NE(nullptr, RLDefaultPDFTextControl);
  ASSERT_NE(nullptr, RLDefaultPDFDocumentInfo);
  EXPECT_TRUE(RLDefaultPDFTextControl->FormFeed());
  EXPECT_FALSE(RLDefaultPDFTextControl->WordWrap());
  EXPECT_EQ(8, RLDefaultPDFTextControl->TabSize());
  EXPECT_EQ(RLCreatorText, RLDefaultPDFDocumentInfo->Creator());
  EXPECT_FALSE(RLDefaultPDFDocumentInfo->Creator().empty());
  for (const String& text : {RLDefaultPDFDocumentInfo->Title(), RLDefaultPDFDocumentInfo->Subject(),
                             RLDefaultPDFDocumentInfo->Author(), RLDefaultPDFDocumentInfo->KeyWords(),
                             RLDefaultPDFDocumentInfo->Producer()})
    EXPECT_EQ(L"", text);
}
