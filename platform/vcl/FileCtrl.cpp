// TFileListBox: the files of a folder that match a mask.
#include "platform/vcl/FileCtrl.h"

#include "platform/core/Files.h"

const TClassInfo& TFileListBox::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TFileListBox>("TFileListBox", TListBox::StaticClassInfo())
                                       .String("Mask", &TFileListBox::Mask, &TFileListBox::SetMask)
                                       .Build();
    return info;
}

TFileListBox::TFileListBox(TComponent* owner) : TListBox(owner) {}

void TFileListBox::Update() {
    Items()->Clear();
    for (const AnsiString& name : ListFiles(mask_, directory_)) Items()->Add(name);
}
