// The engine's Japanese texts, in the ANSI code page of Japanese Windows
// (932): the build writes the definitions' UTF-8 texts as its byte escapes.
#ifndef TAMBLE_MESSAGES_JA_H
#define TAMBLE_MESSAGES_JA_H

namespace tb::ja {

extern const char kMessageBoxTitle[];      // title of MsgBox
extern const char kCannotSwitchWithCode[]; // %x: error code
extern const char kCannotSwitch[];
extern const char kWindowNotFound[];
extern const char kProgramStartFailed[]; // %x: error code
extern const char kCauseUnknown[];       // %x: status
extern const char kErrorOccurred[];      // %s: command name, %s: reason
extern const char kNoError[];

} // namespace tb::ja

#endif
