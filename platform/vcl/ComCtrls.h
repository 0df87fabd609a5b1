// The rich-text control (used to print) and the month calendar.
#ifndef TRAILBOOK_PLATFORM_COMCTRLS_H
#define TRAILBOOK_PLATFORM_COMCTRLS_H

#include "platform/core/DateTime.h"
#include "platform/vcl/StdCtrls.h"

class TRichEdit : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TRichEdit(TComponent* owner);
    TStrings* Lines() const { return lines_.get(); }
    void Clear() { lines_->Clear(); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool v) { plainText_ = v; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v) { scrollBars_ = v; }
    // Prints the lines in the control's font on the default printer, with
    // caption as the job title; EPrinter when no printer can be reached.
    void Print(const AnsiString& caption);

private:
    std::unique_ptr<TStrings> lines_;
    bool wordWrap_ = true;
    bool plainText_ = false;
    TScrollStyle scrollBars_ = ssNone;
};

class TMonthCalendar : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TMonthCalendar(TComponent* owner);
    TDateTime Date() const { return date_; }
    void SetDate(TDateTime v) { date_ = v; Changed(PeerProp::Date); }

private:
    TDateTime date_ = 0;
};

#endif
