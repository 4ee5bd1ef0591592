// The options pages without windows: hot-key words, values kept as stored,
// the apply steps and their refusals, the interval, the editor proposal and
// the version page's texts.
#include "editor_proposal.h"
#include "main_settings.h"
#include "option_pages.h"
#include "option_values.h"
#include "options_sheet_layout.h"
#include "program_version.h"
#include "sim_test.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace tb;

constexpr std::uint16_t kShiftF5Word = 0x0174; // HOTKEYF_SHIFT, VK_F5
constexpr int kShiftF5 = 0x10074;

// Every page filled from the settings and applied untouched.
ComSettings untouched(const ComSettings &stored, const std::string &proposal = {}) {
  ComSettings chosen = stored;
  const PlayPageControls play = playPageOf(stored);
  const IntervalChoice interval = chosenInterval(stored.recordInterval, play.interval);
  EXPECT_EQ(interval.error, IntervalError::None);
  applyWindowPage(windowPageOf(stored), stored, chosen);
  EXPECT_EQ(applyRecordPage(recordPageOf(stored), stored, chosen), PageRefusal::None);
  applyPlayPage(play, interval.value, stored, chosen);
  EXPECT_EQ(applyEditorPage(editorPageOf(stored, proposal), stored, chosen), PageRefusal::None);
  return chosen;
}

TEST(OptionHotKeys, ControlWordsAndSettingsConvertBothWays) {
  EXPECT_EQ(hotKeySettingOf(kShiftF5Word), kShiftF5);
  EXPECT_EQ(hotKeySettingOf(kShiftF5Word), 65652);
  EXPECT_EQ(hotKeyControlWord(kShiftF5), kShiftF5Word);
  // Ctrl + Alt + extended Insert: every modifier bit finds its place.
  EXPECT_EQ(hotKeySettingOf(0x0E2D), 0x0E002D);
  EXPECT_EQ(hotKeyControlWord(0x0E002D), 0x0E2D);
  EXPECT_EQ(hotKeyControlWord(0), 0);
  EXPECT_EQ(hotKeySettingOf(0), 0);
  // Modifiers alone are no key.
  EXPECT_FALSE(holdsKey(0x0200));
  EXPECT_EQ(hotKeySettingOf(0x0200), 0);
}

TEST(OptionHotKeys, AnUntouchedControlGivesBackWhatTheSettingsHeld) {
  // Bits 8-15 have no place in the control's word.
  const int odd = 0x10074 | 0x0300;
  EXPECT_EQ(chosenHotKey(odd, hotKeyControlWord(odd)), odd);
  EXPECT_EQ(chosenHotKey(odd, 0x0175), 0x10075);
  EXPECT_EQ(chosenHotKey(kShiftF5, 0), 0); // cleared by the user
}

TEST(OptionValues, ValuesAPageCannotShowAreKeptUnlessTheUserChoosesAnother) {
  EXPECT_EQ(radioOf(3, 3), -1);
  EXPECT_EQ(radioOf(-1, 3), -1);
  EXPECT_EQ(radioOf(2, 3), 2);
  EXPECT_EQ(chosenRadio(3, -1), 3);
  EXPECT_EQ(chosenRadio(3, 0), 0);
  EXPECT_EQ(chosenCheck(5, true), 5);
  EXPECT_EQ(chosenCheck(5, false), 0);
  EXPECT_EQ(chosenCheck(0, true), 1);

  ComSettings odd;
  odd.recordWindowMode = 3; // the tray mode
  odd.playWindowMode = 9;
  odd.recordInterval = 500;
  odd.topMost = 2;
  odd.trace = 7;
  odd.recordEndKey = 0x7B | 0x0100;
  odd.playStartKey = 0x200; // modifiers alone
  odd.editorType = 4;
  odd.editorCommand = "ed.exe";
  EXPECT_EQ(untouched(odd, "C:\\WINDOWS\\notepad.exe"), odd);

  ComSettings plain;
  plain.recordWindowMode = 2;
  plain.recordEndKey = kShiftF5;
  plain.editorType = 1;
  plain.editorCommand = "\"C:\\Program Files\\ed\\ed.exe\" /n";
  EXPECT_EQ(untouched(plain), plain);
  EXPECT_EQ(untouched(ComSettings{}, "C:\\WINDOWS\\notepad.exe"), ComSettings{});
}

