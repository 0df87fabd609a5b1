// The behaviour of the control models that the system relies on.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include "platform/testing/DataFolderTest.h"

namespace {

class ControlTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        form = new TForm(Application);
    }
    template <class C>
    C* Make(TWinControl* parent = nullptr) {
        C* control = new C(form);
        control->SetParent(parent ? parent : form);
        return control;
    }
    TForm* form = nullptr;
};

TEST_F(ControlTest, SelectingARadioButtonFromCodeClicksItAndClearsOnlyItsSiblings) {
    auto* a = Make<TRadioButton>();
    auto* b = Make<TRadioButton>();
    auto* panel = Make<TPanel>();
    auto* elsewhere = Make<TRadioButton>(panel);
    std::vector<TObject*> clicks;
    for (auto* rb : {a, b, elsewhere}) rb->OnClick = [&](TObject* s) { clicks.push_back(s); };

    elsewhere->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(clicks, (std::vector<TObject*>{elsewhere, a, b}));

    // Selecting the selected one, or clearing one, raises nothing.
    b->SetChecked(true);
    b->SetChecked(false);
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(ControlTest, EditRaisesOnChangeOnlyWhenItsTextChanges) {
    auto* edit = Make<TEdit>();
    std::vector<AnsiString> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    edit->SetText("Troop 12");
    edit->SetText("Troop 12");
    UserInput::Type(edit, "Troop 7");
    UserInput::Type(edit, "Troop 7");
    edit->Clear();
    EXPECT_EQ(seen, (std::vector<AnsiString>{"Troop 12", "Troop 7", ""}));
}

TEST_F(ControlTest, TypingDropsRefusedCharactersWithOneBeepAndCutsAtMaxLength) {
    auto* edit = Make<TEdit>();
    edit->AcceptChar = [](unsigned char c) { return (c >= '0' && c <= '9') || c == '/'; };
    edit->SetMaxLength(5);
    UserInput::Type(edit, "1x2y/3456");
    EXPECT_EQ(edit->Text(), "12/34");
    EXPECT_EQ(desktop().Beeps, 1);
    UserInput::Type(edit, "12");
    EXPECT_EQ(desktop().Beeps, 1);
    // Code is not bound by the limit.
    edit->SetText("03/15/2026");
    EXPECT_EQ(edit->Text(), "03/15/2026");

    edit->SetReadOnly(true);
    UserInput::Type(edit, "1");
    EXPECT_EQ(edit->Text(), "03/15/2026");

    auto* memo = Make<TMemo>();
    int memoChanges = 0;
    memo->OnChange = [&](TObject*) { ++memoChanges; };
    UserInput::Type(memo, "first\r\nsecond");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->MemoText(), "first\r\nsecond");
    EXPECT_EQ(memoChanges, 1);
}

TEST_F(ControlTest, SortedListBoxKeepsItsSelectionOnTheSameLine) {
    auto* list = Make<TListBox>();
    list->SetSorted(true);
    for (const char* line : {"Wolf", "bear", " 7 Tiger", "12 Lion"}) list->Items()->Add(line);
    EXPECT_EQ(list->Items()->Lines(), (std::vector<AnsiString>{" 7 Tiger", "12 Lion", "bear", "Wolf"}));

    list->SetItemIndex(2);  // bear
    list->Items()->Add("Arrow");
    EXPECT_EQ((*list->Items())[list->ItemIndex()], "bear");
    list->Items()->Delete(0);
    EXPECT_EQ((*list->Items())[list->ItemIndex()], "bear");
    list->Items()->Delete(list->ItemIndex());
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(1);
    list->Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(5);  // no such line
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ControlTest, ListBoxItemAtPosCountsFromTheTopItem) {
    auto* list = Make<TListBox>();
    list->SetBounds(0, 0, 100, 100);
    for (const char* line : {"a", "b", "c", "d"}) list->Items()->Add(line);
    EXPECT_EQ(list->ItemAtPos({5, 14}, true), 1);
    list->SetTopIndex(2);
    EXPECT_EQ(list->ItemAtPos({5, 14}, true), 3);
    EXPECT_EQ(list->ItemAtPos({5, 40}, true), -1);
    EXPECT_EQ(list->ItemAtPos({5, 40}, false), 4);

    // The item height holds for the font the list had when it was given, and follows the font.
    list->Font()->SetHeight(-15);
    list->SetItemHeight(17);
    EXPECT_EQ(list->RowHeight(), 17);
    list->Font()->SetHeight(-30);
    EXPECT_EQ(list->RowHeight(), 34);
    EXPECT_EQ(list->ItemHeight(), 17);
    list->SetTopIndex(0);
    EXPECT_EQ(list->ItemAtPos({5, 40}, true), 1);
}

