// The pick dialog: offers the requirement catalogs of one kind by name.
#include "dialogs/addnew.h"

extern const char TrailbookForm_addnew[];

TAddDlg* AddDlg = nullptr;

const TClassInfo& TAddDlg::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TAddDlg>("TAddDlg", TForm::StaticClassInfo())
                                       .Field("Bevel1", &TAddDlg::Bevel1)
                                       .Field("Label1", &TAddDlg::Label1)
                                       .Field("cboAdd", &TAddDlg::cboAdd)
                                       .Field("OKBtn", &TAddDlg::OKBtn)
                                       .Field("CancelBtn", &TAddDlg::CancelBtn)
                                       .Field("flb", &TAddDlg::flb)
                                       .Method("FormActivate", &TAddDlg::FormActivate)
                                       .Build();
    return info;
}

TAddDlg::TAddDlg(TComponent* owner) : TForm(owner) { InitForm(TrailbookForm_addnew); }

bool TAddDlg::Execute() { return ShowModal() == mrOk; }

void AddCatalogNames(TStrings& names, const TStrings& files, const AnsiString& kind) {
    const AnsiString ext = '.' + UpperCase(kind);
    for (const AnsiString& file : files.Lines()) {
        int p = Pos(ext, UpperCase(file));
        if (p > 1) names.Add(file.substr(0, static_cast<size_t>(p - 1)));
    }
}

AnsiString CatalogFileName(const AnsiString& name, const AnsiString& kind) {
    const AnsiString exact = name + "." + kind;
    if (FileExists(exact)) return exact;
    for (const AnsiString& file : ListFiles("*." + kind))
        if (SameText(file, exact)) return file;
    return exact;
}

// Rebuilds the offered names from the data folder each time the dialog
// becomes active, and empties any text typed at an earlier showing; the
// combo box keeps the names sorted.
void TAddDlg::FormActivate(TObject* /*Sender*/) {
    cboAdd->Clear();
    flb->SetMask("*." + FileExt);
    FileExt = UpperCase(FileExt);
    AddCatalogNames(*cboAdd->Items(), *flb->Items(), FileExt);
}
