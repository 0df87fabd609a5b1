// TFileListBox: the names of the files of a folder that match a mask. A new
// file list box holds no names until its mask or folder is set or Update is
// called, so creating a form reads no folder.
#ifndef TRAILBOOK_PLATFORM_FILECTRL_H
#define TRAILBOOK_PLATFORM_FILECTRL_H

#include "platform/vcl/StdCtrls.h"

class TFileListBox : public TListBox {
    TB_DECLARE_CLASS()
public:
    explicit TFileListBox(TComponent* owner);
    const AnsiString& Mask() const { return mask_; }
    // Setting the mask re-reads the folder, as the platform's control does.
    void SetMask(const AnsiString& v) { mask_ = v; Update(); }
    const AnsiString& Directory() const { return directory_; }
    void SetDirectory(const AnsiString& v) { directory_ = v; Update(); }
    // Re-reads the folder: Items become the names of its files matching Mask.
    void Update();

private:
    AnsiString mask_ = "*.*";
    AnsiString directory_ = ".";
};

#endif
