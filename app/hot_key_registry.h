// The system-wide hot keys of the main window: which function names are
// bound to which key, the ids under which the keys are registered, and the
// keys the system refused, by name.
#ifndef TAMBLE_HOT_KEY_REGISTRY_H
#define TAMBLE_HOT_KEY_REGISTRY_H

#include "key_name_table.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tb {

// A hot-key value: the virtual key in the low byte, these modifiers (those
// of RegisterHotKey) in the high byte.
namespace hotkey {
constexpr unsigned Alt = 1;
constexpr unsigned Control = 2;
constexpr unsigned Shift = 4;
} // namespace hotkey

// The value of a hot key as the settings keep it (virtual key in bits 0-7,
// the hot-key control's Shift 1, Ctrl 2, Alt 4 and extended 8 in bits
// 16-23); the extended flag is dropped.
std::uint16_t hotKeyValueOfSetting(std::uint32_t setting);

// What registers hot keys with the system for an owner window.
class HotKeyRegistrar {
public:
  virtual ~HotKeyRegistrar() = default;
  virtual bool registerHotKey(int id, unsigned modifiers, unsigned virtualKey) = 0;
  virtual void unregisterHotKey(int id) = 0;
};

class CHotKeyRegistry {
public:
  struct Entry {
    std::vector<std::string> names; // the functions bound to the key
    int id = 0;                     // 0 while not registered
  };

  CHotKeyRegistry(std::unique_ptr<HotKeyRegistrar> registrar, KeyNameTable names);
  // Unregisters every registered key.
  ~CHotKeyRegistry();
  CHotKeyRegistry(const CHotKeyRegistry &) = delete;
  CHotKeyRegistry &operator=(const CHotKeyRegistry &) = delete;

  // Binds the name to the value (once, whatever its case) and registers
  // the value unless it already is or onlyRecord is set. True when no
  // registration has failed since the failed-keys text was last taken.
  bool registerKey(const std::string &name, std::uint16_t value, bool onlyRecord = false);
  // Unregisters every id and forgets every entry; ids start at 1 again.
  void clear();

  const Entry *findById(int id) const;
  const Entry *findByValue(std::uint16_t value) const;
  // The entry of a hot-key message (id; modifiers and key from its long
  // parameter), when the id and the key lead to the same entry.
  const Entry *findNotified(int id, unsigned modifiers, unsigned virtualKey) const;
  int registeredCount() const { return count_; }

  // "Ctrl + Alt + F5, Shift + F2": the keys whose registration failed, in
  // order; the list is empty afterwards.
  std::string failedKeysText();
  std::string keyName(int keyCode) const { return names_.name(keyCode); }

private:
  std::unique_ptr<HotKeyRegistrar> registrar_;
  KeyNameTable names_;
  std::map<std::uint16_t, Entry> byValue_;
  std::map<int, std::uint16_t> byId_;
  int count_ = 0;
  std::vector<std::uint16_t> failed_;
};

} // namespace tb

#endif
