// The real program in a real X11 window under Xvfb and openbox, against
// phone-sim on a pseudo-terminal, driven only through the window with
// xdotool. The window's test hook (Z5T8_UPDATER_PROBE) tells what the memo,
// the Download button, the bar and the message boxes showed. Screenshots are
// kept in the folder named by Z5T8_E2E_SHOTS, else in the test's folder.
#include "app/DownloadFormat.h"
#include "app/tests/UpdateScript.h"
#include "link/CComport.h"
#include "tools/make-image/ImageMaker.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <optional>
#include <regex>
#include <tuple>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

using namespace z5t8;
using namespace z5t8::app;
namespace apptest = z5t8::app::testing;
using namespace std::chrono_literals;
using phone_sim::PhoneSimProcess;

namespace {

const std::string bin = Z5T8_BIN_DIR;
const std::string caption = "QUEX Z5T8  軟體更新程式";
const std::string complete = "更新完成.                    ";
const std::string refused = "偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!";

bool On_Path(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
    pclose(p);
  }
  return out;
}

std::string Read_Text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Wait_For(const std::function<bool()>& done, std::chrono::milliseconds timeout = 20s) {
  auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return done();
}

// A child process with its own environment additions and working folder.
class Child {
public:
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
        const std::string& folder = {}, const std::string& errors = "/dev/null") {
    pid_ = fork();
    if (pid_ == 0) {
      int devnull = open("/dev/null", O_WRONLY);
      dup2(devnull, 1);
      int error_file = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(error_file >= 0 ? error_file : devnull, 2);
      for (const std::string& e : environment) putenv(const_cast<char*>(e.c_str()));
      if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
      std::vector<char*> args;
      for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
      args.push_back(nullptr);
      execvp(args[0], args.data());
      _exit(127);
    }
  }
  ~Child() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  // The exit status once it ended within the time (a signal gives 128 + it).
  std::optional<int> Wait(std::chrono::milliseconds timeout) {
    Wait_For(
        [&] {
          if (status_) return true;
          int status = 0;
          if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
          status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
          return true;
        },
        timeout);
    return status_;
  }
  void Terminate() {
    if (pid_ > 0 && !status_) kill(pid_, SIGTERM);
  }

private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

