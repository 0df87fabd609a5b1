// Reading form descriptions into components and writing them back.
#include <gtest/gtest.h>

#include "platform/core/Strings.h"
#include "platform/tests/classes/TestClasses.h"
#include "platform/vcl/FormReader.h"

namespace {

class FormReaderTest : public ::testing::Test {
protected:
    void SetUp() override { PrepareTestClasses(); }

    // The message of the EReadError that reading text raises ("" when none).
    AnsiString ReadError(const AnsiString& text) {
        TTestRoot fresh(nullptr);
        try {
            ReadComponentText(text, &fresh);
        } catch (const EReadError& e) {
            return e.Message();
        }
        return "";
    }

    TTestRoot root{nullptr};
};

const char* const NestedForm = R"(object Root1: TTestRoot
  object Item1: TTestItem
    Width = 10
    Caption = 'Outer'
    object Item2: TTestItem
      Width = 20
    end
  end
  object Unlisted: TTestItem
  end
end
)";

TEST_F(FormReaderTest, BuildsNestedObjectsOwnedByRootAndStoresFields) {
    ReadComponentText(NestedForm, &root);

    EXPECT_EQ(root.Name(), "Root1");
    ASSERT_EQ(root.ComponentCount(), 3);
    ASSERT_NE(root.Item1, nullptr);
    ASSERT_NE(root.Item2, nullptr);
    EXPECT_EQ(root.Item1->Name(), "Item1");
    EXPECT_EQ(root.Item2->Owner(), &root);
    // The enclosing object is the parent; the root is the parent of the outer ones.
    EXPECT_EQ(root.Item2->ParentItem(), root.Item1);
    EXPECT_EQ(root.Item1->ParentItem(), &root);
    EXPECT_EQ(root.Item1->ChildComponents(), std::vector<TComponent*>{root.Item2});
    // A component without a field of its name is still created and found by name.
    EXPECT_NE(root.FindComponent("unlisted"), nullptr);
    EXPECT_FALSE(root.Item1->Loading());
}

TEST_F(FormReaderTest, SetsEveryKindOfValueInTheOrderWritten) {
    ReadComponentText(R"(object Root1: TTestRoot
  object Item1: TTestItem
    Caption = 'First'
    Width = -$10
    Visible = False
    Ratio = 1.25E2
    Align = taClient
    Font.Height = -13
    Font.Style = [fsBold, fsItalic]
    Items.Strings = (
      'one'
      'two'
      3)
    Width = 42
    Tag = 7
  end
end)",
                      &root);

    TTestItem* item = root.Item1;
    EXPECT_EQ(item->Width(), 42);
    EXPECT_EQ(item->Caption(), "First");
    EXPECT_FALSE(item->Visible());
    EXPECT_DOUBLE_EQ(item->Ratio(), 125.0);
    EXPECT_EQ(item->Align(), taClient);
    EXPECT_EQ(item->Font()->Height(), -13);
    EXPECT_EQ(item->Font()->Style(), 3u);
    EXPECT_EQ(item->Items()->Lines(), (std::vector<AnsiString>{"one", "two", "3"}));
    EXPECT_EQ(item->Tag(), 7);
    // Set in the order written, while the component is still loading.
    std::vector<AnsiString> expected{"Item1.Caption", "Item1.Width loading", "Item1.Width loading", "Loaded Item1"};
    std::vector<AnsiString> seen(TestLog().begin(), TestLog().end());
    seen.erase(std::remove(seen.begin(), seen.end(), "Loaded root"), seen.end());
    EXPECT_EQ(seen, expected);
}

TEST_F(FormReaderTest, StringSyntaxQuotesCharacterCodesAndJoins) {
    ReadComponentText("object R: TTestRoot\n"
                      "  object Item1: TTestItem\n"
                      "    Caption = 'It''s'#13#10'next'#$41 +\n"
                      "      ' joined' + #9\n"
                      "  end\n"
                      "  object Item2: TTestItem\n"
                      "    Caption = ''\n"
                      "    Items.Strings = ('a' + 'b' #65)\n"
                      "  end\n"
                      "end\n",
                      &root);
    EXPECT_EQ(root.Item1->Caption(), "It's\r\nnextA joined\t");
    EXPECT_EQ(root.Item2->Caption(), "");
    EXPECT_EQ(root.Item2->Items()->Lines(), (std::vector<AnsiString>{"ab", "A"}));
}

