// The sway IPC socket: framed requests and replies, and the events of a subscribed connection.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace lartsen::sway {

// Message types of the i3-compatible protocol that this program uses.
namespace message {
inline constexpr std::uint32_t kRunCommand = 0;
inline constexpr std::uint32_t kSubscribe = 2;
inline constexpr std::uint32_t kGetTree = 4;
inline constexpr std::uint32_t kGetConfig = 9;
inline constexpr std::uint32_t kEventBit = 0x80000000u;
}  // namespace message

// The path of the running sway's IPC socket: SWAYSOCK, else what `sway --get-socketpath`
// answers in a Wayland session; nothing outside a sway session or when the socket does not
// accept a connection.
std::optional<std::string> SessionSocketPath();

// What the program asks of sway; the windows adapter takes it by reference, so tests can answer
// with a tree of their own and record the commands.
class SwayRequests {
 public:
  virtual ~SwayRequests() = default;
  virtual nlohmann::json Tree() = 0;
  // Runs one command (several with ';'); true when sway reports every part a success.
  virtual bool Command(std::string_view command) = 0;
  // The socket path, which names the sway instance.
  virtual const std::string& Instance() const = 0;
};

// One connection; every failure of the socket or a reply that is not JSON throws Error.
class SwayIpc final : public SwayRequests {
 public:
  explicit SwayIpc(std::string socketPath);
  ~SwayIpc() override;
  SwayIpc(const SwayIpc&) = delete;
  SwayIpc& operator=(const SwayIpc&) = delete;

  nlohmann::json Tree() override;
  bool Command(std::string_view command) override;
  const std::string& Instance() const override { return path_; }

  // One request and its reply (events that arrive first are dropped).
  nlohmann::json Request(std::uint32_t type, std::string_view payload);
  // For an event connection: subscribes to `events` (a JSON array of names).
  void Subscribe(const nlohmann::json& events);
  // The next message whole, blocking; its type (with kEventBit for events) and its payload.
  std::pair<std::uint32_t, std::string> ReadMessage();
  int Descriptor() const { return fd_; }

 private:
  void Send(std::uint32_t type, std::string_view payload);
  void ReadExactly(char* buffer, std::size_t size);

  std::string path_;
  int fd_ = -1;
};

}  // namespace lartsen::sway