TEST_F(ControlTest, ComboBoxPickAndCode) {
    auto* combo = Make<TComboBox>();
    for (const char* line : {"Camping", "Cooking", "Hiking"}) combo->Items()->Add(line);
    std::vector<AnsiString> events;
    combo->OnClick = [&](TObject*) { events.push_back("click " + combo->Text()); };
    combo->OnChange = [&](TObject*) { events.push_back("change " + combo->Text()); };

    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Cooking");
    EXPECT_TRUE(events.empty());
    UserInput::Pick(combo, 2);
    EXPECT_EQ(events, (std::vector<AnsiString>{"click Hiking", "change Hiking"}));
    UserInput::Type(combo, "Swimming");
    EXPECT_EQ(combo->ItemIndex(), -1);
    UserInput::Type(combo, "Camping");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->Items()->Insert(0, "Archery");
    EXPECT_EQ(combo->ItemIndex(), 1);

    auto* list = Make<TListBox>();
    list->Items()->Add("one");
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    UserInput::Pick(list, 0);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, FontsFollowTheParentUntilSetOwn) {
    auto* panel = Make<TPanel>();
    auto* label = Make<TLabel>(panel);
    auto* own = Make<TLabel>(panel);
    own->Font()->SetName("Courier New");
    EXPECT_FALSE(own->ParentFont());

    panel->Font()->SetSize(12);  // 12 points at 96 pixels per inch
    EXPECT_EQ(panel->Font()->Height(), -16);
    EXPECT_EQ(label->Font()->Height(), -16);
    EXPECT_TRUE(label->ParentFont());
    EXPECT_EQ(own->Font()->Height(), -11);

    // The form's font reaches the label through the panel, which follows the form.
    panel->SetParentFont(true);
    form->Font()->SetStyle(fsBold);
    EXPECT_EQ(label->Font()->Style(), fsBold);
    EXPECT_EQ(own->Font()->Style(), 0u);

    // A control moved to another parent takes that parent's font.
    auto* other = Make<TPanel>();
    other->Font()->SetHeight(-20);
    label->SetParent(other);
    EXPECT_EQ(label->Font()->Height(), -20);

    // Owning a font at a higher resolution keeps the size in points.
    desktop().Ppi = 120;
    auto* large = new TLabel(form);
    large->Font()->SetSize(12);
    EXPECT_EQ(large->Font()->Height(), -20);
    EXPECT_EQ(large->Font()->Size(), 12);
}

// A grey JPEG of the given size.
void WriteJpeg(const char* name, int width, int height) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    FILE* out = std::fopen(name, "wb");
    ASSERT_NE(out, nullptr);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width), 128);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
}

TEST_F(ControlTest, PictureRectPlacesThePicture) {
    auto* image = Make<TImage>();
    image->SetBounds(0, 0, 100, 100);
    auto rect = [&] {
        TRect r = image->PictureRect();
        return std::vector<int>{r.Left, r.Top, r.Right, r.Bottom};
    };
    EXPECT_EQ(rect(), (std::vector<int>{0, 0, 0, 0}));  // no picture
    WriteJpeg("wide.jpg", 200, 50);
    image->Picture()->LoadFromFile("wide.jpg");

    image->SetStretch(true);
    EXPECT_EQ(rect(), (std::vector<int>{0, 0, 100, 100}));
    image->SetProportional(true);
    EXPECT_EQ(rect(), (std::vector<int>{0, 0, 100, 25}));
    image->SetCenter(true);
    EXPECT_EQ(rect(), (std::vector<int>{0, 37, 100, 62}));

    WriteJpeg("small.jpg", 40, 20);
    image->Picture()->LoadFromFile("small.jpg");
    image->SetStretch(false);
    EXPECT_EQ(rect(), (std::vector<int>{30, 40, 70, 60}));
    image->SetCenter(false);
    EXPECT_EQ(rect(), (std::vector<int>{0, 0, 40, 20}));
    // Stretch with proportions enlarges a small picture to fit.
    image->SetStretch(true);
    EXPECT_EQ(rect(), (std::vector<int>{0, 0, 100, 50}));
}

