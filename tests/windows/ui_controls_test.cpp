// The small controls on the real system: hooks on window procedures, the
// edit box that takes dropped files, the link label, and the clipboard.
#include "shell_link_support.h"
#include "ui/clipboard.h"
#include "ui/drop_edit.h"
#include "ui/modeless_dialog.h"
#include "ui/static_link.h"
#include "ui/subclass_wnd.h"
#include "ui_test_support.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace tb::ui;
using tbtest::makeShortcut;

constexpr UINT kProbe = WM_APP + 7;

// A window whose own procedure counts the probes and its last message.
int ownProbes = 0;
int ownFinalMessages = 0;

LRESULT CALLBACK probeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe) ++ownProbes;
  if (message == WM_NCDESTROY) ++ownFinalMessages;
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeProbeWindow() {
  static const ATOM registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = probeProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TambleUiProbe";
    return RegisterClassA(&windowClass);
  }();
  EXPECT_NE(registered, 0);
  return CreateWindowExA(0, "TambleUiProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

class Counter : public CSubclassWnd {
public:
  int probes = 0;
  int gone = 0;
  UINT seenAsCurrent = 0;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kProbe) {
      ++probes;
      seenAsCurrent = CurrentMessage().message;
    }
    return Default(message, wParam, lParam);
  }
  void OnWindowGone() override { ++gone; }
};

class Hooks : public uitest::UiTest {
protected:
  void SetUp() override {
    window = makeProbeWindow();
    ASSERT_TRUE(window);
    ownProbes = ownFinalMessages = 0;
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
  }
  WNDPROC procedure() { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }
  void probe() { SendMessageA(window, kProbe, 0, 0); }

  HWND window = nullptr;
  Counter older, newer;
};

TEST_F(Hooks, UnhookingTheFirstKeepsTheSecondWorking) {
  ASSERT_TRUE(older.Hook(window));
  ASSERT_TRUE(newer.Hook(window));
  EXPECT_FALSE(newer.Hook(window)); // one window per hook
  probe();
  EXPECT_EQ(older.probes, 1);
  EXPECT_EQ(newer.probes, 1);
  EXPECT_EQ(ownProbes, 1);
  EXPECT_EQ(newer.seenAsCurrent, kProbe);

  older.Unhook();
  EXPECT_NE(procedure(), probeProc);
  probe();
  EXPECT_EQ(older.probes, 1);
  EXPECT_EQ(newer.probes, 2);
  EXPECT_EQ(ownProbes, 2);
}

TEST_F(Hooks, UnhookingTheLastGivesTheWindowItsProcedureBack) {
  ASSERT_TRUE(older.Hook(window));
  ASSERT_TRUE(newer.Hook(window));
  newer.Unhook();
  probe();
  EXPECT_EQ(older.probes, 1);
  EXPECT_EQ(newer.probes, 0);
  older.Unhook();
  EXPECT_EQ(procedure(), probeProc);
  probe();
  EXPECT_EQ(older.probes, 1);
  EXPECT_EQ(ownProbes, 2);
  // The window can be hooked again.
  ASSERT_TRUE(newer.Hook(window));
  probe();
  EXPECT_EQ(newer.probes, 1);
}

TEST_F(Hooks, DestroyingTheWindowRemovesEveryHook) {
  ASSERT_TRUE(older.Hook(window));
  ASSERT_TRUE(newer.Hook(window));
  DestroyWindow(window);
  EXPECT_FALSE(older.IsHooked());
  EXPECT_FALSE(newer.IsHooked());
  EXPECT_EQ(older.gone, 1);
  EXPECT_EQ(newer.gone, 1);
  EXPECT_EQ(ownFinalMessages, 1);
  // A new window may get the old handle; nothing of the old hooks is left.
  window = makeProbeWindow();
  ASSERT_TRUE(newer.Hook(window));
  probe();
  EXPECT_EQ(newer.probes, 1);
  EXPECT_EQ(older.probes, 0);
}

// A temporary folder, removed with what is in it.
class TempFolder {
public:
  TempFolder() {
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    path = std::string(base) + "tamble ui " + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::string &file : files) DeleteFileA(file.c_str());
    RemoveDirectoryA(path.c_str());
  }
  std::string File(const std::string &name) {
    files.push_back(path + name);
    return files.back();
  }
  std::string path;
  std::vector<std::string> files;
};

HGLOBAL dropOf(const std::vector<std::string> &paths) {
  std::string list;
  for (const std::string &path : paths) list += path + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
  auto *drop = static_cast<DROPFILES *>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char *>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return memory;
}

