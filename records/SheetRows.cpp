// The eleven requirement rows of the sheet: edits go straight into the
// requirement arrays, a click on a short text shows the full text, the two
// paging buttons move the rows over the requirements, and a double-click on
// a date field opens the date dialog.
#include <algorithm>

#include "dialogs/DatePick.h"
#include "records/FieldRules.h"
#include "records/Main.h"

namespace {
// A row's circle is green once a date is entered.
TColor DateColor(const AnsiString& date) { return date.empty() ? clBtnFace : clGreen; }
}  // namespace

// Shows a requirement in a row: its number, short text, date, counselor and
// status circle.
void TForm1::FillRow(int row, int requirement) {
    RowNumberLabel[row]->SetCaption(ReqNumber[requirement]);
    RowTextLabel[row]->SetCaption(ReqShortText[requirement]);
    RowDateEdit[row]->SetText(ReqDate[requirement]);
    RowCounselorEdit[row]->SetText(ReqCounselor[requirement]);
    RowStatusShape[row]->Brush()->SetColor(DateColor(RowDateEdit[row]->Text()));
}

// The label's handler also serves every row's text label and edits.
void TForm1::Label40Click(TObject* Sender) { RowChanged(Sender); }

void TForm1::RowChanged(TObject* Sender) {
    if (!RowsLive) return;
    memoDescription->Clear();
    for (int r = 0; r < SheetRows; ++r) {
        if (Sender == RowTextLabel[r]) {
            ShowFullText(r + SheetScroll + 1);
            return;
        }
        if (Sender == RowCounselorEdit[r]) {
            StoreRow(r, false);
            return;
        }
        if (Sender == RowDateEdit[r]) {
            StoreRow(r, true);
            return;
        }
    }
}

// The full text of a requirement, shown from its first line.
void TForm1::ShowFullText(int requirement) {
    AddBarLines(memoDescription->Lines(), ReqFullText[requirement]);
    memoDescription->SetSelStart(0);
    memoDescription->SetSelLength(1);
    memoDescription->Repaint();
    memoDescription->SetSelLength(0);
}

void TForm1::StoreRow(int row, bool withDate) {
    int k = row + SheetScroll + 1;
    if (k < 1 || k > MaxRequirements) return;
    CopyField(ReqCounselor[k], sizeof ReqCounselor[0], RowCounselorEdit[row]->Text());
    CopyField(ReqDate[k], sizeof ReqDate[0], RowDateEdit[row]->Text());
    if (withDate) RowStatusShape[row]->Brush()->SetColor(DateColor(RowDateEdit[row]->Text()));
}

// One click moves the rows by a page of eleven requirements, or as far as
// the sheet goes; direction is +1 (down) or -1 (up). The rows are filled once,
// at their new place.
void TForm1::PageRows(int direction) {
    RowsLive = false;
    const int target = direction > 0 ? std::min(SheetScroll + SheetRows, SheetMaxScroll)
                                     : std::max(SheetScroll - SheetRows, 0);
    // A sheet that cannot move that way (shorter than a page) stays where it is.
    if (direction > 0 ? target > SheetScroll : target < SheetScroll) {
        SheetScroll = target;
        for (int r = 0; r < SheetRows; ++r) FillRow(r, r + SheetScroll + 1);
    }
    if (direction > 0) {
        if (SheetScroll == SheetMaxScroll) bbDown->Hide();
        if (SheetScroll > 0) bbUp->Show();
    } else {
        if (SheetScroll == 0) bbUp->Hide();
        if (SheetScroll < SheetMaxScroll) bbDown->Show();
    }
    RowsLive = true;
}

void TForm1::bbDownClick(TObject*) { PageRows(+1); }
void TForm1::bbUpClick(TObject*) { PageRows(-1); }

void TForm1::UpdateDate(TObject* Sender) {
    TEdit* field = nullptr;
    if (Sender == dateBirthdate || Sender == dateMeddate || Sender == datePosStart || Sender == deditStarted ||
        Sender == deditCompleted || Sender == deditAwarded) {
        field = static_cast<TEdit*>(Sender);
    } else if (Sender == datePosEnd) {
        if (rbService->Checked()) return;  // in service mode the field holds hours and minutes
        field = datePosEnd;
    } else {
        for (int r = 0; r < SheetRows && !field; ++r)
            if (Sender == RowDateEdit[r]) field = RowDateEdit[r];
    }
    // A row's new text raises its change event, which stores the date.
    if (field) field->SetText(PickDate(field->Text()));
}

AnsiString TForm1::PickDate(const AnsiString& text) {
    TDateTime start = Date();
    if (!text.empty()) {
        try {
            start = StrToDateTime(text);
        } catch (const EConvertError&) {
            start = Date();
        }
    }
    DateDlg->Cal1->SetDate(start);
    if (!DateDlg->Execute()) return text;
    AnsiString picked = DateTimeToStr(DateDlg->Cal1->Date()) + " ";
    return picked.substr(0, picked.find(' '));
}

// The description pane shows text only: it cannot take the focus for typing.
void TForm1::memoDescriptionEnter(TObject*) { memoDescription->SetEnabled(false); }
void TForm1::memoDescriptionExit(TObject*) { memoDescription->SetEnabled(true); }

// Row edits hold what their arrays hold (19 characters), and every field
// whose text goes into the scout file refuses what that file cannot hold.
void TForm1::GuardSheetFields() {
    for (int r = 0; r < SheetRows; ++r) {
        for (TEdit* edit : {RowCounselorEdit[r], RowDateEdit[r]}) {
            edit->SetMaxLength(sizeof ReqDate[0] - 1);
            GuardElementField(edit);
        }
    }
    // An award date is read back from at most 99 characters, its close tag's
    // "<" included.
    for (TEdit* edit : {deditStarted, deditCompleted, deditAwarded}) {
        edit->SetMaxLength(98);
        GuardElementField(edit);
    }
}
