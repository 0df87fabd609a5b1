// A small form with a rescaling component, read from a description that each
// test may vary, on the scripted desktop.
#ifndef TRAILBOOK_FORMSCALER_TESTS_SCALERFIXTURE_H
#define TRAILBOOK_FORMSCALER_TESTS_SCALERFIXTURE_H

#include <memory>
#include <vector>

#include "formscaler/FormScaler.h"
#include "platform/testing/DataFolderTest.h"

class TScalerTestForm : public TForm {
    TB_DECLARE_CLASS()
public:
    using TForm::TForm;
    TFormScaler* FormScaler1 = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TButton* Button1 = nullptr;
    struct ExitCall { double x, y; };
    std::vector<ExitCall> exitCalls;
    int resizes = 0;
    void ScalerExitResize(TObject*, double x, double y) { exitCalls.push_back({x, y}); }
    void FormResize(TObject*) { ++resizes; }
    void Read(const AnsiString& text) { ReadComponentText(text, this); }
};

// The description's parts a test can change.
struct ScalerDescription {
    AnsiString formLines = "  BorderStyle = bsSizeable\n";
    AnsiString scalerLines =
        "    FormPos = rpDefault\n    ResizeFont = True\n    Enabled = True\n    ValidTaskbar = True\n";
    AnsiString designLines = "    DesignFrmW = 400\n    DesignFrmH = 300\n    DesignDpiW = 96\n    DesignDpiH = 96\n";
    AnsiString scalerName = "FormScaler1";

    AnsiString Text() const {
        return "object ScalerTestForm: TScalerTestForm\n"
               "  Left = 100\n  Top = 50\n  ClientWidth = 400\n  ClientHeight = 300\n"
               "  Font.Height = -11\n  Font.Name = 'MS Sans Serif'\n  OnResize = FormResize\n" +
               formLines +
               "  object Panel1: TPanel\n    Left = 10\n    Top = 20\n    Width = 200\n    Height = 100\n"
               "    Font.Size = 12\n    ParentFont = False\n"
               "    object Label1: TLabel\n      Left = 8\n      Top = 0\n      Width = 60\n      Height = 13\n"
               "      Caption = 'Name'\n    end\n"
               "  end\n"
               "  object Edit1: TEdit\n    Left = 0\n    Top = 150\n    Width = 121\n    Height = 21\n"
               "    Font.Size = 8\n    ParentFont = False\n  end\n"
               "  object Button1: TButton\n    Left = 300\n    Top = 250\n    Width = 75\n    Height = 25\n"
               "    Caption = 'OK'\n  end\n"
               "  object " + scalerName + ": TFormScaler\n" + scalerLines +
               "    OnExitResize = ScalerExitResize\n" + designLines + "  end\nend\n";
    }
};

class ScalerTest : public DataFolderTest {
protected:
    void TearDown() override {
        form.reset();
        DataFolderTest::TearDown();
    }

    TScalerTestForm* Make(const ScalerDescription& description = {}) {
        form.reset();
        form = std::make_unique<TScalerTestForm>(nullptr);
        form->Read(description.Text());
        return form.get();
    }
    TFormScaler* scaler() const { return form->FormScaler1; }
    HWND wnd() const { return form->Handle(); }

    // The window's client area took a new size.
    void SizeTo(int cx, int cy, WPARAM kind = SIZE_RESTORED) {
        SendMessage(form->Handle(), WM_SIZE, kind, MAKELPARAM(static_cast<unsigned>(cx), static_cast<unsigned>(cy)));
    }
    static std::vector<int> Rect(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

    std::unique_ptr<TScalerTestForm> form;
};

#endif
