// String helpers of the class library. AnsiString is std::string; positions
// taken and returned by Pos and SubString count from 1, as the system's code does.
#ifndef TRAILBOOK_PLATFORM_STRINGS_H
#define TRAILBOOK_PLATFORM_STRINGS_H

#include <string>
#include <string_view>
#include <vector>

using AnsiString = std::string;

// Drops every character of code 32 or less at both ends (TAB and code 30 included).
AnsiString Trim(const AnsiString& s);
// The same, as a view into s (no copy).
std::string_view TrimView(std::string_view s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);
// ASCII letters only; other bytes stay as they are.
char UpperCaseChar(char c);
AnsiString UpperCase(const AnsiString& s);
AnsiString LowerCase(const AnsiString& s);
AnsiString IntToStr(long long value);
// Accepts leading blanks, a sign and decimal digits (or "$" and hex digits)
// within the range of int; anything else throws EConvertError
// "'s' is not a valid integer value".
int StrToInt(const AnsiString& s);
int StrToIntDef(const AnsiString& s, int fallback);
bool TryStrToInt(const AnsiString& s, int& value);
// 1-based position of sub in s, 0 when absent (or when sub is empty).
int Pos(const AnsiString& sub, const AnsiString& s);
// Up to count characters from the 1-based index; out-of-range parts are clipped.
AnsiString SubString(const AnsiString& s, int index, int count);
// Case-insensitive comparison of whole strings by ASCII code (letters folded
// to upper case): <0, 0, >0.
int CompareText(const AnsiString& a, const AnsiString& b);
bool SameText(const AnsiString& a, const AnsiString& b);
bool StartsWith(std::string_view s, std::string_view prefix);
// The pieces of s between separators, empty ones included ("a..b" gives
// "a", "", "b"; "" gives one empty piece).
std::vector<AnsiString> SplitString(const AnsiString& s, char separator);

#endif
