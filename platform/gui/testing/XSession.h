// A private X display for end-to-end tests: Xvfb on a display number the
// server itself finds free (so suites running side by side never meet), and,
// where asked, openbox and a system tray on it. Each piece is started only
// once the one before it is really ready, and all of them end with the
// session, or with the test process should it die first.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace z5t8::platform::gui::testing {

struct XSessionOptions {
  int width = 800;
  int height = 600;
  bool window_manager = false;
  bool tray = false;
};

// Polls `done` every 20 ms until it holds or the time is up; the last answer.
bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// One program on the session's display, ended (SIGTERM, then SIGKILL) when
// stopped or destroyed.
class XClient {
public:
  XClient() = default;
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;
  ~XClient() { Stop(); }
  bool Start(const std::vector<std::string>& argv, const std::string& display);
  // Takes over a child started otherwise.
  void Adopt(pid_t pid) {
    Stop();
    pid_ = pid;
  }
  void Stop();
  bool Running();

private:
  pid_t pid_ = -1;
};

class XSession {
public:
  explicit XSession(const XSessionOptions& options = {});
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;
  ~XSession();

  // The first program the options need that is not on the PATH, or "".
  static std::string MissingTool(const XSessionOptions& options);

  bool Started() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  // ":N", for XOpenDisplay and the backend.
  const std::string& Display() const { return display_; }
  // "DISPLAY=:N", for a child's environment.
  std::string Environment() const { return "DISPLAY=" + display_; }
  // Runs a shell command with DISPLAY set to the session; its output.
  std::string Run(const std::string& command) const;
  // A shell command's exit status, run the same way.
  int ExitStatus(const std::string& command) const;

  // The tray can go and come back, as a panel that is restarted would.
  bool StartTray();
  void StopTray();

private:
  bool StartServer();
  bool StartWindowManager();

  XSessionOptions options_;
  std::string display_;
  std::string error_;
  XClient server_, window_manager_, tray_;
};

}  // namespace z5t8::platform::gui::testing
