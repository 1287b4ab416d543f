// The cursor and sound commands: clipboard files shared with other
// programs, the format check, and the sound clipboard type by file ages.

#include <gtest/gtest.h>

#include "editor/command_codes.h"
#include "tests/editor/element_fixtures.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

using CursorCommands = ElementTest;

TEST_F(CursorCommands, CutThenPasteRestoresTheCursor) {
  const std::string cursor = SmallCursorFile(kRed);
  WriteTestFile(folder / "red.cur", cursor);
  ASSERT_TRUE(editor->Execute(kLoadCursorFile, folder / "red.cur"));
  EXPECT_EQ(editor.Info().Cursor, cursor);
  EXPECT_TRUE(editor.Window().Cursor.has_value());

  EXPECT_FALSE(editor->Execute(-kPasteCursor));
  ASSERT_TRUE(editor->Execute(kCutCursor));
  EXPECT_TRUE(editor.Info().Cursor.empty());
  EXPECT_FALSE(editor.Window().Cursor.has_value());
  EXPECT_TRUE(UndoKindIs(kUndoCursor));
  EXPECT_EQ(ReadTestFile(editor->ClipboardFile("CUR")), cursor);

  ASSERT_TRUE(editor->Execute(-kPasteCursor));
  ASSERT_TRUE(editor->Execute(kPasteCursor));
  EXPECT_EQ(editor.Info().Cursor, cursor);
  EXPECT_TRUE(editor.Window().Cursor.has_value());
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_TRUE(editor.Info().Cursor.empty());
}

TEST_F(CursorCommands, PasteFromIconWaitsForAnotherProgramsIcon) {
  EXPECT_FALSE(editor->Execute(-kPasteCursorFromIcon));
  EXPECT_FALSE(editor->Execute(kPasteCursorFromIcon));
  const std::string icon = SmallCursorFile(kRed, true);
  WriteTestFile(editor->ClipboardFile("ICO"), icon);
  ASSERT_TRUE(editor->Execute(-kPasteCursorFromIcon));
  ASSERT_TRUE(editor->Execute(kPasteCursorFromIcon));
  EXPECT_EQ(editor.Info().Cursor, icon);

  // A type that is no cursor format is refused before anything is read.
  WriteTestFile(editor->ClipboardFile("WAV"), icon);
  EXPECT_FALSE(editor->Execute(-kPasteCursor, "WAV"));
  EXPECT_FALSE(editor->Execute(kPasteCursor, "WAV"));
  EXPECT_EQ(editor->LastError(), "Unsupported format");
}

TEST_F(CursorCommands, AFileOfAnotherFormatIsUnsupported) {
  WriteTestFile(folder / "red.png", SmallCursorFile(kRed));
  editor.Services.ChooseFile(folder / "red.png");
  EXPECT_FALSE(editor->Execute(kSelectCursor));
  EXPECT_EQ(editor->LastError(), "Unsupported format");
  EXPECT_TRUE(editor.Info().Cursor.empty());
  EXPECT_FALSE(editor->CanUndo());
  EXPECT_TRUE(editor->Saved());
  ASSERT_FALSE(editor.Services.FileDialogs.empty());
  EXPECT_EQ(editor.Services.FileDialogs[0].Filter, TLumigramCreator::CursorFormatsFilter());
}

TEST_F(CursorCommands, ADamagedCursorFileKeepsTheCursorShown) {
  const std::string cursor = SmallCursorFile(kRed);
  WriteTestFile(folder / "good.cur", cursor);
  WriteTestFile(folder / "bad.cur", cursor.substr(0, 30));
  ASSERT_TRUE(editor->Execute(kLoadCursorFile, folder / "good.cur"));
  EXPECT_FALSE(editor->Execute(kLoadCursorFile, folder / "bad.cur"));
  EXPECT_EQ(editor->LastError(), "Unknown format");
  EXPECT_EQ(editor.Info().Cursor, cursor);
  EXPECT_TRUE(editor.Window().Cursor.has_value());
}

