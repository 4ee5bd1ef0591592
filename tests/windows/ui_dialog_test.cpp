// The dialog layer on the real system: the modal loop, command routing and
// the idle-time update of tool bars, controls and menus, answers through
// DWLP_MSGRESULT, reflection, property pages and string resources.
#include "ui/menu.h"
#include "ui/modeless_dialog.h"
#include "ui/property_sheet.h"
#include "ui/reflected_control.h"
#include "ui/resource_string.h"
#include "ui/subclass_wnd.h"
#include "ui/tool_bar.h"
#include "ui_test_support.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace tb::ui;
using uitest::Stepped;

// Every command offered to a target, in order: "document 1002".
using Log = std::vector<std::string>;

std::string entry(const char *target, UINT id) {
  return std::string(target) + " " + std::to_string(id);
}

bool isTestCommand(UINT id) { return id >= ID_DIALOG_ONLY && id <= ID_NO_RULE; }

class App : public Application {
public:
  explicit App(Log &log) : log_(log) {}
  bool OnCommand(UINT id) override {
    if (isTestCommand(id)) log_.push_back(entry("application", id));
    return id == ID_APPLICATION || id == ID_DOC_OVERRIDES_APP;
  }
  void UpdateCommand(UINT id, CommandState &state) override {
    if (id == ID_DISABLED_BY_APP || id == ID_DOC_OVERRIDES_APP) state.Enable(false);
  }

private:
  Log &log_;
};

class Document : public CommandTarget {
public:
  explicit Document(Log &log) : log_(log) {}
  bool OnCommand(UINT id) override {
    if (isTestCommand(id)) log_.push_back(entry("document", id));
    return id == ID_DOCUMENT || id == ID_DISABLED_BY_DIALOG;
  }
  void UpdateCommand(UINT id, CommandState &state) override {
    if (id == ID_DOC_OVERRIDES_APP) state.Enable(true);
  }

private:
  Log &log_;
};

// The main window's shape: a tool bar whose buttons are commands, child
// controls with command ids, rules of its own.
class CommandDialog : public Stepped<ModalDialog> {
public:
  explicit CommandDialog(Log &log) : Stepped(IDD_COMMANDS), log_(log) {}
  ~CommandDialog() override {
    if (strip_) DeleteObject(strip_);
  }

  bool dialogEnabled = true;
  bool paused = false;
  ToolBar bar;

protected:
  bool OnInit() override {
    Stepped::OnInit();
    StayHidden();
    strip_ = CreateBitmap(16 * 3, 15, 1, 1, nullptr);
    const bool made = bar.Create(Hwnd(), 500, WS_VISIBLE | TBSTYLE_TOOLTIPS, nullptr,
                                 reinterpret_cast<UINT_PTR>(strip_), 3, SIZE{16, 15},
                                 {ToolBar::Button(ID_DIALOG_ONLY, 0), ToolBar::Separator(),
                                  ToolBar::Button(ID_PAUSE, 1, TBSTYLE_CHECK),
                                  ToolBar::Button(ID_NO_RULE, 2, TBSTYLE_BUTTON, 0)});
    EXPECT_TRUE(made);
    AddCommandBar(bar);
    return true;
  }
  void UpdateCommand(UINT id, CommandState &state) override {
    if (id == ID_DIALOG_ONLY) state.Enable(dialogEnabled);
    if (id == ID_PAUSE) state.Set(true, paused);
    if (id == ID_DISABLED_BY_DIALOG) state.Enable(false);
  }
  bool OnCommand(int code, int id, LPARAM) override {
    if ((code != BN_CLICKED && code != 1) || !isTestCommand(static_cast<UINT>(id))) return false;
    log_.push_back(entry("dialog", static_cast<UINT>(id)));
    return id == ID_DIALOG_ONLY;
  }

private:
  Log &log_;
  HBITMAP strip_ = nullptr;
};

// Counts what a tool bar is told: its own messages (WM_USER and up).
class BarSpy : public CSubclassWnd {
public:
  int all = 0, enables = 0, checks = 0;
  void Reset() { all = enables = checks = 0; }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER && message < WM_APP) ++all;
    if (message == TB_ENABLEBUTTON) ++enables;
    if (message == TB_CHECKBUTTON) ++checks;
    return Default(message, wParam, lParam);
  }
};

class ModalLoop : public uitest::UiTest {};
class CommandRouting : public uitest::UiTest {};

