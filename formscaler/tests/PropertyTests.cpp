// The component's properties, their checks and messages, the values it
// streams, loading at another screen resolution, and switching it on and off.
#include <gtest/gtest.h>

#include "formscaler/tests/ScalerFixture.h"

namespace {

struct Refusal {
    const char* setup;  // properties set first: "FormMinWidth=500"
    void (TFormScaler::*setter)(int);
    int value;
    const char* english;
    const char* japanese;
};

void Apply(TFormScaler* s, const AnsiString& setup) {
    if (setup.empty()) return;
    auto at = setup.find('=');
    AnsiString name = setup.substr(0, at);
    int v = StrToInt(setup.substr(at + 1));
    if (name == "FormWidth") s->SetFormWidth(v);
    else if (name == "FormHeight") s->SetFormHeight(v);
    else if (name == "FormMaxWidth") s->SetFormMaxWidth(v);
    else if (name == "FormMaxHeight") s->SetFormMaxHeight(v);
    else if (name == "FormMinWidth") s->SetFormMinWidth(v);
    else if (name == "FormMinHeight") s->SetFormMinHeight(v);
}

const Refusal Refusals[] = {
    {"", &TFormScaler::SetFormWidth, -1, "Set this value equal to or greater than 0", "0 以上の値を入れてください"},
    {"", &TFormScaler::SetFormMinHeight, -5, "Set this value equal to or greater than 0", "0 以上の値を入れてください"},
    {"FormMinWidth=500", &TFormScaler::SetFormWidth, 400, "Set this value equal to or greater than the FormMinWidth",
     "FormMinWidth 以上の値を入れてください"},
    {"FormMaxWidth=800", &TFormScaler::SetFormWidth, 900, "Set this value equal to or less than the FormMaxWidth",
     "FormMaxWidth 以下の値を入れてください"},
    {"FormMinHeight=300", &TFormScaler::SetFormHeight, 200, "Set this value equal to or greater than the FormMinHeight",
     "FormMinHeight 以上の値を入れてください"},
    {"FormMaxHeight=600", &TFormScaler::SetFormHeight, 700, "Set this value equal to or less than the FormMaxHeight",
     "FormMaxHeight 以下の値を入れてください"},
    {"FormWidth=600", &TFormScaler::SetFormMaxWidth, 500, "Set this value equal to or greater than the FormWidth",
     "FormWidth 以上の値を入れてください"},
    {"FormMinWidth=600", &TFormScaler::SetFormMaxWidth, 500, "Set this value equal to or greater than the FormMinWidth",
     "FormMinWidth 以上の値を入れてください"},
    {"FormHeight=600", &TFormScaler::SetFormMaxHeight, 500, "Set this value equal to or greater than the FormHeight",
     "FormHeight 以上の値を入れてください"},
    {"FormMinHeight=600", &TFormScaler::SetFormMaxHeight, 500,
     "Set this value equal to or greater than the FormMinHeight", "FormMinHeight 以上の値を入れてください"},
    {"FormWidth=600", &TFormScaler::SetFormMinWidth, 700, "Set this value equal to or less than the FormWidth",
     "FormWidth 以下の値を入れてください"},
    {"FormMaxWidth=600", &TFormScaler::SetFormMinWidth, 700, "Set this value equal to or less than the FormMaxWidth",
     "FormMaxWidth 以下の値を入れてください"},
    {"FormHeight=600", &TFormScaler::SetFormMinHeight, 700, "Set this value equal to or less than the FormHeight",
     "FormHeight 以下の値を入れてください"},
    {"FormMaxHeight=600", &TFormScaler::SetFormMinHeight, 700, "Set this value equal to or less than the FormMaxHeight",
     "FormMaxHeight 以下の値を入れてください"},
};

using Setter = void (TFormScaler::*)(int);
using Getter = int (TFormScaler::*)() const;

}  // namespace

