// POSIX reads and the temporary-file-and-rename replacement of a whole file.
#include "platform/linux/system/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "support/error.h"
#include "support/text.h"

namespace lartsen {
namespace {

[[noreturn]] void Fail(std::u16string_view what, const std::string& path, int error) {
  throw Error(status::kFail, std::u16string(what) + FromUtf8(path) + u": " + FromUtf8(std::strerror(error)));
}

// The file a write goes to: the end of a chain of symbolic links.
std::string WriteTarget(const std::string& path) {
  std::filesystem::path target = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) break;
    const std::filesystem::path link = std::filesystem::read_symlink(target, error);
    if (error) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target.string();
}

// Closes the descriptor and takes the temporary file away when the replacement stops halfway.
class Temporary {
 public:
  explicit Temporary(std::string pattern) : path_(std::move(pattern)) {
    fd_ = mkostemp(path_.data(), O_CLOEXEC);
  }
  ~Temporary() {
    if (fd_ >= 0) close(fd_);
    if (!kept_) unlink(path_.c_str());
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  int Close() {
    const int result = close(fd_);
    fd_ = -1;
    return result;
  }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool kept_ = false;
};

}  // namespace

std::optional<std::string> ReadFileText(const std::string& path, UiLanguage language) {
  const std::u16string_view what = TextOf(UiText::CouldNotReadBefore, language);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    Fail(what, path, errno);
  }
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;  // EISDIR for a folder, EIO, ...
      close(fd);
      Fail(what, path, error);
    }
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return text;
}

void ReplaceFileText(const std::string& path, std::string_view text, mode_t newMode, UiLanguage language) {
  const std::u16string_view what = TextOf(UiText::CouldNotWriteBefore, language);
  const std::filesystem::path target = WriteTarget(path);
  std::error_code ignored;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ignored);
  mode_t mode = newMode;
  struct stat existing {};
  if (stat(target.c_str(), &existing) == 0) mode = existing.st_mode & 07777;

  Temporary temporary(target.string() + ".XXXXXX");
  if (temporary.fd() < 0) Fail(what, path, errno);
  if (fchmod(temporary.fd(), mode) != 0) Fail(what, path, errno);
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t put = write(temporary.fd(), text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) Fail(what, path, put < 0 ? errno : EIO);
    done += static_cast<std::size_t>(put);
  }
  if (fsync(temporary.fd()) != 0) Fail(what, path, errno);
  if (temporary.Close() != 0) Fail(what, path, errno);
  if (rename(temporary.path().c_str(), target.c_str()) != 0) Fail(what, path, errno);
  temporary.Keep();
  // The rename itself reaches the disk with the folder.
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
  if (const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    fsync(dir);
    close(dir);
  }
}

}  // namespace lartsen