TEST_F(ModalLoop, AHiddenDialogIsNeverShownAndEndModalGivesTheOwnerBack) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  for (bool hidden : {true, false}) {
    Stepped<ModalDialog> dialog(IDD_COMMANDS);
    dialog.StayHidden(hidden);
    HWND made = nullptr;
    dialog.Then([&] {
      made = dialog.Hwnd();
      EXPECT_EQ(dialog.IsVisible(), !hidden);
      EXPECT_FALSE(IsWindowEnabled(owner));
      EXPECT_EQ(GetWindow(made, GW_OWNER), owner);
    });
    dialog.Then([&] {
      EXPECT_EQ(dialog.IsVisible(), !hidden);
      dialog.EndModal(42);
      // The owner is back before the dialog goes.
      EXPECT_TRUE(IsWindowEnabled(owner));
      EXPECT_TRUE(IsWindow(made));
    });
    EXPECT_EQ(dialog.Run(owner), 42);
    EXPECT_FALSE(IsWindow(made));
    EXPECT_TRUE(IsWindowEnabled(owner));
    if (!hidden) {
      EXPECT_EQ(GetActiveWindow(), owner);
    }
  }
  DestroyWindow(owner);
}

// Idle passes and the messages taken from the queue: an idle pass with no
// message since the one before means the loop went round without waiting.
class CountingDialog : public ModalDialog {
public:
  static constexpr UINT kPoke = WM_APP + 1;
  static constexpr UINT kEnd = WM_APP + 2;
  CountingDialog() : ModalDialog(IDD_COMMANDS) {}

  std::atomic<HWND> window{nullptr};
  std::atomic<int> idlePasses{0};
  std::atomic<int> pokes{0};
  int idleWithoutMessage = 0;

protected:
  bool OnInit() override {
    StayHidden();
    SetTimer(uitest::kGiveUpTimer, uitest::kGenerousMs);
    window = Hwnd();
    return true;
  }
  bool PreTranslateMessage(MSG &message) override {
    messageSinceIdle_ = true;
    return ModalDialog::PreTranslateMessage(message);
  }
  void OnIdle() override {
    if (!messageSinceIdle_) ++idleWithoutMessage;
    messageSinceIdle_ = false;
    ++idlePasses;
  }
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT &) override {
    if (message == kPoke) ++pokes;
    if (message == kEnd || (message == WM_TIMER)) EndModal(message == kEnd ? IDOK : -2);
    return message == kPoke || message == kEnd;
  }

private:
  bool messageSinceIdle_ = true;
};

bool pollUntil(const std::function<bool()> &condition) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > uitest::kGenerousMs) return false;
    Sleep(2);
  }
  return true;
}

