// What the component does on its window's messages: rescaling, placement on
// the work area, the maximized size and the limits of a sizing drag.
#include <gtest/gtest.h>

#include "formscaler/tests/ScalerFixture.h"

TEST_F(ScalerTest, DoublingTheClientDoublesEveryRectangleAndFontWithTheSmallerScaleForFonts) {
    Make();
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 40, 400, 200}));
    EXPECT_EQ(Rect(form->Label1), (std::vector<int>{16, 1, 120, 26}));  // Top 0 becomes 1
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{1, 300, 242, 42}));  // Left 0 becomes 1
    EXPECT_EQ(Rect(form->Button1), (std::vector<int>{600, 500, 150, 50}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 24);
    EXPECT_EQ(form->Edit1->Font()->Size(), 16);
    EXPECT_EQ(form->Font()->Size(), 16);
    // Controls that take their parent's font have it back, freshly scaled.
    EXPECT_TRUE(form->Label1->ParentFont());
    EXPECT_EQ(form->Label1->Font()->Size(), 24);
    EXPECT_TRUE(form->Button1->ParentFont());
    EXPECT_EQ(form->Button1->Font()->Size(), 16);
    ASSERT_EQ(form->exitCalls.size(), 1u);
    EXPECT_DOUBLE_EQ(form->exitCalls[0].x, 2.0);
    EXPECT_DOUBLE_EQ(form->exitCalls[0].y, 2.0);
    EXPECT_TRUE(scaler()->FirstSizeDone());

    // Twice as wide only: fonts keep their size.
    SizeTo(800, 300);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 20, 400, 100}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 12);
    EXPECT_DOUBLE_EQ(scaler()->LastFontScale(), 1.0);
}

TEST_F(ScalerTest, PlacesSizesAndFontsThatComeOutZeroBecomeOne) {
    Make();
    SizeTo(1, 1);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 1);
    EXPECT_EQ(form->Edit1->Font()->Size(), 1);
}

TEST_F(ScalerTest, MinimizingDoesNotRescaleAndNoErrorBuildsUpOverManyResizes) {
    Make();
    SizeTo(0, 0, SIZE_MINIMIZED);
    EXPECT_TRUE(form->exitCalls.empty());
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    for (int step = 0; step < 50; ++step) SizeTo(401 + step * 7, 299 + step * 3);
    SizeTo(0, 0, SIZE_MINIMIZED);
    SizeTo(400, 300);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    EXPECT_EQ(Rect(form->Button1), (std::vector<int>{300, 250, 75, 25}));
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{1, 150, 121, 21}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 12);
    EXPECT_EQ(form->exitCalls.size(), 51u);
}

TEST_F(ScalerTest, AControlAddedUnnamedIsNamedTrackedAndScaledFromTheScalesOfItsArrival) {
    Make();
    SizeTo(800, 600);
    auto* late = new TButton(form.get());
    late->SetParent(form.get());
    late->SetBounds(40, 40, 100, 50);
    auto* named = new TLabel(form.get());
    named->SetName("lblLate");
    named->SetCaption("ScalAdd to keep?");
    named->SetParent(form.get());
    named->SetBounds(10, 10, 20, 20);

    SizeTo(400, 300);
    EXPECT_EQ(late->Name(), "ScalAdd0001");
    EXPECT_EQ(late->Caption(), "");  // renaming gave it its name as caption; that is undone
    EXPECT_EQ(named->Name(), "lblLate");
    EXPECT_EQ(named->Caption(), "");
    EXPECT_EQ(scaler()->AddedCount(), 2);
    // Found at scale 2: its base is half of what it had.
    EXPECT_EQ(Rect(late), (std::vector<int>{20, 20, 50, 25}));

    auto* third = new TEdit(form.get());
    third->SetParent(form.get());
    SizeTo(800, 600);
    EXPECT_EQ(third->Name(), "ScalAdd0003");
    EXPECT_EQ(Rect(late), (std::vector<int>{40, 40, 100, 50}));

    // A control freed is forgotten.
    delete late;
    SizeTo(400, 300);
    EXPECT_EQ(scaler()->FindCtrlInfo("ScalAdd0001"), nullptr);
    EXPECT_NE(scaler()->FindCtrlInfo("ScalAdd0003"), nullptr);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
}