TEST(OptionValues, AWrittenValueChangesOnlyItsOwnKey) {
  // The sheet's copy, applied, writes exactly the keys the user changed.
  class Recorder : public Profile {
  public:
    std::vector<std::string> writes;
    std::string readString(const std::string &, const std::string &,
                           const std::string &d) override {
      return d;
    }
    int readInt(const std::string &, const std::string &, int d) override { return d; }
    bool writeString(const std::string &, const std::string &k, const std::string &v) override {
      writes.push_back(k + "=" + v);
      return true;
    }
    bool removeKey(const std::string &, const std::string &) override { return true; }
    bool removeSection(const std::string &) override { return true; }
  } profile;
  ComSettings current;
  ComSettings chosen = current;
  PlayPageControls play = playPageOf(current);
  play.startKey = kShiftF5Word;
  applyPlayPage(play, current.recordInterval, current, chosen);
  applyOptions(profile, current, chosen);
  EXPECT_EQ(profile.writes, std::vector<std::string>{"PlayStartKey=65652"});
}

TEST(RecordPage, HidingNeedsAnEndKeyAndOtherModesKeepTheOldOne) {
  ComSettings stored;
  stored.recordEndKey = 0x7A; // F11
  ComSettings chosen = stored;

  RecordPageControls controls = recordPageOf(stored);
  EXPECT_EQ(controls.window, 0);
  EXPECT_FALSE(recordEndKeyEnabled(controls));
  controls.window = kRecordHidden;
  EXPECT_TRUE(recordEndKeyEnabled(controls));
  controls.endKey = 0;
  EXPECT_EQ(applyRecordPage(controls, stored, chosen), PageRefusal::RecordEndKeyMissing);
  controls.endKey = 0x0200; // Ctrl alone
  EXPECT_EQ(applyRecordPage(controls, stored, chosen), PageRefusal::RecordEndKeyMissing);
  controls.endKey = kShiftF5Word;
  EXPECT_EQ(applyRecordPage(controls, stored, chosen), PageRefusal::None);
  EXPECT_EQ(chosen.recordEndKey, kShiftF5);
  EXPECT_EQ(chosen.recordWindowMode, 2);

  // Not hiding: an empty or other key in the control changes nothing.
  chosen = stored;
  controls.window = 1;
  controls.endKey = 0;
  EXPECT_EQ(applyRecordPage(controls, stored, chosen), PageRefusal::None);
  EXPECT_EQ(chosen.recordEndKey, 0x7A);
  EXPECT_EQ(chosen.recordWindowMode, 1);

  // The tray mode shows no radio button, so the key is not asked for.
  stored.recordWindowMode = 3;
  stored.recordEndKey = 0;
  chosen = stored;
  EXPECT_EQ(applyRecordPage(recordPageOf(stored), stored, chosen), PageRefusal::None);
  EXPECT_EQ(chosen.recordWindowMode, 3);
}

TEST(PlayPage, TheIntervalIsAnIntegerFrom1To199) {
  EXPECT_EQ(chosenInterval(30, "0").error, IntervalError::OutOfRange);
  EXPECT_EQ(chosenInterval(30, "200").error, IntervalError::OutOfRange);
  EXPECT_EQ(chosenInterval(30, "-5").error, IntervalError::OutOfRange);
  EXPECT_EQ(chosenInterval(30, "x").error, IntervalError::NotANumber);
  EXPECT_EQ(chosenInterval(30, "").error, IntervalError::NotANumber);
  EXPECT_EQ(chosenInterval(30, "1 2").error, IntervalError::NotANumber);
  EXPECT_EQ(chosenInterval(30, "99999999999").error, IntervalError::NotANumber);
  EXPECT_EQ(chosenInterval(30, "1").value, 1);
  EXPECT_EQ(chosenInterval(30, "199").value, 199);
  EXPECT_EQ(chosenInterval(30, " 42 ").value, 42);
  // A stored value out of range stands while its text is untouched.
  EXPECT_EQ(chosenInterval(500, "500").error, IntervalError::None);
  EXPECT_EQ(chosenInterval(500, "500").value, 500);
  EXPECT_EQ(chosenInterval(500, "0500").error, IntervalError::OutOfRange);
}

