// The rich-text control and the month calendar.
#include "platform/vcl/ComCtrls.h"

const TClassInfo& TRichEdit::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRichEdit>("TRichEdit", TWinControl::StaticClassInfo())
            .Strings("Lines", &TRichEdit::Lines)
            .Bool("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap)
            .Bool("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText)
            .Enum("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars, ScrollStyleNames())
            .Build();
    return info;
}

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<TStringList>()) {
    SetColor(clWindow);
    SetTabStop(true);
    lines_->Observer = [this](const TListChange& change) {
        if (peer_) peer_->ItemsChanged(change);
    };
}

void TRichEdit::Print(const AnsiString& caption) {
    CurrentDesktop().PrintLines(caption, *Font(), lines_->Lines());
}

const TClassInfo& TMonthCalendar::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TMonthCalendar>("TMonthCalendar", TWinControl::StaticClassInfo())
                                       .Float("Date", &TMonthCalendar::Date, &TMonthCalendar::SetDate)
                                       .Build();
    return info;
}

TMonthCalendar::TMonthCalendar(TComponent* owner) : TWinControl(owner), date_(::Date()) { SetTabStop(true); }