class UpdaterE2e : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool", "openbox"})
      if (!On_Path(tool)) GTEST_SKIP() << tool << " is needed";
    // Xvfb picks a free display and tells it on the descriptor.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    xvfb_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                           "800x600x24", "-nolisten", "tcp"},
                  std::vector<std::string>{});
    close(fds[1]);
    char number[16] = {};
    ssize_t n = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    ASSERT_GT(n, 0) << "Xvfb did not start";
    std::string text(number, std::size_t(n));
    display_ = ":" + text.substr(0, text.find('\n'));
    display_env_ = "DISPLAY=" + display_;
    openbox_.emplace(std::vector<std::string>{"openbox", "--sm-disable"}, std::vector<std::string>{display_env_});
    ASSERT_TRUE(Wait_For([&] { return X("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos; },
                         10s))
        << "openbox did not start";
    std::this_thread::sleep_for(300ms);
    probe_ = folder_.Path() / "probe";
    std::filesystem::create_directories(probe_);
    const char* shots = std::getenv("Z5T8_E2E_SHOTS");
    shots_ = shots ? std::filesystem::path(shots) : folder_.Path() / "shots";
    std::filesystem::create_directories(shots_);
  }
  void TearDown() override {
    updater_.reset();
    openbox_.reset();
    xvfb_.reset();
  }

  std::string X(const std::string& command) { return Shell("export DISPLAY=" + display_ + "; " + command); }

  void Image() {
    auto plan = make_image::Plan_Image(make_image::Smallest_Image_Size());
    ASSERT_TRUE(plan);
    image_ = make_image::Make_Image(*plan, 11);
    apptest::Write_File(folder_.Path() / Image_File_Name, image_);
  }
  std::unique_ptr<PhoneSimProcess> Sim(std::vector<std::string> args) {
    args.insert(args.end(), {"--out", (folder_.Path() / "received.bin").string()});
    auto sim = std::make_unique<PhoneSimProcess>(bin + "/phone-sim", args);
    EXPECT_TRUE(sim->Started());
    return sim;
  }
  void Start(const std::string& port) {
    updater_.emplace(std::vector<std::string>{bin + "/z5t8-updater"},
                     std::vector<std::string>{display_env_, "Z5T8_SERIAL_MAP=COM5=" + port,
                                              "Z5T8_UPDATER_PROBE=" + probe_.string()},
                     folder_.Path().string(), (folder_.Path() / "updater.err").string());
  }
  std::string Updater_Errors() { return Read_Text(folder_.Path() / "updater.err"); }

  // The first visible window whose name matches, or "".
  std::string Window(const std::string& name) {
    std::string ids = X("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null");
    return ids.substr(0, ids.find('\n'));
  }
  std::string Main_Window() {
    std::string id;
    EXPECT_TRUE(Wait_For([&] { return !(id = Window("QUEX Z5T8")).empty(); })) << "the window never showed";
    return id;
  }
  // Clicks a point of the window's client area. The skin's side and bottom
  // borders are equal, so the frame's size tells where the client starts.
  void Click_Client(const std::string& window, int x, int y) {
    auto [left, top, width, height] = Geometry(window);
    int border = (width - 370) / 2;
    int title = height - 370 - border;
    Click(left + border + x, top + title + y);
  }
  void Click(int x, int y) {
    X("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.2 click 1");
  }
  std::tuple<int, int, int, int> Geometry(const std::string& window) {
    std::string out = X("xdotool getwindowgeometry --shell " + window);
    auto value = [&](const std::string& key) {
      auto at = out.find(key + "=");
      return at == std::string::npos ? 0 : std::atoi(out.c_str() + at + key.size() + 1);
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
  }
  void Shot(const std::string& name) {
    std::string path = (shots_ / (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                  "-" + name + ".png"))
                           .string();
    X(bin + "/screen-image '" + path + "'");
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
  }
  std::string Memo() { return Read_Text(probe_ / "memo.txt"); }
  std::string Messages() { return Read_Text(probe_ / "messages.txt"); }
  std::string State() { return Read_Text(probe_ / "state.txt"); }
  // The box's OK: the box has the keyboard focus when it shows.
  void Close_Box() {
    std::string box;
    ASSERT_TRUE(Wait_For([&] { return !(box = Window("^z5t8-updater$")).empty(); })) << "no message box";
    X("xdotool windowactivate --sync " + box + " 2>/dev/null; xdotool key --clearmodifiers Return");
  }
  // The memo's lines with each time stamp (and its line feed) as <time>.
  std::vector<std::string> Memo_Lines() {
    std::string text = std::regex_replace(Memo(), std::regex("[A-Z][a-z]{2} [A-Z][a-z]{2} \\d\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n"),
                                          "<time>");
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
    return lines;
  }

  apptest::WorkingFolder folder_;
  std::filesystem::path probe_, shots_;
  std::string display_, display_env_;
  std::optional<Child> xvfb_, openbox_, updater_;
  std::vector<std::uint8_t> image_;
};

TEST_F(UpdaterE2e, RetailAndDemoPhonesAreUpdatedThroughTheWindow) {
  for (std::string variant : {"retail", "demo"}) {
    SCOPED_TRACE(variant);
    Image();
    auto sim = Sim({"--variant", variant});
    Start(sim->Path());
    std::string window = Main_Window();
    std::this_thread::sleep_for(500ms);  // mapped comes before the first paint
    Shot(variant + "-start");
    Click_Client(window, 90, 317);  // Download
    ASSERT_TRUE(Wait_For([&] { return Memo().find("開始傳送檔案") != std::string::npos; }, 30s)) << Memo();
    Shot(variant + "-transfer");
    ASSERT_TRUE(Wait_For([&] { return !Messages().empty(); }, 60s)) << Memo();
    std::this_thread::sleep_for(500ms);
    Shot(variant + "-end");
    EXPECT_EQ(Messages(), complete + "\n");
    Close_Box();
    ASSERT_TRUE(Wait_For([&] { return State().rfind("download=1", 0) == 0; })) << State();
    std::smatch bar;
    std::string state = State();
    ASSERT_TRUE(std::regex_search(state, bar, std::regex("progress=\\d+/(\\d+) peak=(\\d+)"))) << state;
    EXPECT_EQ(bar[2], bar[1]) << "the bar got to its end: " << state;
    std::vector<std::string> expected = {"開啟檔案完成", "自動尋找COM,....請稍後", "此程序可能需要30秒時間,請耐心等候!!",
                                         "找到COM5", "GetNationalCode", "清除FLASH開始: <time>.",
                                         "清除FLASH結束: <time>.", "開始傳送檔案: <time>.", "結束傳送檔案: <time>."};
    if (variant == "demo") expected.insert(expected.end(), {"SetNationalCode Ok ", "SetNationalCode OK!!!"});
    EXPECT_EQ(Memo_Lines(), expected);
    EXPECT_EQ(sim->Wait(10s), 0) << sim->Errors();
    EXPECT_EQ(apptest::Read_File(folder_.Path() / "received.bin"), image_) << "the image byte for byte";

    Click_Client(window, 281, 317);  // Exit
    EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
    updater_.reset();
    std::filesystem::remove(probe_ / "messages.txt");
  }
}

TEST_F(UpdaterE2e, ExitDuringThePortSearchClosesThePortAndEndsWithZero) {
  Image();
  auto sim = Sim({"--fault", "sync:silent"});
  Start(sim->Path());
  std::string window = Main_Window();
  Click_Client(window, 90, 317);
  ASSERT_TRUE(Wait_For([&] { return Memo().find("此程序可能需要30秒時間") != std::string::npos; })) << Memo();
  std::this_thread::sleep_for(1s);
  Shot("search");
  Click_Client(window, 281, 317);
  EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
  // The port is free again: the channel opens it exclusively.
  setenv("Z5T8_SERIAL_MAP", ("COM5=" + sim->Path()).c_str(), 1);
  link::CComport channel;
  EXPECT_TRUE(channel.Open_Port("\\\\.\\COM5"));
  channel.Close_Port();
  unsetenv("Z5T8_SERIAL_MAP");
}

TEST_F(UpdaterE2e, ClosingDuringTheTransferEndsWithZero) {
  for (std::string means : {"close-button", "alt-f4"}) {
    SCOPED_TRACE(means);
    Image();
    auto sim = Sim({"--baud", "115200"});
    Start(sim->Path());
    std::string window = Main_Window();
    Click_Client(window, 90, 317);
    ASSERT_TRUE(Wait_For([&] { return Memo().find("開始傳送檔案") != std::string::npos; }, 60s)) << Memo();
    std::this_thread::sleep_for(1s);
    Shot(means);
    if (means == "close-button") {
      // The close circle: rightmost in the title band, centred on it.
      auto [left, top, width, height] = Geometry(window);
      int border = (width - 370) / 2;
      int title = height - 370 - border;
      Click(left + width - border - 3 - 7, top + title / 2);
    } else {
      X("xdotool windowactivate --sync " + window + " 2>/dev/null; xdotool key --clearmodifiers alt+F4");
    }
    EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
    updater_.reset();
  }
}

TEST_F(UpdaterE2e, TheWindowsXShapeIsTheSkinsRegion) {
  Image();
  auto sim = Sim({});
  Start(sim->Path());
  std::string window = Main_Window();
  std::this_thread::sleep_for(500ms);  // mapped comes before the first paint
  Shot("shape");
  const auto geometry = Geometry(window);
  const int width = std::get<2>(geometry), height = std::get<3>(geometry);
  ASSERT_GT(width, 370);
  Display* display = XOpenDisplay(display_.c_str());
  ASSERT_NE(display, nullptr);
  auto contains = [&](int x, int y) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display, std::stoul(window), ShapeBounding, &count, &ordering);
    bool inside = false;
    for (int i = 0; i < count; ++i)
      inside |= x >= rects[i].x && x < rects[i].x + rects[i].width && y >= rects[i].y &&
                y < rects[i].y + rects[i].height;
    if (rects) XFree(rects);
    return inside;
  };
  EXPECT_TRUE(Wait_For([&] { return contains(width / 2, 0); })) << "the shape covers the title";
  EXPECT_FALSE(contains(0, 0)) << "the rounded corners lie outside the shape";
  EXPECT_FALSE(contains(width - 1, 0));
  EXPECT_TRUE(contains(width / 2, height / 2));
  XCloseDisplay(display);
  Click_Client(window, 281, 317);  // Exit
  EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
}

