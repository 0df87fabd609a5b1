// The main window's layout: the requirement rows as fractions of the sheet
// panel, the grid columns as fractions of their panels, and the window's
// rescaling component driving both when the window changes size.
#include "records/tests/WindowFixture.h"

namespace {

std::vector<int> Rect(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

void SizeClient(TForm* form, int cx, int cy) {
    SendMessage(form->Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<unsigned>(cx), static_cast<unsigned>(cy)));
}

}  // namespace

class MainLayout : public WindowFixture {};

TEST_F(MainLayout, RowsAtTheDesignedSheetSizeTakeTheirDesignedPlaces) {
    ASSERT_EQ((std::vector<int>{f->pnlScout->Width(), f->pnlScout->Height()}), (std::vector<int>{551, 553}));
    f->FormScaler1ExitResize(f->FormScaler1, 1.0, 1.0);
    for (int r = 0; r < SheetRows; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(Rect(f->RowPanel[r]), (std::vector<int>{11, 23 + 28 * r, 531, 23}));
        EXPECT_EQ(f->RowNumberLabel[r]->Left(), 8);
        EXPECT_EQ(f->RowNumberLabel[r]->Width(), 51);
        EXPECT_EQ(f->RowNumberLabel[r]->Height(), 14);
        EXPECT_EQ(f->RowNumberLabel[r]->Top(), 5);  // left as built
        EXPECT_EQ(Rect(f->RowTextLabel[r]), (std::vector<int>{62, 0, 207, 14}));
        EXPECT_EQ(Rect(f->RowCounselorEdit[r]), (std::vector<int>{286, 3, 103, 21}));
        EXPECT_EQ(Rect(f->RowDateEdit[r]), (std::vector<int>{402, 3, 83, 21}));
        EXPECT_EQ(Rect(f->RowStatusShape[r]), (std::vector<int>{496, 3, 17, 17}));
    }
}

TEST_F(MainLayout, GridColumnsAreFractionsOfTheirPanels) {
    f->gridAttend->SetWidth(930);
    f->pnlRpts->SetWidth(932);
    f->FormResize(f);
    EXPECT_EQ(f->gridAttend->ColWidths(0), 115);
    for (int col = 1; col <= 24; ++col) EXPECT_EQ(f->gridAttend->ColWidths(col), 31) << col;
    std::vector<int> counselor;
    for (int col = 0; col < 8; ++col) counselor.push_back(f->MBCGrid->ColWidths(col));
    EXPECT_EQ(counselor, (std::vector<int>{159, 169, 29, 224, 74, 59, 84, 84}));
}

TEST_F(MainLayout, AnAfterRescaleEventWithoutRowsChangesNothing) {
    f->RowsBuilt = false;
    const auto before = Rect(f->RowPanel[3]);
    f->FormScaler1ExitResize(f->FormScaler1, 2.0, 2.0);
    EXPECT_EQ(Rect(f->RowPanel[3]), before);

    // After closing, the rows are gone and a late rescale passes them by.
    f->RowsBuilt = true;
    UserInput::CloseBox(f);
    ASSERT_FALSE(f->RowsBuilt);
    EXPECT_EQ(f->RowPanel[3], nullptr);
    SizeClient(f, 1890, 1304);
    EXPECT_EQ(f->pnlScout->Width(), 1102);
}

TEST_F(MainLayout, ResizingTheWindowScalesControlsRowsFontsAndGridColumnsTogether) {
    ASSERT_TRUE(f->FormScaler1->Registered());
    EXPECT_EQ(f->FormScaler1->FormPos(), rpTopCenter);
    EXPECT_EQ(f->FormScaler1->DesignFrmH(), 652);
    const int panelFont = f->lblRequirements->Font()->Size();

    // Twice the designed client size (945 x 652).
    SizeClient(f, 1890, 1304);
    EXPECT_EQ(Rect(f->pnlScout), (std::vector<int>{26, 112, 1102, 1106}));
    EXPECT_EQ(Rect(f->panelAdv), (std::vector<int>{1196, 14, 674, 1210}));
    EXPECT_EQ(f->lblRequirements->Font()->Size(), 2 * panelFont);
    // The rows follow the grown sheet panel.
    EXPECT_EQ(Rect(f->RowPanel[0]), (std::vector<int>{23, 46, 1063, 46}));
    EXPECT_EQ(f->RowPanel[10]->Top(), 56 * 10 + 46);
    EXPECT_EQ(Rect(f->RowStatusShape[0]), (std::vector<int>{992, 6, 35, 35}));
    // The window's own resize handler ran after the rescale: the columns follow the grown grids.
    EXPECT_EQ(f->gridAttend->Width(), 1860);
    EXPECT_EQ(f->gridAttend->ColWidths(0), static_cast<int>(1860 * 0.12366));
    EXPECT_EQ(f->MBCGrid->ColWidths(3), static_cast<int>(f->pnlRpts->Width() * 0.24038));

    // Back to the designed size: everything where it was.
    SizeClient(f, 945, 652);
    EXPECT_EQ(Rect(f->pnlScout), (std::vector<int>{13, 56, 551, 553}));
    EXPECT_EQ(f->lblRequirements->Font()->Size(), panelFont);
    EXPECT_EQ(Rect(f->RowPanel[0]), (std::vector<int>{11, 23, 531, 23}));
}

TEST_F(MainLayout, OnADenserScreenTheWindowAndTheDialogsOpenAsMuchLargerAndTheControlsFillThem) {
    desktop().Ppi = 144;
    auto window = std::make_unique<TForm1>(nullptr);
    EXPECT_EQ(window->ClientWidth(), 1418);  // 945 x 1.5, rounded
    EXPECT_EQ(window->ClientHeight(), 984);
    // The rescaling component lays the controls out at one and a half times their designed rectangles.
    SizeClient(window.get(), window->ClientWidth(), window->ClientHeight());
    EXPECT_EQ(Rect(window->pnlScout), (std::vector<int>{20, 85, 827, 835}));
    EXPECT_EQ(Rect(window->panelAdv), (std::vector<int>{897, 11, 506, 914}));

    // A dialog keeps its size: its controls and fonts grow with it.
    auto pick = std::make_unique<TAddDlg>(nullptr);
    EXPECT_EQ(pick->ClientWidth(), 578);
    EXPECT_EQ(pick->ClientHeight(), 224);
    EXPECT_EQ(Rect(pick->OKBtn), (std::vector<int>{146, 147, 140, 47}));
    EXPECT_EQ(pick->Label1->Font()->Height(), -35);
    auto date = std::make_unique<TDateDlg>(nullptr);
    EXPECT_EQ(date->ClientWidth(), 438);
    EXPECT_EQ(Rect(date->Cal1), (std::vector<int>{24, 18, 380, 275}));
}
