// Building a form of 200 components from a description: 40 panels, each with
// a label, an edit, a list box and a button, with fonts and events.
#include <benchmark/benchmark.h>

#include "platform/scripted/ScriptedDesktop.h"
#include "platform/vcl/Vcl.h"

namespace {

class TBenchForm : public TForm {
    TB_DECLARE_CLASS()
public:
    using TForm::TForm;
    void ButtonClick(TObject*) {}
    void EditChange(TObject*) {}
    void ListDblClick(TObject*) {}
};

const TClassInfo& TBenchForm::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TBenchForm>("TBenchForm", TForm::StaticClassInfo())
                                       .Method("ButtonClick", &TBenchForm::ButtonClick)
                                       .Method("EditChange", &TBenchForm::EditChange)
                                       .Method("ListDblClick", &TBenchForm::ListDblClick)
                                       .Build();
    return info;
}

AnsiString Bounds(int left, int top, int width, int height) {
    return "      Left = " + IntToStr(left) + "\n      Top = " + IntToStr(top) + "\n      Width = " + IntToStr(width) +
           "\n      Height = " + IntToStr(height) + "\n";
}

const char* const FontLines =
    "      Font.Color = clWindowText\n      Font.Height = -13\n      Font.Name = 'MS Sans Serif'\n"
    "      Font.Style = [fsBold]\n      ParentFont = False\n";

AnsiString GeneratedDescription(int panels) {
    AnsiString text = "object BenchForm: TBenchForm\n  Left = 0\n  Top = 0\n  Caption = 'Bench'\n"
                      "  ClientHeight = 600\n  ClientWidth = 800\n";
    for (int p = 0; p < panels; ++p) {
        AnsiString n = IntToStr(p);
        text += "  object Panel" + n + ": TPanel\n" + Bounds(0, p * 40, 800, 40);
        text += "    object Label" + n + ": TLabel\n" + Bounds(4, 4, 80, 16) + "      Caption = 'Label " + n + "'\n" +
                FontLines + "    end\n";
        text += "    object Edit" + n + ": TEdit\n" + Bounds(90, 4, 120, 24) + "      Text = 'Edit ''" + n +
                "'''\n      OnChange = EditChange\n" + FontLines + "    end\n";
        text += "    object ListBox" + n + ": TListBox\n" + Bounds(220, 4, 200, 32) +
                "      Items.Strings = (\n        'one'\n        'two'\n        'three')\n"
                "      OnDblClick = ListDblClick\n    end\n";
        text += "    object Button" + n + ": TButton\n" + Bounds(430, 4, 75, 25) + "      Caption = '&OK'\n" + FontLines +
                "      OnClick = ButtonClick\n    end\n";
        text += "  end\n";
    }
    return text + "end\n";
}

void Prepare() {
    static const bool ready = [] {
        static ScriptedDesktop desktop;
        SetDesktop(&desktop);
        InitApplication();
        RegisterClass(TBenchForm::StaticClassInfo());
        return true;
    }();
    (void)ready;
}

void BM_BuildForm200(benchmark::State& state) {
    Prepare();
    const AnsiString text = GeneratedDescription(40);
    for (auto _ : state) {
        TBenchForm form(nullptr);
        ReadComponentText(text, &form);
        if (form.ComponentCount() != 200) state.SkipWithError("the form did not get 200 components");
        benchmark::DoNotOptimize(form.ComponentCount());
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_BuildForm200)->Unit(benchmark::kMicrosecond);

}  // namespace