TEST(PlayPage, TheRefusalsNameTheRange) {
  const std::string notANumber = "not a number";
  const std::string range = "%1 to %2, please";
  EXPECT_EQ(intervalMessage(IntervalError::OutOfRange, notANumber, range), "1 to 199, please");
  EXPECT_EQ(intervalMessage(IntervalError::NotANumber, notANumber, range), notANumber);
  EXPECT_EQ(intervalMessage(IntervalError::None, notANumber, range), "");
}

TEST(PlayPage, KeysAreZeroWhenTheirControlsHoldNone) {
  ComSettings stored;
  stored.playStartKey = kShiftF5;
  stored.playEndKey = 0x7B;
  ComSettings chosen = stored;
  PlayPageControls controls = playPageOf(stored);
  controls.startKey = 0;
  controls.stopKey = 0x0400; // Alt alone
  controls.trace = true;
  controls.window = 2;
  applyPlayPage(controls, 7, stored, chosen);
  EXPECT_EQ(chosen.playStartKey, 0);
  EXPECT_EQ(chosen.playEndKey, 0);
  EXPECT_EQ(chosen.trace, 1);
  EXPECT_EQ(chosen.playWindowMode, 2);
  EXPECT_EQ(chosen.recordInterval, 7);
}

TEST(EditorPage, TheTypeDecidesWhatCommandIsKept) {
  ComSettings stored;
  stored.editorType = 1;
  stored.editorCommand = "ed.exe";
  EditorPageControls controls = editorPageOf(stored, "notepad.exe");
  EXPECT_EQ(controls.type, 1);
  EXPECT_EQ(controls.command, "ed.exe");

  ComSettings chosen = stored;
  controls.type = 0;
  EXPECT_EQ(applyEditorPage(controls, stored, chosen), PageRefusal::None);
  EXPECT_EQ(chosen.editorType, 0);
  EXPECT_EQ(chosen.editorCommand, ""); // the other command is forgotten

  controls = {1, ""};
  chosen = stored;
  EXPECT_EQ(applyEditorPage(controls, stored, chosen), PageRefusal::EditorCommandMissing);
  EXPECT_EQ(chosen, stored);

  // Type 0 starts with the proposal, kept only when "その他" is chosen.
  ComSettings textEditor;
  controls = editorPageOf(textEditor, "C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(controls.type, 0);
  EXPECT_EQ(controls.command, "C:\\WINDOWS\\notepad.exe");
  controls.type = 1;
  chosen = textEditor;
  EXPECT_EQ(applyEditorPage(controls, textEditor, chosen), PageRefusal::None);
  EXPECT_EQ(chosen.editorType, 1);
  EXPECT_EQ(chosen.editorCommand, "C:\\WINDOWS\\notepad.exe");

  EXPECT_FALSE(textEditorEnabled(""));
  EXPECT_TRUE(textEditorEnabled("notepad.exe %1"));
}

class EditorProposal : public SimTest {};

TEST_F(EditorProposal, NotepadIsNamedWhateverItsCase) {
  EXPECT_TRUE(namesNotepad("C:\\WINDOWS\\NOTEPAD.EXE %1"));
  EXPECT_TRUE(namesNotepad("\"C:\\Windows\\system32\\Notepad.exe\" \"%1\""));
  EXPECT_FALSE(namesNotepad("C:\\Program Files\\ed\\ed.exe %1"));
  EXPECT_FALSE(namesNotepad("notepad.ex"));
  // 0x8A and the "n" after it are one character: what follows is "otepad".
  EXPECT_FALSE(namesNotepad("C:\\\x8A"
                            "notepad.exe"));
  EXPECT_TRUE(namesNotepad("C:\\\x8A\x6E"
                           "notepad.exe"));
}

TEST_F(EditorProposal, TheWindowsFolderComesFirstThenTheSystemFolder) {
  std::set<std::string> files;
  std::vector<std::string> asked;
  const FileExists exists = [&](const std::string &path) {
    asked.push_back(path);
    return files.count(path) > 0;
  };
  const std::string windows = "C:\\WINDOWS", system = "C:\\WINDOWS\\system32\\";
  const std::string ed = "\"C:\\Program Files\\ed\\ed.exe\" \"%1\"";

  EXPECT_EQ(proposedEditor(ed, windows, system, exists), "");
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\WINDOWS\\notepad.exe",
                                             "C:\\WINDOWS\\system32\\notepad.exe"}));
  files.insert("C:\\WINDOWS\\system32\\notepad.exe");
  EXPECT_EQ(proposedEditor(ed, windows, system, exists), "C:\\WINDOWS\\system32\\notepad.exe");
  files.insert("C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(proposedEditor(ed, windows, system, exists), "C:\\WINDOWS\\notepad.exe");
  // No text editor at all: notepad is still worth offering.
  EXPECT_EQ(proposedEditor("", windows, system, exists), "C:\\WINDOWS\\notepad.exe");

  // Nothing beside the text editor when that is notepad itself.
  asked.clear();
  EXPECT_EQ(proposedEditor("C:\\WINDOWS\\notepad.exe %1", windows, system, exists), "");
  EXPECT_TRUE(asked.empty());
}

