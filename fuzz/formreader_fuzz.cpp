// Reads any bytes as a form description into a small form with the
// platform's controls. The reader must end every input with a result or an
// EReadError: no crash, hang or unbounded memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/scripted/ScriptedDesktop.h"
#include "platform/vcl/Vcl.h"

namespace {

class TFuzzForm : public TForm {
    TB_DECLARE_CLASS()
public:
    using TForm::TForm;
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TButton* Button1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;

    void Clicked(TObject*) {}
    void MouseReleased(TObject*, TMouseButton, TShiftState, int, int) {}
    void KeyReleased(TObject*, unsigned short&, TShiftState) {}
};

const TClassInfo& TFuzzForm::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TFuzzForm>("TFuzzForm", TForm::StaticClassInfo())
                                       .Field("Panel1", &TFuzzForm::Panel1)
                                       .Field("Label1", &TFuzzForm::Label1)
                                       .Field("Edit1", &TFuzzForm::Edit1)
                                       .Field("Button1", &TFuzzForm::Button1)
                                       .Field("ListBox1", &TFuzzForm::ListBox1)
                                       .Field("MainMenu1", &TFuzzForm::MainMenu1)
                                       .Method("Clicked", &TFuzzForm::Clicked)
                                       .Method("MouseReleased", &TFuzzForm::MouseReleased)
                                       .Method("KeyReleased", &TFuzzForm::KeyReleased)
                                       .Build();
    return info;
}

void PrepareOnce() {
    static const bool ready = [] {
        static ScriptedDesktop desktop;
        SetDesktop(&desktop);
        InitApplication();
        RegisterClass(TFuzzForm::StaticClassInfo());
        return true;
    }();
    (void)ready;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PrepareOnce();
    std::string text(reinterpret_cast<const char*>(data), size);
    auto* form = new TFuzzForm(nullptr);
    try {
        ReadComponentText(text, form);
        // What was read must also write out.
        WriteComponentText(form);
    } catch (const Exception&) {
    }
    delete form;
    return 0;
}
