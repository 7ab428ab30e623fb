#pragma once

#include <windows.h>

namespace SkinUI {

// Readers for the value formats of skin attributes. None of them reads past
// the terminator of the text; a number that is missing from a list reads as 0.

// Up to `count` signed decimal numbers, exactly one character of any kind
// skipped between two of them ("554,0,0,4"). Returns how many were present.
int ParseIntList(LPCWSTR text, int* values, int count);
// The same for decimal fractions ("0.5,0,0.5,0").
int ParseDoubleList(LPCWSTR text, double* values, int count);

RECT ParseRect(LPCWSTR text);  // l,t,r,b
SIZE ParseSize(LPCWSTR text);  // cx,cy

// Whether an attribute's name is `expected`: names match exactly.
bool IsName(LPCWSTR name, LPCWSTR expected);

// The alignment words of an "align" value ("left", "center", "right") and of a
// "valign" value ("top", "vcenter", "bottom") applied to DrawText flags in
// that order: the last word found wins. A null value changes nothing.
void ApplyAlignWords(UINT& style, LPCWSTR value);
void ApplyVAlignWords(UINT& style, LPCWSTR value);

// A leading decimal integer; 0 when there is none.
int ParseInt(LPCWSTR text);
// True exactly for "true".
bool ParseBool(LPCWSTR text);

// Hexadecimal AARRGGBB after one optional "#" ("0x" is accepted too). With
// `skipLeadingBlanks`, characters 1 to 32 before it are passed over first.
DWORD ParseColor(LPCWSTR text, bool skipLeadingBlanks = false);

}  // namespace SkinUI