TEST_F(EditorProposal, AChosenProgramWithABlankIsQuoted) {
  EXPECT_EQ(editorCommandOfProgram("C:\\Program Files\\ed\\ed.exe"),
            "\"C:\\Program Files\\ed\\ed.exe\"");
  EXPECT_EQ(editorCommandOfProgram("C:\\tools\\ed.exe"), "C:\\tools\\ed.exe");
  // And back, for its icon.
  EXPECT_EQ(programOfCommand("\"C:\\Program Files\\ed\\ed.exe\" /n \"%1\""),
            "C:\\Program Files\\ed\\ed.exe");
  EXPECT_EQ(programOfCommand("  notepad.exe %1"), "notepad.exe");
  EXPECT_EQ(programOfCommand("\"C:\\unclosed"), "C:\\unclosed");
  EXPECT_EQ(programOfCommand(""), "");
}

class VersionPage : public SimTest {};

TEST_F(VersionPage, TheVersionLineCarriesTheBuildDate) {
  EXPECT_EQ(buildDateText("Jan  2 2025"), "2025/01/02");
  EXPECT_EQ(buildDateText("Dec 31 1999"), "1999/12/31");
  EXPECT_EQ(buildDateText("Foo 31 1999"), "Foo 31 1999");
  EXPECT_EQ(buildDateText("Dec 32 1999"), "Dec 32 1999");
  EXPECT_EQ(buildDateText(""), "");
  EXPECT_EQ(programBuildDate().size(), 10u);
  EXPECT_EQ(versionLine("Version %1 (%2)", kProgramVersion, "2025/01/02"),
            std::string("Version ") + kProgramVersion + " (2025/01/02)");
}

TEST(OptionsSheetLayout, TheButtonsAreCentredWithTheirGap) {
  EXPECT_EQ(optionsSheetWidth(96), 325);
  EXPECT_EQ(optionsSheetWidth(144), 488);
  // OK at 100, Cancel at 180, both 75 wide: a gap of 5.
  const ButtonPair pair = centredButtons(325, 100, 75, 180, 75);
  EXPECT_EQ(pair.okLeft, 85);
  EXPECT_EQ(pair.cancelLeft, 165);
  const int rightMargin = 325 - (pair.cancelLeft + 75);
  EXPECT_LE(std::abs(rightMargin - pair.okLeft), 1);
}

} // namespace
