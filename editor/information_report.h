#pragma once
// Pieces of the card information report.

#include <cstdint>
#include <string>

namespace lumigram {

// The size a card file with this much card data has, in bytes and in
// megabytes with three decimals cut, not rounded: "206,823 bytes (0.206Mb)".
std::string CardSizeText(int64_t cardDataLength);

}  // namespace lumigram
