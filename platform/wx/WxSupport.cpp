#include "platform/wx/WxSupport.h"

#include <cmath>
#include <cstdlib>
#include <map>

#include "platform/core/Strings.h"

AnsiString LanguageAbbreviation(const AnsiString& localeName) {
    // language_TERRITORY first, then the language alone.
    static const std::map<AnsiString, AnsiString> names = {
        {"en_us", "ENU"}, {"en_gb", "ENG"}, {"en_au", "ENA"}, {"en_ca", "ENC"}, {"en_nz", "ENZ"},
        {"en_ie", "ENI"}, {"en", "ENU"},    {"de_at", "DEA"}, {"de_ch", "DES"}, {"de", "DEU"},
        {"fr_ca", "FRC"}, {"fr_be", "FRB"}, {"fr_ch", "FRS"}, {"fr", "FRA"},    {"es_mx", "ESM"},
        {"es", "ESP"},    {"it", "ITA"},    {"ja", "JPN"},    {"zh_tw", "CHT"}, {"zh_hk", "ZHH"},
        {"zh", "CHS"},    {"ko", "KOR"},    {"nl_be", "NLB"}, {"nl", "NLD"},    {"pt_br", "PTB"},
        {"pt", "PTG"},    {"ru", "RUS"},    {"sv", "SVE"},    {"da", "DAN"},    {"fi", "FIN"},
        {"nb", "NOR"},    {"no", "NOR"},    {"nn", "NON"},    {"pl", "PLK"},    {"cs", "CSY"},
        {"hu", "HUN"},    {"el", "ELL"},    {"tr", "TRK"},    {"he", "HEB"},    {"ar", "ARA"},
    };
    AnsiString name = LowerCase(localeName.substr(0, localeName.find_first_of(".@")));
    auto found = names.find(name);
    if (found == names.end()) found = names.find(name.substr(0, name.find('_')));
    return found == names.end() ? "ENU" : found->second;
}

AnsiString UserLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return "";
}

std::vector<AnsiString> SplitArguments(const AnsiString& parameters) {
    std::vector<AnsiString> args;
    AnsiString current;
    bool quoted = false, any = false;
    for (char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && static_cast<unsigned char>(c) <= 32) {
            if (any) args.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) args.push_back(current);
    return args;
}

bool IsNotepad(const AnsiString& program) {
    AnsiString name = LowerCase(Trim(program));
    return name == "notepad.exe" || name == "notepad";
}

std::vector<AnsiString> CommandLineFor(const AnsiString& program, const AnsiString& parameters,
                                       const EditorChoices& choices) {
    auto runnable = [&](const std::vector<AnsiString>& command) {
        return !command.empty() && choices.onPath && choices.onPath(command[0]) ? command : std::vector<AnsiString>();
    };
    if (!IsNotepad(program)) {
        std::vector<AnsiString> command{Trim(program)};
        for (auto& a : SplitArguments(parameters)) command.push_back(a);
        return runnable(command);
    }
    // Notepad takes its whole parameter as one file name.
    AnsiString file = Trim(parameters);
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
    if (!file.empty() && !choices.openerFailed)
        if (auto c = runnable({"xdg-open", file}); !c.empty()) return c;
    auto editor = [&](std::vector<AnsiString> command) {
        command = runnable(command);
        if (!command.empty() && !file.empty()) command.push_back(file);
        return command;
    };
    if (!choices.desktopEntry.empty())
        if (auto c = editor({"gtk-launch", choices.desktopEntry}); !c.empty()) return c;
    for (const AnsiString& variable : {choices.visual, choices.editor})
        if (auto c = editor(SplitArguments(variable)); !c.empty()) return c;
    for (const char* known : {"gedit", "mousepad", "xed", "pluma", "kwrite", "leafpad"})
        if (auto c = editor({known}); !c.empty()) return c;
    return {};
}

int PageCount(int lines, int perPage) {
    if (perPage < 1) perPage = 1;
    return lines <= 0 ? 1 : (lines + perPage - 1) / perPage;
}

int ScreenPixelsPerInch(const ScreenResolution& screen) {
    auto sensible = [](double dpi) { return dpi >= 48 && dpi <= 480; };
    constexpr int fallback = 96;
    int font = static_cast<int>(std::lround(screen.fontDpi));
    if (screen.scale > 1) return sensible(font) ? font : fallback;
    if (sensible(font) && font != fallback) return font;
    if (screen.widthPixels > 0 && screen.widthMm > 0) {
        double measured = screen.widthPixels * 25.4 / screen.widthMm;
        if (sensible(measured)) return static_cast<int>(std::lround(measured));
    }
    return fallback;
}

double FontPointsForPixels(int pixels, double fontDpi) {
    if (fontDpi <= 0) fontDpi = 96;
    return pixels * 72.0 / fontDpi;
}
