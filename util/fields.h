#pragma once
// Length-prefixed fields, the building block of the system's own formats: a
// 4-byte little-endian length followed by that many bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram {

std::string IntToBytes4(int32_t n);
// The little-endian integer in the first 4 bytes; 0 when fewer are given.
int32_t Bytes4ToInt(std::string_view bytes);
std::string DoubleToBytes8(double x);
double Bytes8ToDouble(std::string_view bytes);

void AppendField(std::string& text, std::string_view field);

// Reads the field whose length stands at the 0-based offset. A negative length
// fails without moving. Otherwise the offset moves past the announced field and
// the result tells whether all its bytes were present; fewer than 4 bytes left
// read as a length of 0. Never copies more than the text holds.
bool ReadField(std::string_view text, size_t& offset, std::string& field);
// The same without copying: field views the bytes inside text.
bool ReadFieldView(std::string_view text, size_t& offset, std::string_view& field);

}  // namespace lumigram
