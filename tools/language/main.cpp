// The language tool of the creator's Tools menu. Without arguments it shows
// a window; scripts and tests use the command-line forms:
//
//   lumigram-language --list        one line a language: KEY<TAB>NAME, and
//                                   <TAB>installed on the one in force
//   lumigram-language --set NAME    installs a language by key or name;
//                                   "english" removes the language files

#include <QApplication>
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/language/language_catalog.h"
#include "tools/language/language_dialog.h"
#include "tools/language/language_install.h"

namespace {

using namespace lumigram;

constexpr const char* kUsage =
    "usage: lumigram-language [--list | --set NAME]\n"
    "  --list      the languages built in, the one in force marked \"installed\"\n"
    "  --set NAME  install a language by its key or name (english: none)\n";

int List(const std::vector<TBuiltInLanguage>& languages) {
  const std::string installed = InstalledLanguageKey(languages, LanguageFolder());
  for (const TBuiltInLanguage& language : languages)
    std::printf("%s\t%s%s\n", language.Key.c_str(), language.Name.c_str(),
                language.Key == installed ? "\tinstalled" : "");
  return 0;
}

int Set(const std::vector<TBuiltInLanguage>& languages, std::string_view name) {
  const TBuiltInLanguage* language = FindLanguage(languages, name);
  if (!language) {
    std::fprintf(stderr, "lumigram-language: no language \"%.*s\" (see --list)\n", int(name.size()),
                 name.data());
    return 2;
  }
  std::string error;
  if (!InstallLanguage(*language, LanguageFolder(), error)) {
    std::fprintf(stderr, "lumigram-language: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<TBuiltInLanguage> languages = BuiltInLanguages();
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 2 && first == "--list") return List(languages);
  if (argc == 3 && first == "--set") return Set(languages, argv[2]);
  if (argc == 2 && (first == "--help" || first == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  // Any other line is a mistake of a script, never a wish for the window.
  if (argc > 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  QApplication app(argc, argv);
  TLanguageDialog dialog(languages, LanguageFolder());
  return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