TEST_F(FormReaderTest, BindsEventsToRootMethodsByName) {
    ReadComponentText("object R: TTestRoot\n  object Item1: TTestItem\n    OnClick = itemclick\n  end\nend", &root);
    ASSERT_TRUE(root.Item1->OnClick);
    root.Item1->OnClick(root.Item1);
    EXPECT_EQ(root.clicks, std::vector<TObject*>{root.Item1});
    // Kept by the name written, for the writer.
    EXPECT_EQ(root.Item1->BoundMethods().at("OnClick"), "itemclick");
}

TEST_F(FormReaderTest, LoadedRunsAfterTheWholeDescriptionRootFirst) {
    // Item1 refers to Item2, which is read after it: the reference is resolved
    // before any Loaded runs.
    ReadComponentText("object R: TTestRoot\n"
                      "  object Item1: TTestItem\n    Buddy = Item2\n  end\n"
                      "  object Item2: TTestItem\n    Width = 1\n  end\n"
                      "end",
                      &root);
    EXPECT_EQ(TestLog(), (std::vector<AnsiString>{"Item2.Width loading", "Loaded root", "Loaded Item1 buddy Item2",
                                                  "Loaded Item2"}));
    EXPECT_EQ(root.Item1->Buddy(), root.Item2);
}

TEST_F(FormReaderTest, UnknownPropertiesGoToDefineProperties) {
    ReadComponentText("object R: TTestRoot\n  object Item1: TTestItem\n    Extra = 5\n  end\nend", &root);
    EXPECT_EQ(root.Item1->Extra(), 5);
    EXPECT_EQ(ReadError("object R: TTestRoot\n  object Item1: TTestItem\n    Bogus = 5\n  end\nend"),
              "Line 3: Error reading Item1.Bogus: Property Bogus does not exist");
    EXPECT_EQ(ReadError("object R: TTestRoot\n  object Item1: TTestItem\n    Font.Bogus = 5\n  end\nend"),
              "Line 3: Error reading Item1.Font.Bogus: Property Font.Bogus does not exist");
}

TEST_F(FormReaderTest, CollectionsAndBinaryValuesArePassedOverOrKept) {
    ReadComponentText("object R: TTestRoot\n"
                      "  object Item1: TTestItem\n"
                      "    Columns = <\n      item\n        Width = 5\n        Sub = < item end >\n      end>\n"
                      "    Caption = {0A 1b\n ff}\n"
                      "  end\n"
                      "end",
                      &root);
    EXPECT_EQ(root.Item1->Caption(), "0A1bff");
    EXPECT_EQ(root.Item1->Width(), 0);
}

TEST_F(FormReaderTest, ErrorsNameWhatIsWrongAndTheLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"object R: TTestRoot\n  object X: TNoSuchClass\n  end\nend", "Line 2: Class TNoSuchClass not found"},
        {"object R: TTestRoot\n object Item1: TTestItem\n  OnClick = NoSuchMethod\n end\nend",
         "Line 3: Method 'NoSuchMethod' not found in TTestRoot"},
        {"object R: TTestRoot\n object Item1: TTestItem\n  OnClick = Resized\n end\nend",
         "Line 3: Method 'Resized' does not fit the event OnClick"},
        {"object R: TTestRoot\n object Item1: TTestOther\n end\nend",
         "Line 2: Field TTestRoot.Item1 cannot hold a TTestOther"},
        {"object R: TTestItem\nend", "Line 1: The description of a TTestItem cannot be read into a TTestRoot"},
        {"object R: TTestRoot\n object Item1: TTestItem\n  Width = 'ten'\n end\nend", "Line 3: Invalid property value"},
        {"object R: TTestRoot\n object Item1: TTestItem\n  Align = taMiddle\n end\nend",
         "Line 3: Invalid property value 'taMiddle' for Align"},
        {"object R: TTestRoot\n object Item1: TTestItem\n  Buddy = Nobody\n end\nend",
         "Line 3: Invalid property value: no component 'Nobody'"},
        {"object R: TTestRoot\n object Item1: TTestItem\n end\n object item1: TTestItem\n end\nend",
         "Line 4: A component named item1 already exists"},
        {"object R: TTestRoot\n object 1: TTestItem\nend", "Line 2: Component name expected"},
        {"object R: TTestRoot\n  Tag = 'abc\nend", "Line 2: Unterminated string"},
        {"object R: TTestRoot\n  Tag = 99999999999999999999\nend", "Line 2: Integer out of range"},
        {"object R: TTestRoot\n  Tag = #300\nend", "Line 2: Invalid character code"},
        {"object R: TTestRoot\n  Tag = 1\n", "Line 3: 'end' expected"},
        {"object R: TTestRoot\nend\nobject", "Line 3: End of description expected"},
        {"", "Line 1: 'object' expected"},
        {"object R: TTestRoot\n  Tag = \x80\nend", "Line 2: Invalid character #128"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadError(c.text), c.message) << c.text;
}

