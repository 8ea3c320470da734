// Class descriptor defaults, the published-interface table's bad-index exception, and the
// descriptors of the host's own classes.
#include <gtest/gtest.h>

#include <string>

#include "host/BuiltinClasses.h"
#include "host/ClassDesc.h"
#include "host/StdMat.h"
#include "host/TextureOutput.h"

namespace {

template <class Base>
class BareDesc : public Base {
 public:
  int IsPublic() override { return 1; }
  void* Create(BOOL /*loading*/) override { return nullptr; }
  const wchar_t* ClassName() override { return L"Bare"; }
  SClass_ID SuperClassID() override { return MATERIAL_CLASS_ID; }
  Class_ID ClassID() override { return Class_ID(1, 2); }
  const wchar_t* Category() override { return L""; }
};

template <class D>
void ExpectBadIndexThrows(D& desc, int i) {
  try {
    desc.GetInterfaceAt(i);
    ADD_FAILURE() << "index " << i << " did not throw";
  } catch (const TabOutOfRangeException& e) {
    EXPECT_STREQ(e.what(), "Invalid index passed into a Max SDK Tab::operator[]");
  }
}

TEST(ClassDesc, DefaultsAndInterfaceTable) {
  BareDesc<ClassDesc> plain;
  BareDesc<ClassDesc2> two;
  for (ClassDesc* d : {static_cast<ClassDesc*>(&plain), static_cast<ClassDesc*>(&two)}) {
    EXPECT_EQ(d->InternalName(), nullptr);
    EXPECT_EQ(d->HInstance(), nullptr);
    EXPECT_TRUE(d->OkToCreate());
    EXPECT_EQ(d->NumParamBlockDescs(), 0);
    EXPECT_EQ(d->NumInterfaces(), 0);
    for (const int bad : {-1, 0, 1}) ExpectBadIndexThrows(*d, bad);

    auto* fp = reinterpret_cast<FPInterface*>(d);  // an opaque pointer; the table never dereferences it
    d->AddInterface(fp);
    EXPECT_EQ(d->NumInterfaces(), 1);
    EXPECT_EQ(d->GetInterfaceAt(0), fp);
    for (const int bad : {-1, 1, 1000}) ExpectBadIndexThrows(*d, bad);
  }
  EXPECT_FALSE(two.IsAutoParamBlock());
  two.ResetClassParams(TRUE);
}

struct BuiltinCase {
  const char* what;
  ClassDesc* (*desc)();
  SClass_ID superClass;
  Class_ID classId;
};

TEST(ClassDesc, HostClassesAreMadeAsTheirDescriptorsSay) {
  const BuiltinCase cases[] = {
      {"output", TextureOutputClassDesc, TEXOUTPUT_CLASS_ID, TEXOUT_CLASS_ID},
      {"standard material", StdMatClassDesc, MATERIAL_CLASS_ID, DMTL_CLASS_ID},
  };
  for (const BuiltinCase& c : cases) {
    SCOPED_TRACE(c.what);
    ClassDesc* desc = c.desc();
    ASSERT_NE(desc, nullptr);
    EXPECT_EQ(desc, c.desc());
    EXPECT_EQ(desc->SuperClassID(), c.superClass);
    EXPECT_EQ(desc->ClassID(), c.classId);
    EXPECT_NE(desc->ClassName(), nullptr);
    EXPECT_NE(desc->Category(), nullptr);
    for (const BOOL loading : {FALSE, TRUE}) {
      auto* made = static_cast<ReferenceTarget*>(desc->Create(loading));
      ASSERT_NE(made, nullptr);
      EXPECT_EQ(made->SuperClassID(), c.superClass);
      EXPECT_EQ(made->ClassID(), c.classId);
      made->DeleteThis();
    }
  }
}

}  // namespace