TEST_F(UpdaterE2e, AMissingImageShowsItsBoxAndNoWindowEverMaps) {
  Start("/dev/null");
  ASSERT_TRUE(Wait_For([&] { return !Window("^z5t8-updater$").empty(); })) << "no message box";
  std::this_thread::sleep_for(300ms);
  Shot("missing-image");
  EXPECT_EQ(Window("QUEX Z5T8"), "");
  Close_Box();
  EXPECT_EQ(Messages(), "Read " + std::string(Image_File_Name) + " Failed\n");
  EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
  EXPECT_EQ(X("xdotool search --name 'QUEX Z5T8' 2>/dev/null"), "") << "the main window was never made visible";
}

TEST_F(UpdaterE2e, AForeignPhoneShowsItsBoxAndEnds) {
  Image();
  auto sim = Sim({"--variant", "foreign"});
  Start(sim->Path());
  std::string window = Main_Window();
  Click_Client(window, 90, 317);
  ASSERT_TRUE(Wait_For([&] { return !Messages().empty(); }, 30s)) << Memo();
  std::this_thread::sleep_for(300ms);
  Shot("foreign");
  EXPECT_EQ(Messages(), refused + "\n");
  EXPECT_EQ(Memo_Lines().back(), "System Error: GetNationalCode TW Error !!!");
  Close_Box();
  EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
}

}  // namespace
