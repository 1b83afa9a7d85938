// Windows for the X11 tests: each a lartsen-test-window process, closed when the object goes.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace lartsen::testing {

class TestWindow {
 public:
  // Starts the window program with `arguments` and waits until its window is mapped.
  explicit TestWindow(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], 1);
      close(out[0]);
      close(out[1]);
      const std::string program =
          std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/lartsen-test-window";
      std::vector<char*> argv{const_cast<char*>(program.c_str())};
      for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    close(out[1]);
    FILE* in = fdopen(out[0], "r");
    unsigned id = 0;
    if (in && std::fscanf(in, "%x", &id) == 1) id_ = id;
    if (in) std::fclose(in);
  }
  ~TestWindow() { Close(); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  unsigned id() const { return id_; }
  pid_t pid() const { return pid_; }
  std::string hex() const {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", id_);
    return text;
  }
  void Close() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }

 private:
  pid_t pid_ = -1;
  unsigned id_ = 0;
};

// Runs a shell command (xdotool, xprop); its exit status.
inline int Shell(const std::string& command) { return std::system(command.c_str()); }

}  // namespace lartsen::testing