TEST_F(ScalerTest, EverySizeRefusalCarriesItsMessageInTheUsersLanguageAndKeepsTheValue) {
    for (const char* language : {"ENU", "jpn", "JPN"}) {
        desktop().Language = language;
        const bool japanese = AnsiString(language) != "ENU";
        for (const Refusal& r : Refusals) {
            SCOPED_TRACE(AnsiString(language) + " " + r.setup + " then " + IntToStr(r.value));
            TFormScaler s(nullptr);
            Apply(&s, r.setup);
            const AnsiString before = WriteComponentText(&s);
            try {
                (s.*r.setter)(r.value);
                ADD_FAILURE() << "accepted";
            } catch (const EInvalidOperation& e) {
                EXPECT_EQ(e.Message(), japanese ? r.japanese : r.english);
            }
            EXPECT_EQ(WriteComponentText(&s), before);
        }
    }
}

TEST_F(ScalerTest, ZeroIsAlwaysTakenAndValuesWithinTheLimitsAreStored) {
    TFormScaler s(nullptr);
    s.SetFormMinWidth(500);
    s.SetFormMaxWidth(800);
    s.SetFormWidth(600);
    s.SetFormMinHeight(300);
    s.SetFormMaxHeight(600);
    s.SetFormHeight(300);
    EXPECT_EQ(s.FormWidth(), 600);
    EXPECT_EQ(s.FormHeight(), 300);
    const std::pair<Setter, Getter> sizes[] = {
        {&TFormScaler::SetFormWidth, &TFormScaler::FormWidth},       {&TFormScaler::SetFormHeight, &TFormScaler::FormHeight},
        {&TFormScaler::SetFormMaxWidth, &TFormScaler::FormMaxWidth}, {&TFormScaler::SetFormMaxHeight, &TFormScaler::FormMaxHeight},
        {&TFormScaler::SetFormMinWidth, &TFormScaler::FormMinWidth}, {&TFormScaler::SetFormMinHeight, &TFormScaler::FormMinHeight},
    };
    for (auto [set, get] : sizes) {
        (s.*set)(0);
        EXPECT_EQ((s.*get)(), 0);
    }
    // With the limits gone, any width is taken.
    s.SetFormWidth(5000);
    EXPECT_EQ(s.FormWidth(), 5000);
}

TEST_F(ScalerTest, NameListsSplitAtSemicolonsKeepingEmptyPiecesButNoTrailingOne) {
    ScalerDescription d;
    d.scalerLines += "    NoResizeCtl = 'Panel1;Edit1'\n";
    Make(d);
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{0, 150, 121, 21}));
    EXPECT_EQ(Rect(form->Button1), (std::vector<int>{600, 500, 150, 50}));

    d.scalerLines += "    NoResizeCtl = 'panel1;Edit1;'\n";  // a later line wins; the look-up ignores case
    Make(d);
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    EXPECT_EQ(Rect(form->Edit1), (std::vector<int>{0, 150, 121, 21}));
    EXPECT_EQ(scaler()->FindCtrlInfo("Panel1"), nullptr);
    EXPECT_NE(scaler()->FindCtrlInfo("Label1"), nullptr);
    EXPECT_EQ(scaler()->NoResizeNames().Text(), "panel1\r\nEdit1\r\n");

    d.scalerLines += "    NoResizeCtl = ';Edit1'\n    NoResizeFntCtl = 'A;;B'\n";
    Make(d);
    EXPECT_EQ(scaler()->NoResizeNames().Text(), "\r\nEdit1\r\n");
    EXPECT_EQ(scaler()->NoFontNames().Text(), "A\r\n\r\nB\r\n");
}