TEST_F(ModalLoop, WaitsForTheNextMessageAfterOneIdlePass) {
  CountingDialog dialog;
  constexpr int kPokes = 5;
  bool ok = true;
  std::thread poker([&] {
    ok = pollUntil([&] { return dialog.window.load() != nullptr; });
    // Each poke only once the loop has gone idle after the one before, so
    // the queue stays empty for a while each time.
    for (int i = 1; ok && i <= kPokes; ++i) {
      ok = pollUntil([&] { return dialog.idlePasses >= i && dialog.pokes == i - 1; });
      if (ok) PostMessageA(dialog.window, CountingDialog::kPoke, 0, 0);
    }
    ok = ok && pollUntil([&] { return dialog.pokes == kPokes && dialog.idlePasses > kPokes; });
    PostMessageA(dialog.window, CountingDialog::kEnd, 0, 0);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  poker.join();
  EXPECT_TRUE(ok);
  EXPECT_EQ(dialog.pokes, kPokes);
  EXPECT_GT(dialog.idlePasses, kPokes);
  EXPECT_EQ(dialog.idleWithoutMessage, 0);
}

class HelpDialog : public Stepped<ModalDialog> {
public:
  HelpDialog() : Stepped(IDD_COMMANDS) { StayHidden(); }
  int helps = 0;

protected:
  bool OnHelp() override {
    ++helps;
    return true;
  }
};

TEST_F(ModalLoop, F1AndWmHelpCallOnHelp) {
  HelpDialog dialog;
  dialog.Then([&] { PostMessageA(dialog.GetItem(IDC_EDIT), WM_KEYDOWN, VK_F1, 0x003B0001); });
  dialog.Then([&] {
    EXPECT_EQ(dialog.helps, 1);
    HELPINFO info{sizeof info, HELPINFO_WINDOW, IDC_EDIT, dialog.GetItem(IDC_EDIT), 0, {0, 0}};
    dialog.SendMsg(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(dialog.helps, 2);
  });
  dialog.Run();
}

TEST_F(CommandRouting, DisabledCommandsAreDroppedAndTheRestGoDialogDocumentApplication) {
  Log log;
  App app(log);
  Document document(log);
  CommandDialog dialog(log);
  dialog.SetDocument(&document);
  dialog.Then([&] {
    HWND target = dialog.Hwnd();
    HWND bar = dialog.bar;
    // Another thread, as another program would: lParam 0, or the tool bar.
    std::thread([target, bar] {
      auto post = [target](UINT id, WORD code, HWND from) {
        PostMessageA(target, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
      };
      post(ID_DIALOG_ONLY, 0, nullptr);
      post(ID_DOCUMENT, 0, nullptr);
      post(ID_APPLICATION, 1, nullptr); // an accelerator
      post(ID_DISABLED_BY_APP, 0, nullptr);
      post(ID_DOC_OVERRIDES_APP, 0, nullptr);
      post(ID_DISABLED_BY_DIALOG, 0, nullptr);
      post(ID_DISABLED_BY_APP, BN_CLICKED, bar);
      post(ID_DOCUMENT, BN_CLICKED, bar);
    }).join();
  });
  dialog.Then([&] {
    EXPECT_EQ(log, (Log{"dialog 1001", "dialog 1002", "document 1002", "dialog 1003",
                        "document 1003", "application 1003", "dialog 1005", "document 1005",
                        "application 1005", "dialog 1002", "document 1002"}));
    // A rule that turns the command off drops it from then on.
    log.clear();
    dialog.dialogEnabled = false;
    dialog.PostMsg(WM_COMMAND, MAKEWPARAM(ID_DIALOG_ONLY, 0), 0);
  });
  dialog.Then([&] { EXPECT_TRUE(log.empty()); });
  EXPECT_EQ(dialog.Run(), IDOK);
}

TEST_F(CommandRouting, ToolBarAndControlsFollowTheRulesAndUnchangedStatesCostNothing) {
  Log log;
  App app(log);
  CommandDialog dialog(log);
  dialog.dialogEnabled = false;
  BarSpy spy;
  dialog.Then([&] {
    // The first idle pass has applied the rules already.
    ASSERT_TRUE(spy.Hook(dialog.bar));
    EXPECT_FALSE(dialog.bar.IsButtonEnabled(ID_DIALOG_ONLY));
    EXPECT_TRUE(dialog.bar.IsButtonEnabled(ID_PAUSE));
    EXPECT_FALSE(dialog.bar.IsButtonChecked(ID_PAUSE));
    EXPECT_FALSE(dialog.bar.IsButtonEnabled(ID_NO_RULE)); // made disabled, no rule
    EXPECT_FALSE(dialog.IsItemEnabled(ID_DIALOG_ONLY));
    EXPECT_FALSE(dialog.IsButtonChecked(ID_PAUSE));
    EXPECT_FALSE(dialog.IsItemEnabled(ID_NO_RULE));
    EXPECT_TRUE(dialog.IsItemEnabled(IDOK));
    spy.Reset();
  });
  dialog.Then([&] {
    EXPECT_EQ(spy.all, 0) << "the tool bar was told something while nothing changed";
    dialog.dialogEnabled = true;
    dialog.paused = true;
  });
  dialog.Then([&] {
    EXPECT_EQ(spy.enables, 1);
    EXPECT_EQ(spy.checks, 1);
    EXPECT_TRUE(dialog.bar.IsButtonEnabled(ID_DIALOG_ONLY));
    EXPECT_TRUE(dialog.bar.IsButtonChecked(ID_PAUSE));
    EXPECT_FALSE(dialog.bar.IsButtonEnabled(ID_NO_RULE));
    EXPECT_TRUE(dialog.IsItemEnabled(ID_DIALOG_ONLY));
    EXPECT_TRUE(dialog.IsButtonChecked(ID_PAUSE));
    EXPECT_FALSE(dialog.IsItemEnabled(ID_NO_RULE));
    spy.Reset();
  });
  dialog.Then([&] { EXPECT_EQ(spy.all, 0); });
  dialog.Run();
}

TEST_F(CommandRouting, AMenuTakesTheRulesWhenItOpens) {
  Log log;
  App app(log);
  CommandDialog dialog(log);
  dialog.dialogEnabled = false;
  dialog.paused = true;
  dialog.Then([&] {
    Menu menu;
    ASSERT_TRUE(menu.Load(IDR_COMMAND_MENU));
    Menu popup(menu.GetSubMenu(0));
    auto state = [&](UINT id) { return popup.GetState(id) & (MF_GRAYED | MF_CHECKED); };
    // The window menu is not the dialog's to change.
    dialog.SendMsg(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(0, TRUE));
    EXPECT_EQ(state(ID_DIALOG_ONLY), 0u);
    dialog.SendMsg(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(0, FALSE));
    EXPECT_EQ(state(ID_DIALOG_ONLY), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(state(ID_DISABLED_BY_APP), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(state(ID_PAUSE), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(state(ID_NO_RULE), static_cast<UINT>(MF_GRAYED | MF_CHECKED));
    dialog.dialogEnabled = true;
    dialog.paused = false;
    dialog.SendMsg(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(0, FALSE));
    EXPECT_EQ(state(ID_DIALOG_ONLY), 0u);
    EXPECT_EQ(state(ID_PAUSE), 0u);
  });
  dialog.Run();
}

// Answers through DWLP_MSGRESULT, and a control that sees its own
// notifications first.
class NotifyDialog : public ModelessDialog {
public:
  static constexpr UINT kCode = 0x7000;
  NotifyDialog() : ModelessDialog(IDD_COMMANDS) {}
  int notified = 0;

protected:
  bool OnNotify(int, NMHDR *header) override {
    if (header->code != kCode) return false;
    ++notified;
    SetMsgResult(1234);
    return true;
  }
};

class EditObject : public ReflectedControl {
public:
  int changes = 0;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) override {
    if (message == WM_NOTIFY) result = 77;
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++changes;
    if (message == WM_CTLCOLOREDIT) result = reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH));
    return message == WM_NOTIFY || message == WM_COMMAND || message == WM_CTLCOLOREDIT;
  }
};

TEST_F(CommandRouting, AnswersGoThroughDwlpMsgResultAndReflectedControlsComeFirst) {
  NotifyDialog dialog;
  ASSERT_TRUE(dialog.Create());
  HWND edit = dialog.GetItem(IDC_EDIT);
  NMHDR header{dialog.Hwnd(), 0, NotifyDialog::kCode};
  EXPECT_EQ(dialog.SendMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 1234);

  EditObject object;
  object.ReflectFrom(edit);
  header.hwndFrom = edit;
  EXPECT_EQ(dialog.SendMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 77);
  EXPECT_EQ(dialog.notified, 1);
  SetWindowTextA(edit, "changed"); // EN_CHANGE
  EXPECT_EQ(object.changes, 1);
  // Colour answers are the procedure's own return value.
  HDC dc = GetDC(edit);
  EXPECT_EQ(
      dialog.SendMsg(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)),
      reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)));
  ReleaseDC(edit, dc);

  object.StopReflection();
  EXPECT_EQ(dialog.SendMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 1234);
  EXPECT_EQ(dialog.notified, 2);

  // Tool tips of commands come from the second line of their strings.
  NMTTDISPINFOA tip{};
  tip.hdr = {dialog.Hwnd(), ID_DIALOG_ONLY, TTN_GETDISPINFOA};
  dialog.SendMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip.lpszText, nullptr);
  EXPECT_STREQ(tip.lpszText, "Dialog command");
}

