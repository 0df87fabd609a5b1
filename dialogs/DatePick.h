// TDateDlg: the date dialog with its month calendar.
#ifndef TRAILBOOK_DIALOGS_DATEPICK_H
#define TRAILBOOK_DIALOGS_DATEPICK_H

#include "platform/vcl/Vcl.h"

class TDateDlg : public TForm {
    TB_DECLARE_CLASS()
public:
    explicit TDateDlg(TComponent* owner);

    TBevel* Bevel1 = nullptr;
    TMonthCalendar* Cal1 = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;

    // Shows the dialog modally; true when it was closed with OK.
    bool Execute();
};

extern TDateDlg* DateDlg;

#endif
