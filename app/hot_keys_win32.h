// The hot-key registry on the system: keys registered for an owner window
// (which receives WM_HOTKEY), names from the program's KEYDATA resource.
#ifndef TAMBLE_HOT_KEYS_WIN32_H
#define TAMBLE_HOT_KEYS_WIN32_H

#include "hot_key_registry.h"
#include "key_name_table.h"

#include <windows.h>

#include <memory>

namespace tb {

class WindowHotKeyRegistrar final : public HotKeyRegistrar {
public:
  explicit WindowHotKeyRegistrar(HWND owner) : owner_(owner) {}
  bool registerHotKey(int id, unsigned modifiers, unsigned virtualKey) override;
  void unregisterHotKey(int id) override;

private:
  HWND owner_;
};

// The KEYDATA resource of the module (the program when null); an empty
// table when it has none.
KeyNameTable loadKeyNameTable(HMODULE module = nullptr);

// A registry that registers its keys for owner, with the program's names.
std::unique_ptr<CHotKeyRegistry> makeHotKeyRegistry(HWND owner);

} // namespace tb

#endif
