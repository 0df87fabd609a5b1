// What the fields whose values go into the scout file may hold. A value is
// written between tags on one line, so a character the file cannot carry
// ("|", a control character, a byte above 127, and "<", which starts a tag)
// would cut the line when it is read back; such characters are refused when
// typed or pasted.
#ifndef TRAILBOOK_RECORDS_FIELDRULES_H
#define TRAILBOOK_RECORDS_FIELDRULES_H

#include <string>

#include "records/LineReader.h"

class TWinControl;

// A character an element value may hold (personal fields, dates, counselors).
bool ElementChar(unsigned char c);
// A character a positions/camps/service entry field may hold (TAB separates the fields).
bool EntryChar(unsigned char c);

// The longest value an element field takes: an element's value is read back
// from at most 999 characters after its open tag, its close tag included, and
// the longest close tag of a field ("</Birthdate>") has 12 characters.
constexpr int MaxElementChars = 999 - 12;
// The longest value an entry field takes: the three fields of an entry and its
// two TABs fit in the characters that a line of the scout file keeps.
constexpr int MaxEntryFieldChars = (MaxLineChars - 2) / 3;

// Make the control refuse, with a beep, what the rule above refuses; an edit
// also takes at most the characters its value can be read back with (a lower
// limit that it already has is kept).
void GuardElementField(TWinControl* control);
void GuardEntryField(TWinControl* control);

// The longest name of a scout, an award or a catalog: an award's section tag
// ("<Other " + name + ">") holds at most 98 characters between "<" and ">".
constexpr size_t MaxNameChars = 98 - 6;

// The one rule for every name that becomes a file name (a scout, an award, a
// catalog), typed or read from a file or a list: why it cannot be used, or ""
// when it can. Typed names are trimmed before they are checked. A name is
// refused when it is empty, "." or "..", holds "/", "\", "<", ">", "|", "*",
// a control character (DEL included) or a byte above 127, or is longer than
// MaxNameChars, so that it never reaches outside the data folder, always
// fits its section tag and reads back whole.
AnsiString NameRefusal(const AnsiString& name);

// The end date of a positions or camps entry that has not ended yet.
inline const AnsiString CurrentMark = "--Current--";

// An entry line of a list section whose empty start or text lost its TAB when
// the line was trimmed gets its empty fields back, so that it splits into its
// three fields again: an entry has exactly two TABs, and "--Current--" can
// only stand in the middle field. Lines with two or more TABs are returned as
// they are.
AnsiString RestoreListEntry(const AnsiString& line);

#endif
