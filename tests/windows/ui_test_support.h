// Helpers of the dialog layer's tests: a modal dialog that runs a list of
// steps, one per idle pass of its loop, and waiting with generous limits.
#ifndef TAMBLE_TESTS_UI_TEST_SUPPORT_H
#define TAMBLE_TESTS_UI_TEST_SUPPORT_H

#include "message_wait.h"
#include "ui/application.h"
#include "ui/modal_dialog.h"
#include "ui/sizing_dialog.h"
#include "ui_test_resources.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <ostream>
#include <vector>

inline bool operator==(const RECT &a, const RECT &b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const RECT &rect, std::ostream *out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

namespace uitest {

using tbwait::kGenerousMs;
using tbwait::waitUntil;
constexpr UINT_PTR kGiveUpTimer = 0x7A11;
constexpr UINT kKick = WM_APP + 0x100;

// Runs its steps one per idle pass, with the state the loop has just
// applied, and ends after the last one. A step that changes something
// posts a message, so another idle pass follows.
template <class Base> class Stepped : public Base {
public:
  using Step = std::function<void()>;
  using Base::Base;

  void Then(Step step) { steps_.push_back(std::move(step)); }
  INT_PTR Run(HWND owner = nullptr) {
    const INT_PTR result = this->DoModal(owner);
    EXPECT_FALSE(gaveUp_) << "the dialog never went idle often enough";
    EXPECT_EQ(next_, steps_.size());
    return result;
  }
  int idlePasses = 0;

protected:
  bool OnInit() override {
    Base::OnInit();
    this->SetTimer(kGiveUpTimer, kGenerousMs);
    return true;
  }
  bool OnTimer(UINT_PTR id) override {
    if (id != kGiveUpTimer) return false;
    gaveUp_ = true;
    this->EndModal(-2);
    return true;
  }
  void OnIdle() override {
    ++idlePasses;
    if (next_ < steps_.size()) {
      steps_[next_++]();
      if (this->IsRunning()) this->PostMsg(kKick);
    } else {
      this->EndModal(IDOK);
    }
  }

private:
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool gaveUp_ = false;
};

// The common controls, once per test program.
class UiTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { tb::ui::initCommonControls(); }
};

} // namespace uitest

#endif
