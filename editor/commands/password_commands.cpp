// Password and preferences: settings of the card as a whole, kept in the
// card file. Neither takes an undo snapshot.

#include <algorithm>

#include "card/lumigram.h"
#include "card/password_hash.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/editor_services.h"
#include "editor/editor_texts.h"
#include "lang/translate.h"
#include "util/error_texts.h"

namespace lumigram {

namespace {

constexpr size_t kMaxPasswordLength = 255;

class TPasswordCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryHasPassword(const std::string&);
  bool SetPassword(const std::string&);
  bool RemovePassword(const std::string&);
  bool Preferences(const std::string&);
};

}  // namespace

TCommandRows PasswordCommands() {
  using C = TPasswordCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kSetPassword, nullptr, Handler<&C::SetPassword>, kFailed},
      {kRemovePassword, Handler<&C::QueryHasPassword>, Handler<&C::RemovePassword>, kFailed},
      {kPreferences, nullptr, Handler<&C::Preferences>, kFailed},
  };
  return kRows;
}

bool TPasswordCommands::SetPassword(const std::string&) {
  const std::string caption = TranslateLite(editor_text::kProductTitle);
  std::string first;
  if (!Services().InputQuery(caption, TranslateLite(editor_text::kEnterPassword), first))
    return true;
  first.resize(std::min(first.size(), kMaxPasswordLength));
  const double hash = PasswordHash(first);
  std::string second;
  if (!Services().InputQuery(caption, TranslateLite(editor_text::kConfirmPassword), second))
    return true;
  second.resize(std::min(second.size(), kMaxPasswordLength));
  Error() = err::kTaskCancelled;
  if (PasswordHash(second) != hash) return false;
  Card().Info().Password = hash;
  SetSaved(false);
  return true;
}

bool TPasswordCommands::QueryHasPassword(const std::string&) {
  return Card().Info().Password > 0;
}

bool TPasswordCommands::RemovePassword(const std::string&) {
  Card().Info().Password = 0;
  SetSaved(false);
  return true;
}

bool TPasswordCommands::Preferences(const std::string&) {
  TLumigramInfo& info = Card().Info();
  TCardPreferences prefs{info.CanEdit, info.CanPrint, info.Author};
  if (!Services().EditPreferences(prefs)) return true;
  info.CanEdit = prefs.CanEdit;
  info.CanPrint = prefs.CanPrint;
  info.Author = prefs.Author;
  SetSaved(false);
  return true;
}

}  // namespace lumigram
