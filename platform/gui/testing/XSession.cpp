#include "platform/gui/testing/XSession.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace z5t8::platform::gui::testing {

using namespace std::chrono_literals;

bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return done();
}

namespace {

// Forks a child that dies with the test process, with stdout and stderr
// silenced and, where given, DISPLAY set; `keep` is the one descriptor it
// inherits beside them.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& display, int keep = -1) {
  const pid_t parent = getpid();
  pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(126);
  int devnull = open("/dev/null", O_RDWR);
  dup2(devnull, 0);
  dup2(devnull, 1);
  dup2(devnull, 2);
  for (int fd = 3; fd < 1024; ++fd)
    if (fd != keep) close(fd);
  if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}

bool OnPath(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// An X connection for the readiness checks, closed with the scope.
class Connection {
public:
  explicit Connection(const std::string& display) : display_(XOpenDisplay(display.c_str())) {}
  ~Connection() {
    if (display_) XCloseDisplay(display_);
  }
  ::Display* get() const { return display_; }

private:
  ::Display* display_;
};

bool WindowManagerAnnounced(::Display* d) {
  Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type;
  int format;
  unsigned long count = 0, after;
  unsigned char* data = nullptr;
  bool ok = XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                               &after, &data) == Success &&
            count == 1;
  if (data) XFree(data);
  return ok;
}

}  // namespace

bool XClient::Start(const std::vector<std::string>& argv, const std::string& display) {
  Stop();
  pid_ = Spawn(argv, display);
  return pid_ > 0;
}

bool XClient::Running() {
  if (pid_ <= 0) return false;
  if (waitpid(pid_, nullptr, WNOHANG) != pid_) return true;
  pid_ = -1;
  return false;
}

void XClient::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  if (!PollUntil([&] { return waitpid(pid_, nullptr, WNOHANG) == pid_; }, 5s)) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  pid_ = -1;
}

std::string XSession::MissingTool(const XSessionOptions& options) {
  std::vector<std::string> tools = {"Xvfb"};
  if (options.window_manager) tools.push_back("openbox");
  if (options.tray) tools.push_back("trayer");
  for (const std::string& tool : tools)
    if (!OnPath(tool)) return tool;
  return "";
}

XSession::XSession(const XSessionOptions& options) : options_(options) {
  if (std::string tool = MissingTool(options); !tool.empty()) {
    error_ = tool + " is not installed";
    return;
  }
  if (StartServer() && options.window_manager) StartWindowManager();
  if (Started() && options.tray && !StartTray()) error_ = "the tray did not start";
}

XSession::~XSession() {
  tray_.Stop();
  window_manager_.Stop();
  server_.Stop();
}

// Xvfb chooses a free display itself and writes its number once it takes
// connections; a number picked by looking for lock files could be taken by a
// suite running beside this one in the same moment.
bool XSession::StartServer() {
  int fds[2];
  if (pipe(fds) != 0) {
    error_ = "no pipe for Xvfb";
    return false;
  }
  pid_t pid = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                     std::to_string(options_.width) + "x" + std::to_string(options_.height) + "x24",
                     "-nolisten", "tcp", "-noreset"},
                    "", fds[1]);
  close(fds[1]);
  std::string number;
  pollfd ready{fds[0], POLLIN, 0};
  while (poll(&ready, 1, 20000) == 1) {
    char c;
    if (read(fds[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  close(fds[0]);
  // The client takes the process over, so that a failed start still ends it.
  server_.Adopt(pid);
  if (number.empty()) {
    error_ = "Xvfb did not start";
    return false;
  }
  display_ = ":" + number;
  if (!Connection(display_).get()) {
    error_ = "Xvfb on " + display_ + " takes no connection";
    return false;
  }
  return true;
}

// Openbox sets its check property before it has taken over the screen; a
// window mapped in that moment is unmapped again when it adopts the windows it
// found. It is ready once it has framed a window of ours, which is mapped
// again for as long as it is found unmapped.
bool XSession::StartWindowManager() {
  Connection probe(display_);
  ::Display* d = probe.get();
  if (!d || !window_manager_.Start({"openbox", "--sm-disable"}, display_) ||
      !PollUntil([&] { return WindowManagerAnnounced(d); }, 10s)) {
    error_ = "openbox did not start";
    return false;
  }
  Window root = DefaultRootWindow(d);
  Window w = XCreateSimpleWindow(d, root, 0, 0, 10, 10, 0, 0, 0);
  XMapWindow(d, w);
  bool framed = PollUntil(
      [&] {
        XSync(d, False);
        Window r, parent = root, *kids = nullptr;
        unsigned n = 0;
        if (XQueryTree(d, w, &r, &parent, &kids, &n) && kids) XFree(kids);
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, w, &a)) return false;
        if (a.map_state == IsUnmapped) XMapWindow(d, w);
        return parent != root && a.map_state == IsViewable;
      },
      10s);
  XDestroyWindow(d, w);
  XSync(d, False);
  if (!framed) error_ = "openbox did not frame a window";
  return framed;
}

bool XSession::StartTray() {
  Connection probe(display_);
  ::Display* d = probe.get();
  if (!d) return false;
  Atom selection = XInternAtom(d, ("_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(d))).c_str(), False);
  return tray_.Start({"trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height",
                      "24", "--SetDockType", "false"},
                     display_) &&
         PollUntil([&] { return XGetSelectionOwner(d, selection) != None; }, 10s);
}

void XSession::StopTray() { tray_.Stop(); }

std::string XSession::Run(const std::string& command) const {
  std::string out;
  if (FILE* p = popen(("export DISPLAY=" + display_ + "; " + command).c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
    pclose(p);
  }
  return out;
}

int XSession::ExitStatus(const std::string& command) const {
  int status = std::system(("export DISPLAY=" + display_ + "; " + command).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace z5t8::platform::gui::testing