class ControlsDialog : public uitest::UiTest {
protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_TRUE(dialog.Create());
  }
  void TearDown() override {
    dialog.Destroy();
    CoUninitialize();
  }
  ModelessDialog dialog{IDD_CONTROLS};
};

TEST_F(ControlsDialog, ADropPutsTheFirstFileInPlaceOfTheSelection) {
  CDropEdit edit;
  ASSERT_TRUE(edit.Attach(dialog.GetItem(IDC_EDIT)));
  EXPECT_TRUE(edit.GetExStyle() & WS_EX_ACCEPTFILES);
  edit.SetText("path: old");
  edit.SetSel(6, 9);
  edit.SendMsg(WM_DROPFILES,
               reinterpret_cast<WPARAM>(
                   dropOf({"C:\\one\\first.txt", "C:\\two\\second.txt", "C:\\three\\third.txt"})));
  EXPECT_EQ(edit.GetText(), "path: C:\\one\\first.txt");
}

TEST_F(ControlsDialog, ADroppedShortcutGivesItsTargetOnlyWhenAsked) {
  TempFolder folder;
  const std::string target = folder.File("target.txt");
  std::ofstream(target) << "x";
  const std::string link = folder.File("target.lnk");
  ASSERT_TRUE(makeShortcut(link, target));
  EXPECT_EQ(lstrcmpiA(resolveShortcut(link).c_str(), target.c_str()), 0) << resolveShortcut(link);
  EXPECT_EQ(resolveShortcut(target), "");

  CDropEdit edit;
  ASSERT_TRUE(edit.Attach(dialog.GetItem(IDC_EDIT)));
  edit.SendMsg(WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({link})));
  EXPECT_EQ(edit.GetText(), link);
  edit.SetText("");
  edit.SetResolveShortcuts(true);
  edit.SendMsg(WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({link})));
  EXPECT_EQ(lstrcmpiA(edit.GetText().c_str(), target.c_str()), 0) << edit.GetText();
}

// Records what the link would open instead of starting a program.
class RecordingLink : public CStaticLink {
public:
  using CStaticLink::CStaticLink;
  ~RecordingLink() override { ++deleted; }
  static int deleted;
  std::vector<std::string> opened;
  bool shellSucceeds = true;

protected:
  bool OpenTarget(const std::string &target) override {
    opened.push_back(target);
    return shellSucceeds;
  }
};
int RecordingLink::deleted = 0;

TEST_F(ControlsDialog, ALinkWithoutTargetOpensItsCaptionAndTurnsVisited) {
  RecordingLink caption;
  HWND label = dialog.GetItem(IDC_LINK);
  ASSERT_TRUE(caption.Attach(label));
  EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, 0), HTCLIENT);

  HDC dc = GetDC(label);
  auto colourAsked = [&] {
    SetTextColor(dc, RGB(1, 2, 3));
    const LRESULT brush = dialog.SendMsg(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    return GetTextColor(dc);
  };
  EXPECT_EQ(colourAsked(), CStaticLink::kUnvisited);
  SendMessageA(label, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(caption.opened, std::vector<std::string>{"docs/readme.txt"});
  EXPECT_EQ(colourAsked(), CStaticLink::kVisited);
  ReleaseDC(label, dc);

  RecordingLink named("http://example.invalid/");
  ASSERT_TRUE(named.Attach(dialog.GetItem(IDC_TARGET_LINK)));
  named.shellSucceeds = false;
  SendMessageA(dialog.GetItem(IDC_TARGET_LINK), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(named.opened, std::vector<std::string>{"http://example.invalid/"});
  EXPECT_EQ(named.Colour(), CStaticLink::kUnvisited);
}

TEST_F(ControlsDialog, ALinkMadeToGoWithItsWindowDeletesItself) {
  RecordingLink::deleted = 0;
  auto *link = new RecordingLink("", true);
  ASSERT_TRUE(link->Attach(dialog.GetItem(IDC_LINK)));
  dialog.Destroy();
  EXPECT_EQ(RecordingLink::deleted, 1);
}

TEST_F(ControlsDialog, TheClipboardKeepsAnsiTextAsItWasGiven) {
  const std::string text = "macro \x95\x5c {Enter}"; // a trail byte of 0x5C
  {
    Clipboard clipboard;
    ASSERT_TRUE(clipboard.Open(dialog.Hwnd()));
    ASSERT_TRUE(clipboard.SetText(text));
  }
  EXPECT_TRUE(Clipboard::HasText());
  Clipboard clipboard;
  ASSERT_TRUE(clipboard.Open(dialog.Hwnd()));
  EXPECT_EQ(clipboard.GetText(), text);
  ASSERT_TRUE(clipboard.Empty());
  EXPECT_FALSE(clipboard.GetText());
}

} // namespace
