// The hot-key registry and the key names of the KEYDATA table that the
// build writes for the program's resources.
#include "hot_key_registry.h"
#include "key_name_table.h"
#include "platform/sim_desktop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::uint8_t> &keyData() {
  static const std::vector<std::uint8_t> bytes{
#include "keydata_bytes.inc"
  };
  return bytes;
}

// A keyboard whose comma key types ",", as MapVirtualKey's mode 2 tells.
class KeyboardDesktop : public tb::sim::SimDesktop {
public:
  std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override {
    if (mapType == 2) return code == 0xBC ? ',' : 0;
    return SimDesktop::mapVirtualKey(code, mapType);
  }
};

class KeyNames : public ::testing::Test {
protected:
  void SetUp() override { tb::setPlatform(&desktop); }
  void TearDown() override { tb::setPlatform(nullptr); }

  KeyboardDesktop desktop;
  tb::KeyNameTable table{keyData().data(), keyData().size()};
};

TEST_F(KeyNames, LettersDigitsRecordsTheKeyboardAndUnknown) {
  ASSERT_EQ(keyData().size(), 818u);
  EXPECT_EQ(table.recordCount(), 98u);
  EXPECT_EQ(table.name(0), "なし");
  EXPECT_EQ(table.name(0x41), "A");
  EXPECT_EQ(table.name(0x35), "5");
  EXPECT_EQ(table.name(0x74), "F5");
  EXPECT_EQ(table.name(0x6E), "Num .");
  EXPECT_EQ(table.name(1), "L-Button");
  EXPECT_EQ(table.name(8), "Back space");
  EXPECT_EQ(table.name(254), "OEM Clear");
  EXPECT_EQ(table.name(0xBC), ","); // no record: the keyboard's character
  EXPECT_EQ(table.name(0xFF), "Unknown");
  EXPECT_EQ(table.name(5), "Unknown"); // between records
}

TEST_F(KeyNames, ACutOrEndedTableGivesTheNamesItHoldsAndReadsNoFurther) {
  // Each cut copy is exactly as large as its bytes, so the sanitizer sees
  // any read past its end.
  std::size_t records = 0;
  for (std::size_t size = 0; size <= keyData().size(); ++size) {
    const auto cut = std::make_unique<std::uint8_t[]>(size);
    std::copy_n(keyData().begin(), size, cut.get());
    const tb::KeyNameTable partial(cut.get(), size);
    ASSERT_GE(partial.recordCount(), records) << size;
    records = partial.recordCount();
    for (int code = 0; code < 256; ++code) {
      const std::string name = partial.name(code);
      ASSERT_TRUE(name == table.name(code) || name == "Unknown") << size << " " << code;
    }
  }
  EXPECT_EQ(tb::KeyNameTable(keyData().data(), 816).recordCount(), 98u); // no end marker
  EXPECT_EQ(tb::KeyNameTable(keyData().data(), 815).recordCount(), 97u);
  // An end marker ends the records; names the header lacks fall through.
  const std::uint8_t ended[] = {'A', 0, 'U',  0,    'N',  0, 0x70, 0,   'F',
                                '1', 0, 0xFF, 0xFF, 0x71, 0, 'F',  '2', 0};
  const tb::KeyNameTable early(ended, sizeof ended);
  EXPECT_EQ(early.recordCount(), 1u);
  EXPECT_EQ(early.name(0x70), "F1");
  EXPECT_EQ(early.name(0x71), "U");
  EXPECT_EQ(early.name(0x42), "U");
  EXPECT_EQ(early.name(0), "N");
}

// What the registry asked of the system; the values in refused are taken.
struct Calls {
  std::vector<std::vector<unsigned>> registered; // id, modifiers, key
  std::vector<int> unregistered;
  std::set<unsigned> refused;
};

class FakeRegistrar final : public tb::HotKeyRegistrar {
public:
  explicit FakeRegistrar(Calls &calls) : calls_(calls) {}
  bool registerHotKey(int id, unsigned modifiers, unsigned key) override {
    calls_.registered.push_back({static_cast<unsigned>(id), modifiers, key});
    return calls_.refused.count(modifiers << 8 | key) == 0;
  }
  void unregisterHotKey(int id) override { calls_.unregistered.push_back(id); }

private:
  Calls &calls_;
};

