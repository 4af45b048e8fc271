#include "framework/core/Object.h"

#include <gtest/gtest.h>

namespace {

class CAnimal : public CObject
{
    DECLARE_DYNCREATE(CAnimal)
};
IMPLEMENT_DYNCREATE(CAnimal, CObject)

class CDogForTest : public CAnimal
{
    DECLARE_DYNCREATE(CDogForTest)
};
IMPLEMENT_DYNCREATE(CDogForTest, CAnimal)

} // namespace

TEST(ObjectTest, RuntimeClassesKnowTheirBasesAndNames)
{
    CDogForTest dog;
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
    CAnimal animal;
    EXPECT_FALSE(animal.IsKindOf(RUNTIME_CLASS(CDogForTest)));

    CRuntimeClass* found = CRuntimeClass::FromName("CDogForTest");
    ASSERT_EQ(found, RUNTIME_CLASS(CDogForTest));
    EXPECT_EQ(CRuntimeClass::FromName("cdogfortest"), nullptr);   // exact case
    CObject* made = found->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CDogForTest));
    delete made;
}