TEST_F(CursorCommands, SaveWritesTheBytesUnchanged) {
  EXPECT_FALSE(editor->Execute(-kSaveCursorAs));
  const std::string cursor = SmallCursorFile(kRed);
  WriteTestFile(folder / "in.cur", cursor);
  ASSERT_TRUE(editor->Execute(kLoadCursorFile, folder / "in.cur"));
  editor.Services.ChooseFile(folder / "out");
  ASSERT_TRUE(editor->Execute(kSaveCursorAs));
  EXPECT_EQ(ReadTestFile(folder / "out.cur"), cursor);
}

class SoundCommands : public ElementTest {
 protected:
  // A sound file of the type; the test device plays any bytes.
  std::string SoundFile(const std::string& name, const std::string& bytes) {
    WriteTestFile(folder / name, bytes);
    return folder / name;
  }
};

TEST_F(SoundCommands, TheNewestTypedFileGivesTheClipboardType) {
  for (const char* type : {"MID", "MP3", "WMA"}) {
    WriteTestFile(editor->ClipboardFile(type), std::string("old ") + type);
    AgeFile(editor->ClipboardFile(type), 3600);
  }
  EXPECT_FALSE(editor->Execute(-kPasteSound));
  EXPECT_EQ(editor->SoundClipboardType(), "");

  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("tune.wav", "wave bytes")));
  ASSERT_TRUE(editor->Execute(kCopySound));
  EXPECT_EQ(editor->SoundClipboardType(), "WAV");
  ASSERT_TRUE(editor->Execute(-kPasteSound));

  ASSERT_TRUE(editor->Execute(kClearSound));
  EXPECT_FALSE(editor->Card().HasSound());
  ASSERT_TRUE(editor->Execute(kPasteSound));
  EXPECT_EQ(editor.Info().Sound, "wave bytes");
  EXPECT_EQ(editor.Info().SoundType, "WAV");
}

TEST_F(SoundCommands, TypesWrittenByAnotherProgramAreChosenByAge) {
  WriteTestFile(editor->ClipboardFile("SND"), "x");
  WriteTestFile(editor->ClipboardFile("MP3"), "x");
  WriteTestFile(editor->ClipboardFile("MID"), "x");
  AgeFile(editor->ClipboardFile("MID"), 600);
  EXPECT_EQ(editor->SoundClipboardType(), "MP3");
  // Equal ages: the earlier type wins.
  WriteTestFile(editor->ClipboardFile("MID"), "x");
  EXPECT_EQ(editor->SoundClipboardType(), "MID");
  DeleteFileIfExists(editor->ClipboardFile("SND"));
  EXPECT_EQ(editor->SoundClipboardType(), "");
}

TEST_F(SoundCommands, ACopyRightAfterAnotherPastesItsOwnType) {
  // Both copies fall within the two seconds a file age can tell apart.
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("a.mid", "midi bytes")));
  ASSERT_TRUE(editor->Execute(kCopySound));
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("b.wav", "wave bytes")));
  ASSERT_TRUE(editor->Execute(kCopySound));
  EXPECT_EQ(editor->SoundClipboardType(), "WAV");
  ASSERT_TRUE(editor->Execute(kClearSound));
  ASSERT_TRUE(editor->Execute(kPasteSound));
  EXPECT_EQ(editor.Info().SoundType, "WAV");
  EXPECT_EQ(editor.Info().Sound, "wave bytes");
}

TEST_F(SoundCommands, CutLeavesOneSoundUndo) {
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("a.mid", "midi bytes")));
  editor->BeginChange(kUndoNone);
  ASSERT_TRUE(editor->Execute(kCutSound));
  EXPECT_FALSE(editor->Card().HasSound());
  EXPECT_EQ(ReadTestFile(editor->ClipboardFile("SND")), "midi bytes");
  EXPECT_EQ(ReadTestFile(editor->ClipboardFile("MID")), "midi bytes");
  ASSERT_TRUE(editor->Execute(kUndo));
  EXPECT_EQ(editor.Info().Sound, "midi bytes");
  EXPECT_EQ(editor.Info().SoundType, "MID");
}

