// The recorder set up as the main program sets it up, fed with key notices
// as the keyboard hook delivers them from a simulated keyboard.
#ifndef TAMBLE_TESTS_RECORDER_TEST_H
#define TAMBLE_TESTS_RECORDER_TEST_H

#include "key_steps.h"
#include "platform/sim_desktop.h"
#include "tamblecore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// Base is SimTest or a fixture derived from it.
template <class Base> class RecorderTestBase : public Base {
protected:
  void SetUp() override {
    Base::SetUp();
    g_lpKeyStack = static_cast<char *>(this->desktop.heapAlloc(TB_KEYSTACK_STEP));
    g_nKeyStackLeng = TB_KEYSTACK_STEP;
    std::fill(std::begin(extend_), std::end(extend_), 0);
    if (!g_pchKeyExtend) g_pchKeyExtend = extend_;
    master = this->desktop.addWindow("TambleMaster", "");
    g_hWndMaster = reinterpret_cast<void *>(master);
    this->desktop.onSendMessage = [this](const tb::sim::MessageRecord &m) {
      notices.push_back(m);
      return std::intptr_t{0};
    };
    Initial_Record_Keyboard_Event();
  }

  void TearDown() override {
    this->desktop.heapFree(g_lpKeyStack);
    g_lpKeyStack = nullptr;
    g_nKeyStackLeng = 0;
    if (g_pchKeyExtend == extend_) g_pchKeyExtend = nullptr;
    g_hWndMaster = nullptr;
    Base::TearDown();
  }

  // One key event: the notice carries the keyboard's state from before the
  // event, as the hook reads it, and the event then reaches the keyboard.
  void event(int key, bool up, bool extended = false) {
    tb::sim::SimDesktop &d = this->desktop;
    unsigned state = 0;
    if (d.toggled(tb::vk::Capital)) state |= TB_KEYSTATE_CAPSLOCK;
    if (d.isDown(tb::vk::Shift)) state |= TB_KEYSTATE_SHIFT;
    if (d.toggled(tb::vk::NumLock)) state |= TB_KEYSTATE_NUMLOCK;
    if (d.isDown(tb::vk::Menu)) state |= TB_KEYSTATE_ALT;
    if (d.isDown(tb::vk::Control)) state |= TB_KEYSTATE_CTRL;
    const std::uint32_t flags = (extended ? 1u << 24 : 0) | (up ? 1u << 31 : 0);
    Record_Keyboard_Event(static_cast<uintptr_t>(state) << 16 | static_cast<unsigned>(key),
                          static_cast<intptr_t>(static_cast<std::int32_t>(flags)));
    d.keybdEvent(static_cast<std::uint8_t>(key), 0,
                 (up ? tb::keyevent::KeyUp : 0) | (extended ? tb::keyevent::ExtendedKey : 0));
  }

  // Plays a script of key steps (see key_steps.h) and returns the text.
  std::string record(const std::string &script) {
    EXPECT_TRUE(tbtest::playKeySteps(script, [this](int key, bool up, bool extended) {
      event(key, up, extended);
    })) << script;
    return g_lpKeyStack;
  }

  tb::WindowId master = 0;
  std::vector<tb::sim::MessageRecord> notices;

private:
  unsigned char extend_[256];
};

#endif
