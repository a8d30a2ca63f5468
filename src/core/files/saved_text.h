#pragma once

#include <string>
#include <string_view>

// Texts the player typed, as the character file carries them. The file keeps one element a
// line and ends a value at its first "</", so a text is written with "&", "<" and ">" as
// "&amp;", "&lt;" and "&gt;" and every control character (a tab, a line end) as a numeric
// reference ("&#9;"). Reading turns the five named references and numeric ones back into
// their characters; an "&" that starts no reference (files written before texts were
// escaped: "Sword & Shield") stays as it is.
std::string EscapeSavedText(std::string_view text);
std::string UnescapeSavedText(std::string_view text);
