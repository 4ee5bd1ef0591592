// The texts that the companion's command pages build: one private command of
// the key language each, named from the library's own table. The windows
// collect the inputs; everything written here analyses as it was meant
// (quotes inside arguments are doubled, so a title holding one cannot end
// the command early).
#ifndef TAMBLE_COMMAND_PAGES_H
#define TAMBLE_COMMAND_PAGES_H

#include "int_field.h"

#include <optional>
#include <string>

namespace tb {

// How a window text is compared: equal, at the head, at the tail, contained.
enum class MatchMode { Equal = 0, Head = 1, Tail = 2, Contains = 3 };

// A window text with the wildcard markers of its mode; empty stays empty.
std::string windowPattern(const std::string &text, MatchMode mode);

// The window texts the window pages share: picked on one, found on the next.
struct WindowTexts {
  std::string className;
  std::string title;
  MatchMode classMode = MatchMode::Equal;
  MatchMode titleMode = MatchMode::Equal;
  bool empty() const { return className.empty() && title.empty(); }
};

// <Active "CLASS","TITLE"> with the texts as given.
std::string activeText(const WindowTexts &window);
// <Active "PCLASS","PTITLE"> with the texts' patterns.
std::string activePatternText(const WindowTexts &window);
// <Wait N>, N in 1/100 s.
std::string waitText(int hundredths);
// <Run "PATH",WAIT> or <Run "PATH",NOWAIT>.
std::string runText(const std::string &path, bool waitForStart);
// <WaitForWindow "PCLASS","PTITLE",N>, N in seconds.
std::string waitForWindowText(const WindowTexts &window, int seconds);
// <Repeat N><Rend>.
std::string repeatText(int count);
// <MsgBox "MESSAGE">.
std::string messageText(const std::string &message);
// <OnError>, the message box when shown, <Stop> or <Resume>, <End>.
std::string onErrorText(bool showMessage, const std::string &message, bool stop);
// <Interval N> for a speed position 1 (fast) to 10 (slow).
std::string intervalText(int position);
// <Copy "TEXT">.
std::string copyText(const std::string &text);

// The ranges of the numeric fields.
inline constexpr FieldRange kWaitRange{1, 9999};    // 1/100 s
inline constexpr FieldRange kSecondsRange{0, 9999}; // WaitForWindow
inline constexpr FieldRange kRepeatRange{0, 9999};  // 0 repeats for ever
inline constexpr FieldRange kSpeedRange{1, 10};

} // namespace tb

#endif
