// Recording on the real system: tamblecli sets the hooks, notepad is typed
// into by a separate program, and the recording plays back into a fresh
// notepad. Every wait is for a condition, with a generous time-out.
#include "desktop_support.h"
#include "run_program.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr unsigned kPatienceMs = 30000;

class Notepad {
public:
  explicit Notepad(const std::string &file = "") {
    std::string line = "notepad.exe" + (file.empty() ? "" : " \"" + file + "\"");
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
      return;
    CloseHandle(pi.hThread);
    adopt(pi.hProcess);
  }

  // Started by a separate program that ends at once, as a user's shell
  // starts it, in the given bitness.
  struct Independent {
    int bits;
  };
  explicit Notepad(Independent independent) {
    const tbtest::ProgramResult r =
        tbtest::runProgram("tamble_typist", {"notepad", std::to_string(independent.bits)});
    if (r.exitCode != 0) return;
    adopt(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE,
                      std::stoul(r.out)));
  }

  // A 32-bit process on 64-bit Windows runs under WOW64.
  bool isWow64() const {
    BOOL wow64 = FALSE;
    return process_ && IsWow64Process(process_, &wow64) && wow64;
  }

  ~Notepad() { close(); }

  void close() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, kPatienceMs);
    CloseHandle(process_);
    process_ = nullptr;
  }

  std::string text() const { return tbtest::childText(window, "Edit"); }

  std::string title() const {
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
  }

  bool waitForText(const std::string &expected) const {
    return tbtest::waitUntil([&] { return text() == expected; }, kPatienceMs);
  }

  // Brings the window to the front so that it is told it was activated.
  // A window already active in its own thread is not told, so another
  // window comes to the front first.
  bool activate() const {
    SetForegroundWindow(GetDesktopWindow());
    if (!tbtest::waitUntil([] { return GetForegroundWindow() == GetDesktopWindow(); }, kPatienceMs))
      return false;
    SetForegroundWindow(window);
    return tbtest::waitUntil([&] { return GetForegroundWindow() == window; }, kPatienceMs);
  }

  HWND window = nullptr;
  HWND edit = nullptr;

private:
  void adopt(HANDLE process) {
    if (!process) return;
    process_ = process;
    WaitForInputIdle(process_, kPatienceMs);
    tbtest::waitUntil(
        [&] {
          for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "Notepad", nullptr));) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetProcessId(process_) && IsWindowVisible(w)) window = w;
          }
          return window != nullptr;
        },
        kPatienceMs);
    edit = FindWindowExA(window, nullptr, "Edit", nullptr);
  }

  HANDLE process_ = nullptr;
};

// The library's values as every process sees them.
class SharedValues {
public:
  SharedValues() : library_(LoadLibraryA((tbtest::programFolder() + "Tamblecore.dll").c_str())) {}
  ~SharedValues() { FreeLibrary(library_); }
  template <typename T> T &value(const char *name) {
    return *reinterpret_cast<T *>(GetProcAddress(library_, name));
  }

private:
  HMODULE library_;
};

std::string hex(const void *p) {
  char text[32];
  std::snprintf(text, sizeof text, "%p", p);
  return text;
}

// The typist activates the window, then types the steps.
void type(const Notepad &notepad, const std::vector<std::string> &steps) {
  std::vector<std::string> args{"type", hex(notepad.window)};
  args.insert(args.end(), steps.begin(), steps.end());
  const tbtest::ProgramResult r = tbtest::runProgram("tamble_typist", args);
  ASSERT_EQ(r.exitCode, 0) << r.err;
}

const char *const kStopKey = "123"; // F12

// tamblecli record beside the test, ended by its own means only (the stop
// key, its time limit, or closing its window): under Wine the hooks of a
// program that is terminated stay in the hook chains of the other programs.
class Recorder : public tbtest::StartedProgram {
public:
  explicit Recorder(std::vector<std::string> options)
      : StartedProgram("tamblecli", withRecord(std::move(options))) {}
  ~Recorder() {
    PostMessageA(FindWindowA("TambleCliRecorder", nullptr), WM_CLOSE, 0, 0);
    finish(kPatienceMs);
  }

private:
  static std::vector<std::string> withRecord(std::vector<std::string> options) {
    options.insert(options.begin(), "record");
    return options;
  }
};

