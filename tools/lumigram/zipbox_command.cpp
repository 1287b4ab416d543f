#include "tools/lumigram/zipbox_command.h"

#include <iostream>

#include "storage/box_carrier.h"
#include "storage/box_path.h"
#include "storage/zip_box.h"
#include "tools/lumigram/arguments.h"
#include "tools/lumigram/command.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram::cli {

const char* const kZipBoxUsage =
    "  zipbox list BOX [--offset N]\n"
    "      one line per item: NAME, PATH, SIZE, METHOD, separated by tabs\n"
    "  zipbox extract BOX DIR\n"
    "      writes every item to DIR/PATH/NAME\n"
    "  zipbox create BOX [--path P] [--stored] [--carrier] FILE...\n"
    "      packs the files under folder P (default \\) with zlib, or as they are\n"
    "      with --stored; --carrier wraps the box in a 24-bit BMP image";

namespace {

constexpr const char* kCommand = "zipbox";

int FailOn(const std::string& what, const std::string& text) {
  return Fail(what + ": " + text);
}

bool LoadBox(const std::string& file, int64_t offset, TZipBox& box, std::string& error) {
  std::string bytes;
  if (!ReadFileToString(file, bytes, error)) return false;
  TMemoryStream stream(std::move(bytes));
  stream.SetPosition(offset);
  if (box.LoadFromStream(stream, false)) return true;
  error = box.LastError();
  return false;
}

// Names from strangers may hold tabs or line breaks that would forge lines.
std::string Printable(std::string text) {
  for (char& c : text)
    if (uint8_t(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

int List(const std::vector<std::string>& args) {
  TArguments parsed({}, {"offset"});
  if (!parsed.Parse(args)) return UsageError(kCommand, parsed.Problem());
  if (parsed.Positional().size() != 1) return UsageError(kCommand, "list needs one BOX");
  long long offset = 0;
  if (!parsed.IntOption("offset", offset, 0) || offset < 0)
    return UsageError(kCommand, "--offset needs a number of 0 or more");
  const std::string& file = parsed.Positional()[0];
  TZipBox box;
  std::string error;
  if (!LoadBox(file, offset, box, error)) return FailOn(file, error);
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem& item = *box.Items(i);
    std::cout << Printable(item.pName) << '\t' << Printable(item.pPath) << '\t' << item.pSize
              << '\t' << int(item.pM) << '\n';
  }
  return kExitOk;
}

int Extract(const std::vector<std::string>& args) {
  TArguments parsed({}, {});
  if (!parsed.Parse(args)) return UsageError(kCommand, parsed.Problem());
  if (parsed.Positional().size() != 2) return UsageError(kCommand, "extract needs BOX and DIR");
  const std::string& file = parsed.Positional()[0];
  if (parsed.Positional()[1].empty()) return UsageError(kCommand, "DIR must not be empty");
  const std::string target = IncludeSlash(parsed.Positional()[1]);
  TZipBox box;
  std::string error;
  if (!LoadBox(file, 0, box, error)) return FailOn(file, error);
  // Check every item before writing anything, so a hostile box leaves no trace.
  std::vector<std::string> folders(size_t(box.Count()));
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem& item = *box.Items(i);
    if (!BoxPathToRelative(item.pPath, folders[size_t(i)]) || !IsSafeBoxName(item.pName))
      return FailOn(Printable(item.pPath + item.pName), err::kAccessDenied);
  }
  for (int i = 0; i < box.Count(); ++i) {
    const TBoxItem* item = box.Items(i);
    const std::string folder = target + folders[size_t(i)];
    if (!ForceFolder(folder)) return FailOn(folder, err::kFileInUse);
    const std::string path = folder + item->pName;
    if (!box.ExtractToFile(item, path, true)) return FailOn(path, box.LastError());
  }
  return kExitOk;
}

int Create(const std::vector<std::string>& args) {
  TArguments parsed({"stored", "carrier"}, {"path"});
  if (!parsed.Parse(args)) return UsageError(kCommand, parsed.Problem());
  if (parsed.Positional().size() < 2) return UsageError(kCommand, "create needs BOX and FILE...");
  const std::string boxPath = ToBoxPath(parsed.Option("path", "\\"));
  std::string relative;
  if (!BoxPathToRelative(boxPath, relative))
    return UsageError(kCommand, "--path must stay inside the box");
  const uint8_t method = parsed.Flag("stored") ? kMethodStored : kMethodZlib;
  const std::string& target = parsed.Positional()[0];

  TZipBox box;
  std::string error;
  for (size_t i = 1; i < parsed.Positional().size(); ++i) {
    const std::string& file = parsed.Positional()[i];
    std::string bytes;
    if (!ReadFileToString(file, bytes, error)) return FailOn(file, error);
    auto item = std::make_unique<TBoxItem>();
    if (!MakeBoxItem(ExtractFileName(file), boxPath, bytes, method, *item, error))
      return FailOn(file, error);
    if (!box.Add(std::move(item))) return FailOn(file, box.LastError());
  }
  TMemoryStream records;
  if (!box.SaveToStream(records)) return FailOn(target, box.LastError());
  std::string image = records.TakeData();
  if (parsed.Flag("carrier") && !WrapInCarrier(std::string(image), image, error))
    return FailOn(target, error);
  if (!WriteStringToFile(target, image, error)) return FailOn(target, error);
  return kExitOk;
}

}  // namespace

int RunZipBox(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError(kCommand, "missing list, extract or create");
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "list") return List(rest);
  if (args[0] == "extract") return Extract(rest);
  if (args[0] == "create") return Create(rest);
  return UsageError(kCommand, "unknown subcommand " + args[0]);
}

}  // namespace lumigram::cli
