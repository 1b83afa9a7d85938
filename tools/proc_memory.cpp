// Memory figures of a Linux machine from /proc, for the console tool's native build.
#include "tools/proc_memory.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "support/error.h"
#include "support/text.h"
#include "template/byte_size_text.h"

namespace lartsen {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw Error(status::kFail, u"Не удалось прочитать " + FromUtf8(path));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

constexpr double kUserAddressSpace = 140737488355328.0;  // 2^47

}  // namespace

double MeminfoBytes(std::string_view meminfo, std::string_view name) {
  std::size_t at = 0;
  while (at < meminfo.size()) {
    const std::size_t end = std::min(meminfo.find('\n', at), meminfo.size());
    const std::string_view line = meminfo.substr(at, end - at);
    if (line.size() > name.size() && line.substr(0, name.size()) == name &&
        line[name.size()] == ':') {
      double value = 0;
      std::istringstream(std::string(line.substr(name.size() + 1))) >> value;
      return line.find("kB") != std::string_view::npos ? value * 1024 : value;
    }
    at = end + 1;
  }
  return -1;
}

ProcMemory::ProcMemory(std::u16string decimalSeparator, std::string meminfoPath)
    : decimalSeparator_(std::move(decimalSeparator)), meminfoPath_(std::move(meminfoPath)) {}

MemoryStatus ProcMemory::GlobalMemoryStatus() {
  const std::string meminfo = ReadFile(meminfoPath_);
  const double total = MeminfoBytes(meminfo, "MemTotal");
  double available = MeminfoBytes(meminfo, "MemAvailable");
  if (available < 0) available = MeminfoBytes(meminfo, "MemFree");  // kernels before 3.14
  if (total <= 0 || available < 0) throw Error(status::kFail, u"В /proc/meminfo нет MemTotal");
  const double swapTotal = std::max(0.0, MeminfoBytes(meminfo, "SwapTotal"));
  const double swapFree = std::max(0.0, MeminfoBytes(meminfo, "SwapFree"));
  MemoryStatus s;
  s.TotalPhys = total;
  s.AvailPhys = available;
  s.MemoryLoad = static_cast<std::int32_t>(std::lround(100 * (total - available) / total));
  s.TotalPageFile = total + swapTotal;
  s.AvailPageFile = available + swapFree;
  s.TotalVirtual = kUserAddressSpace;
  double used = 0;
  try {
    used = std::max(0.0, MeminfoBytes(ReadFile("/proc/self/status"), "VmSize"));
  } catch (const Error&) {
  }
  s.AvailVirtual = kUserAddressSpace - used;
  s.AvailExtendedVirtual = 0;
  return s;
}

std::u16string ProcMemory::FormatByteSize(double bytes) {
  std::u16string text;
  AppendByteSizeText(text, bytes, decimalSeparator_, EnglishByteSizeUnits());
  return text;
}

}  // namespace lartsen
