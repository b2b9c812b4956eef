// Runs phone-sim as a child process for tests and benchmarks: starts it,
// reads its PORT line, and ends it. The child dies with its parent.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace z5t8::phone_sim {

class PhoneSimProcess {
public:
  // program: the phone-sim executable; arguments after the program name.
  PhoneSimProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~PhoneSimProcess();  // kills it if it still runs
  PhoneSimProcess(const PhoneSimProcess&) = delete;
  PhoneSimProcess& operator=(const PhoneSimProcess&) = delete;

  bool Started() const { return !path_.empty(); }
  // The pseudo-terminal (or device) it serves.
  const std::string& Path() const { return path_; }
  // The exit status once it has ended within the time given, else nothing.
  // A child ended by a signal gives 128 plus the signal number.
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  // Ends it at once (SIGKILL) and reaps it; the status, as Wait gives it.
  int Kill();
  // What it printed on its standard error.
  std::string Errors() const;

private:
  int pid_ = -1;
  std::optional<int> status_;
  std::string path_;
  std::string errors_file_;
};

}  // namespace z5t8::phone_sim
