#pragma once
// UTF-8 read and written one character at a time: the one decoder the
// code-page helpers, text drawing and the viewer's window layer share.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// How many bytes the UTF-8 sequence starting with lead claims: 1 for ASCII
// and for a byte that cannot start a sequence, so a bad one is skipped whole.
size_t Utf8SequenceLength(uint8_t lead);

// The length of the well-formed UTF-8 sequence at the start of text, its
// code point in codePoint; 0 when there is none there (empty text, a bad lead
// or continuation byte, a cut-off, overlong or surrogate sequence, a value
// past U+10FFFF).
size_t DecodeUtf8(std::string_view text, char32_t& codePoint);

// The code point at position (inside text), moving position past it; a
// malformed sequence gives U+FFFD and moves one byte on.
char32_t NextCodePoint(std::string_view text, size_t& position);
// Surrogates and values past U+10FFFF are written as U+FFFD.
void AppendUtf8(std::string& text, char32_t codePoint);
size_t CodePointCount(std::string_view text);
// Removes the last code point, if any.
void RemoveLastCodePoint(std::string& text);

}  // namespace lumigram
