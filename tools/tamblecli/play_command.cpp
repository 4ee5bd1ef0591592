// play: runs a macro through the playback loop, on the real desktop or, with
// --dry-run, on a simulated one whose clock only moves while the loop waits.
#include "cli_io.h"
#include "commands.h"
#include "console_interrupt.h"
#include "desktop.h"
#include "entry_format.h"
#include "macro_input.h"

#include "execution_record.h"
#include "playback_loop.h"
#include "tamblecore.h"
#include "trace_log.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace tbcli {
namespace {

constexpr const char *kPlayHelp =
    "usage: tamblecli play [OPTIONS] FILE\n"
    "\n"
    "Plays a macro (FILE, or - for standard input) as the main program does:\n"
    "one key-table entry per interval, with the macro's waits and commands.\n"
    "The first entry runs one interval after the start.\n"
    "\n"
    "  --dry-run            play on a simulated desktop whose clock moves only\n"
    "                       while the playback waits, so no real time passes\n"
    "                       (the only mode of native builds). Message boxes are\n"
    "                       written to standard error as 'MsgBox: TEXT' and\n"
    "                       answered at once.\n"
    "  --interval N         the key interval in 1/100 s (default 30)\n"
    "  --trace FILE         write the trace log to FILE (- for standard output)\n"
    "                       after the playback, when an entry was executed\n"
    "  --max-ms N           stop the playback after N milliseconds, as Stop does\n"
    "                       (dry run: virtual time, default 600000; real: none)\n"
    "  --raw                play the bytes as they are (no layout normalisation)\n"
    "\n"
    "Simulated desktop only:\n"
    "  --window CLASS TITLE a top-level window (the first one is the foreground\n"
    "                       window and receives the typed keys); repeatable\n"
    "  --program FILE CLASS TITLE\n"
    "                       a program that Run can start: its window CLASS TITLE\n"
    "                       appears and takes the foreground; other programs\n"
    "                       start without windows; repeatable\n"
    "  --layout us|jp       the keyboard layout (default us)\n"
    "  --caps               Caps Lock is on\n"
    "  --keys               list the injected key events after the playback:\n"
    "                       time, down/up, key name, key code, scan code, ext\n"
    "  --typed              list what each window received as typed text\n"
    "\n"
    "Exit status: 0 the macro played to its end; 1 syntax error ('error POS' on\n"
    "standard output); 2 bad usage or unreadable file; 4 the playback was\n"
    "stopped (--max-ms, or Ctrl+C on a real desktop).\n";

constexpr int kExitStopped = 4;

struct Program {
  std::string file, windowClass, title;
};

struct PlayOptions {
  DesktopOptions desktop;
  int interval = 30;
  bool raw = false;
  bool haveTrace = false;
  std::string trace;
  bool haveMaxMs = false;
  unsigned long maxMs = 600000;
  std::vector<std::pair<std::string, std::string>> windows;
  std::vector<Program> programs;
  bool listKeys = false;
  bool listTyped = false;
  bool havePath = false;
  std::string path;
};

bool parseNumber(const std::string &text, unsigned long &value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::strtoul(text.c_str(), nullptr, 10);
  return true;
}

// Parses the arguments; returns -1 to go on, or the exit status.
int parseOptions(const Arguments &args, PlayOptions &options) {
  auto need = [&](std::size_t i, std::size_t n) { return i + n < args.size(); };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    std::string error;
    unsigned long number = 0;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kPlayHelp, stdout);
      return kExitOk;
    }
    if (takeDesktopOption(args, i, options.desktop, error)) {
      if (!error.empty()) return usageError("play", error);
    } else if (arg == "--dry-run") {
      options.desktop.simulated = true;
    } else if (arg == "--raw") {
      options.raw = true;
    } else if (arg == "--keys") {
      options.listKeys = options.desktop.simulated = true;
    } else if (arg == "--typed") {
      options.listTyped = options.desktop.simulated = true;
    } else if (arg == "--interval") {
      if (!need(i, 1) || !parseNumber(args[i + 1], number) || number == 0 || number > 100000)
        return usageError("play", "--interval needs a number of 1/100 seconds");
      options.interval = static_cast<int>(number);
      ++i;
    } else if (arg == "--max-ms") {
      if (!need(i, 1) || !parseNumber(args[i + 1], number))
        return usageError("play", "--max-ms needs a number of milliseconds");
      options.maxMs = number;
      options.haveMaxMs = true;
      ++i;
    } else if (arg == "--trace") {
      if (!need(i, 1)) return usageError("play", "--trace needs a file name (- for output)");
      options.trace = args[++i];
      options.haveTrace = true;
    } else if (arg == "--window") {
      if (!need(i, 2)) return usageError("play", "--window needs CLASS and TITLE");
      options.windows.emplace_back(args[i + 1], args[i + 2]);
      options.desktop.simulated = true;
      i += 2;
    } else if (arg == "--program") {
      if (!need(i, 3)) return usageError("play", "--program needs FILE, CLASS and TITLE");
      options.programs.push_back({args[i + 1], args[i + 2], args[i + 3]});
      options.desktop.simulated = true;
      i += 3;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return usageError("play", "unknown option '" + arg + "'");
    } else if (options.havePath) {
      return usageError("play", "only one FILE may be given");
    } else {
      options.path = arg;
      options.havePath = true;
    }
  }
  if (!options.havePath) return usageError("play", "a macro FILE is needed");
  return -1;
}

