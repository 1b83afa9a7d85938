// Framing of the i3-compatible IPC protocol over sway's Unix socket.
#include "platform/linux/sway/sway_ipc.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/error.h"
#include "support/text.h"

namespace lartsen::sway {
namespace {

constexpr std::string_view kMagic = "i3-ipc";
constexpr std::size_t kHeaderSize = kMagic.size() + 8;

[[noreturn]] void Fail(std::string_view what) {
  throw Error(status::kFail, u"sway IPC: " + FromUtf8(what) + u" (" + FromUtf8(std::strerror(errno)) + u")");
}

bool Connectable(const std::string& path) {
  try {
    SwayIpc probe(path);
    return true;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace

std::optional<std::string> SessionSocketPath() {
  // A SWAYSOCK left over from an ended sway (a terminal that outlived its session) is no session.
  if (const char* sock = std::getenv("SWAYSOCK"); sock && sock[0] != '\0') {
    if (Connectable(sock)) return std::string(sock);
    return std::nullopt;
  }
  // Without SWAYSOCK only a Wayland session may be a sway one; sway then names its socket.
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (!wayland || wayland[0] == '\0') return std::nullopt;
  FILE* pipe = popen("sway --get-socketpath 2>/dev/null", "r");
  if (!pipe) return std::nullopt;
  char line[4096] = {};
  const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
  pclose(pipe);
  if (!read) return std::nullopt;
  std::string path(line);
  while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
  if (path.empty() || !Connectable(path)) return std::nullopt;
  return path;
}

SwayIpc::SwayIpc(std::string socketPath) : path_(std::move(socketPath)) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path_.size() >= sizeof address.sun_path) {
    errno = ENAMETOOLONG;
    Fail("socket path");
  }
  std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
  fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) Fail("socket");
  if (connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int saved = errno;
    close(fd_);
    fd_ = -1;
    errno = saved;
    Fail("connect " + path_);
  }
}

SwayIpc::~SwayIpc() {
  if (fd_ >= 0) close(fd_);
}

void SwayIpc::Send(std::uint32_t type, std::string_view payload) {
  std::string frame(kMagic);
  const auto length = static_cast<std::uint32_t>(payload.size());
  frame.append(reinterpret_cast<const char*>(&length), 4);
  frame.append(reinterpret_cast<const char*>(&type), 4);
  frame.append(payload);
  std::size_t sent = 0;
  while (sent < frame.size()) {
    const ssize_t n = ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) Fail("send");
    sent += static_cast<std::size_t>(n);
  }
}

void SwayIpc::ReadExactly(char* buffer, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::recv(fd_, buffer + got, size - got, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ECONNRESET;
    if (n <= 0) Fail("receive");
    got += static_cast<std::size_t>(n);
  }
}

std::pair<std::uint32_t, std::string> SwayIpc::ReadMessage() {
  char header[kHeaderSize];
  ReadExactly(header, sizeof header);
  if (std::string_view(header, kMagic.size()) != kMagic) {
    errno = EPROTO;
    Fail("reply without the protocol's mark");
  }
  std::uint32_t length = 0;
  std::uint32_t type = 0;
  std::memcpy(&length, header + kMagic.size(), 4);
  std::memcpy(&type, header + kMagic.size() + 4, 4);
  std::string payload(length, '\0');
  ReadExactly(payload.data(), payload.size());
  return {type, std::move(payload)};
}

nlohmann::json SwayIpc::Request(std::uint32_t type, std::string_view payload) {
  Send(type, payload);
  for (;;) {
    auto [replyType, text] = ReadMessage();
    if ((replyType & message::kEventBit) != 0) continue;
    nlohmann::json reply = nlohmann::json::parse(text, nullptr, false);
    if (reply.is_discarded()) {
      errno = EPROTO;
      Fail("a reply that is not JSON");
    }
    return reply;
  }
}

nlohmann::json SwayIpc::Tree() { return Request(message::kGetTree, {}); }

bool SwayIpc::Command(std::string_view command) {
  const nlohmann::json reply = Request(message::kRunCommand, command);
  if (!reply.is_array() || reply.empty()) return false;
  for (const auto& part : reply) {
    if (!part.is_object() || !part.value("success", false)) return false;
  }
  return true;
}

void SwayIpc::Subscribe(const nlohmann::json& events) {
  const nlohmann::json reply = Request(message::kSubscribe, events.dump());
  if (!reply.is_object() || !reply.value("success", false)) {
    errno = EPROTO;
    Fail("subscription refused");
  }
}

}  // namespace lartsen::sway
