// lumigram lang: makes language files from a plain table and shows what a
// language file holds. Tables are UTF-8, one "SOURCE<TAB>TRANSLATION" a line;
// the files hold 8-bit text in a Windows code page.

#include <iostream>

#include "lang/language.h"
#include "lang/language_writer.h"
#include "lang/lite_language.h"
#include "tools/lumigram/arguments.h"
#include "tools/lumigram/command.h"
#include "util/code_page.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram::cli {

namespace {

constexpr const char* kCommand = "lang";
constexpr const char* kDefaultCodePage = "CP1252";
constexpr std::string_view kLanguagePrefix = "# language: ";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string LinePrefix(size_t number) {
  return "line " + IntToText(int64_t(number)) + ": ";
}

// Reads the table into content, converting each text to the code page. A
// "# language: NAME" line (as dump prints it) names the language unless the
// caller already did.
bool ReadTable(const std::string& text, const std::string& codePage, bool nameGiven,
               TLanguageFileContent& content, std::string& problem) {
  std::string_view rest(text);
  if (rest.substr(0, kUtf8Bom.size()) == kUtf8Bom) rest.remove_prefix(kUtf8Bom.size());
  for (size_t number = 1; !rest.empty(); ++number) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::string error;
    if (line[0] == '#') {
      if (!nameGiven && line.substr(0, kLanguagePrefix.size()) == kLanguagePrefix) {
        if (!Utf8ToCodePage(line.substr(kLanguagePrefix.size()), codePage, content.Name, error)) {
          problem = LinePrefix(number) + error;
          return false;
        }
        nameGiven = true;
      }
      continue;
    }
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      problem = LinePrefix(number) + "no tab between source and translation";
      return false;
    }
    TLanguagePair pair;
    if (!Utf8ToCodePage(line.substr(0, tab), codePage, pair.Source, error) ||
        !Utf8ToCodePage(line.substr(tab + 1), codePage, pair.Translation, error)) {
      problem = LinePrefix(number) + error;
      return false;
    }
    if (pair.Source.empty() || pair.Translation.empty()) {
      problem = LinePrefix(number) + "empty source or translation";
      return false;
    }
    content.Entries.push_back(std::move(pair));
  }
  return true;
}

int Write(const TArguments& arguments, const std::string& codePage) {
  const auto& words = arguments.Positional();
  if (words.size() != 3) return UsageError(kCommand, "write needs TABLE and OUT");
  const bool llf = arguments.Flag("llf");
  if (llf == arguments.Flag("ll2")) return UsageError(kCommand, "write needs --llf or --ll2");
  const std::string& tablePath = words[1];
  const std::string& outPath = words[2];

  std::string text, error;
  if (!ReadFileToString(tablePath, text, error)) return Fail(tablePath + ": " + error);
  TLanguageFileContent content;
  if (arguments.Has("name") &&
      !Utf8ToCodePage(arguments.Option("name"), codePage, content.Name, error))
    return Fail("--name: " + error);
  if (!ReadTable(text, codePage, arguments.Has("name"), content, error))
    return Fail(tablePath + ": " + error);

  const int capacity = llf ? TLanguage::kCapacity : TLiteLanguage::kCapacity;
  if (content.Entries.size() > size_t(capacity))
    return Fail(tablePath + ": " + IntToText(int64_t(content.Entries.size())) +
                " entries; the file holds at most " + IntToText(capacity));
  if (!llf && content.Entries.empty())
    return Fail(tablePath + ": no entries; a light language file needs at least one");

  std::string bytes;
  if (!(llf ? WriteLanguageLlf(content, bytes, error) : WriteLanguageLl2(content, bytes, error)))
    return Fail(error);
  if (!WriteStringToFile(outPath, bytes, error)) return Fail(outPath + ": " + error);
  return kExitOk;
}

bool PrintUtf8(const std::string& bytes, const std::string& codePage, const std::string& what,
               std::string& problem) {
  std::string utf8, error;
  if (!CodePageToUtf8(bytes, codePage, utf8, error)) {
    problem = what + ": " + error + " (try another --codepage)";
    return false;
  }
  std::cout << utf8;
  return true;
}

template <typename Table>
int DumpTable(const Table& table, const std::string& codePage) {
  std::string problem;
  std::cout << kLanguagePrefix;
  if (!PrintUtf8(table.LanguageName(), codePage, "language name", problem)) return Fail(problem);
  std::cout << "\n";
  for (int i = 0; i < table.Count(); ++i) {
    const std::string what = "entry " + IntToText(i + 1);
    if (!PrintUtf8(table.Entry(i).Source, codePage, what, problem)) return Fail(problem);
    std::cout << "\t";
    if (!PrintUtf8(table.Entry(i).Translation, codePage, what, problem)) return Fail(problem);
    std::cout << "\n";
  }
  return kExitOk;
}

int Dump(const TArguments& arguments, const std::string& codePage) {
  const auto& words = arguments.Positional();
  if (words.size() != 2) return UsageError(kCommand, "dump needs FILE");
  if (arguments.Flag("llf") || arguments.Flag("ll2") || arguments.Has("name"))
    return UsageError(kCommand, "dump takes only --codepage");
  const std::string& path = words[1];

  std::string bytes, error;
  if (!ReadFileToString(path, bytes, error)) return Fail(path + ": " + error);
  // The main file is a component record; anything else is read as a light
  // file, whose reader names what is wrong with it.
  if (bytes.rfind("TPF0", 0) == 0) {
    TLanguage table;
    if (!table.LoadFromBytes(bytes)) return Fail(path + ": " + table.LastError());
    return DumpTable(table, codePage);
  }
  TLiteLanguage table;
  if (!table.LoadFromBytes(bytes)) return Fail(path + ": " + table.LastError());
  return DumpTable(table, codePage);
}

int RunLang(const std::vector<std::string>& args) {
  TArguments arguments({"llf", "ll2"}, {"name", "codepage"});
  if (!arguments.Parse(args)) return UsageError(kCommand, arguments.Problem());
  const auto& words = arguments.Positional();
  if (words.empty()) return UsageError(kCommand, "write or dump?");
  const std::string codePage = CodePageName(arguments.Option("codepage", kDefaultCodePage));
  if (codePage.empty())
    return UsageError(kCommand, "unknown code page " + arguments.Option("codepage"));
  if (words[0] == "write") return Write(arguments, codePage);
  if (words[0] == "dump") return Dump(arguments, codePage);
  return UsageError(kCommand, "unknown action " + words[0]);
}

}  // namespace

extern const TCommand kLangCommand = {
    kCommand,
    "  lang write --llf|--ll2 TABLE OUT [--name LANGUAGE] [--codepage CP]\n"
    "      make a main (.llf) or light (.ll2) language file from a UTF-8 table of\n"
    "      SOURCE<TAB>TRANSLATION lines; CP is the file's Windows code page (CP1252)\n"
    "  lang dump FILE [--codepage CP]\n"
    "      print a language file's name and pairs as UTF-8, in table order",
    RunLang};

}  // namespace lumigram::cli
