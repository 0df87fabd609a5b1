// A small form read from its own description, with a menu, a panel holding
// an edit and two radio buttons, a second panel with a third radio button and
// an OK button. Every handler counts its calls.
#ifndef TRAILBOOK_TESTS_CONTROLS_TESTFORM_H
#define TRAILBOOK_TESTS_CONTROLS_TESTFORM_H

#include <map>

#include "platform/vcl/Vcl.h"

class TTestForm : public TForm {
    TB_DECLARE_CLASS()
public:
    explicit TTestForm(TComponent* owner);

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit1 = nullptr;
    TPanel* Panel1 = nullptr;
    TEdit* Edit1 = nullptr;
    TRadioButton* rb1 = nullptr;
    TRadioButton* rb2 = nullptr;
    TPanel* Panel2 = nullptr;
    TRadioButton* rb3 = nullptr;
    TButton* OKBtn = nullptr;

    // Calls of each handler, by "handler:sender name".
    std::map<AnsiString, int> Calls;

    void FormCreate(TObject* Sender) { Count("FormCreate", Sender); }
    void Exit1Click(TObject* Sender) { Count("Exit1Click", Sender); }
    void Edit1Change(TObject* Sender) { Count("Edit1Change", Sender); }
    void rbClick(TObject* Sender) { Count("rbClick", Sender); }
    void OKBtnClick(TObject* Sender) { Count("OKBtnClick", Sender); }

private:
    void Count(const char* handler, TObject* sender) {
        auto* component = dynamic_cast<TComponent*>(sender);
        ++Calls[AnsiString(handler) + ":" + (component ? component->Name() : AnsiString("?"))];
    }
};

#endif
