#pragma once
// Texts are 8-bit in the language files and the card data, in the Windows
// code page of the language or font; the desktop wants UTF-8. These convert
// between the two through the C library's iconv.

#include <string>
#include <string_view>

namespace lumigram {

// The converter name of a code page given as "1251", "cp1251", "CP1251" or
// "windows-1251" (all give "CP1251"); other names ("SJIS", "UTF-8") pass
// through upper-cased. Empty when the C library has no such converter.
std::string CodePageName(std::string_view codePage);

// The code page of a Windows character-set number (0 Western, 204 Cyrillic,
// 161 Greek, 238 Central European, 128 Japanese, ...); numbers without a code
// page of their own (default, symbol, OEM) give the Western "CP1252".
std::string CodePageOfCharset(int charset);

// Exact conversions for tools: a byte the code page does not define, a
// character it cannot hold or input that is not UTF-8 fails, and error says
// which and where.
bool CodePageToUtf8(std::string_view bytes, std::string_view codePage, std::string& utf8,
                    std::string& error);
bool Utf8ToCodePage(std::string_view utf8, std::string_view codePage, std::string& bytes,
                    std::string& error);

// Forgiving conversions for showing text, which must never fail: undefined
// bytes become U+FFFD, characters the code page lacks become "?".
std::string CharsetToUtf8(std::string_view bytes, int charset);
std::string Utf8ToCharset(std::string_view utf8, int charset);

// The program's texts as a window shows them. Texts are 8-bit: the English
// ones ASCII, typed text and file names UTF-8, the translations of a
// language file in its Windows code page (Western, Windows-1252, for the
// languages we ship). Valid UTF-8 is kept as it is; anything else is read as
// Windows-1252.
bool IsValidUtf8(std::string_view text);
std::string DisplayUtf8(std::string_view text);

}  // namespace lumigram
