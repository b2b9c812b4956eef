#include "tools/phone-sim/PhoneSimProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace z5t8::phone_sim {

namespace {
int decode(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return 255;
}
}  // namespace

PhoneSimProcess::PhoneSimProcess(const std::string& program, const std::vector<std::string>& arguments) {
  char errors[] = "/tmp/phone-sim-errors-XXXXXX";
  int errors_fd = ::mkstemp(errors);
  if (errors_fd < 0) return;
  errors_file_ = errors;
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) {
    ::close(errors_fd);
    return;
  }
  std::vector<std::string> args = {program};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    ::dup2(out[1], 1);
    ::dup2(errors_fd, 2);
    int null = ::open("/dev/null", O_RDONLY);
    ::dup2(null, 0);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(errors_fd);
  if (pid_ < 0) {
    ::close(out[0]);
    return;
  }
  // The first line, "PORT <path>", within a few seconds.
  std::string line;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd p{out[0], POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    char c[256];
    ssize_t got = ::read(out[0], c, sizeof c);
    if (got <= 0) break;
    line.append(c, static_cast<std::size_t>(got));
  }
  ::close(out[0]);
  if (line.rfind("PORT ", 0) == 0 && line.find('\n') != std::string::npos)
    path_ = line.substr(5, line.find('\n') - 5);
}

PhoneSimProcess::~PhoneSimProcess() {
  if (pid_ > 0 && !status_) Kill();
  if (!errors_file_.empty()) ::unlink(errors_file_.c_str());
}

std::optional<int> PhoneSimProcess::Wait(std::chrono::milliseconds timeout) {
  if (status_ || pid_ <= 0) return status_;
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    int status = 0;
    pid_t r = ::waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
      status_ = decode(status);
      return status_;
    }
    if (r < 0 && errno != EINTR) return std::nullopt;
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

int PhoneSimProcess::Kill() {
  if (status_) return *status_;
  if (pid_ <= 0) return -1;
  ::kill(pid_, SIGKILL);
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  status_ = decode(status);
  return *status_;
}

std::string PhoneSimProcess::Errors() const {
  std::ifstream in(errors_file_);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace z5t8::phone_sim
