// The user's collation (LC_COLLATE) for the rules' bracket ranges, letter case ignored.
#pragma once

#include <locale.h>

#include "rules/like_text.h"

namespace lartsen {

// Under the C locale, or one that is not installed, the portable order stands in.
class LinuxCharacterOrder final : public CharacterOrder {
 public:
  explicit LinuxCharacterOrder(const char* localeName = "");
  ~LinuxCharacterOrder() override;
  LinuxCharacterOrder(const LinuxCharacterOrder&) = delete;
  LinuxCharacterOrder& operator=(const LinuxCharacterOrder&) = delete;

  int Compare(char16_t a, char16_t b) const override;

 private:
  locale_t locale_ = static_cast<locale_t>(0);
};

}  // namespace lartsen
