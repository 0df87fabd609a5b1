// Where Tab and Shift+Tab take the keyboard focus: the model decides, so that
// every desktop moves the focus the same way.
#include <type_traits>
#include <vector>

#include "platform/testing/DataFolderTest.h"

namespace {

class FocusTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        form = new TForm(Application);
    }
    template <class C>
    C* Make(TWinControl* parent, int left, int top, int width, int height, int tabOrder = -1) {
        C* control = new C(form);
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        if constexpr (std::is_base_of_v<TWinControl, C>)
            if (tabOrder >= 0) control->SetTabOrder(tabOrder);
        return control;
    }
    // The controls that Tab visits from the first one until it comes round again.
    std::vector<TWinControl*> Round(bool forward) const {
        std::vector<TWinControl*> seen;
        TWinControl* first = form->FindNextControl(nullptr, forward);
        for (TWinControl* c = first; c && seen.size() < 100; c = form->FindNextControl(c, forward)) {
            seen.push_back(c);
            if (form->FindNextControl(c, forward) == first) break;
        }
        return seen;
    }
    TForm* form = nullptr;
};

using Controls = std::vector<TWinControl*>;

TEST_F(FocusTest, TabFollowsTheTabOrderIntoPanelsAndComesRound) {
    // Written in one order, tabbed in another: the right panel comes first.
    auto* left = Make<TPanel>(form, 0, 0, 100, 100, 1);
    auto* right = Make<TPanel>(form, 100, 0, 100, 100, 0);
    auto* name = Make<TEdit>(left, 5, 5, 80, 20, 1);
    auto* first = Make<TComboBox>(left, 5, 30, 80, 20, 0);
    auto* ok = Make<TButton>(right, 5, 5, 80, 20);
    auto* yes = Make<TRadioButton>(right, 5, 30, 80, 20);
    auto* no = Make<TRadioButton>(right, 5, 55, 80, 20);
    Make<TLabel>(right, 5, 80, 80, 20);

    EXPECT_EQ(Round(true), (Controls{ok, yes, no, first, name}));
    EXPECT_EQ(Round(false), (Controls{name, first, no, yes, ok}));
    EXPECT_EQ(form->FindNextControl(name, true), ok);   // past the last: the first again
    EXPECT_EQ(form->FindNextControl(ok, false), name);
    // Alone on the form, a control has no other to go to.
    delete left;
    delete right;
    auto* only = Make<TEdit>(form, 0, 0, 10, 10);
    EXPECT_EQ(form->FindNextControl(nullptr, true), only);
    EXPECT_EQ(form->FindNextControl(only, true), nullptr);
}

TEST_F(FocusTest, HiddenDisabledAndCoveredControlsAreSkipped) {
    auto* sheet = Make<TPanel>(form, 10, 10, 200, 200);
    auto* date = Make<TEdit>(sheet, 10, 10, 80, 20);
    auto* notes = Make<TPanel>(form, 0, 0, 300, 300);  // lies over the sheet
    auto* memo = Make<TMemo>(notes, 10, 10, 200, 100);
    auto* toggle = Make<TButton>(form, 250, 5, 40, 20);  // lies over the notes
    auto* off = Make<TEdit>(notes, 10, 150, 80, 20);
    off->SetEnabled(false);

    EXPECT_TRUE(date->Covered());
    EXPECT_FALSE(date->CanFocus());
    EXPECT_FALSE(toggle->Covered());
    EXPECT_EQ(Round(true), (Controls{memo, toggle}));

    notes->Hide();
    EXPECT_EQ(Round(true), (Controls{date, toggle}));

    // A panel shown over everything keeps the focus among its own controls.
    notes->Show();
    auto* editor = Make<TPanel>(form, 0, 0, 400, 400);
    auto* field = Make<TEdit>(editor, 10, 10, 80, 20);
    auto* close = Make<TButton>(editor, 10, 40, 80, 20);
    EXPECT_EQ(Round(true), (Controls{field, close}));
    EXPECT_EQ(form->FindNextControl(memo, true), field) << "from a covered control Tab goes on to one that can take it";

    // A painted control (a label) covers nothing; a disabled panel's controls
    // are out, and it still lies over what is under it.
    editor->Hide();
    auto* caption = Make<TLabel>(form, 0, 0, 400, 400);
    caption->BringToFront();
    EXPECT_EQ(Round(true), (Controls{memo, toggle}));
    notes->SetEnabled(false);
    EXPECT_EQ(Round(true), (Controls{toggle}));
}

TEST_F(FocusTest, ControlsMadeAtRunTimeComeLastInTheirParent) {
    auto* panel = Make<TPanel>(form, 0, 0, 300, 300);
    auto* designed = Make<TEdit>(panel, 0, 200, 80, 20, 24);
    auto* row = Make<TPanel>(panel, 0, 0, 300, 25);
    auto* counselor = Make<TEdit>(row, 0, 0, 80, 20);
    auto* date = Make<TEdit>(row, 100, 0, 80, 20);
    EXPECT_EQ(row->TabOrder(), 25);
    EXPECT_EQ(counselor->TabOrder(), 0);
    EXPECT_EQ(date->TabOrder(), 1);
    EXPECT_EQ(Round(true), (Controls{designed, counselor, date}));
}

}  // namespace
