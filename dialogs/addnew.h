// TAddDlg: the pick dialog that offers the requirement catalogs of one kind.
#ifndef TRAILBOOK_DIALOGS_ADDNEW_H
#define TRAILBOOK_DIALOGS_ADDNEW_H

#include "platform/vcl/Vcl.h"

class TAddDlg : public TForm {
    TB_DECLARE_CLASS()
public:
    explicit TAddDlg(TComponent* owner);

    TBevel* Bevel1 = nullptr;
    TLabel* Label1 = nullptr;
    TComboBox* cboAdd = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TFileListBox* flb = nullptr;

    // The catalog kind offered, the extension without its dot ("Mb", "Other").
    AnsiString FileExt;

    // Shows the dialog modally; true when it was closed with OK.
    bool Execute();
    void FormActivate(TObject* Sender);
};

extern TAddDlg* AddDlg;

// Adds to names the catalog name of each file name that holds "." + kind,
// letters compared without regard to case: the text before the first such
// occurrence. Files whose name would be empty are left out.
void AddCatalogNames(TStrings& names, const TStrings& files, const AnsiString& kind);

// The data folder's file of the catalog name.kind. Catalogs are offered
// whatever the case of their letters, so when no file bears exactly that name,
// the one whose name differs only in case is it ("Knots.MB" for Knots, Mb);
// with neither, the exact name.
AnsiString CatalogFileName(const AnsiString& name, const AnsiString& kind);

#endif
