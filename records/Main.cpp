// The main window: its class information, construction, start-up and close,
// and the Help menu.
#include "records/Main.h"

#include "records/FieldRules.h"

extern const char TrailbookForm_Main[];

TForm1* Form1 = nullptr;

const TClassInfo& TForm1::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<TForm1> builder("TForm1", TForm::StaticClassInfo());
#define TFORM1_PUBLISH_FIELD(cls, name) builder.Field(#name, &TForm1::name);
        TFORM1_FIELDS(TFORM1_PUBLISH_FIELD)
#undef TFORM1_PUBLISH_FIELD
#define TFORM1_PUBLISH_METHOD(name) builder.Method(#name, &TForm1::name);
        TFORM1_HANDLERS(TFORM1_PUBLISH_METHOD)
#undef TFORM1_PUBLISH_METHOD
        return builder.Build();
    }();
    return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) { InitForm(TrailbookForm_Main); }

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::FormCreate(TObject*) {
    ListMode = 0;
    RowsBuilt = false;
    CatalogKind = "Mb";
    BuildRequirementRows();
    RowsLive = true;
    FieldSep = AnsiString(1, static_cast<char>(30));
    for (TEdit* edit : {editGuardian, editPatrol, editTroop, editNickname, editAddress, editCity, editState, editZip,
                        editPhone, dateBirthdate, dateMeddate, editEmail})
        GuardElementField(edit);
    for (TEdit* edit : {datePosStart, datePosEnd, editPos}) GuardEntryField(edit);
    GuardSheetFields();
    GuardEditorFields();
    RemoveStaleTemporaries();  // left by saves that were killed
    RefreshScoutList(0);
    pnlNotes->SetLeft(8);
    pnlNotes->SetTop(8);
    ResetAfterSave = true;
    RowsBuilt = true;
}

void TForm1::FormClose(TObject*, TCloseAction& Action) {
    // A scout whose save fails keeps the window open unless the user chooses
    // to close without saving: the files on disk then stay as they were.
    if (!SaveAndUnload("Close without saving?")) {
        Action = caNone;
        return;
    }
    RowsBuilt = false;
    FreeRequirementRows();
}

namespace {
// A control owned and shown by parent, at the given place.
template <class Control>
Control* NewChild(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}
}  // namespace

void TForm1::BuildRequirementRows() {
    for (int row = 0; row < SheetRows; ++row) {
        TPanel* panel = NewChild<TPanel>(pnlScout, 11, 23 + 28 * row, pnlScout->Width() - 20, 25);
        panel->SetCaption("");
        RowPanel[row] = panel;

        TLabel* number = NewChild<TLabel>(panel, 8, 5, 50, 14);
        number->SetCaption("");
        RowNumberLabel[row] = number;

        TLabel* text = NewChild<TLabel>(panel, 60, 5, 200, 14);
        text->SetCaption("");
        text->OnClick = [this](TObject* sender) { Label40Click(sender); };
        RowTextLabel[row] = text;

        TEdit* counselor = NewChild<TEdit>(panel, 280, 3, 100, 21);
        counselor->SetText("");
        counselor->OnChange = [this](TObject* sender) { Label40Click(sender); };
        RowCounselorEdit[row] = counselor;

        TEdit* date = NewChild<TEdit>(panel, 390, 3, 80, 21);
        date->SetText("");
        date->OnDblClick = [this](TObject* sender) { UpdateDate(sender); };
        date->OnChange = [this](TObject* sender) { Label40Click(sender); };
        RowDateEdit[row] = date;

        TShape* status = NewChild<TShape>(panel, 480, 3, 17, 17);
        status->SetShape(stCircle);
        status->Brush()->SetColor(clBtnFace);
        RowStatusShape[row] = status;
    }
}

namespace {
// Frees a run-time control and forgets it (deleting a null one does nothing).
template <class T>
void FreeControl(T*& control) {
    delete control;
    control = nullptr;
}
}  // namespace

void TForm1::FreeRequirementRows() {
    for (int row = 0; row < SheetRows; ++row) {
        FreeControl(RowStatusShape[row]);
        FreeControl(RowNumberLabel[row]);
        FreeControl(RowTextLabel[row]);
        FreeControl(RowCounselorEdit[row]);
        FreeControl(RowDateEdit[row]);
        FreeControl(RowPanel[row]);
    }
}

void TForm1::exit1Click(TObject*) { Close(); }
void TForm1::About1Click(TObject*) { Panel2->Show(); }
void TForm1::Button7Click(TObject*) { Panel2->Hide(); }
void TForm1::Help2Click(TObject*) { Application->HelpCommand(HELP_CONTENTS, 0); }
