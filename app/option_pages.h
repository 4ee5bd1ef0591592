// The options pages without their windows: what each page's controls show
// of the stored settings, when a control is enabled, and each page's apply
// step, which writes the chosen values into the sheet's copy or refuses.
#ifndef TAMBLE_OPTION_PAGES_H
#define TAMBLE_OPTION_PAGES_H

#include "main_settings.h"
#include "option_values.h"

#include <cstdint>
#include <string>

namespace tb {

enum class PageRefusal {
  None,
  RecordEndKeyMissing, // hidden while recording, but no key ends it
  EditorCommandMissing // "other editor" without a command
};

// The window page.
struct WindowPageControls {
  bool topMost = false;
};
WindowPageControls windowPageOf(const ComSettings &stored);
void applyWindowPage(const WindowPageControls &controls, const ComSettings &stored,
                     ComSettings &chosen);

// The recording page. window is the checked radio button: 0 unchanged,
// 1 minimised, 2 hidden; -1 none (a mode only the settings file sets).
struct RecordPageControls {
  int window = -1;
  std::uint16_t endKey = 0; // the hot-key control's word
  bool autoBackup = false;
};
inline constexpr int kRecordHidden = 2;
RecordPageControls recordPageOf(const ComSettings &stored);
// The end key counts only while the window hides.
bool recordEndKeyEnabled(const RecordPageControls &controls);
PageRefusal applyRecordPage(const RecordPageControls &controls, const ComSettings &stored,
                            ComSettings &chosen);

// The playback page. The interval is the box's text; it is checked when
// the page is left (chosenInterval), so the apply step takes its value.
struct PlayPageControls {
  int window = -1;
  std::string interval;
  std::uint16_t startKey = 0;
  std::uint16_t stopKey = 0;
  bool trace = false;
};
PlayPageControls playPageOf(const ComSettings &stored);
void applyPlayPage(const PlayPageControls &controls, int interval, const ComSettings &stored,
                   ComSettings &chosen);

// The editor page. type is the checked radio button: 0 the text editor,
// 1 another program; -1 none. The command box holds the stored command of
// type 1, else the proposed one.
struct EditorPageControls {
  int type = -1;
  std::string command;
};
EditorPageControls editorPageOf(const ComSettings &stored, const std::string &proposal);
// "テキストエディタ" is offered only when a text editor was found.
bool textEditorEnabled(const std::string &textEditorCommand);
PageRefusal applyEditorPage(const EditorPageControls &controls, const ComSettings &stored,
                            ComSettings &chosen);

} // namespace tb

#endif
