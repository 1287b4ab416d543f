#pragma once
// The hash a card keeps of its editing password: two 32-bit sums over the
// upper-cased first 128 characters, stored side by side as the bytes of a
// double. It only keeps casual hands out of the editor; it protects nothing.

#include <string_view>

namespace lumigram {

// Always a tiny positive number, compared for equality.
double PasswordHash(std::string_view password);

}  // namespace lumigram
