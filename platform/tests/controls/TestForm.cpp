#include "TestForm.h"

namespace {
const char* const description = R"(object TestForm: TTestForm
  Left = 10
  Top = 20
  Caption = 'Test form'
  ClientWidth = 400
  ClientHeight = 300
  Menu = MainMenu1
  OnCreate = FormCreate
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = 'E&xit'
        OnClick = Exit1Click
      end
    end
  end
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 200
    Height = 300
    Font.Height = -16
    Font.Name = 'Arial'
    ParentFont = False
    object Edit1: TEdit
      Text = 'abc'
      OnChange = Edit1Change
    end
    object rb1: TRadioButton
      Caption = 'One'
      Checked = True
      OnClick = rbClick
    end
    object rb2: TRadioButton
      Caption = 'Two'
      OnClick = rbClick
    end
  end
  object Panel2: TPanel
    Left = 200
    Top = 0
    Width = 200
    Height = 300
    object rb3: TRadioButton
      Caption = 'Three'
      Checked = True
      OnClick = rbClick
    end
    object OKBtn: TButton
      Caption = 'OK'
      ModalResult = 1
      OnClick = OKBtnClick
    end
  end
end
)";
}  // namespace

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TTestForm>("TTestForm", TForm::StaticClassInfo())
                                       .Field("MainMenu1", &TTestForm::MainMenu1)
                                       .Field("File1", &TTestForm::File1)
                                       .Field("Exit1", &TTestForm::Exit1)
                                       .Field("Panel1", &TTestForm::Panel1)
                                       .Field("Edit1", &TTestForm::Edit1)
                                       .Field("rb1", &TTestForm::rb1)
                                       .Field("rb2", &TTestForm::rb2)
                                       .Field("Panel2", &TTestForm::Panel2)
                                       .Field("rb3", &TTestForm::rb3)
                                       .Field("OKBtn", &TTestForm::OKBtn)
                                       .Method("FormCreate", &TTestForm::FormCreate)
                                       .Method("Exit1Click", &TTestForm::Exit1Click)
                                       .Method("Edit1Change", &TTestForm::Edit1Change)
                                       .Method("rbClick", &TTestForm::rbClick)
                                       .Method("OKBtnClick", &TTestForm::OKBtnClick)
                                       .Build();
    return info;
}

TTestForm::TTestForm(TComponent* owner) : TForm(owner) { InitForm(description); }
