#include "util/scramble.h"

#include <random>

#include "util/text.h"

namespace lumigram {

namespace {

constexpr std::string_view kFixedTextKey =
    "%l`4)`KEf=Vt;&(;[]>x.U:?OL87&qZgGb|8VE:^j7m3mHrjobl3Qwv0y]FQFC!iMz7>2Ewq9lQygR.sn/"
    "ZIKiQW|:$W#:.B1";
constexpr std::string_view kKeyAlphabet = "&^-]i`hhsb0fNF7ZL2t9+AEfTkeniJP%1XipG;9(kD5X`._Uyu%lZ";
static_assert(kFixedTextKey.size() == 97);
static_assert(kKeyAlphabet.size() == 53);

// Applies op(byte, keyByte) to every byte, the key repeating from its start.
template <typename Op>
std::string Scramble(std::string text, std::string_view key, Op op) {
  if (key.empty()) return text;
  for (size_t j = 0; j < text.size(); ++j)
    text[j] = char(op(int(uint8_t(text[j])), int(uint8_t(key[j % key.size()]))) & 0xFF);
  return text;
}

std::string RandomKey() {
  static std::mt19937 generator{std::random_device{}()};
  const size_t length = 10 + std::uniform_int_distribution<size_t>(0, 40)(generator);
  std::uniform_int_distribution<size_t> pick(0, 49);
  std::string key(length, ' ');
  for (char& c : key) c = kKeyAlphabet[pick(generator)];
  return key;
}

}  // namespace

std::string ScrambleAdd(std::string text, std::string_view key) {
  return Scramble(std::move(text), key, [](int s, int k) { return s + k; });
}

std::string ScrambleSub(std::string text, std::string_view key) {
  return Scramble(std::move(text), key, [](int s, int k) { return s - k + 256; });
}

std::string ScrambleAdd14(std::string text, std::string_view key) {
  return Scramble(std::move(text), key, [](int s, int k) {
    const int sum = s + k;
    return sum >= 256 ? sum + 14 : sum;
  });
}

std::string ScrambleSub14(std::string text, std::string_view key) {
  return Scramble(std::move(text), key, [](int s, int k) {
    const int d = s - k;
    return (d < 14 ? d - 14 : d) + 512;
  });
}

std::string HideText(std::string_view text, THideVariant variant) {
  const std::string key = RandomKey();
  const bool safe = variant == THideVariant::Text;
  std::string result(1, char(key.size() + 14));
  result += safe ? ScrambleSub14(key, kFixedTextKey) : ScrambleSub(key, kFixedTextKey);
  result += safe ? ScrambleAdd14(std::string(text), key) : ScrambleAdd(std::string(text), key);
  return safe ? ReplaceAll(result, "'", "''") : result;
}

std::string RevealText(std::string_view hidden, THideVariant variant) {
  const bool safe = variant == THideVariant::Text;
  const std::string whole = safe ? ReplaceAll(hidden, "''", "'") : std::string(hidden);
  if (whole.empty()) return {};
  const int keyLength = int(uint8_t(whole[0])) - 14;
  if (keyLength <= 0 || size_t(keyLength) + 1 > whole.size()) return {};
  const std::string scrambledKey = whole.substr(1, size_t(keyLength));
  const std::string key =
      safe ? ScrambleAdd14(scrambledKey, kFixedTextKey) : ScrambleAdd(scrambledKey, kFixedTextKey);
  const std::string body = whole.substr(size_t(keyLength) + 1);
  return safe ? ScrambleSub14(body, key) : ScrambleSub(body, key);
}

std::string_view FixedTextKey() {
  return kFixedTextKey;
}
std::string_view KeyAlphabet() {
  return kKeyAlphabet;
}

}  // namespace lumigram
