#pragma once
// The editor's command table: one group of {code, query, run} rows per card
// element, each group beside its handlers in a file of its own. Adding a
// command touches its element's file and command_codes.h.

#include <span>
#include <string>

namespace lumigram {

class TLumigramCreator;

using TCommandHandler = bool (*)(TLumigramCreator& editor, const std::string& argument);

// One command: its code, what its negative code answers (nullptr: always
// true) and what it does (nullptr: the code is a query only). StartError is
// what LastError holds when the command starts (nullptr: left as it is).
struct TCommandRow {
  int Code = 0;
  TCommandHandler Query = nullptr;
  TCommandHandler Run = nullptr;
  const char* StartError = nullptr;
};
using TCommandRows = std::span<const TCommandRow>;

// Looks a code up in every group's rows; nullptr when unknown.
const TCommandRow* FindCommand(int code);

// The groups.
TCommandRows PictureCommands();
TCommandRows CursorCommands();
TCommandRows SoundCommands();
TCommandRows FrameCommands();
TCommandRows LinkCommands();
TCommandRows MessageCommands();
TCommandRows CardCommands();
TCommandRows PasswordCommands();

// A handler of an element's commands class as a row's function: the class
// is built on the editor for the one call.
template <class T>
struct TMemberOf;
template <class Element>
struct TMemberOf<bool (Element::*)(const std::string&)> {
  using Class = Element;
};
template <auto Member>
bool Handler(TLumigramCreator& editor, const std::string& argument) {
  typename TMemberOf<decltype(Member)>::Class element(editor);
  return (element.*Member)(argument);
}

}  // namespace lumigram
