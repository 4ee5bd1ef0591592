// The main program's command line: switches for automatic playback and
// recording, and the macro file to open.
#ifndef TAMBLE_COMMAND_LINE_H
#define TAMBLE_COMMAND_LINE_H

#include <string>
#include <vector>

namespace tb {

// What the main window does at its start.
enum ShellCommand {
  kShellNone = 0,      // an empty, untitled macro
  kShellOpen = 1,      // open the file
  kShellPlay = 2,      // open the file, play it, close when it ends ("p")
  kShellRecord = 3,    // record at once ("pt")
  kShellDde = 4,       // "dde": opens the file
  kShellUnregister = 5 // "Unregister", "Unregserver": open the file
};

struct CommandLineInfo {
  int shellCommand = kShellNone;
  int hiddenRun = 0; // "Automation": automatic playback with the window hidden
  std::string fileName;

  bool operator==(const CommandLineInfo &) const = default;
};

// The arguments of a whole command line as the C runtime splits it: the
// program name first (up to a blank, or in quotes, taken literally), then
// arguments separated by blanks and tabs, double quotes grouping, 2n
// backslashes before a quote giving n and 2n+1 giving n and a literal quote,
// and "" inside quotes a literal quote.
std::vector<std::string> splitCommandLine(const std::string &commandLine);

// Reads the arguments after the program name. A switch starts with "/" or
// "-"; the first other argument is the file name.
CommandLineInfo parseCommandLine(const std::vector<std::string> &arguments);

// The path of a macro named on the command line: a name without a drive
// letter gets the data folder (with its trailing "\") put in front, except
// network names ("\\server\...") and rooted names ("\dir\x.txt").
std::string resolveMacroPath(const std::string &fileName, const std::string &dataFolder);

} // namespace tb

#endif
