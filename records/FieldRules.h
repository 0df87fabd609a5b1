// What the fields whose values go into the scout file may hold. A value is
// written between tags on one line, so a character the file cannot carry
// ("|", a control character, a byte above 127, and "<" inside an element)
// would cut the line when it is read back; such characters are refused when
// typed or pasted.
#ifndef TRAILBOOK_RECORDS_FIELDRULES_H
#define TRAILBOOK_RECORDS_FIELDRULES_H

#include <string>

using AnsiString = std::string;
class TWinControl;

// A character an element value may hold (personal fields, dates, counselors).
bool ElementChar(unsigned char c);
// A character a positions/camps/service entry field may hold (TAB separates the fields).
bool EntryChar(unsigned char c);

// Make the control refuse, with a beep, what the rule above refuses.
void GuardElementField(TWinControl* control);
void GuardEntryField(TWinControl* control);

// Why a typed name cannot name a scout's files, or "" when it can. The name
// is taken trimmed; it must stay inside the data folder.
AnsiString ScoutNameRefusal(const AnsiString& trimmedName);

// An entry line of a list section whose empty start or text lost its TAB when
// the line was trimmed gets its empty fields back, so that it splits into its
// three fields again: an entry has exactly two TABs, and "--Current--" can
// only stand in the middle field. Lines with two or more TABs are returned as
// they are.
AnsiString RestoreListEntry(const AnsiString& line);

#endif
