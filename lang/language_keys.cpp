#include "lang/language_keys.h"

#include <random>

namespace lumigram {

namespace {

constexpr std::string_view kFixedKey1 = "4L9]Y,OiK&qOuC[8SD^sa8q)@AIz@-Bne?k~U[L!h..";
constexpr std::string_view kFixedKey2 =
    "@?fpS9)^S4j2>%s6.=.]3X%.!0<+3fvnJ(j56Fj{VgVlHV;pirJ-4`|4nl5s@,$)taiQCHLR?v%r+V,-[y:7*";
constexpr std::string_view kDefaultKeyA = "_QwORr){(pS([!S3^ff9hUQR>hMFbjyDmA0`<1{^SC4wG@$!ugO-]2";
constexpr std::string_view kDefaultKeyB = ";T=~kGYtmFpv2uuV~C119rm^8X/6+Xy)@va8(J=X(T~(Q}4zwrk";
static_assert(kFixedKey1.size() == 43);
static_assert(kFixedKey2.size() == 85);
static_assert(kDefaultKeyA.size() == 54);
static_assert(kDefaultKeyB.size() == 51);

}  // namespace

std::string_view LanguageFixedKey1() {
  return kFixedKey1;
}
std::string_view LanguageFixedKey2() {
  return kFixedKey2;
}
std::string_view LanguageDefaultKeyA() {
  return kDefaultKeyA;
}
std::string_view LanguageDefaultKeyB() {
  return kDefaultKeyB;
}

std::string RandomLanguageKey(size_t length) {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<int> pick(0x20, 0x7E);
  std::string key;
  key.reserve(length);
  while (key.size() < length) {
    const char c = char(pick(generator));
    if (c != '"' && c != '\'' && c != '\\') key += c;
  }
  return key;
}

}  // namespace lumigram
