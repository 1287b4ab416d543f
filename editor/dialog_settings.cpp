// The file dialogs' settings, their filters, and running one.

#include <optional>
#include <vector>

#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "imaging/image_registry.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram {

namespace {

namespace t = editor_text;

std::string Tr(const char* text) {
  return TranslateLite(text);
}

// "name|patterns|" entries and their patterns, joined under a group heading:
// heading|all patterns|entries, without the trailing separators.
std::string GroupedFilter(const char* heading,
                          const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string names, patterns;
  for (const auto& [entry, pattern] : entries) {
    names += entry;
    patterns += pattern;
  }
  if (!names.empty()) names.pop_back();
  if (!patterns.empty()) patterns.pop_back();
  return Tr(heading) + "|" + patterns + "|" + names;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The extension a save filter entry stands for: the text after the last "."
// of its pattern list; empty for wildcards or an entry that does not exist.
std::string FilterExtension(const std::string& filter, int index) {
  const std::vector<std::string> parts = Split(filter, '|');
  const size_t slot = size_t(index - 1) * 2 + 1;
  if (index < 1 || slot >= parts.size()) return {};
  std::string patterns = parts[slot];
  while (!patterns.empty() && patterns.back() == ';') patterns.pop_back();
  const size_t dot = patterns.rfind('.');
  if (dot == std::string::npos) return {};
  const std::string ext = patterns.substr(dot + 1);
  if (ext.empty() || ext.find_first_of("*?;") != std::string::npos) return {};
  return ext;
}

std::optional<TDialogSetting> MatchingOpenSetting(TDialogSetting save) {
  switch (save) {
    case TDialogSetting::SaveCard:
      return TDialogSetting::OpenCard;
    case TDialogSetting::SavePicture:
      return TDialogSetting::OpenPicture;
    case TDialogSetting::SaveCursor:
      return TDialogSetting::OpenCursor;
    case TDialogSetting::SaveSound:
      return TDialogSetting::OpenSound;
    case TDialogSetting::SaveFrame:
      return TDialogSetting::OpenFrame;
    case TDialogSetting::SaveMessage:
      return TDialogSetting::OpenMessage;
    default:
      return std::nullopt;
  }
}

// The open picture filter: every picture format, but icons only under their
// own entry.
std::string PictureOpenFilter(std::string& defaultExt) {
  const TOpenImageEventCollection& formats = TOpenImage::Shared().Formats();
  if (formats.Count() > 0) {
    defaultExt = formats.Entry(0).Ext;
    if (!defaultExt.empty() && defaultExt.front() == '.') defaultExt.erase(0, 1);
  }
  return ReplaceAll(formats.Filter(-2, 0), ";*.ICO", "");
}

}  // namespace

std::string TLumigramCreator::CursorFormatsFilter() {
  return GroupedFilter(t::kAllCursors, {{Tr(t::kAnimatedCursor) + " (*.ani)|*.ani|", "*.ani;"},
                                        {Tr(t::kIcon) + " (*.ico)|*.ico|", "*.ico;"},
                                        {Tr(t::kCursor) + " (*.cur)|*.cur|", "*.cur;"}});
}

std::string TLumigramCreator::SoundFormatsFilter() {
  return GroupedFilter(t::kAllSounds, {{Tr(t::kMidi) + " (*.mid,*.midi,*.rmi)|*.mid;*.midi;*.rmi|",
                                        "*.mid;*.midi;*.rmi;"},
                                       {Tr(t::kWave) + " (*.wav,*.au)|*.wav;*.au|", "*.wav;*.au;"},
                                       {Tr(t::kMp3) + " (*.mp3)|*.mp3|", "*.mp3;"},
                                       {Tr(t::kWindowsMediaAudio) + " (*.wma)|*.wma|", "*.wma;"}});
}

void TLumigramCreator::BuildDialogSettings() {
  TPaths& paths = TPaths::Shared();
  auto set = [&](TDialogSetting which, bool save, std::string filter, std::string ext,
                 const char* folder) {
    TOpenInfo& info = DialogSetting(which);
    info.DefaultExt = std::move(ext);
    info.Options = save ? kSaveDialogOptions : kOpenDialogOptions;
    info.Filter = std::move(filter);
    info.FilterIndex = 1;
    info.FileName = paths.MakerFolder(folder);
  };
  const std::string cards = Tr(t::kLumigrams) + " (*.exe)|*.exe";
  set(TDialogSetting::SaveCard, true, cards, "EXE", t::kCardFolder);
  set(TDialogSetting::OpenCard, false, cards, "EXE", t::kCardFolder);
  std::string pictureExt;
  std::string pictures = PictureOpenFilter(pictureExt);
  set(TDialogSetting::OpenPicture, false, std::move(pictures), pictureExt, t::kPictureFolder);
  set(TDialogSetting::SavePicture, true,
      Tr(t::kBitmap) + " (*.bmp)|*.bmp|" + Tr(t::kJpeg) + " (*.jpg)|*.jpg|" +
          Tr(t::kOptimisedImage) + " (*.omi)|*.omi",
      "", t::kPictureFolder);
  set(TDialogSetting::OpenCursor, false, CursorFormatsFilter(), "cur", t::kCursorFolder);
  set(TDialogSetting::SaveCursor, true, Tr(t::kCursor) + " (*.cur)|*.cur", "", t::kCursorFolder);
  set(TDialogSetting::OpenSound, false, SoundFormatsFilter(), "", t::kSoundFolder);
  set(TDialogSetting::SaveSound, true, Tr(t::kMidi) + " (*.mid)|*.mid", "", t::kSoundFolder);
  set(TDialogSetting::OpenFrame, false,
      Tr(t::kAllFrames) + "|*.frm;*.frs|" + Tr(t::kFrame) + " (*.frm)|*.frm|" + Tr(t::kFrameStyle) +
          " (*.frs)|*.frs",
      "", t::kFrameFolder);
  set(TDialogSetting::OpenFrameStyle, false, Tr(t::kFrameStyle) + " (*.frs)|*.frs", "",
      t::kFrameFolder);
  set(TDialogSetting::SaveFrame, true,
      Tr(t::kFrame) + " (*.frm)|*.frm|" + Tr(t::kFrameStyle) + " (*.frs)|*.frs", "",
      t::kFrameFolder);
  set(TDialogSetting::OpenMessage, false,
      Tr(t::kAllMessages) + "|*.msg;*.txt|" + Tr(t::kMessages) + " (*.msg)|*.msg|" +
          Tr(t::kTextDocuments) + " (*.txt)|*.txt|" + Tr(t::kAllFiles) + " (*.*)|*.*",
      "TXT", t::kMessageFolder);
  set(TDialogSetting::SaveMessage, true,
      Tr(t::kMessages) + " (*.msg)|*.msg|" + Tr(t::kTextDocuments) + " (*.txt)|*.txt", "",
      t::kMessageFolder);
}

bool TLumigramCreator::RunFileDialog(TDialogSetting setting, TFileDialogKind kind,
                                     const std::string& folder) {
  TOpenInfo& info = DialogSetting(setting);
  const bool save = IsSaveDialog(kind);
  if (save) {
    std::string proposed;
    if (setting == TDialogSetting::SaveCard)
      proposed = card_name_;
    else if (const std::optional<TDialogSetting> open = MatchingOpenSetting(setting))
      proposed = ExtractFileName(DialogSetting(*open).FileName);
    if (!proposed.empty()) info.FileName = ExtractFolder(info.FileName) + proposed;
  }

  TFileDialogRequest request;
  request.Kind = kind;
  request.DefaultExt = info.DefaultExt;
  request.Options = info.Options;
  request.Filter = info.Filter;
  request.FilterIndex = info.FilterIndex;
  request.Folder = folder.empty() ? ExtractFolder(info.FileName) : IncludeSlash(folder);
  if (request.Folder.empty() || !FolderExists(request.Folder))
    request.Folder = TPaths::Shared().HomeFolder();
  if (save) request.FileName = ExtractFileName(info.FileName);

  for (;;) {
    const TFileDialogAnswer answer = services_.RunFileDialog(request);
    if (!answer.Accepted || answer.FileName.empty()) return false;
    info.FilterIndex = answer.FilterIndex;
    std::string file = answer.FileName;
    if (save) {
      const std::string ext = FilterExtension(info.Filter, answer.FilterIndex);
      const std::string name = ExtractFileName(file);
      if (!ext.empty() && UpperAscii(ExtractExtension(name)) != UpperAscii(ext)) {
        const std::string stem = name.find('.') == std::string::npos ? name : StripExtension(name);
        file = ExtractFolder(file) + stem + "." + LowerAscii(ext);
      }
      if (FileExistsNotFolder(file) &&
          !services_.AskWarningYesNo(TranslateLite(t::kWarning),
                                     file + " " + TranslateLite(t::kAlreadyExists))) {
        // No: the dialog again, at the name the user would have replaced.
        request.Folder = ExtractFolder(file);
        request.FileName = ExtractFileName(file);
        request.FilterIndex = answer.FilterIndex;
        continue;
      }
    }
    info.FileName = file;
    return true;
  }
}

bool TLumigramCreator::FormatCheck(const std::string& file, const std::string& filter) {
  const std::string wanted = "*." + UpperAscii(ExtractExtension(ExtractFileName(file)));
  // Whole patterns only: "x.cu" must not pass because of "*.cur".
  for (const std::string& part : Split(UpperAscii(filter), '|'))
    for (const std::string& pattern : Split(part, ';'))
      if (pattern == wanted && wanted.size() > 2) return true;
  last_error_ = err::kUnsupportedFormat;
  return false;
}

}  // namespace lumigram
