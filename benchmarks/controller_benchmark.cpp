// What one recorded key costs the main window's controller, after a macro of
// 1 KB and of 1 MB: the key notice, the recorder's notices back, and the end
// of the text that the view shows. It must not grow with the macro.
#include "display_text.h"
#include "platform/sim_desktop.h"
#include "record_play_controller.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A window that does whatever the controller asks and shows the text's end.
class ViewHost final : public tb::ControllerHost {
public:
  explicit ViewHost(tb::MacroDocument &document) : document_(document) {}
  bool installHooks() override { return true; }
  void removeHooks() override {}
  void setKeysIgnored(bool) override {}
  bool startPlayback(ST_KEYENTRY *, int) override { return false; }
  void stopPlayback() override {}
  void showWindow(tb::WindowShow) override {}
  void setTrayIcon(bool) override {}
  void setHotKeysEnabled(bool) override {}
  void startBackupTimer() override {}
  void requestBackup() override {}
  void postCommand(int) override {}
  void closeWindow(int) override {}
  bool askToEditAfterError(int, const std::string &) override { return false; }
  void keyStackFull(int) override {}
  void writeTraceLog(const CMDEXEINFO &) override {}
  tb::WindowId masterWindow() override { return 0; }
  void setClipboardText(const std::string &) override {}
  bool confirmReplaceDocument() override { return true; }
  void textChanged() override {
    shown = document_.tail(tb::kTextViewBytes);
    size = tb::sizePaneText(document_.size());
  }
  void indicatorChanged() override {}

  std::string shown, size;

private:
  tb::MacroDocument &document_;
};

void recordAfterMacro(benchmark::State &state) {
  tb::sim::SimDesktop desktop;
  tb::setPlatform(&desktop);
  {
    tb::MacroDocument document;
    ViewHost host(document);
    tb::ComSettings settings;
    auto buffers = std::make_unique<tb::LibraryBuffers>();
    tb::RecordPlayController controller(host, document, *buffers, settings, {});
    g_hWndMaster = reinterpret_cast<void *>(desktop.addWindow("TambleMain", "Tamble"));
    desktop.onSendMessage = [&](const tb::sim::MessageRecord &m) {
      if (m.message == TB_MSG_TEXT_CHANGING) controller.keyRecorded();
      if (m.message == TB_MSG_TEXT_CHANGED) controller.recordingChanged(m.wParam, m.lParam);
      return std::intptr_t{0};
    };
    std::string macro;
    while (macro.size() < static_cast<std::size_t>(state.range(0))) macro += "abc{Enter}";
    document.reset(macro, "");
    controller.takeOverText();
    controller.record();
    // Different letters, so that no run of repeats is collapsed.
    int key = 0;
    for (auto _ : state) {
      const std::uintptr_t code = 'A' + static_cast<unsigned>(key++ % 26);
      controller.keyNotice(code, 1);
      controller.keyNotice(code, static_cast<std::intptr_t>(0xC0000001u));
      // A fresh recording now and then keeps the key stack from growing
      // without end; it is not timed.
      if (key % 4096 == 0) {
        state.PauseTiming();
        controller.stop();
        document.reset(macro, "");
        controller.takeOverText();
        controller.record();
        state.ResumeTiming();
      }
    }
    controller.stop();
    state.counters["view_bytes"] = static_cast<double>(host.shown.size());
    g_hWndMaster = nullptr;
  }
  tb::setPlatform(nullptr);
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(recordAfterMacro)->Arg(1 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

} // namespace
