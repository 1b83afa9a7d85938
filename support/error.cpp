// The error a failing support call raises.
#include "support/error.h"

#include "support/text.h"

namespace lartsen {

Error::Error(std::int32_t status, std::u16string description)
    : status_(status), description_(std::move(description)), what_(ToUtf8(description_)) {}

}  // namespace lartsen
