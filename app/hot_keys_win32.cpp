#include "hot_keys_win32.h"

namespace tb {

bool WindowHotKeyRegistrar::registerHotKey(int id, unsigned modifiers, unsigned virtualKey) {
  return RegisterHotKey(owner_, id, modifiers, virtualKey) != FALSE;
}

void WindowHotKeyRegistrar::unregisterHotKey(int id) { UnregisterHotKey(owner_, id); }

KeyNameTable loadKeyNameTable(HMODULE module) {
  if (!module) module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "KEYDATA", "KEYDATA");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void *data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return KeyNameTable();
  return KeyNameTable(data, SizeofResource(module, found));
}

std::unique_ptr<CHotKeyRegistry> makeHotKeyRegistry(HWND owner) {
  return std::make_unique<CHotKeyRegistry>(std::make_unique<WindowHotKeyRegistrar>(owner),
                                           loadKeyNameTable());
}

} // namespace tb
