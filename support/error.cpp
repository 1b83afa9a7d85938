// The error a failing support call raises.
#include "support/error.h"

#include "support/text.h"

namespace lartsen {

Error::Error(std::int32_t status, std::u16string description)
    : status_(status), description_(std::move(description)), what_(ToUtf8(description_)) {}

Error::Error(std::int32_t status, UiText key, std::u16string detail)
    : Error(status, std::u16string(TextOf(key, UiLanguage::Russian)) + detail) {
  key_ = key;
  detail_ = std::move(detail);
}

Error::Error(std::int32_t status, UiText key, std::u16string detail, UiText ending)
    : Error(status, std::u16string(TextOf(key, UiLanguage::Russian)) + detail +
                        std::u16string(TextOf(ending, UiLanguage::Russian))) {
  key_ = key;
  detail_ = std::move(detail);
  ending_ = ending;
}

std::u16string Error::DescriptionIn(UiLanguage language) const {
  if (!key_) return description_;
  std::u16string text = std::u16string(TextOf(*key_, language)) + detail_;
  if (ending_) text += TextOf(*ending_, language);
  return text;
}

std::u16string DescribeFailure(const std::exception& error, UiLanguage language) {
  if (const auto* own = dynamic_cast<const Error*>(&error)) return own->DescriptionIn(language);
  return FromUtf8(error.what());
}

}  // namespace lartsen