TEST_F(ScalerTest, AControlAddedWhileAScaleIsZeroTakesItsBaseFromTheNextScaleThatIsNot) {
    Make();
    SizeTo(0, 600);
    auto* late = new TButton(form.get());
    late->SetName("btnLate");
    late->SetParent(form.get());
    late->SetBounds(40, 40, 100, 50);
    SizeTo(0, 300);
    // No width to take a base from: it keeps its place across; the height halves.
    EXPECT_EQ(Rect(late), (std::vector<int>{40, 20, 100, 25}));
    SizeTo(800, 300);
    EXPECT_EQ(Rect(late), (std::vector<int>{40, 20, 100, 25}));
    SizeTo(400, 600);
    EXPECT_EQ(Rect(late), (std::vector<int>{20, 40, 50, 50}));
}

TEST_F(ScalerTest, OnlyTheFormsOwnNameInTheNoFontListStopsFontScaling) {
    ScalerDescription d;
    d.scalerLines += "    NoResizeFntCtl = 'Panel1;ScalerTestForm'\n";
    Make(d);
    SizeTo(800, 600);
    EXPECT_EQ(form->Font()->Size(), 8);
    EXPECT_EQ(form->Button1->Font()->Size(), 8);  // takes the form's font
    EXPECT_EQ(form->Panel1->Font()->Size(), 24);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 40, 400, 200}));
}

TEST_F(ScalerTest, WithoutResizeFontOnlyRectanglesFollow) {
    ScalerDescription d;
    d.scalerLines = "    ResizeFont = False\n";
    Make(d);
    SizeTo(800, 600);
    EXPECT_EQ(form->Panel1->Font()->Size(), 12);
    EXPECT_EQ(form->Font()->Size(), 8);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 40, 400, 200}));
}

TEST_F(ScalerTest, AFontTheProgramStopsTakingFromTheParentBecomesTheNewBase) {
    Make();
    SizeTo(800, 600);
    form->Button1->SetParentFont(false);
    form->Button1->Font()->SetSize(20);
    SizeTo(400, 300);
    EXPECT_FALSE(form->Button1->ParentFont());
    EXPECT_EQ(form->Button1->Font()->Size(), 10);
    SizeTo(1200, 900);
    EXPECT_EQ(form->Button1->Font()->Size(), 30);

    // Switched to its parent's font, it shows the form's font at the last
    // scales: its base is that font over those scales, taken before the
    // form's font changes for the new size.
    form->Edit1->SetParentFont(true);
    ASSERT_EQ(form->Edit1->Font()->Size(), 24);
    SizeTo(400, 300);
    EXPECT_EQ(scaler()->FindCtrlInfo("Edit1")->BaseFont->Size(), 8);
    EXPECT_TRUE(form->Edit1->ParentFont());
    EXPECT_EQ(form->Edit1->Font()->Size(), 8);
}

TEST_F(ScalerTest, AroundAPassEveryTrackedFontIsSetFromItsBaseAndTheParentFontsAreGivenBack) {
    Make();
    scaler()->UpdateParentFonts(true);
    EXPECT_FALSE(form->Label1->ParentFont());
    EXPECT_FALSE(form->Button1->ParentFont());
    EXPECT_TRUE(scaler()->FindCtrlInfo("Button1")->ParentFontNow);
    form->Panel1->Font()->SetSize(20);
    EXPECT_EQ(form->Label1->Font()->Size(), 12);  // switched off: no longer follows
    scaler()->UpdateParentFonts(false);
    EXPECT_TRUE(form->Label1->ParentFont());
    EXPECT_EQ(form->Label1->Font()->Size(), 20);
    EXPECT_FALSE(form->Edit1->ParentFont());
    EXPECT_EQ(form->Edit1->Font()->Size(), 8);
}