std::string elapsedText(std::uint32_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%8.8u.%3.3u", ms / 1000, ms % 1000);
  return text;
}

void listKeyEvents(const tb::sim::SimDesktop &desktop, std::uint32_t start) {
  std::string out;
  for (const tb::sim::KeyEventRecord &event : desktop.keyEvents()) {
    const bool up = event.flags & tb::keyevent::KeyUp;
    const ST_KEYENTRY entry{static_cast<uint16_t>(up ? TB_CODE_KEYUP : TB_CODE_KEYDOWN),
                            event.virtualKey, 0};
    char op[16], name[256];
    TBDecodeTable(&entry, op, name, sizeof name);
    char line[400];
    std::snprintf(line, sizeof line, "%s %-4s %s %u 0x%02x%s\n",
                  elapsedText(event.time - start).c_str(), up ? "up" : "down", name,
                  event.virtualKey, event.scanCode,
                  (event.flags & tb::keyevent::ExtendedKey) ? " ext" : "");
    out += line;
  }
  writeBytes(out);
}

void listTypedText(tb::sim::SimDesktop &desktop) {
  std::string out;
  desktop.enumWindows([&](tb::WindowId id) {
    const tb::sim::SimWindow *w = desktop.window(id);
    out += quoteBytes(w->className) + " " + quoteBytes(w->title) + ": " + quoteBytes(w->typedText) +
           "\n";
    return true;
  });
  writeBytes(out);
}

bool writeTrace(const std::string &target, const std::string &log) {
  if (target == "-") {
    writeBytes(log);
    return true;
  }
  std::FILE *file = std::fopen(target.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(log.data(), 1, log.size(), file) == log.size();
  return std::fclose(file) == 0 && ok;
}

} // namespace

int runPlay(const Arguments &args) {
  PlayOptions options;
  if (int status = parseOptions(args, options); status >= 0) return status;
  if (!options.desktop.simulated && kSimulatedOnly) options.desktop.simulated = true;

  std::optional<std::string> input = readInput(options.path);
  if (!input) return kExitUsage;

  DesktopSession session(options.desktop);
  tb::sim::SimDesktop *sim = session.simulated();
  if (sim) {
    for (const auto &[windowClass, title] : options.windows) sim->addWindow(windowClass, title);
    for (const Program &program : options.programs)
      sim->registerProgram(program.file, {program.windowClass, program.title, 0});
    sim->onMessageBox = [](const tb::sim::MessageBoxRecord &box) {
      std::fprintf(stderr, "MsgBox: %s\n", box.text.c_str());
    };
  }

  const std::string text = macroText(*input, options.raw);
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
  if (!table) return reportSyntaxError(text, errorPos);

  tb::Platform &services = tb::platform();
  static unsigned char keyExtend[256];
  g_pchKeyExtend = keyExtend;
  tb::ExecutionRecord record;
  record.resetForPlayback();

  const tb::EventId stop = services.createEvent(true);
  const tb::EventId timerDone = services.createEvent(true);
  if (!stop || !timerDone) {
    std::fprintf(stderr, "tamblecli: no events to stop the playback with\n");
    if (stop) services.closeEvent(stop);
    if (timerDone) services.closeEvent(timerDone);
    TBFreeKeyTable(table);
    return kExitUsage;
  }
  std::thread realTimer;
  const std::uint32_t start = services.tickCount();
  if (sim) {
    sim->at(sim->now() + options.maxMs, [sim, stop] { sim->setEvent(stop); });
  } else if (options.haveMaxMs) {
    realTimer = std::thread([&services, stop, timerDone, &options] {
      if (services.waitForEvents(&timerDone, 1, static_cast<std::uint32_t>(options.maxMs)) ==
          tb::kWaitTimeout)
        services.setEvent(stop);
    });
  }

  tb::PlaybackEnd end;
  {
    std::optional<ConsoleInterrupt> interrupt;
    if (!sim) interrupt.emplace(stop);
    tb::PlaybackRun run;
    run.table = table;
    run.intervalMs = options.interval * 10;
    run.stopEvents = &stop;
    run.stopEventCount = 1;
    end = tb::playKeyTable(run);
    TBFreeKeyTable(run.table);
  }
  services.setEvent(timerDone);
  if (realTimer.joinable()) realTimer.join();
  const std::uint32_t stoppedAt = services.tickCount();
  if (end == tb::PlaybackEnd::Stopped) tb::appendInterruptEntry(record.record(), stoppedAt);

  if (sim && options.listKeys) listKeyEvents(*sim, start);
  if (sim && options.listTyped) listTypedText(*sim);
  int status = end == tb::PlaybackEnd::Stopped ? kExitStopped : kExitOk;
  if (options.haveTrace && record.record().nLogCount > 0 &&
      !writeTrace(options.trace, tb::formatTraceLog(record.record()))) {
    std::fprintf(stderr, "tamblecli: cannot write the trace log to %s\n", options.trace.c_str());
    status = kExitUsage;
  }
  if (end == tb::PlaybackEnd::Stopped)
    std::fprintf(stderr, "tamblecli: playback stopped after %u ms\n", stoppedAt - start);
  services.closeEvent(stop);
  services.closeEvent(timerDone);
  return status;
}

} // namespace tbcli