TEST_F(ScalerTest, TheDesignValuesAreReadAndWrittenWithTheDescription) {
    Make();
    EXPECT_EQ(scaler()->DesignFrmW(), 400);
    EXPECT_EQ(scaler()->DesignFrmH(), 300);
    EXPECT_EQ(scaler()->DesignDpiW(), 96);
    // Loading took the owner, its client size at scale 1 and its components.
    EXPECT_EQ(scaler()->OwnerName(), "ScalerTestForm");
    EXPECT_EQ(scaler()->BaseClientWidth(), 400);
    EXPECT_EQ(scaler()->BaseClientHeight(), 300);
    EXPECT_EQ(scaler()->ScalerListEntry(), static_cast<void*>(&form->FormScaler1));
    EXPECT_EQ(scaler()->KnownComponentCount(), form->ComponentCount());
    form->SetClientWidth(640);
    form->SetClientHeight(480);
    desktop().Ppi = 120;
    EXPECT_EQ(scaler()->WriteDesignFrmW().AsInt(), 640);
    EXPECT_EQ(scaler()->WriteDesignFrmH().AsInt(), 480);
    EXPECT_EQ(scaler()->WriteDesignDpiW().AsInt(), 120);
    EXPECT_EQ(scaler()->WriteDesignDpiH().AsInt(), 120);
    scaler()->ReadDesignFrmW(FormValue::OfInt(500));
    scaler()->ReadDesignDpiH(FormValue::OfInt(144));
    EXPECT_EQ(scaler()->DesignFrmW(), 500);
    EXPECT_EQ(scaler()->DesignDpiH(), 144);
    const AnsiString text = WriteComponentText(form.get());
    // The published properties in their order, every one written (the empty names are not), then the design values.
    const char* lines[] = {"FormPos = rpDefault", "FormWidth = 0",    "FormHeight = 0",  "FormMaxWidth = 0",
                           "FormMaxHeight = 0",   "FormMinWidth = 0", "FormMinHeight = 0", "ResizeFont = True",
                           "Enabled = True",      "ValidTaskbar = True", "OnExitResize = ScalerExitResize",
                           "DesignFrmW = 640",    "DesignFrmH = 480", "DesignDpiW = 120", "DesignDpiH = 120"};
    size_t at = text.find("object FormScaler1: TFormScaler");
    ASSERT_NE(at, AnsiString::npos);
    for (const char* line : lines) {
        size_t next = text.find(line, at);
        EXPECT_NE(next, AnsiString::npos) << line;
        if (next != AnsiString::npos) at = next;
    }
    EXPECT_EQ(text.find("NoResizeCtl"), AnsiString::npos);

    TScalerTestForm again(nullptr);
    again.Read(text);
    EXPECT_EQ(again.FormScaler1->DesignFrmW(), 640);
    EXPECT_EQ(again.FormScaler1->DesignDpiH(), 120);
}

TEST_F(ScalerTest, AFormDesignedAt96AndRunAt120GrowsByAQuarterAfterLoading) {
    desktop().Ppi = 120;
    Make();
    EXPECT_EQ(scaler()->RunDpiX(), 120);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{13, 25, 250, 125}));
    EXPECT_EQ(Rect(form->Button1), (std::vector<int>{375, 313, 94, 31}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 15);
    EXPECT_EQ(form->Edit1->Font()->Size(), 10);
    // The base rectangles hold the corrected values, and a client grown by the
    // same quarter leaves them as they are.
    EXPECT_EQ(scaler()->FindCtrlInfo("Panel1")->BaseWidth, 250);
    SizeTo(500, 375);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{13, 25, 250, 125}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 15);

    // A dialog (or a borderless form) without a set size keeps its rectangles; only fonts are corrected.
    ScalerDescription dialog;
    dialog.formLines = "  BorderStyle = bsDialog\n";
    Make(dialog);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    EXPECT_EQ(form->Panel1->Font()->Size(), 15);
    dialog.scalerLines += "    FormWidth = 500\n    FormHeight = 400\n";
    Make(dialog);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{13, 25, 250, 125}));

    // A font height is corrected before it is rounded to whole points: the
    // form's 11 pixels are 5.5 points at 144 dpi, 8.25 once corrected.
    desktop().Ppi = 144;
    Make();
    EXPECT_EQ(form->Font()->Size(), 8);
}

