#include "card/about_text.h"

#include "card/card_texts.h"
#include "lang/translate.h"
#include "util/text.h"

namespace lumigram {

namespace {

std::string Heading(const char* text) {
  return UpperAscii(TranslateLite(text));
}

std::string TranslateLine(std::string_view line) {
  if (line.size() <= 1) return std::string(line);
  const char delimiter = line[0];
  std::string_view rest = line.substr(1);
  std::string result;
  bool enclosed = false;
  for (;;) {
    const size_t next = rest.find(delimiter);
    if (next == std::string_view::npos) {
      // An opening delimiter without its partner: the text stays as it is.
      result += rest;
      return result;
    }
    const std::string_view piece = rest.substr(0, next);
    result += enclosed ? TranslateLite(piece) : std::string(piece);
    enclosed = !enclosed;
    rest.remove_prefix(next + 1);
  }
}

}  // namespace

std::string TranslateCreatorInfo(std::string_view creatorInfo) {
  std::string result;
  size_t start = 0;
  while (start <= creatorInfo.size()) {
    size_t end = creatorInfo.find("\r\n", start);
    const bool last = end == std::string_view::npos;
    if (last) end = creatorInfo.size();
    result += TranslateLine(creatorInfo.substr(start, end - start));
    if (last) break;
    result += kLineBreak;
    start = end + 2;
  }
  return result;
}

std::string AboutText(std::string_view author, std::string_view creatorInfo) {
  std::string text;
  if (!author.empty()) {
    while (!author.empty() && (author.back() == '\r' || author.back() == '\n'))
      author.remove_suffix(1);
    text += Heading(card_text::kAuthorHeading) + kLineBreak + std::string(16, '-') + kLineBreak;
    text += std::string(author) + kLineBreak + kLineBreak;
  }
  text += Heading(card_text::kCreatorHeading) + kLineBreak + std::string(20, '-') + kLineBreak;
  text += TranslateCreatorInfo(creatorInfo);
  return text;
}

std::string DefaultCreatorInfo() {
  return "|Brimble Lumigram Creator\r\n"
         "|Version| 2.00.2181\r\n"
         "|Picture cards with a frame, a message, a sound and a link|\r\n"
         "|Make your own with the creator|";
}

}  // namespace lumigram
