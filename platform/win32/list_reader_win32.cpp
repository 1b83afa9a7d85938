// The list reader's ports on Windows: wide-path file reading and the ANSI code page.
#include "platform/win32/list_reader_win32.h"

#include <windows.h>

#include "platform/win32/owned_win32.h"
#include "platform/win32/win_text.h"

namespace lartsen::win32 {

std::optional<std::string> Win32FileReader::ReadFileBytes(std::u16string_view path) {
  const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  const OwnedHandle closer(file);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > kMaxListFileBytes) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got, nullptr)) {
      return std::nullopt;
    }
    if (got == 0) break;  // the file shrank meanwhile
    filled += got;
  }
  bytes.resize(filled);
  return bytes;
}

std::u16string Win32AnsiDecoder::DecodeAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  // No code page yields more UTF-16 units than it was given bytes.
  const int length = static_cast<int>(bytes.size());
  std::wstring text(bytes.size(), L'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), static_cast<int>(text.size()));
  if (written <= 0) return {};
  return std::u16string(text.begin(), text.begin() + written);
}

}  // namespace lartsen::win32