TEST_F(ScalerTest, SwitchingOffAndOnRemovesAndReinstallsTheWindowProcedureOnce) {
    Make();
    ASSERT_TRUE(scaler()->Registered());
    EXPECT_EQ(GetWindowLong(wnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&ScalerWndProc));
    EXPECT_EQ(scaler()->SavedWndProc(), &TForm::DefaultWndProc);

    scaler()->SetEnabled(false);
    EXPECT_EQ(GetWindowLong(wnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&TForm::DefaultWndProc));
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    EXPECT_EQ(form->resizes, 1);

    scaler()->SetEnabled(true);
    scaler()->SetEnabled(true);
    EXPECT_EQ(GetWindowLong(wnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&ScalerWndProc));
    EXPECT_EQ(scaler()->SavedWndProc(), &TForm::DefaultWndProc);
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 40, 400, 200}));
    // The form's own resize handling runs after the component's, once.
    EXPECT_EQ(form->resizes, 2);
    EXPECT_EQ(form->exitCalls.size(), 1u);
}

TEST_F(ScalerTest, OnMajorVersionFourAThreadHookCarriesTheMessages) {
    desktop().VersionWord = 4;
    Make();
    EXPECT_EQ(WinMajor, 4);
    EXPECT_NE(HookHandle, nullptr);
    EXPECT_EQ(GetWindowLong(wnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&TForm::DefaultWndProc));
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 40, 400, 200}));
    EXPECT_EQ(form->resizes, 1);

    scaler()->SetEnabled(false);
    EXPECT_EQ(HookHandle, nullptr);
    SizeTo(400, 300);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{20, 40, 400, 200}));
    scaler()->SetEnabled(true);
    HHOOK again = HookHandle;
    EXPECT_NE(again, nullptr);
    scaler()->SetEnabled(true);
    EXPECT_EQ(HookHandle, again);
    SizeTo(400, 300);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));

    form.reset();
    EXPECT_EQ(HookHandle, nullptr);
    EXPECT_TRUE(ScalerList.empty());
}

TEST_F(ScalerTest, WithoutItsDesignSizeTheComponentLeavesEveryMessageToTheWindow) {
    ScalerDescription d;
    d.designLines = "    DesignDpiW = 96\n    DesignDpiH = 96\n";
    Make(d);
    EXPECT_FALSE(scaler()->Registered());
    EXPECT_TRUE(ScalerList.empty());
    EXPECT_EQ(GetWindowLong(wnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&TForm::DefaultWndProc));
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
    EXPECT_EQ(form->resizes, 1);
    EXPECT_TRUE(form->exitCalls.empty());
}

TEST_F(ScalerTest, AComponentWithoutAFieldOfItsNameStaysUnregistered) {
    ScalerDescription d;
    d.scalerName = "OtherScaler";
    Make(d);
    EXPECT_TRUE(ScalerList.empty());
    SizeTo(800, 600);
    EXPECT_EQ(Rect(form->Panel1), (std::vector<int>{10, 20, 200, 100}));
}

TEST_F(ScalerTest, AFreedComponentUnregistersAndGivesTheWindowItsProcedureBack) {
    Make();
    EXPECT_EQ(ScalerList.size(), 1u);
    delete form->FormScaler1;
    form->FormScaler1 = nullptr;
    EXPECT_TRUE(ScalerList.empty());
    EXPECT_EQ(GetWindowLong(wnd(), GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&TForm::DefaultWndProc));
    SizeTo(800, 600);
    EXPECT_EQ(form->resizes, 1);
    // The window procedure, reached for a window without a component, is the default one.
    EXPECT_EQ(ScalerWndProc(wnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(10, 10)), 0);
    EXPECT_EQ(form->resizes, 1);
}

TEST_F(ScalerTest, ConstructionTakesAlignedControlsOutOfTheClassLibrarysLayout) {
    TForm owner(nullptr);
    auto* top = new TPanel(&owner);
    top->SetAlign(alTop);
    auto* client = new TPanel(&owner);
    client->SetAlign(alClient);
    new TFormScaler(&owner);
    EXPECT_EQ(top->Align(), alNone);
    EXPECT_EQ(client->Align(), alNone);
}
