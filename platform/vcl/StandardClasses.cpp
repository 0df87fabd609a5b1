// The classes of the platform's controls that form descriptions create by name.
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/FormReader.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Grids.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"

void RegisterStandardClasses() {
    static const bool registered = [] {
        for (const TClassInfo* info :
             {&TLabel::StaticClassInfo(), &TEdit::StaticClassInfo(), &TMemo::StaticClassInfo(),
              &TListBox::StaticClassInfo(), &TComboBox::StaticClassInfo(), &TButton::StaticClassInfo(),
              &TRadioButton::StaticClassInfo(), &TCheckBox::StaticClassInfo(), &TPanel::StaticClassInfo(),
              &TShape::StaticClassInfo(), &TBevel::StaticClassInfo(), &TImage::StaticClassInfo(),
              &TTimer::StaticClassInfo(), &TStringGrid::StaticClassInfo(), &TRichEdit::StaticClassInfo(),
              &TMonthCalendar::StaticClassInfo(), &TFileListBox::StaticClassInfo(), &TMainMenu::StaticClassInfo(),
              &TMenuItem::StaticClassInfo(), &TForm::StaticClassInfo()})
            RegisterClass(*info);
        return true;
    }();
    (void)registered;
}