TEST_F(FormReaderTest, HostileInputEndsWithAnErrorNotACrash) {
    AnsiString deep = "object R: TTestRoot\n";
    for (int i = 0; i < 5000; ++i) deep += "object TTestItem\n";
    EXPECT_EQ(ReadError(deep), "Line 66: Objects are nested too deeply");
    AnsiString deepCollection = "object R: TTestRoot\n X = ";
    deepCollection += AnsiString(100000, '<');
    EXPECT_EQ(ReadError(deepCollection), "Line 2: Collections are nested too deeply");
    EXPECT_EQ(ReadError("object R: TTestRoot\n X = <item"), "Line 2: Unterminated collection");
    EXPECT_EQ(ReadError("object R: TTestRoot\n X = {12"), "Line 2: Unterminated binary value");
    // An error leaves no component in the loading state.
    TTestRoot partial(nullptr);
    EXPECT_THROW(ReadComponentText("object R: TTestRoot\n object Item1: TTestItem\n  Width = x\n", &partial), EReadError);
    ASSERT_NE(partial.Item1, nullptr);
    EXPECT_FALSE(partial.Item1->Loading());
    EXPECT_FALSE(partial.Loading());
}

TEST_F(FormReaderTest, SecondRootUnderOneOwnerGetsAUniqueName) {
    TComponent owner(nullptr);
    auto* first = new TTestRoot(&owner);
    auto* second = new TTestRoot(&owner);
    ReadComponentText("object Form1: TTestRoot\nend", first);
    ReadComponentText("object Form1: TTestRoot\nend", second);
    EXPECT_EQ(first->Name(), "Form1");
    EXPECT_EQ(second->Name(), "Form1_1");
}

TEST_F(FormReaderTest, WrittenTextReadsBackToTheSameComponents) {
    ReadComponentText(R"(object Root1: TTestRoot
  object Item1: TTestItem
    Width = 10
    Caption = 'Tab'#9'and ''quote'''
    Ratio = 0.1
    Align = taTop
    Font.Style = [fsItalic]
    Items.Strings = (
      'line'#13'break'
      '')
    Buddy = Item2
    OnClick = ItemClick
    Extra = 9
    object Item2: TTestItem
      Visible = False
    end
  end
  object Other1: TTestOther
    Tag = 3
  end
end
)",
                      &root);
    AnsiString written = WriteComponentText(&root);

    TTestRoot copy(nullptr);
    ReadComponentText(written, &copy);
    EXPECT_EQ(WriteComponentText(&copy), written);
    ASSERT_NE(copy.Item1, nullptr);
    EXPECT_EQ(copy.Item1->Caption(), "Tab\tand 'quote'");
    EXPECT_DOUBLE_EQ(copy.Item1->Ratio(), 0.1);
    EXPECT_EQ(copy.Item1->Items()->Lines(), (std::vector<AnsiString>{"line\rbreak", ""}));
    EXPECT_EQ(copy.Item1->Buddy(), copy.Item2);
    EXPECT_EQ(copy.Item1->Extra(), 9);
    EXPECT_EQ(copy.Item2->ParentItem(), copy.Item1);
    EXPECT_FALSE(copy.Item2->Visible());
    EXPECT_EQ(copy.Other1->Tag(), 3);
    ASSERT_TRUE(copy.Item1->OnClick);
    copy.Item1->OnClick(nullptr);
    EXPECT_EQ(copy.clicks.size(), 1u);
    // The nested object is written inside its parent's block, the event and the defined value with it.
    EXPECT_NE(written.find("  object Item1: TTestItem\r\n"), AnsiString::npos);
    EXPECT_NE(written.find("    Caption = 'Tab'#9'and ''quote'''\r\n"), AnsiString::npos);
    EXPECT_NE(written.find("    OnClick = ItemClick\r\n    Extra = 9\r\n    object Item2: TTestItem\r\n"),
              AnsiString::npos);
}

TEST_F(FormReaderTest, DescriptionsAreFoundByTheirClassName) {
    static const char text[] = "inherited Dlg: TSomeDialog\nend\n";
    EXPECT_EQ(DescriptionClassName(text), "TSomeDialog");
    EXPECT_EQ(DescriptionClassName("garbage 'x"), "");
    RegisterFormDescription(text);
    EXPECT_EQ(FindFormDescription("tsomedialog"), text);
    EXPECT_EQ(FindFormDescription("TOtherDialog"), nullptr);
}

}  // namespace
