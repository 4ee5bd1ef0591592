#include "option_pages.h"

namespace tb {

WindowPageControls windowPageOf(const ComSettings &stored) { return {checkOf(stored.topMost)}; }

void applyWindowPage(const WindowPageControls &controls, const ComSettings &stored,
                     ComSettings &chosen) {
  chosen.topMost = chosenCheck(stored.topMost, controls.topMost);
}

RecordPageControls recordPageOf(const ComSettings &stored) {
  return {radioOf(stored.recordWindowMode, 3), hotKeyControlWord(stored.recordEndKey),
          checkOf(stored.autoBackup)};
}

bool recordEndKeyEnabled(const RecordPageControls &controls) {
  return controls.window == kRecordHidden;
}

PageRefusal applyRecordPage(const RecordPageControls &controls, const ComSettings &stored,
                            ComSettings &chosen) {
  if (controls.window == kRecordHidden) {
    if (!holdsKey(controls.endKey)) return PageRefusal::RecordEndKeyMissing;
    chosen.recordEndKey = chosenHotKey(stored.recordEndKey, controls.endKey);
  } else {
    chosen.recordEndKey = stored.recordEndKey;
  }
  chosen.recordWindowMode = chosenRadio(stored.recordWindowMode, controls.window);
  chosen.autoBackup = chosenCheck(stored.autoBackup, controls.autoBackup);
  return PageRefusal::None;
}

PlayPageControls playPageOf(const ComSettings &stored) {
  return {radioOf(stored.playWindowMode, 3), intervalFieldText(stored.recordInterval),
          hotKeyControlWord(stored.playStartKey), hotKeyControlWord(stored.playEndKey),
          checkOf(stored.trace)};
}

void applyPlayPage(const PlayPageControls &controls, int interval, const ComSettings &stored,
                   ComSettings &chosen) {
  chosen.recordInterval = interval;
  chosen.playWindowMode = chosenRadio(stored.playWindowMode, controls.window);
  chosen.trace = chosenCheck(stored.trace, controls.trace);
  chosen.playStartKey = chosenHotKey(stored.playStartKey, controls.startKey);
  chosen.playEndKey = chosenHotKey(stored.playEndKey, controls.stopKey);
}

EditorPageControls editorPageOf(const ComSettings &stored, const std::string &proposal) {
  const int type = radioOf(stored.editorType, 2);
  const bool own = type == 1 && !stored.editorCommand.empty();
  return {type, own ? stored.editorCommand : proposal};
}

bool textEditorEnabled(const std::string &textEditorCommand) { return !textEditorCommand.empty(); }

PageRefusal applyEditorPage(const EditorPageControls &controls, const ComSettings &stored,
                            ComSettings &chosen) {
  switch (controls.type) {
  case 0:
    chosen.editorType = 0;
    chosen.editorCommand.clear();
    return PageRefusal::None;
  case 1:
    if (controls.command.empty()) return PageRefusal::EditorCommandMissing;
    chosen.editorType = 1;
    chosen.editorCommand = controls.command;
    return PageRefusal::None;
  default:
    chosen.editorType = stored.editorType;
    chosen.editorCommand = stored.editorCommand;
    return PageRefusal::None;
  }
}

} // namespace tb
