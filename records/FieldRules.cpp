#include "records/FieldRules.h"

#include "platform/core/Strings.h"
#include "platform/vcl/StdCtrls.h"

namespace {
// Makes the control refuse what accept refuses; an edit also takes at most
// maxChars characters (a lower limit that it already has is kept).
void Guard(TWinControl* control, bool (*accept)(unsigned char), int maxChars) {
    if (!control) return;
    control->AcceptChar = accept;
    auto* edit = dynamic_cast<TEdit*>(control);
    if (edit && (edit->MaxLength() <= 0 || edit->MaxLength() > maxChars)) edit->SetMaxLength(maxChars);
}
}  // namespace

bool ElementChar(unsigned char c) { return c >= 32 && c < 127 && c != '|' && c != '<'; }

// An entry whose other fields are empty is read back trimmed, so an entry
// field holding "<" could make its line look like a section tag.
bool EntryChar(unsigned char c) { return ElementChar(c); }

void GuardElementField(TWinControl* control) { Guard(control, ElementChar, MaxElementChars); }
void GuardEntryField(TWinControl* control) { Guard(control, EntryChar, MaxEntryFieldChars); }

AnsiString NameRefusal(const AnsiString& name) {
    const AnsiString trimmed = Trim(name);
    if (trimmed.empty()) return "Please enter a name.";
    if (trimmed == "." || trimmed == "..") return "\"" + trimmed + "\" cannot be used as a name.";
    for (unsigned char c : name)
        if (c < 32 || c >= 127 || c == '/' || c == '\\' || c == '<' || c == '>' || c == '|' || c == '*')
            return "\"" + name + "\" cannot be used as a name: a name may not hold \"/\", \"\\\", \"<\", \">\", "
                   "\"|\", \"*\", control characters or letters outside plain ASCII.";
    if (name.size() > MaxNameChars)
        return "\"" + name + "\" is too long for a name: a name holds at most " + IntToStr(static_cast<int>(MaxNameChars)) +
               " characters.";
    return "";
}

AnsiString RestoreListEntry(const AnsiString& line) {
    // A line that has no room for the missing TABs stays as it is: with them
    // it would be cut when read back.
    if (line.size() + 2 > static_cast<size_t>(MaxLineChars)) return line;
    size_t first = line.find('\t');
    if (first == AnsiString::npos) return "\t" + line + "\t";  // both outer fields were empty
    if (line.find('\t', first + 1) != AnsiString::npos) return line;
    // One TAB: one outer field was lost. The start was lost when the first
    // field is the middle mark; otherwise the text was lost.
    if (line.compare(0, first, CurrentMark) == 0) return "\t" + line;
    return line + "\t";
}
