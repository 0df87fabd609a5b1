// One rescale of a window by its rescaling component, against the floor:
// setting the same rectangles, fonts and grid columns directly on the model.
// The main window (about 200 components, with its requirement rows and grid
// columns laid out after each rescale), and generated forms of 200 and 400
// components, each beside its own floor. Each iteration changes the window's
// size between its designed size and 1260 x 870 (the client area of it).
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <vector>

#include "bench/BenchWindow.h"
#include "formscaler/FormScaler.h"

namespace {

// What a rescale leaves on every control of a window (the controls inside its
// panels included) and on its grids' columns.
struct Snapshot {
    struct Item {
        TControl* control;
        int left, top, width, height;
        int fontSize;  // -1 for a control that takes its parent's font
    };
    struct Columns {
        TStringGrid* grid;
        std::vector<int> widths;
    };
    int formFontSize = 0;
    std::vector<Item> items;
    std::vector<Columns> grids;

    void Take(TForm* form) {
        formFontSize = form->Font()->Size();
        items.clear();
        grids.clear();
        std::function<void(TWinControl*)> walk = [&](TWinControl* parent) {
            for (TControl* c : parent->ControlList()) {
                items.push_back({c, c->Left(), c->Top(), c->Width(), c->Height(), c->ParentFont() ? -1 : c->Font()->Size()});
                if (auto* grid = dynamic_cast<TStringGrid*>(c)) {
                    Columns columns{grid, {}};
                    for (int col = 0; col < grid->ColCount(); ++col) columns.widths.push_back(grid->ColWidths(col));
                    grids.push_back(std::move(columns));
                }
                if (auto* inner = dynamic_cast<TWinControl*>(c)) walk(inner);
            }
        };
        walk(form);
    }

    // The floor: the same values set straight on the model.
    void Apply(TForm* form) const {
        form->Font()->SetSize(formFontSize);
        for (const Item& item : items) {
            if (item.fontSize >= 0) item.control->Font()->SetSize(item.fontSize);
            item.control->SetBounds(item.left, item.top, item.width, item.height);
        }
        for (const Columns& columns : grids)
            for (size_t col = 0; col < columns.widths.size(); ++col)
                columns.grid->SetColWidths(static_cast<int>(col), columns.widths[col]);
    }
};

void SizeClient(TForm* form, int cx, int cy) {
    SendMessage(form->Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<unsigned>(cx), static_cast<unsigned>(cy)));
}

// The main window's client at 1260 x 870 (the frame and menu bar taken off) and as designed.
constexpr int BigWidth = 1260 - 8, BigHeight = 870 - 50;
constexpr int DesignWidth = 945, DesignHeight = 652;

void BM_RescaleMainWindow(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    bool big = false;
    for (auto _ : state) {
        big = !big;
        SizeClient(f, big ? BigWidth : DesignWidth, big ? BigHeight : DesignHeight);
    }
    state.counters["components"] = f->ComponentCount();
}
BENCHMARK(BM_RescaleMainWindow)->Unit(benchmark::kMicrosecond);

void BM_RescaleMainWindowFloor(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    Snapshot large, designed;
    SizeClient(f, BigWidth, BigHeight);
    large.Take(f);
    SizeClient(f, DesignWidth, DesignHeight);
    designed.Take(f);
    bool big = false;
    for (auto _ : state) {
        big = !big;
        (big ? large : designed).Apply(f);
    }
    state.counters["components"] = f->ComponentCount();
}
BENCHMARK(BM_RescaleMainWindowFloor)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------- generated forms

class TScalerBenchForm : public TForm {
    TB_DECLARE_CLASS()
public:
    using TForm::TForm;
    TFormScaler* FormScaler1 = nullptr;
};

const TClassInfo& TScalerBenchForm::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TScalerBenchForm>("TScalerBenchForm", TForm::StaticClassInfo())
                                       .Field("FormScaler1", &TScalerBenchForm::FormScaler1)
                                       .Build();
    return info;
}

AnsiString Bounds(int left, int top, int width, int height) {
    return "      Left = " + IntToStr(left) + "\n      Top = " + IntToStr(top) + "\n      Width = " + IntToStr(width) +
           "\n      Height = " + IntToStr(height) + "\n";
}

// groups panels, each with a label, an edit, a list box and a button: five
// components a group, half of them with a font of their own.
AnsiString GeneratedDescription(int groups) {
    AnsiString text = "object ScalerBenchForm: TScalerBenchForm\n  Left = 0\n  Top = 0\n"
                      "  ClientWidth = 800\n  ClientHeight = 600\n";
    const AnsiString ownFont = "      Font.Height = -13\n      ParentFont = False\n";
    for (int g = 0; g < groups; ++g) {
        AnsiString n = IntToStr(g);
        int top = (g % 40) * 15, left = (g / 40) * 400;
        text += "  object Panel" + n + ": TPanel\n" + Bounds(left, top, 400, 15);
        text += "    object Label" + n + ": TLabel\n" + Bounds(4, 1, 80, 13) + ownFont + "    end\n";
        text += "    object Edit" + n + ": TEdit\n" + Bounds(90, 1, 120, 13) + ownFont + "    end\n";
        text += "    object ListBox" + n + ": TListBox\n" + Bounds(220, 1, 100, 13) + "    end\n";
        text += "    object Button" + n + ": TButton\n" + Bounds(330, 1, 60, 13) + "    end\n";
        text += "  end\n";
    }
    return text + "  object FormScaler1: TFormScaler\n    DesignFrmW = 800\n    DesignFrmH = 600\n"
                  "    DesignDpiW = 96\n    DesignDpiH = 96\n  end\nend\n";
}

std::unique_ptr<TScalerBenchForm> MakeForm(int components) {
    RegisterClass(TScalerBenchForm::StaticClassInfo());
    auto form = std::make_unique<TScalerBenchForm>(nullptr);
    ReadComponentText(GeneratedDescription(components / 5), form.get());
    return form;
}

void BM_RescaleGenerated(benchmark::State& state) {
    BenchWindow window(false);
    auto form = MakeForm(static_cast<int>(state.range(0)));
    bool big = false;
    for (auto _ : state) {
        big = !big;
        SizeClient(form.get(), big ? 1200 : 800, big ? 900 : 600);
    }
    state.counters["components"] = form->ComponentCount();
}
BENCHMARK(BM_RescaleGenerated)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

void BM_RescaleGeneratedFloor(benchmark::State& state) {
    BenchWindow window(false);
    auto form = MakeForm(static_cast<int>(state.range(0)));
    Snapshot large, designed;
    SizeClient(form.get(), 1200, 900);
    large.Take(form.get());
    SizeClient(form.get(), 800, 600);
    designed.Take(form.get());
    bool big = false;
    for (auto _ : state) {
        big = !big;
        (big ? large : designed).Apply(form.get());
    }
    state.counters["components"] = form->ComponentCount();
}
BENCHMARK(BM_RescaleGeneratedFloor)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

}  // namespace
