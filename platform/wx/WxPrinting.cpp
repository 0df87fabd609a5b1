// Printing lines of text on the default printer, without a print dialog.
// The print service is asked first, with short time limits, so that a missing
// scheduler gives a clear error instead of a print job that never ends.
#include "platform/wx/WxPeers.h"
#include "platform/wx/WxServices.h"
#include "platform/wx/WxSupport.h"

#include <cups/cups.h>
#include <wx/print.h>
#include <wx/printdlg.h>

namespace {

class LinesPrintout : public wxPrintout {
public:
    LinesPrintout(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines)
        : wxPrintout(ToWx(title)), font_(ToWxFont(font)), lines_(lines) {}

    void OnPreparePrinting() override {
        Layout();
        pages_ = PageCount(static_cast<int>(lines_.size()), perPage_);
    }
    bool HasPage(int page) override { return page >= 1 && page <= pages_; }
    void GetPageInfo(int* minPage, int* maxPage, int* from, int* to) override {
        *minPage = *from = 1;
        *maxPage = *to = pages_;
    }
    bool OnPrintPage(int page) override {
        wxDC* dc = GetDC();
        if (!dc) return false;
        Layout();
        dc->SetFont(font_);
        dc->SetTextForeground(*wxBLACK);
        size_t first = static_cast<size_t>(page - 1) * static_cast<size_t>(perPage_);
        for (size_t i = 0; i < static_cast<size_t>(perPage_) && first + i < lines_.size(); ++i)
            dc->DrawText(ToWx(lines_[first + i]), left_, top_ + static_cast<int>(i) * lineHeight_);
        return true;
    }

private:
    // One logical unit is one screen pixel on paper, so the font has its
    // size in points; a half-inch margin all round.
    void Layout() {
        wxDC* dc = GetDC();
        if (!dc) return;
        MapScreenSizeToPage();
        wxRect page = GetLogicalPageRect();
        int ppiX = 96, ppiY = 96;
        GetPPIScreen(&ppiX, &ppiY);
        margin_ = std::max(1, ppiY / 2);
        left_ = page.x + margin_;
        top_ = page.y + margin_;
        dc->SetFont(font_);
        lineHeight_ = std::max(1, dc->GetCharHeight());
        perPage_ = std::max(1, (page.height - 2 * margin_) / lineHeight_);
    }

    wxFont font_;
    std::vector<AnsiString> lines_;
    int pages_ = 1, perPage_ = 1, lineHeight_ = 12, margin_ = 48, left_ = 48, top_ = 48;
};

}  // namespace

AnsiString DefaultPrinterName() {
    cupsSetServer(nullptr);  // the server named by CUPS_SERVER or the client configuration
    const char* server = cupsServer();
    http_t* http = httpConnect2(server, ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 1000, nullptr);
    if (!http) throw EPrinter("No printer is available: the print service is not running.");
    httpSetTimeout(http, 3.0, nullptr, nullptr);
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(http, &dests);
    cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, count, dests);
    AnsiString name = chosen ? chosen->name : "";
    cupsFreeDests(count, dests);
    httpClose(http);
    if (name.empty()) throw EPrinter("No default printer is set up.");
    return name;
}

void PrintTextLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines) {
    AnsiString printer = DefaultPrinterName();
    wxPrintData data;
    data.SetPrinterName(ToWx(printer));
    wxPrintDialogData dialogData(data);
    wxPrinter device(&dialogData);
    LinesPrintout printout(title, font, lines);
    if (!device.Print(nullptr, &printout, false)) {
        if (wxPrinter::GetLastError() == wxPRINTER_CANCELLED) throw EPrinter("Printing was cancelled.");
        throw EPrinter("The document could not be printed on " + printer + ".");
    }
}