class Page : public PropertyPage {
public:
  explicit Page(UINT id) : PropertyPage(id) {}
  bool keep = false;
  bool accept = true;
  int activations = 0, applies = 0;

protected:
  LRESULT OnSetActive() override {
    ++activations;
    return 0;
  }
  bool OnKillActive() override { return keep; }
  bool OnApply() override {
    ++applies;
    return accept;
  }
};

TEST_F(CommandRouting, PropertyPagesAnswerTheSheet) {
  Page one(IDD_PAGE_ONE), two(IDD_PAGE_TWO);
  PropertySheet sheet("Options");
  sheet.AddPage(one);
  sheet.AddPage(two);
  HWND window = sheet.Create(nullptr);
  ASSERT_TRUE(window);
  auto current = [&] {
    return reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
  };
  EXPECT_EQ(current(), one.Hwnd());
  EXPECT_EQ(one.activations, 1);

  // A page with invalid data keeps the focus.
  one.keep = true;
  SendMessageA(window, PSM_SETCURSEL, 1, 0);
  EXPECT_EQ(current(), one.Hwnd());
  EXPECT_EQ(two.activations, 0);
  one.keep = false;
  SendMessageA(window, PSM_SETCURSEL, 1, 0);
  ASSERT_NE(two.Hwnd(), nullptr);
  EXPECT_EQ(current(), two.Hwnd());
  EXPECT_EQ(two.activations, 1);

  two.accept = false;
  EXPECT_FALSE(SendMessageA(window, PSM_APPLY, 0, 0));
  EXPECT_EQ(two.applies, 1);
  two.accept = true;
  EXPECT_TRUE(SendMessageA(window, PSM_APPLY, 0, 0));
  EXPECT_EQ(one.applies, 2);
  sheet.Destroy();
}

