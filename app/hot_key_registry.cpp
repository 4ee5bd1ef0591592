#include "hot_key_registry.h"

#include "language/ascii.h"

#include <utility>

namespace tb {

std::uint16_t hotKeyValueOfSetting(std::uint32_t setting) {
  const std::uint32_t control = setting >> 16;
  unsigned modifiers = 0;
  if (control & 1) modifiers |= hotkey::Shift;
  if (control & 2) modifiers |= hotkey::Control;
  if (control & 4) modifiers |= hotkey::Alt;
  return static_cast<std::uint16_t>(modifiers << 8 | (setting & 0xFF));
}

CHotKeyRegistry::CHotKeyRegistry(std::unique_ptr<HotKeyRegistrar> registrar, KeyNameTable names)
    : registrar_(std::move(registrar)), names_(std::move(names)) {}

CHotKeyRegistry::~CHotKeyRegistry() { clear(); }

bool CHotKeyRegistry::registerKey(const std::string &name, std::uint16_t value, bool onlyRecord) {
  Entry &entry = byValue_[value];
  bool known = false;
  for (const std::string &bound : entry.names) known = known || equalsIgnoreCase(bound, name);
  if (!known) entry.names.push_back(name);
  if (entry.id == 0 && !onlyRecord) {
    if (registrar_->registerHotKey(count_ + 1, value >> 8, value & 0xFF)) {
      entry.id = ++count_;
      byId_[entry.id] = value;
    } else {
      failed_.push_back(value);
    }
  }
  return failed_.empty();
}

void CHotKeyRegistry::clear() {
  for (const auto &[id, value] : byId_) registrar_->unregisterHotKey(id);
  byId_.clear();
  byValue_.clear();
  count_ = 0;
}

const CHotKeyRegistry::Entry *CHotKeyRegistry::findById(int id) const {
  const auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : findByValue(found->second);
}

const CHotKeyRegistry::Entry *CHotKeyRegistry::findByValue(std::uint16_t value) const {
  const auto found = byValue_.find(value);
  return found == byValue_.end() ? nullptr : &found->second;
}

const CHotKeyRegistry::Entry *CHotKeyRegistry::findNotified(int id, unsigned modifiers,
                                                            unsigned virtualKey) const {
  const Entry *entry = findById(id);
  const auto value = static_cast<std::uint16_t>((modifiers & 0xFF) << 8 | (virtualKey & 0xFF));
  return entry && entry == findByValue(value) ? entry : nullptr;
}

std::string CHotKeyRegistry::failedKeysText() {
  std::string text;
  for (const std::uint16_t value : failed_) {
    std::string key;
    const auto add = [&](int code) {
      if (!key.empty()) key += " + ";
      key += names_.name(code);
    };
    if (value & hotkey::Control << 8) add(17);
    if (value & hotkey::Shift << 8) add(16);
    if (value & hotkey::Alt << 8) add(18);
    add(value & 0xFF);
    if (!text.empty()) text += ", ";
    text += key;
  }
  failed_.clear();
  return text;
}

} // namespace tb