TEST_F(SoundCommands, LoadingWhilePlayingSwitchesAndKeepsPlaying) {
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("a.mid", "first")));
  EXPECT_FALSE(editor->Execute(-kStopSound));
  ASSERT_TRUE(editor->Execute(kPlaySound));
  ASSERT_TRUE(editor->Execute(-kStopSound));
  EXPECT_FALSE(editor->Execute(-kPlaySound));

  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("b.mp3", "second")));
  EXPECT_TRUE(editor->Card().IsPlaying());
  EXPECT_EQ(editor.Info().SoundType, "MP3");
  EXPECT_EQ(ReadTestFile(editor.Platform.LastSound->OpenedFiles.back()), "second");

  ASSERT_TRUE(editor->Execute(kStopSound));
  EXPECT_FALSE(editor->Card().IsPlaying());
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("c.wav", "third")));
  EXPECT_FALSE(editor->Card().IsPlaying());
}

TEST_F(SoundCommands, AFailedLoadKeepsTheSoundAndItsPlaying) {
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("a.mid", "first")));
  ASSERT_TRUE(editor->Execute(kPlaySound));
  EXPECT_FALSE(editor->Execute(kLoadSoundFile, folder / "missing.wav"));
  EXPECT_EQ(editor->LastError(), "File not found");
  EXPECT_FALSE(editor->Execute(kLoadSoundFile, SoundFile("notes.txt", "text")));
  EXPECT_EQ(editor->LastError(), "Unknown format");
  EXPECT_EQ(editor.Info().Sound, "first");
  EXPECT_EQ(editor.Info().SoundType, "MID");
  EXPECT_TRUE(editor->Card().IsPlaying());
}

TEST_F(SoundCommands, SelectChecksTheFormat) {
  editor.Services.ChooseFile(SoundFile("notes.txt", "text"));
  EXPECT_FALSE(editor->Execute(kSelectSound));
  EXPECT_EQ(editor->LastError(), "Unsupported format");
  EXPECT_FALSE(editor->CanUndo());

  editor.Services.ChooseFile(SoundFile("tune.RMI", "midi"));
  ASSERT_TRUE(editor->Execute(kSelectSound));
  EXPECT_EQ(editor.Info().SoundType, "MID");
}

TEST_F(SoundCommands, SaveOffersTheFormatOfTheSound) {
  EXPECT_FALSE(editor->Execute(-kSaveSoundAs));
  ASSERT_TRUE(editor->Execute(kLoadSoundFile, SoundFile("tune.wma", "wma bytes")));
  editor.Services.ChooseFile(folder / "saved");
  ASSERT_TRUE(editor->Execute(kSaveSoundAs));
  EXPECT_EQ(editor.Services.FileDialogs.back().Filter, "Windows Media Audio (*.wma)|*.wma");
  EXPECT_EQ(ReadTestFile(folder / "saved.wma"), "wma bytes");
}

TEST_F(SoundCommands, VolumeControlStartsOnlyWhenInstalled) {
  EXPECT_FALSE(editor->Execute(-kVolumeControl));
  EXPECT_FALSE(editor->Execute(kVolumeControl));
  editor.Services.VolumeControl = {"pavucontrol"};
  ASSERT_TRUE(editor->Execute(kVolumeControl));
  ASSERT_EQ(editor.Platform.DesktopDouble.Started.size(), 1u);
  EXPECT_EQ(editor.Platform.DesktopDouble.Started[0], editor.Services.VolumeControl);
}

}  // namespace
}  // namespace lumigram::testing