class HotKeyRegistry : public KeyNames {
protected:
  static constexpr std::uint16_t kCtrlAltF5 = (tb::hotkey::Control | tb::hotkey::Alt) << 8 | 0x74;
  static constexpr std::uint16_t kShiftF2 = tb::hotkey::Shift << 8 | 0x71;
  static constexpr std::uint16_t kCtrlQ = tb::hotkey::Control << 8 | 'Q';

  Calls calls;
  std::unique_ptr<tb::CHotKeyRegistry> registry =
      std::make_unique<tb::CHotKeyRegistry>(std::make_unique<FakeRegistrar>(calls), table);
};

TEST_F(HotKeyRegistry, KeysGetIdsInRegistrationOrderAndOneRegistrationEach) {
  EXPECT_TRUE(registry->registerKey("Listed", kCtrlQ, true)); // only recorded
  EXPECT_TRUE(registry->registerKey("PlayStartKey", kCtrlAltF5));
  EXPECT_TRUE(registry->registerKey("Other", kShiftF2));
  EXPECT_TRUE(registry->registerKey("playstartkey", kCtrlAltF5)); // the same name
  EXPECT_TRUE(registry->registerKey("Second", kCtrlAltF5));
  using Call = std::vector<unsigned>;
  EXPECT_EQ(calls.registered, (std::vector<Call>{{1, 3, 0x74}, {2, 4, 0x71}}));
  const tb::CHotKeyRegistry::Entry *entry = registry->findByValue(kCtrlAltF5);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->id, 1);
  EXPECT_EQ(entry->names, (std::vector<std::string>{"PlayStartKey", "Second"}));
  EXPECT_EQ(registry->findById(2), registry->findByValue(kShiftF2));
  EXPECT_EQ(registry->findByValue(kCtrlQ)->id, 0);
  EXPECT_EQ(registry->findById(3), nullptr);
  // Id and key of a hot-key message must lead to the same entry.
  EXPECT_EQ(registry->findNotified(1, 3, 0x74), entry);
  EXPECT_EQ(registry->findNotified(2, 3, 0x74), nullptr);
  EXPECT_EQ(registry->findNotified(1, 2, 0x74), nullptr);
}

TEST_F(HotKeyRegistry, RefusedKeysAreReportedByNameUntilTheTextIsTaken) {
  calls.refused = {kCtrlAltF5, kShiftF2, 0x0741};
  EXPECT_FALSE(registry->registerKey("PlayStartKey", kCtrlAltF5));
  EXPECT_FALSE(registry->registerKey("Quit", kCtrlQ)); // taken, but a key failed before
  EXPECT_EQ(registry->findByValue(kCtrlQ)->id, 1);
  EXPECT_EQ(registry->failedKeysText(), "Ctrl + Alt + F5");
  EXPECT_EQ(registry->failedKeysText(), "");
  EXPECT_FALSE(registry->registerKey("A", kShiftF2));
  EXPECT_FALSE(registry->registerKey("B", kCtrlAltF5)); // tried again, refused again
  EXPECT_FALSE(registry->registerKey("C", 0x0741));
  EXPECT_EQ(registry->failedKeysText(), "Shift + F2, Ctrl + Alt + F5, Ctrl + Shift + Alt + A");
  EXPECT_TRUE(registry->registerKey("D", 0x70));
}

TEST_F(HotKeyRegistry, ClearUnregistersEveryIdAndIdsStartAgain) {
  registry->registerKey("One", kCtrlAltF5);
  registry->registerKey("Two", kShiftF2);
  registry->clear();
  EXPECT_EQ(calls.unregistered, (std::vector<int>{1, 2}));
  EXPECT_EQ(registry->findById(1), nullptr);
  EXPECT_EQ(registry->findByValue(kCtrlAltF5), nullptr);
  EXPECT_TRUE(registry->registerKey("Again", kShiftF2));
  EXPECT_EQ(registry->findByValue(kShiftF2)->id, 1);
  registry.reset(); // its end releases the system's registrations too
  EXPECT_EQ(calls.unregistered, (std::vector<int>{1, 2, 1}));
}

TEST(HotKeyValue, SettingsModifiersBecomeTheSystemsAndExtendedIsDropped) {
  // Settings: Shift 1, Ctrl 2, Alt 4, extended 8 in bits 16-23.
  EXPECT_EQ(tb::hotKeyValueOfSetting(0x00030074), 0x0674);
  EXPECT_EQ(tb::hotKeyValueOfSetting(0x000C0041), 0x0141);
  EXPECT_EQ(tb::hotKeyValueOfSetting(0x00000070), 0x0070);
}

} // namespace
