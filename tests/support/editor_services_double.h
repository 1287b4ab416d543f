#pragma once
// A scripted stand-in for the editor's desktop: every dialog and question
// answers from a queue (cancel or No when the queue is empty), and whatever
// was asked or put on the clipboard is recorded. Boxes, opening, starting
// and printing are the card platform double's.

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor_services.h"

namespace lumigram::testing {

class TRecordingTextWindow : public TEditorTextWindow {
 public:
  void Setup(const TTextWindowSetup& setup) override { Settings = setup; }
  void SetText(const std::string& text) override {
    Content = text;
    Changed();
  }
  std::string Text() const override { return Content; }
  std::vector<std::string> Lines() const override {
    if (!ShownLines.empty()) return ShownLines;
    std::vector<std::string> lines;
    if (Content.empty()) return lines;
    size_t start = 0;
    for (;;) {
      const size_t end = Content.find("\r\n", start);
      lines.push_back(
          Content.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) return lines;
      start = end + 2;
    }
  }
  void SetFont(const TFont& font) override { Font = font; }
  void SetAlignment(int alignment) override { Alignment = alignment; }
  void SetEditEnabled(bool enabled) override { EditEnabled = enabled; }
  void ShowWindow() override { ++ShowCount; }

  // The user types: the window's whole text becomes text.
  void Type(const std::string& text) {
    Content = text;
    Changed();
  }

  TTextWindowSetup Settings;
  std::string Content;
  // When set, what Lines answers (as wrapping would split the text).
  std::vector<std::string> ShownLines;
  TFont Font;
  int Alignment = 0;
  bool EditEnabled = true;
  int ShowCount = 0;
  int TypedEvents = 0;

 private:
  void Changed() {
    if (!EditEnabled || !OnTyped) return;
    ++TypedEvents;
    OnTyped();
  }
};

class TEditorServicesDouble : public TEditorServices {
 public:
  enum class TBox { WarningYesNo, WarningYesNoCancel };
  struct TShownBox {
    TBox Kind;
    std::string Caption;
    std::string Text;
  };
  struct TPrompt {
    std::string Caption;
    std::string Prompt;
    std::string Start;
  };

  // ---- Dialogs ----
  TFileDialogAnswer RunFileDialog(const TFileDialogRequest& request) override {
    FileDialogs.push_back(request);
    return Next(FileAnswers, TFileDialogAnswer{});
  }
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override {
    Prompts.push_back({caption, prompt, value});
    const std::optional<std::string> typed = Next(PromptAnswers, std::optional<std::string>());
    if (!typed) return false;
    value = *typed;
    return true;
  }
  bool ChooseColour(TColor& colour) override {
    ColourStarts.push_back(colour);
    const std::optional<TColor> chosen = Next(ColourAnswers, std::optional<TColor>());
    if (!chosen) return false;
    colour = *chosen;
    return true;
  }
  bool ChooseFont(TFont& font) override {
    FontStarts.push_back(font);
    const std::optional<TFont> chosen = Next(FontAnswers, std::optional<TFont>());
    if (!chosen) return false;
    font = *chosen;
    return true;
  }
  bool EditPreferences(TCardPreferences& prefs) override {
    PreferencesShown.push_back(prefs);
    const std::optional<TCardPreferences> chosen =
        Next(PreferenceAnswers, std::optional<TCardPreferences>());
    if (!chosen) return false;
    prefs = *chosen;
    return true;
  }

  // ---- Message boxes ----
  TWarningAnswer AskWarningYesNoCancel(const std::string& caption,
                                       const std::string& text) override {
    Boxes.push_back({TBox::WarningYesNoCancel, caption, text});
    return Next(YesNoCancelAnswers, TWarningAnswer::Cancel);
  }
  bool AskWarningYesNo(const std::string& caption, const std::string& text) override {
    Boxes.push_back({TBox::WarningYesNo, caption, text});
    return Next(YesNoAnswers, false);
  }

  // ---- Clipboard ----
  bool ClipboardHasBitmap() override { return Clipboard.has_value(); }
  bool GetClipboardBitmap(TBitmap& bitmap) override {
    if (!Clipboard) return false;
    bitmap = *Clipboard;
    return true;
  }
  bool SetClipboardBitmap(const TBitmap& bitmap) override {
    if (!ClipboardWritable) return false;
    Clipboard = bitmap;
    return true;
  }

  // ---- Desktop ----
  std::vector<std::string> VolumeControlProgram() override { return VolumeControl; }

  // ---- Windows ----
  TEditorTextWindow& MessageWindow() override { return MessageText; }
  TEditorTextWindow& StyleCodeWindow() override { return StyleCode; }
  void ShowInfoWindow(const TInfoReport& report) override { Reports.push_back(report); }

  // Scripts.
  std::deque<TFileDialogAnswer> FileAnswers;
  std::deque<std::optional<std::string>> PromptAnswers;
  std::deque<std::optional<TColor>> ColourAnswers;
  std::deque<std::optional<TFont>> FontAnswers;
  std::deque<std::optional<TCardPreferences>> PreferenceAnswers;
  std::deque<TWarningAnswer> YesNoCancelAnswers;
  std::deque<bool> YesNoAnswers;
  std::optional<TBitmap> Clipboard;
  bool ClipboardWritable = true;
  std::vector<std::string> VolumeControl;

  // Records.
  std::vector<TFileDialogRequest> FileDialogs;
  std::vector<TPrompt> Prompts;
  std::vector<TColor> ColourStarts;
  std::vector<TFont> FontStarts;
  std::vector<TCardPreferences> PreferencesShown;
  std::vector<TShownBox> Boxes;
  std::vector<TInfoReport> Reports;
  TRecordingTextWindow MessageText;
  TRecordingTextWindow StyleCode;

  // Helpers for scripts.
  void ChooseFile(const std::string& file, int filterIndex = 1) {
    FileAnswers.push_back({true, file, filterIndex});
  }
  void CancelFileDialog() { FileAnswers.push_back({}); }

 private:
  template <class T>
  static T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

}  // namespace lumigram::testing
