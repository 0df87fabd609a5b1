// The date dialog: a month calendar that the caller presets and reads back.
#include "dialogs/DatePick.h"

extern const char TrailbookForm_DatePick[];

TDateDlg* DateDlg = nullptr;

const TClassInfo& TDateDlg::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TDateDlg>("TDateDlg", TForm::StaticClassInfo())
                                       .Field("Bevel1", &TDateDlg::Bevel1)
                                       .Field("Cal1", &TDateDlg::Cal1)
                                       .Field("OKBtn", &TDateDlg::OKBtn)
                                       .Field("CancelBtn", &TDateDlg::CancelBtn)
                                       .Build();
    return info;
}

TDateDlg::TDateDlg(TComponent* owner) : TForm(owner) { InitForm(TrailbookForm_DatePick); }

bool TDateDlg::Execute() { return ShowModal() == mrOk; }
