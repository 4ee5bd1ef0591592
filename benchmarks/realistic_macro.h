// A long macro of the kind recordings produce: typed text with spaces and
// capitals, named keys with counts, modifier groups and private commands.
#ifndef TAMBLE_BENCHMARKS_REALISTIC_MACRO_H
#define TAMBLE_BENCHMARKS_REALISTIC_MACRO_H

#include <cstddef>
#include <random>
#include <string>

inline std::string realisticMacro(std::size_t bytes, unsigned seed = 1) {
  static const char *const words[] = {"the",  "Quick", "brown",  "fox",  "jumps", "over",
                                      "lazy", "Dog",   "report", "2024", "total", "x"};
  static const char *const pieces[] = {"{ }",
                                       "{Enter}",
                                       "{Tab}",
                                       "{Backspace 3}",
                                       "{Left 12}",
                                       "+({Tab 2})",
                                       "^(c)",
                                       "^(v)",
                                       "%(f)",
                                       "{Down 4}",
                                       "{  3}",
                                       "{%}",
                                       "{LWin-down}e{LWin-up}",
                                       "<Wait 50>",
                                       "<Interval 5>",
                                       "<Active \"Notepad\",\"\">",
                                       "<MsgBox \"&Date &Time\\n&Err\">",
                                       "{Num_5}",
                                       "<Repeat 3>",
                                       "<Rend>",
                                       "{F5}",
                                       "{a 25}",
                                       "He{l 2}o"};
  std::mt19937 random(seed);
  std::string text;
  text.reserve(bytes + 64);
  while (text.size() < bytes) {
    text += words[random() % std::size(words)];
    text += random() % 2 ? "{ }" : pieces[random() % std::size(pieces)];
  }
  text.resize(bytes);
  // Do not end inside a construct.
  const std::size_t open = text.find_last_of("{<");
  if (open != std::string::npos && text.find_first_of("}>", open) == std::string::npos)
    text.resize(open);
  return text;
}

#endif
