// The pages of the options sheet. Each shows the stored settings when it is
// made and writes the values chosen into the sheet's copy when the sheet
// ends with OK (its apply step), or refuses and keeps the sheet open on it.
#ifndef TAMBLE_OPTIONS_PAGES_WIN32_H
#define TAMBLE_OPTIONS_PAGES_WIN32_H

#include "main_settings.h"
#include "option_pages.h"
#include "ui/drop_edit.h"
#include "ui/picture_button.h"
#include "ui/property_sheet.h"
#include "ui/static_link.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tb {

// A page between the stored settings and the sheet's copy.
class COptionsPageBase : public ui::PropertyPage {
public:
  COptionsPageBase(UINT templateId, const ComSettings &stored, ComSettings &chosen)
      : PropertyPage(templateId), stored_(stored), chosen_(chosen) {}

protected:
  int message(const std::string &text, UINT style);
  std::uint16_t hotKeyOf(int id) const;
  void setHotKey(int id, std::uint16_t word);
  // The index among count buttons of the checked one; -1 when none is.
  int checkedRadio(const int *ids, int count) const;

  const ComSettings &stored_;
  ComSettings &chosen_;
};

class COptionPage final : public COptionsPageBase {
public:
  COptionPage(const ComSettings &stored, ComSettings &chosen);

protected:
  bool OnInit() override;
  bool OnApply() override;
};

class COptRecPage final : public COptionsPageBase {
public:
  COptRecPage(const ComSettings &stored, ComSettings &chosen);

protected:
  bool OnInit() override;
  bool OnApply() override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

private:
  RecordPageControls controls() const;
};

class COptPlayPage final : public COptionsPageBase {
public:
  COptPlayPage(const ComSettings &stored, ComSettings &chosen);

protected:
  bool OnInit() override;
  bool OnKillActive() override;
  bool OnApply() override;

private:
  // The interval's text as a value; the refusal shown when it is none.
  bool readInterval(int &interval);
};

// The editor command box: a dropped program replaces its whole text.
class ProgramDropEdit final : public ui::CDropEdit {
public:
  void OnProgram(std::function<void(const std::string &)> taken) { taken_ = std::move(taken); }

protected:
  void OnDropped(const std::string &path) override {
    if (taken_) taken_(path);
  }

private:
  std::function<void(const std::string &)> taken_;
};

class COptEditorPage final : public COptionsPageBase {
public:
  COptEditorPage(const ComSettings &stored, ComSettings &chosen);
  ~COptEditorPage() override;

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  bool OnApply() override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;
  void OnDestroy() override;

private:
  void browse();
  // A program the user dropped or chose becomes the other command.
  void takeProgram(const std::string &path);
  void showIcon(int id, HICON &kept, HICON icon);

  ProgramDropEdit command_;
  ui::CPictureButton browse_;
  HICON textEditorIcon_ = nullptr;
  HICON otherEditorIcon_ = nullptr;
};

class CAboutPage final : public COptionsPageBase {
public:
  CAboutPage(const ComSettings &stored, ComSettings &chosen);
  ~CAboutPage() override;

protected:
  bool OnInit() override;
  void OnDestroy() override;

private:
  ui::CStaticLink web_;
  ui::CStaticLink mail_;
  HFONT bannerFont_ = nullptr;
};

} // namespace tb

#endif
