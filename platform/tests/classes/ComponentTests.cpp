// Components: ownership, names, class information and value conversions.
#include <gtest/gtest.h>

#include "platform/tests/classes/TestClasses.h"

namespace {

class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override { PrepareTestClasses(); }
};

TEST_F(ComponentTest, OwnerFreesItsComponentsLastFirst) {
    {
        TComponent owner(nullptr);
        for (const char* name : {"A", "B", "C"}) (new TTestItem(&owner))->SetName(name);
        auto* b = owner.FindComponent("B");
        delete b;  // leaves its owner on its own
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.Components(1)->ComponentIndex(), 1);
        TestLog().clear();
    }
    EXPECT_EQ(TestLog(), (std::vector<AnsiString>{"free C", "free A"}));
}

TEST_F(ComponentTest, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
    TComponent owner(nullptr);
    auto* first = new TTestItem(&owner);
    auto* second = new TTestItem(&owner);
    first->SetName("btnSave");
    EXPECT_THROW(second->SetName("1abc"), EInvalidOperation);
    EXPECT_THROW(second->SetName("a b"), EInvalidOperation);
    try {
        second->SetName("BTNSAVE");
        FAIL() << "a duplicate name was accepted";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "A component named BTNSAVE already exists");
    }
    EXPECT_EQ(second->Name(), "");
    first->SetName("BtnSave");  // its own name in another case
    EXPECT_EQ(owner.FindComponent("btnsave"), first);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    EXPECT_THROW(owner.Components(2), EListError);
    EXPECT_THROW(owner.Components(-1), EListError);
}

TEST_F(ComponentTest, ClassInformationIsFoundThroughAncestorsWithoutRegardToCase) {
    const TClassInfo& item = TTestItem::StaticClassInfo();
    EXPECT_NE(item.FindProperty("tag"), nullptr);  // from TComponent
    EXPECT_NE(item.FindProperty("FONT"), nullptr);
    EXPECT_EQ(item.FindProperty("Font.Height"), nullptr);
    EXPECT_TRUE(item.InheritsFrom(TPersistent::StaticClassInfo()));
    EXPECT_FALSE(item.InheritsFrom(TTestRoot::StaticClassInfo()));
    EXPECT_EQ(FindClass("ttestitem"), &item);
    EXPECT_EQ(FindClass("TNothing"), nullptr);

    TTestItem component(nullptr);
    EXPECT_TRUE(HasPublishedProperty(&component, "Caption"));
    EXPECT_FALSE(HasPublishedProperty(&component, "Color"));
    EXPECT_FALSE(HasPublishedProperty(nullptr, "Caption"));
    EXPECT_EQ(component.ClassName(), "TTestItem");
}

TEST_F(ComponentTest, FieldsAndMethodsAreReachedByName) {
    TTestRoot root(nullptr);
    auto* item = new TTestItem(&root);
    void* address = root.FieldAddress("item2");
    ASSERT_EQ(address, &root.Item2);
    *static_cast<TTestItem**>(address) = item;
    EXPECT_EQ(root.Item2, item);
    EXPECT_EQ(root.FieldAddress("Nothing"), nullptr);

    std::any method = root.MethodAddress("ItemClick");
    auto* handler = std::any_cast<TNotifyEvent>(&method);
    ASSERT_NE(handler, nullptr);
    (*handler)(item);
    EXPECT_EQ(root.clicks, std::vector<TObject*>{item});
    EXPECT_FALSE(root.MethodAddress("Nothing").has_value());
    EXPECT_TRUE(root.HasMethod("itemclick"));
}

}  // namespace
