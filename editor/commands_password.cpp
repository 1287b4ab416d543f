// Password and preferences: settings of the card as a whole, kept in the
// card file. Neither takes an undo snapshot.

#include <algorithm>

#include "card/password_hash.h"
#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"
#include "util/error_texts.h"

namespace lumigram {

namespace {

constexpr size_t kMaxPasswordLength = 255;

}  // namespace

TCommandRows TLumigramCreator::PasswordCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {217, nullptr, &C::SetPassword, kFailed},
      {218, &C::QueryHasPassword, &C::RemovePassword, kFailed},
      {219, nullptr, &C::Preferences, kFailed},
  };
  return kRows;
}

bool TLumigramCreator::SetPassword(const std::string&) {
  const std::string caption = TranslateLite(editor_text::kProductTitle);
  std::string first;
  if (!services_.InputQuery(caption, TranslateLite(editor_text::kEnterPassword), first))
    return true;
  first.resize(std::min(first.size(), kMaxPasswordLength));
  const double hash = PasswordHash(first);
  std::string second;
  if (!services_.InputQuery(caption, TranslateLite(editor_text::kConfirmPassword), second))
    return true;
  second.resize(std::min(second.size(), kMaxPasswordLength));
  last_error_ = err::kTaskCancelled;
  if (PasswordHash(second) != hash) return false;
  card_->Info().Password = hash;
  SetSaved(false);
  return true;
}

bool TLumigramCreator::QueryHasPassword(const std::string&) {
  return card_->Info().Password > 0;
}

bool TLumigramCreator::RemovePassword(const std::string&) {
  card_->Info().Password = 0;
  SetSaved(false);
  return true;
}

bool TLumigramCreator::Preferences(const std::string&) {
  TLumigramInfo& info = card_->Info();
  TCardPreferences prefs{info.CanEdit, info.CanPrint, info.Author};
  if (!services_.EditPreferences(prefs)) return true;
  info.CanEdit = prefs.CanEdit;
  info.CanPrint = prefs.CanPrint;
  info.Author = prefs.Author;
  SetSaved(false);
  return true;
}

}  // namespace lumigram
