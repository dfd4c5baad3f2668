#include <gtest/gtest.h>

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxFilterConsts.h"
#include "tests/editors/ExpectedStrings.h"

namespace {

TdxProductResourceStrings* Product(const String& AName) {
  TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance();
  const int index = repository->GetProductIndexByName(AName);
  return index >= 0 ? repository->Products(index) : nullptr;
}

template <size_t N>
void ExpectRegisteredInOrder(const String& AProductName, std::span<const TcxResStringEntry> ATable,
                             const std::pair<const wchar_t*, const wchar_t*> (&AExpected)[N]) {
  ASSERT_EQ(ATable.size(), N);
  for (size_t i = 0; i < N; ++i) {
    EXPECT_STREQ(ATable[i].Name, AExpected[i].first) << "entry " << i;
    EXPECT_EQ(LoadResString(ATable[i].ResString), AExpected[i].second) << AExpected[i].first;
  }
  TdxProductResourceStrings* product = Product(AProductName);
  ASSERT_NE(product, nullptr);
  EXPECT_EQ(product->ResStringsCount(), static_cast<int>(N));
  for (const auto& [name, text] : AExpected) {
    const int index = product->GetIndexByName(name);
    ASSERT_GE(index, 0) << name;
    EXPECT_EQ(product->Values(index), text) << name;
  }
}

}  // namespace

TEST(EditorTexts, EveryFilterStringIsRegisteredVerbatimInItsOrder) {
  ExpectRegisteredInOrder(cxFilterProductName, cxFilterResStrings(), ExpectedFilterStrings);
}

TEST(EditorTexts, EveryEditorStringIsRegisteredVerbatimInItsOrder) {
  ExpectRegisteredInOrder(cxEditProductName, cxEditResStrings(), ExpectedEditStrings);
}

TEST(EditorTexts, ATranslationReplacesTheTextUntilItIsTakenBack) {
  EXPECT_EQ(dxTranslatedResString(cxSEditValidateErrorText),
            L"Invalid input value. Use escape key to abandon changes");
  const String original = cxSEditValidateErrorText.Text;
  TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance();
  repository->OnTranslateResString = [](const String& AName, PResStringRec AString) {
    if (AName == L"cxSEditValidateErrorText") AString->Text = L"Valor inválido";
  };
  repository->Translate();
  repository->OnTranslateResString = nullptr;
  EXPECT_EQ(dxTranslatedResString(cxSEditValidateErrorText), L"Valor inválido");
  cxSEditValidateErrorText.Text = original;
}

// The editors' product goes at its unit's shut-down; the filter product
// stays until its own.
TEST(EditorTexts, UnregisteringTheEditorsLeavesTheFilterStrings) {
  cxEditConstsUnit.Finalize();
  EXPECT_EQ(Product(cxEditProductName), nullptr);
  ASSERT_NE(Product(cxFilterProductName), nullptr);
  EXPECT_EQ(Product(cxFilterProductName)->ResStringsCount(), 50);
  cxEditConstsUnit.Initialize();
  ASSERT_NE(Product(cxEditProductName), nullptr);
  EXPECT_EQ(Product(cxEditProductName)->ResStringsCount(), 146);
}
