// Random whole numbers for the previews' sample moments.
#include "platform/linux/ui/random_qt.h"

#include <QRandomGenerator>

#include "support/error.h"

namespace lartsen::qt {

std::int32_t Random::RandomBetween(std::int32_t lowest, std::int32_t highest) {
  if (highest < lowest) throw Error(status::kInvalidArgument, UiText::InvalidRandomRange);
  // bounded() excludes its upper bound; 64 bits hold the widest 32-bit range plus one.
  const auto span = static_cast<qint64>(highest) - lowest + 1;
  return static_cast<std::int32_t>(lowest + QRandomGenerator::global()->bounded(span));
}

}  // namespace lartsen::qt
