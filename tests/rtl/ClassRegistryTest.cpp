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

namespace {
class TGroupRoot : public TPersistent {
  VCL_CLASS(TGroupRoot, TPersistent)
};
class TGroupMember : public TGroupRoot {
  VCL_CLASS(TGroupMember, TGroupRoot)
};
class TGuest : public TPersistent {
  VCL_CLASS(TGuest, TPersistent)
};
class TGuestChild : public TGuest {
  VCL_CLASS(TGuestChild, TGuest)
};
class TOutsider : public TPersistent {
  VCL_CLASS(TOutsider, TPersistent)
};
}  // namespace

TEST(ClassRegistry, ClassGroupsHideTheirClassesUntilActivated) {
  StartClassGroup(TGroupRoot::StaticClass());
  StartClassGroup(TGroupRoot::StaticClass());  // again: the same group
  GroupDescendentsWith(TGuest::StaticClass(), TGroupRoot::StaticClass());
  EXPECT_EQ(TGroupRoot::StaticClass(), ClassGroupOf(TGroupMember::StaticClass()));
  EXPECT_EQ(TGroupRoot::StaticClass(), ClassGroupOf(TGuestChild::StaticClass()));
  EXPECT_EQ(TPersistent::StaticClass(), ClassGroupOf(TOutsider::StaticClass()));

  RegisterClasses({TGroupMember::StaticClass(), TGuestChild::StaticClass(), TOutsider::StaticClass()});
  EXPECT_EQ(nullptr, GetClass(L"TGroupMember"));  // its group is not active
  EXPECT_EQ(nullptr, GetClass(L"TGuestChild"));
  EXPECT_EQ(TOutsider::StaticClass(), GetClass(L"TOutsider"));

  const TClass before = ActivateClassGroup(TGroupMember::StaticClass());
  EXPECT_EQ(TGroupMember::StaticClass(), GetClass(L"TGroupMember"));
  EXPECT_EQ(TGuestChild::StaticClass(), GetClass(L"TGuestChild"));
  EXPECT_EQ(TOutsider::StaticClass(), GetClass(L"TOutsider"));  // the first group stays active

  EXPECT_EQ(TGroupMember::StaticClass(), ActivateClassGroup(before));
  EXPECT_EQ(nullptr, GetClass(L"TGroupMember"));
  for (TClass c : {TGroupMember::StaticClass(), TGroupRoot::StaticClass(), TGuestChild::StaticClass(),
                   TGuest::StaticClass(), TOutsider::StaticClass()})
    UnRegisterClass(c);
  ActivateClassGroup(TGroupMember::StaticClass());
  EXPECT_EQ(nullptr, GetClass(L"TGroupMember"));
  ActivateClassGroup(before);
}
