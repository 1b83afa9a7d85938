// A Mersenne twister seeded once from std::random_device.
#include "platform/linux/system/random_linux.h"

#include "support/error.h"

namespace lartsen {

RandomLinux::RandomLinux() : engine_(std::random_device{}()) {}

std::int32_t RandomLinux::GetRnd(std::int32_t lowest, std::int32_t highest) {
  if (lowest > highest) throw Error(status::kInvalidArgument, u"Неверный интервал случайного числа.");
  return std::uniform_int_distribution<std::int32_t>(lowest, highest)(engine_);
}

}  // namespace lartsen
