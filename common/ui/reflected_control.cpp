#include "reflected_control.h"

namespace tb::ui {

namespace {
constexpr char kProperty[] = "Tamble.Reflect";
}

void ReflectedControl::ReflectFrom(HWND control) {
  StopReflection();
  if (control && SetPropA(control, kProperty, this)) reflected_ = control;
}

void ReflectedControl::StopReflection() {
  if (!reflected_) return;
  if (GetPropA(reflected_, kProperty) == this) RemovePropA(reflected_, kProperty);
  reflected_ = nullptr;
}

ReflectedControl *ReflectedControl::Of(HWND control) {
  return control ? static_cast<ReflectedControl *>(GetPropA(control, kProperty)) : nullptr;
}

} // namespace tb::ui
