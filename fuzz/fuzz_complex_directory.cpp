// Arbitrary paths for nested directory creation: every path the file system is asked about
// lies below the root, has no empty component and no doubled or trailing separator.
#include <cstdlib>
#include <string>

#include "fsutil/complex_directory.h"
#include "support/testing/fake_environment.h"
#include "support/testing/fake_host.h"
#include "support/text.h"

namespace {

using namespace lartsen;

class CheckingFileSystem : public FileSystemPort {
 public:
  std::uint32_t FileAttributesWide(std::u16string_view path) override { return Check(path, true); }
  std::uint32_t FileAttributesAnsi(std::u16string_view path) override { return Check(path, false); }
  bool CreateDirectoryWide(std::u16string_view path) override { return Check(path, true) == 0; }
  bool CreateDirectoryAnsi(std::u16string_view path) override { return Check(path, false) == 0; }

 private:
  static std::uint32_t Check(std::u16string_view path, bool wide) {
    if (wide) {
      if (!path.starts_with(u"\\\\?\\")) std::abort();
      path.remove_prefix(4);
      if (path.starts_with(u"UNC\\")) path.remove_prefix(4);
    } else if (path.starts_with(u"\\\\")) {
      path.remove_prefix(2);
    }
    if (path.empty() || path.back() == u'\\' || path.find(u"\\\\") != std::u16string_view::npos) std::abort();
    // Every other component exists as a file, every third does not exist at all.
    return path.size() % 3 == 0 ? kInvalidFileAttributes : (path.size() % 2 ? kFileAttributeDirectory : 0x20);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string path = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckingFileSystem fs;
  FakeHost host;
  FakeEnvironment env;
  env.currentFolder = u"C:\\Work";  // absolute forms may keep trailing separators
  ComplexDirectory dirs(fs, host, env);
  dirs.CreateComplexDirectory(path, true);
  dirs.CreateComplexDirectory(path, false);
  host.win9x = true;
  dirs.CreateComplexDirectory(path, true);
  return 0;
}
