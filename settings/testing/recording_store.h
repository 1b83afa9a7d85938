// A settings store that answers every read with its default and records the keys written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace lartsen::testing {

// The keys go to a list outside the store, since the code under test makes a store per use.
class RecordingStore : public SettingsStorePort {
 public:
  explicit RecordingStore(std::vector<std::u16string>& writes) : writes_(writes) {}
  SettingValue ReadSetting(std::u16string_view, std::u16string_view, SettingKind,
                           const SettingValue& fallback) override {
    return fallback;
  }
  void WriteSetting(std::u16string_view, std::u16string_view key, SettingKind, const SettingValue&) override {
    writes_.emplace_back(key);
  }

 private:
  std::vector<std::u16string>& writes_;
};

}  // namespace lartsen::testing