// A page whose edit box follows a rule, and a sheet that acts whenever its
// own loop has run dry.
class RulePage : public Page {
public:
  using Page::Page;
  bool editEnabled = true;

protected:
  void UpdateCommand(UINT id, CommandState &state) override {
    if (id == IDC_EDIT) state.Enable(editEnabled);
  }
};

class LoopSheet : public PropertySheet {
public:
  std::vector<std::function<void(HWND)>> steps; // one per idle pass
  bool shownWhenCreated = true;

protected:
  void OnCreated() override { shownWhenCreated = IsWindowVisible(Hwnd()) != FALSE; }
  void OnIdle() override {
    if (next < steps.size()) steps[next++](Hwnd());
  }

private:
  std::size_t next = 0;
};

TEST_F(CommandRouting, ASheetUnderItsOwnLoopAppliesThePagesRulesAndTellsOkFromCancel) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  const auto press = [](int button) {
    return [button](HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); };
  };
  {
    RulePage one(IDD_PAGE_ONE);
    Page two(IDD_PAGE_TWO);
    LoopSheet sheet;
    sheet.AddPage(one);
    sheet.AddPage(two);
    one.editEnabled = false;
    sheet.steps = {[&](HWND window) {
                     EXPECT_TRUE(IsWindowVisible(window));
                     EXPECT_FALSE(IsWindowEnabled(owner));
                     EXPECT_FALSE(IsWindowEnabled(one.GetItem(IDC_EDIT)));
                     one.editEnabled = true;
                   },
                   [&](HWND window) {
                     EXPECT_TRUE(IsWindowEnabled(one.GetItem(IDC_EDIT)));
                     // The first OK is refused: the sheet stays.
                     one.accept = false;
                     PostMessageA(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
                   },
                   [&](HWND window) {
                     EXPECT_EQ(one.applies, 1);
                     one.accept = true;
                     PostMessageA(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
                   }};
    EXPECT_EQ(sheet.DoModalLoop(owner), IDOK);
    EXPECT_FALSE(sheet.shownWhenCreated);
    EXPECT_EQ(one.applies, 2);
    EXPECT_EQ(two.applies, 0); // never shown, never asked
    EXPECT_EQ(sheet.Hwnd(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));
  }
  for (const bool refusedFirst : {false, true}) {
    // Cancel, also after a refused OK, is Cancel.
    Page one(IDD_PAGE_ONE);
    LoopSheet sheet;
    sheet.AddPage(one);
    one.accept = false;
    sheet.steps = {press(PSBTN_CANCEL)};
    if (refusedFirst) sheet.steps.insert(sheet.steps.begin(), press(PSBTN_OK));
    EXPECT_EQ(sheet.DoModalLoop(owner), IDCANCEL) << refusedFirst;
    EXPECT_EQ(one.applies, refusedFirst ? 1 : 0);
  }
  DestroyWindow(owner);
}

TEST(ResourceStrings, AnyLengthAndTheTwoPartsOfACommandText) {
  std::string expected;
  for (int i = 0; i < 28; ++i) expected += "0123456789";
  EXPECT_EQ(loadString(IDS_LONG), expected + "-end");
  EXPECT_EQ(commandPrompt(ID_DIALOG_ONLY), "Runs the dialog's own command");
  EXPECT_EQ(commandTip(ID_DIALOG_ONLY), "Dialog command");
  EXPECT_EQ(commandPrompt(ID_DOCUMENT), "Prompt without a tip");
  EXPECT_EQ(commandTip(ID_DOCUMENT), "");
  EXPECT_EQ(loadString(9999), "");
}

} // namespace