// A picture shown smaller than its own size is decoded only as large as its
// place needs; its own size, and so its place, stay those of the whole picture.
TEST_F(ControlTest, APictureShownSmallerIsDecodedReducedButCoversItsPlace) {
    auto* image = Make<TImage>();
    image->SetBounds(0, 0, 196, 272);
    image->SetStretch(true);
    image->SetProportional(true);
    WriteJpeg("big.jpg", 1600, 1200);
    image->Picture()->LoadFromFile("big.jpg");
    const TImageData& data = image->Picture()->Data();
    EXPECT_EQ(image->Picture()->Width(), 1600);
    EXPECT_EQ(image->Picture()->Height(), 1200);
    EXPECT_EQ(std::make_pair(data.Width, data.Height), std::make_pair(200, 150));  // an eighth covers 196 x 147
    TRect place = image->PictureRect();
    EXPECT_EQ(std::vector<int>({place.Left, place.Top, place.Right, place.Bottom}), std::vector<int>({0, 0, 196, 147}));

    // A larger place decodes again at the scale it needs; a smaller one keeps what is there.
    image->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(std::make_pair(image->Picture()->Data().Width, image->Picture()->Data().Height), std::make_pair(400, 300));
    image->SetBounds(0, 0, 100, 100);
    EXPECT_EQ(image->Picture()->Data().Width, 400);
    // With its file gone, the picture stays as it is.
    std::remove("big.jpg");
    image->SetBounds(0, 0, 1000, 800);
    EXPECT_EQ(image->Picture()->Data().Width, 400);
    EXPECT_EQ(image->Picture()->Width(), 1600);

    // Pictures that fit, and pictures shown at their own size, are decoded whole.
    image->SetBounds(0, 0, 196, 272);
    WriteJpeg("small.jpg", 150, 100);
    image->Picture()->LoadFromFile("small.jpg");
    EXPECT_EQ(image->Picture()->Data().Width, 150);
    image->SetStretch(false);
    image->SetProportional(false);
    WriteJpeg("big.jpg", 1600, 1200);
    image->Picture()->LoadFromFile("big.jpg");
    EXPECT_EQ(image->Picture()->Data().Width, 1600);
    // Switching to a smaller shown size later keeps the whole picture.
    image->SetProportional(true);
    EXPECT_EQ(image->Picture()->Data().Width, 1600);
    image->Picture()->Clear();
    EXPECT_EQ(image->Picture()->Width(), 0);
    EXPECT_TRUE(image->Picture()->Data().Empty());
}

TEST_F(ControlTest, StringGridCellsFollowItsSize) {
    auto* grid = Make<TStringGrid>();
    grid->SetDefaultColWidth(50);
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetCells(2, 1, "x");
    grid->SetCells(3, 1, "outside");
    EXPECT_EQ(grid->Cells(2, 1), "x");
    EXPECT_EQ(grid->Cells(3, 1), "");
    grid->SetColCount(5);
    EXPECT_EQ(grid->Cells(2, 1), "x");
    EXPECT_EQ(grid->ColWidths(4), 50);
    grid->SetColCount(2);
    grid->SetColCount(3);
    EXPECT_EQ(grid->Cells(2, 1), "");

    std::vector<AnsiString> edits;
    grid->OnSetEditText = [&](TObject*, int c, int r, const AnsiString& v) {
        edits.push_back(IntToStr(c) + "," + IntToStr(r) + "=" + v);
    };
    UserInput::EditCell(grid, 1, 1, "1");
    EXPECT_EQ(grid->Cells(1, 1), "1");
    EXPECT_EQ(edits, std::vector<AnsiString>{"1,1=1"});
}

TEST_F(ControlTest, FileListBoxListsMatchingFilesAndRichEditPrints) {
    WriteFile("Camping.Mb", "");
    WriteFile("Cooking.Mb", "");
    WriteFile("Eagle.Rank", "");
    auto* files = Make<TFileListBox>();
    files->SetMask("*.Mb");
    EXPECT_EQ(files->Items()->Lines(), (std::vector<AnsiString>{"Camping.Mb", "Cooking.Mb"}));

    auto* rich = Make<TRichEdit>();
    rich->Font()->SetName("Courier New");
    rich->Lines()->Add("Troop List");
    rich->Print("Troop");
    ASSERT_EQ(desktop().PrintJobs.size(), 1u);
    EXPECT_EQ(desktop().PrintJobs[0].title, "Troop");
    EXPECT_EQ(desktop().PrintJobs[0].fontName, "Courier New");
    EXPECT_EQ(desktop().PrintJobs[0].lines, std::vector<AnsiString>{"Troop List"});
    desktop().PrinterAvailable = false;
    EXPECT_THROW(rich->Print("Troop"), EPrinter);
}

TEST_F(ControlTest, DestroyedParentLeavesItsChildrenWithoutOne) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* kept = new TLabel(form);  // owned by the form, lying on the panel
    kept->SetParent(panel);
    auto* owned = new TLabel(panel);
    owned->SetParent(panel);
    EXPECT_EQ(panel->ControlList(), (std::vector<TControl*>{kept, owned}));
    kept->BringToFront();
    EXPECT_EQ(panel->ControlList(), (std::vector<TControl*>{owned, kept}));
    delete panel;
    EXPECT_EQ(kept->Parent(), nullptr);
    EXPECT_EQ(form->ControlCount(), 0);
}

}  // namespace