TEST_F(ScalerTest, FirstShowPlacesTheWindowTopCentreOfTheWorkArea) {
    desktop().Screen = {0, 0, 1024, 768};
    desktop().Work = {0, 0, 1024, 728};
    ScalerDescription d;
    d.formLines = "  ClientWidth = 945\n  ClientHeight = 676\n";
    d.scalerLines = "    FormPos = rpTopCenter\n";
    d.designLines = "    DesignFrmW = 945\n    DesignFrmH = 676\n    DesignDpiW = 96\n    DesignDpiH = 96\n";
    Make(d);
    ASSERT_EQ(form->Width(), 953);
    ASSERT_EQ(form->Height(), 706);
    // Reading FormPos placed it already; the window's size is kept.
    EXPECT_EQ(form->Left(), 35);
    SendMessage(wnd(), WM_SHOWWINDOW, 1, 0);
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->Width(), form->Height()}),
              (std::vector<int>{35, 0, 954, 707}));
    // The new size was a size change: the controls followed.
    EXPECT_EQ(form->exitCalls.size(), 1u);
    EXPECT_EQ(LastScreenWidth, 1024);

    // Shown again later: placed no more.
    form->SetBounds(5, 5, 954, 707);
    SendMessage(wnd(), WM_SHOWWINDOW, 1, 0);
    EXPECT_EQ(form->Left(), 5);
}

TEST_F(ScalerTest, ASetSizeAndEveryPositionAreKeptOnTheWorkArea) {
    desktop().Screen = {0, 0, 1024, 768};
    desktop().Work = {0, 30, 1024, 768};  // a taskbar at the top
    desktop().VersionWord = 5;            // minor version 0 steps below the taskbar
    ScalerDescription d;
    d.scalerLines = "    FormPos = rpBottomRight\n    FormWidth = 2000\n    FormHeight = 500\n";
    Make(d);
    SendMessage(wnd(), WM_SHOWWINDOW, 1, 0);
    // 2000 is cut to the work area's 1024; the height fits above the bottom of the 738 high work area.
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->Width(), form->Height()}),
              (std::vector<int>{0, 238, 1024, 500}));

    TFormScaler::PlaceForm(form.get(), rpTopLeft, true, 100, 100);
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top()}), (std::vector<int>{0, 30}));
    TFormScaler::PlaceForm(form.get(), rpMiddleCenter, true, 100, 200);
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top()}), (std::vector<int>{412, 319}));
    // A maximized window stays where it is.
    form->SetWindowState(wsMaximized);
    TFormScaler::PlaceForm(form.get(), rpTopLeft, true, 50, 50);
    EXPECT_EQ(form->Left(), 412);
}

TEST_F(ScalerTest, TheWorkAreaLeavesOutTheTaskbarUnlessItHidesItself) {
    Make();
    int w, h, edge;
    APPBARDATA bar;
    TFormScaler::GetWorkArea(w, h, edge, bar, true);
    EXPECT_EQ((std::vector<int>{w, h, edge}), (std::vector<int>{1280, 984, 3}));
    TFormScaler::GetWorkArea(w, h, edge, bar, false);
    EXPECT_EQ((std::vector<int>{w, h, edge}), (std::vector<int>{1280, 1024, 3}));

    desktop().Work = {60, 0, 1280, 1024};
    TFormScaler::GetWorkArea(w, h, edge, bar, true);
    EXPECT_EQ((std::vector<int>{w, h, edge}), (std::vector<int>{1220, 1024, 1}));

    desktop().Work = {0, 0, 1280, 984};
    desktop().AutoHideTaskbar = true;
    TFormScaler::GetWorkArea(w, h, edge, bar, true);
    EXPECT_EQ((std::vector<int>{w, h, edge}), (std::vector<int>{1280, 1024, 3}));

    desktop().VersionWord = 3;
    Make();
    TFormScaler::GetWorkArea(w, h, edge, bar, true);
    EXPECT_EQ((std::vector<int>{w, h, edge}), (std::vector<int>{1280, 1024, -1}));
}