TEST(Recording, KeysTypedIntoNotepadAreRecordedWithTheirWindowAndPlayBack) {
  const std::string macro = tbtest::writeTempFile("", ".txt");
  Recorder recorder({"--until", "0x7B", "--seconds", "240", "--out", macro, "--keyext"});
  ASSERT_TRUE(recorder.waitForError("tamblecli: recording\n", kPatienceMs));

  // Notepad starts after the hooks: its window reaches the recording only
  // through the window notices.
  Notepad first;
  ASSERT_NE(first.edit, nullptr);
  ASSERT_TRUE(first.activate());
  const std::string window = "window \"Notepad\" \"" + first.title() + "\"\n";
  ASSERT_TRUE(recorder.waitForError(window, kPatienceMs)) << window;

  type(first, {"Sh+", "H",   "Sh-", "E",   "L",   "L",    "O",   "188", "Spc", "Sh+", "W",   "Sh-",
               "O",   "R",   "L",   "D",   "Sh+", "1",    "Sh-", "Ent", "1",   "2",   "3",   "Tab",
               "!37", "!37", "X",   "!39", "!39", "Z*25", "Ct+", "C",   "Ct-", "Al+", "Al-", "27"});
  const std::string typed = "Hello, World!\r\n12x3\t" + std::string(25, 'z');
  ASSERT_TRUE(first.waitForText(typed)) << first.text();
  type(first, {kStopKey});
  const tbtest::ProgramResult r = recorder.finish(kPatienceMs);
  ASSERT_EQ(r.exitCode, 0) << r.err;

  std::string recorded;
  {
    FILE *file = std::fopen(macro.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    for (int c; (c = std::fgetc(file)) != EOF;) recorded += static_cast<char>(c);
    std::fclose(file);
  }
  EXPECT_EQ(recorded,
            "<Active \"Notepad\",\"" + first.title() +
                "\">He{l 2}o,{ }World!{Enter}123{Tab}{Left 2}x{Right 2}{z 25}^(c)%{Escape}");
  EXPECT_EQ(r.out, "keyext: 37 39\n");
  SharedValues shared;
  EXPECT_EQ(shared.value<void *>("g_hKBHook"), nullptr) << "the hooks are removed";
  EXPECT_EQ(shared.value<void *>("g_hCWHook"), nullptr);

  // The recording plays into a fresh notepad, which its Active command finds.
  first.close();
  Notepad second;
  ASSERT_NE(second.edit, nullptr);
  const tbtest::ProgramResult played =
      tbtest::runProgram("tamblecli", {"play", "--interval", "2", macro});
  EXPECT_EQ(played.exitCode, 0) << played.err;
  EXPECT_TRUE(second.waitForText(typed)) << second.text();
  std::remove(macro.c_str());
}

TEST(Recording, ThePauseAndTheWindowTypedInto) {
  const std::string file = tbtest::writeTempFile("", ".txt");
  Notepad typedInto(file), other;
  ASSERT_NE(typedInto.edit, nullptr);
  ASSERT_NE(other.edit, nullptr);
  ASSERT_NE(typedInto.title(), other.title());
  ASSERT_TRUE(other.activate());

  Recorder recorder({"--until", "0x7B", "--seconds", "240"});
  ASSERT_TRUE(recorder.waitForError("window \"Notepad\" \"" + other.title() + "\"\n", kPatienceMs))
      << "the recording starts in the window in front";
  // The typist's activation is told to the recording before any key.
  type(typedInto, {});
  ASSERT_TRUE(
      recorder.waitForError("window \"Notepad\" \"" + typedInto.title() + "\"\n", kPatienceMs));

  SharedValues shared;
  type(typedInto, {"A"});
  ASSERT_TRUE(typedInto.waitForText("a"));
  shared.value<int>("g_bIgnoreKeys") = 1;
  // The D shows that the B's release has been taken in; the D itself is
  // released only after the recording, so no paused key ends in it.
  type(typedInto, {"B", "D+"});
  ASSERT_TRUE(typedInto.waitForText("abd")) << "keys reach the window during the pause";
  shared.value<int>("g_bIgnoreKeys") = 0;
  type(typedInto, {"C", kStopKey});
  ASSERT_TRUE(typedInto.waitForText("abdc"));
  const tbtest::ProgramResult r = recorder.finish(kPatienceMs);
  type(typedInto, {"D-"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "<Active \"Notepad\",\"" + typedInto.title() + "\">ac\n") << r.err;
  std::remove(file.c_str());
}

// Keys typed into a notepad that neither the test nor the recorder started,
// of this bitness and of the other: each is recorded with its window, and
// Shift+h gives H.
class IndependentNotepad : public ::testing::TestWithParam<int> {};

TEST_P(IndependentNotepad, TypingIsRecordedWithItsWindowAndShiftState) {
  const int bits = GetParam();
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  if (sizeof(void *) == 4 && !wow64 && bits == 64) GTEST_SKIP() << "32-bit Windows";
  Notepad notepad(Notepad::Independent{bits});
  ASSERT_NE(notepad.edit, nullptr);
  ASSERT_EQ(notepad.isWow64(), bits == 32) << "a notepad of the wanted bitness";
  // Something else is in front when the recording starts: the activation
  // by the typist must reach the recording.
  SetForegroundWindow(GetDesktopWindow());
  ASSERT_TRUE(
      tbtest::waitUntil([] { return GetForegroundWindow() == GetDesktopWindow(); }, kPatienceMs));

  Recorder recorder({"--until", "0x7B", "--seconds", "240"});
  ASSERT_TRUE(recorder.waitForError("tamblecli: recording\n", kPatienceMs));
  type(notepad, {"Sh+", "H", "Sh-", "I", "Spc", "Sh+", "T", "Sh-", "H", "E", "R", "E"});
  ASSERT_TRUE(notepad.waitForText("Hi There")) << notepad.text();
  type(notepad, {kStopKey});
  const tbtest::ProgramResult r = recorder.finish(kPatienceMs);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "<Active \"Notepad\",\"" + notepad.title() + "\">Hi{ }There\n") << r.err;
}

INSTANTIATE_TEST_SUITE_P(Bitness, IndependentNotepad, ::testing::Values(32, 64),
                         [](const ::testing::TestParamInfo<int> &info) {
                           return "Notepad" + std::to_string(info.param);
                         });

} // namespace
