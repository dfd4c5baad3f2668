#include <gtest/gtest.h>

#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/SysUtils.h"

namespace {
class TRegBase : public TPersistent {
  VCL_CREATABLE_CLASS(TRegBase, TPersistent)
public:
  TRegBase() = default;
};
class TRegChild : public TRegBase {
  VCL_CREATABLE_CLASS(TRegChild, TRegBase)
public:
  TRegChild() = default;
};
namespace other {
// Same name as the class above, another class.
class TRegChild : public TPersistent {
  VCL_CLASS(TRegChild, TPersistent)
};
}  // namespace other
}  // namespace

TEST(ClassRegistry, FindsRegisteredClassesAndTheirAncestors) {
  RegisterClass(TRegChild::StaticClass());
  RegisterClass(TRegChild::StaticClass());  // again: no harm
  EXPECT_EQ(GetClass(L"tregchild"), TRegChild::StaticClass());
  EXPECT_EQ(FindClass(L"TRegBase"), TRegBase::StaticClass());
  EXPECT_EQ(GetClass(L"TObject"), nullptr);
  std::unique_ptr<TObject> made(TObject::CreateInstance(FindClass(L"TRegChild")));
  EXPECT_EQ(made->ClassName(), L"TRegChild");
  EXPECT_TRUE(made->InheritsFrom(TPersistent::StaticClass()));

  try {
    RegisterClass(other::TRegChild::StaticClass());
    FAIL();
  } catch (const EFilerError& e) {
    EXPECT_EQ(e.Message(), L"A class named TRegChild already exists");
  }
  EXPECT_EQ(GetClass(L"TRegChild"), TRegChild::StaticClass());

  UnRegisterClass(TRegChild::StaticClass());
  EXPECT_EQ(GetClass(L"TRegChild"), nullptr);
  try {
    FindClass(L"TRegChild");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), L"Class TRegChild not found");
  }
  UnRegisterClass(TRegBase::StaticClass());
  UnRegisterClass(TPersistent::StaticClass());
}