TEST_F(ScalerTest, AMaximizedWindowFillsTheWorkAreaOrItsLimits) {
    Make();
    MINMAXINFO info;
    info.ptMaxSize = {1280, 1024};
    info.ptMaxTrackSize = {1280, 1024};
    SendMessage(wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ((std::vector<long>{info.ptMaxSize.x, info.ptMaxSize.y, info.ptMaxTrackSize.x, info.ptMaxTrackSize.y,
                                 info.ptMaxPosition.x, info.ptMaxPosition.y}),
              (std::vector<long>{1280, 984, 1280, 984, 0, 0}));

    scaler()->SetFormMaxWidth(800);
    scaler()->SetFormMaxHeight(600);
    form->SetBounds(100, 50, 408, 330);
    MINMAXINFO limited;
    SendMessage(wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limited));
    EXPECT_EQ((std::vector<long>{limited.ptMaxSize.x, limited.ptMaxSize.y, limited.ptMaxPosition.x,
                                 limited.ptMaxPosition.y}),
              (std::vector<long>{800, 600, 100, 50}));
    // A window reaching past the right edge is maximized against it.
    form->SetBounds(1000, 50, 408, 330);
    SendMessage(wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limited));
    EXPECT_EQ(limited.ptMaxPosition.x, 480);
}

TEST_F(ScalerTest, DragLimitsApplyOnlyInPairs) {
    Make();
    auto drag = [&](RECT r) {
        SendMessage(wnd(), WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&r));
        return std::vector<long>{r.left, r.top, r.right, r.bottom};
    };
    scaler()->SetFormMaxWidth(800);
    EXPECT_EQ(drag({100, 100, 1000, 800}), (std::vector<long>{100, 100, 1000, 800}));
    scaler()->SetFormMaxHeight(600);
    // The left edge stays; the right one moves, whichever edge is dragged.
    EXPECT_EQ(drag({100, 100, 1000, 800}), (std::vector<long>{100, 100, 900, 700}));
    scaler()->SetFormMinWidth(200);
    EXPECT_EQ(drag({100, 100, 150, 150}), (std::vector<long>{100, 100, 150, 150}));
    scaler()->SetFormMinHeight(150);
    EXPECT_EQ(drag({100, 100, 150, 150}), (std::vector<long>{100, 100, 300, 250}));
}

TEST_F(ScalerTest, AMaximizedWindowWithLimitsIsMovedBackOntoTheWorkArea) {
    Make();
    scaler()->SetFormMaxWidth(800);
    scaler()->SetFormMaxHeight(600);
    form->SetWindowState(wsMaximized);
    form->SetBounds(900, 700, 608, 330);
    SizeTo(600, 300, SIZE_MAXIMIZED);
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top()}), (std::vector<int>{672, 654}));
}

TEST_F(ScalerTest, TheScreenChangeRefitRunsOnlyOnItsPlatformAndOnlyForANewScreen) {
    desktop().VersionWord = 5 | (10 << 8);
    Make();
    SizeTo(400, 300);
    form->SetBounds(500, 600, 600, 400);
    LastScreenWidth = 1280;
    LastScreenHeight = 1024;
    SendMessage(wnd(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(form->Left(), 500);
    desktop().Screen = {0, 0, 800, 600};
    desktop().Work = {0, 0, 800, 560};
    SendMessage(wnd(), WM_NCPAINT, 1, 0);
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->Width(), form->Height()}),
              (std::vector<int>{199, 159, 601, 401}));
    EXPECT_EQ(LastScreenWidth, 800);
}

TEST_F(ScalerTest, AControlRenamedAfterLoadingIsFoundByItsNameNoMore) {
    Make();
    SizeTo(800, 600);
    form->Edit1->SetName("EditRenamed");
    SizeTo(400, 300);
    // Same number of components: no record is made for the new name, so the control stays where it was.
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{1, 300, 242, 42}));
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    form->Edit1->SetName("Edit1");
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{1, 300, 242, 42}));
    SizeTo(400, 300);
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{1, 150, 121, 21}));
}
