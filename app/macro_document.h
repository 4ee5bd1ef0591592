// The current macro of the main window: its text, its file, its title and
// whether it changed since it was saved and since it was backed up.
//
// While a recording runs, the text is the text from before it followed by
// the recorder's key stack; that tail is only followed, not copied, so that
// each recorded key costs the same however long the macro is. The whole
// text is put together when somebody asks for it.
#ifndef TAMBLE_MACRO_DOCUMENT_H
#define TAMBLE_MACRO_DOCUMENT_H

#include <cstddef>
#include <string>

namespace tb {

class MacroDocument {
public:
  MacroDocument();

  // The whole text.
  const std::string &text() const;
  std::size_t size() const;
  bool empty() const { return size() == 0; }
  // At most the last n bytes, never half a double-byte character.
  std::string tail(std::size_t n) const;

  // New or opened: the text, the file (empty for none), both flags cleared.
  void reset(std::string text, std::string path);
  // A text from outside the document's own commands (a paste, an edit read
  // back): both flags set.
  void replaceText(std::string text);

  // A recording: its tail is the zero-terminated text at *keyStack (which
  // the recorder may move), `length` bytes long. Both flags set.
  void followRecording(char *const *keyStack);
  void recordingChanged(std::size_t length);
  // Text that goes between the old text and the recording (its leading
  // Active command).
  void appendToRecordingBase(const std::string &text);
  // The recording has ended: its text becomes the document's own.
  void endRecording();

  const std::string &path() const { return path_; }
  // The file name part of the path, or the untitled title.
  std::string title() const;
  // The name offered when a macro without a file is saved: the title cut at
  // its first blank, "#", "%", ";", "/" or "\\".
  std::string suggestedFileName() const;
  // The main window's caption: title + " - " + the application's name.
  std::string caption(const std::string &appName) const;
  // The save question (format with %1): the path, else the title.
  std::string saveQuestion(const std::string &format) const;

  bool modified() const { return modified_; }
  bool changedSinceBackup() const { return changedSinceBackup_; }
  // A save wrote the text to path.
  void saved(std::string path);
  void backedUp() { changedSinceBackup_ = false; }

private:
  void materialize() const;

  mutable std::string text_;
  std::string path_;
  bool modified_ = false;
  bool changedSinceBackup_ = false;
  // While recording: the base is text_ up to baseLength_, the rest is read
  // from *keyStack_ when the whole text is asked for.
  char *const *keyStack_ = nullptr;
  std::size_t baseLength_ = 0;
  std::size_t tailLength_ = 0;
  mutable bool stale_ = false;
};

} // namespace tb

#endif
