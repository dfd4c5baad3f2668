#include <gtest/gtest.h>

#include "components/controls/cxDataConsts.h"
#include "components/controls/cxVariants.h"
#include "components/core/dxCore.h"

namespace {

TdxProductResourceStrings* DataProduct() {
  TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance();
  const int index = repository->GetProductIndexByName(cxDataProductName);
  return index >= 0 ? repository->Products(index) : nullptr;
}

// The message of the read error that an unknown tag raises.
String UnknownTagMessage() {
  TMemoryStream stream;
  const uint8_t unknownTag = 21;
  stream.WriteBuffer(&unknownTag, 1);
  stream.SetPosition(0);
  Variant value;
  try {
    cxReadVariantFromStream(&stream, value);
  } catch (const EReadError& e) {
    return e.Message();
  }
  return L"nothing raised";
}

}  // namespace

TEST(DataControllerTexts, RegisteredByNameForTranslation) {
  TdxProductResourceStrings* product = DataProduct();
  ASSERT_NE(product, nullptr);
  EXPECT_EQ(product->ResStringsCount(), 12);
  const std::pair<const wchar_t*, const wchar_t*> expected[] = {
      {L"cxSDataReadError", L"Stream read error"},
      {L"cxSDataWriteError", L"Stream write error"},
      {L"cxSDataItemExistError", L"Item already exists"},
      {L"cxSDataRecordIndexError", L"RecordIndex out of range"},
      {L"cxSDataItemIndexError", L"ItemIndex out of range"},
      {L"cxSDataProviderModeError", L"This operation is not supported in provider mode"},
      {L"cxSDataInvalidStreamFormat", L"Invalid stream format"},
      {L"cxSDataRowIndexError", L"RowIndex out of range"},
      {L"cxSDataCustomDataSourceInvalidCompare", L"GetInfoForCompare not implemented"},
      {L"cxSDBDetailFilterControllerNotFound", L"DetailFilterController not found"},
      {L"cxSDBNotInGridMode", L"DataController not in GridMode"},
      {L"cxSDBKeyFieldNotFound", L"Key Field not found"}};
  for (const auto& [name, text] : expected) {
    const int index = product->GetIndexByName(name);
    ASSERT_GE(index, 0) << name;
    EXPECT_EQ(product->Values(index), text) << name;
  }
}

// A translation reaches the messages of the value stream.
TEST(DataControllerTexts, TranslatedTextIsTheStreamsMessage) {
  EXPECT_EQ(UnknownTagMessage(), L"Stream read error");
  TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance();
  repository->OnTranslateResString = [](const String& AName, PResStringRec AString) {
    if (AName == L"cxSDataReadError") AString->Text = L"Erro de leitura";
  };
  repository->Translate();
  repository->OnTranslateResString = nullptr;
  EXPECT_EQ(UnknownTagMessage(), L"Erro de leitura");
  cxSDataReadError.Text = L"Stream read error";
}

TEST(DataControllerTexts, ShutDownUnregistersTheProduct) {
  cxDataConstsUnit.Finalize();
  EXPECT_EQ(DataProduct(), nullptr);
  cxDataConstsUnit.Initialize();
  EXPECT_NE(DataProduct(), nullptr);
}
