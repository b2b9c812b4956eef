// The real program in a real X11 window under Xvfb and openbox, against
// phone-sim on a pseudo-terminal, driven only through the window with
// xdotool. The window's test hook (Z5T8_UPDATER_PROBE) tells what the memo,
// the Download button, the bar and the message boxes showed. Screenshots are
// kept in the folder named by Z5T8_E2E_SHOTS, else in the test's folder.
//
// With Z5T8_E2E_WINE_UPDATER naming the Windows build's z5t8-updater.exe, the
// same cases run that program under Wine instead (the Windows tree's suite
// does so, from its Wine session): the pseudo-terminal is then Wine's COM5,
// through the prefix's dosdevices/com5 link.
#include "app/DownloadFormat.h"
#include "app/tests/UpdateScript.h"
#include "link/CComport.h"
#include "platform/gui/testing/XSession.h"
#include "tools/make-image/ImageMaker.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
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
namespace pgt = z5t8::platform::gui::testing;

namespace {

const std::string bin = Z5T8_BIN_DIR;
const std::string caption = "QUEX Z5T8  軟體更新程式";
const std::string complete = "更新完成.                    ";
const std::string refused = "偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!";

bool On_Path(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Read_Text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Wait_For(const std::function<bool()>& done, std::chrono::milliseconds timeout = 20s) {
  return pgt::PollUntil(done, timeout);
}

// A child process with its own environment additions and working folder.
class Child {
public:
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
        const std::string& folder = {}, const std::string& errors = "/dev/null") {
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      if (getppid() != parent) _exit(126);
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
    const pgt::XSessionOptions options{.window_manager = true};
    if (std::string tool = pgt::XSession::MissingTool(options); !tool.empty())
      GTEST_SKIP() << tool << " is needed";
    if (!On_Path("xdotool")) GTEST_SKIP() << "xdotool is needed";
    if (const char* exe = std::getenv("Z5T8_E2E_WINE_UPDATER")) {
      ASSERT_TRUE(On_Path("wine") && std::getenv("WINEPREFIX"))
          << "wine and a prefix (WINEPREFIX) are needed";
      wine_updater_ = exe;
      Prepare_Wine_Prefix();
    }
    session_.emplace(options);
    ASSERT_TRUE(session_->Started()) << session_->Error();
    display_ = session_->Display();
    display_env_ = session_->Environment();
    probe_ = folder_.Path() / "probe";
    std::filesystem::create_directories(probe_);
    const char* shots = std::getenv("Z5T8_E2E_SHOTS");
    shots_ = shots ? std::filesystem::path(shots) : folder_.Path() / "shots";
    std::filesystem::create_directories(shots_);
  }
  void TearDown() override {
    updater_.reset();
    Stop_Wine();
    session_.reset();
  }

  std::string X(const std::string& command) { return session_->Run(command); }

  // The cases stop their Wine server between programs, so they use a copy of
  // the suite's prefix that no other test of the suite runs in.
  void Prepare_Wine_Prefix() {
    const std::filesystem::path suite = std::getenv("WINEPREFIX");
    wine_prefix_ = suite.string() + "-updater-e2e";
    const auto ready = [](const std::filesystem::path& prefix) { return prefix / ".z5t8-ready"; };
    ASSERT_TRUE(std::filesystem::exists(ready(suite)))
        << "the suite's prefix is made by scripts/wine-session";
    if (!std::filesystem::exists(ready(wine_prefix_)) ||
        std::filesystem::last_write_time(ready(suite)) >
            std::filesystem::last_write_time(ready(wine_prefix_))) {
      std::filesystem::remove_all(wine_prefix_);
      ASSERT_EQ(std::system(("cp -a '" + suite.string() + "' '" + wine_prefix_.string() + "'").c_str()), 0);
      std::filesystem::last_write_time(ready(wine_prefix_), std::filesystem::file_time_type::clock::now());
    }
  }
  // Wine's daemons keep the descriptors they inherit, so nothing is read from them.
  void Wine(const std::string& command) {
    std::system(("export " + display_env_ + " WINEPREFIX='" + wine_prefix_.string() + "'; " + command +
                 " >/dev/null 2>&1")
                    .c_str());
  }
  // A Wine server of its own for each program: one that outlives the
  // simulator's end of the line keeps a dead terminal. Its services map COM5
  // to the prefix's default on start, so the link is pointed elsewhere first:
  // once it reads the default again, the mapping is done and the link can go
  // to the simulator.
  void Start_Wine(const std::string& port) {
    Stop_Wine();
    const std::filesystem::path com5 = wine_prefix_ / "dosdevices" / "com5";
    std::filesystem::remove(com5);
    std::filesystem::create_symlink(folder_.Path() / "unmapped", com5);
    Wine("wineserver --persistent");
    wine_running_ = true;
    Wine("wine reg query 'HKLM\\HARDWARE\\DEVICEMAP\\SERIALCOMM'");
    ASSERT_TRUE(Wait_For([&] { return std::filesystem::read_symlink(com5) == "/dev/null"; }, 20s))
        << "Wine did not map COM5";
    std::filesystem::remove(com5);
    std::filesystem::create_symlink(port, com5);
  }
  void Stop_Wine() {
    if (!wine_running_) return;
    Wine("{ wineserver --kill; wineserver --wait; }");
    wine_running_ = false;
  }

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
    if (wine_updater_.empty()) {
      updater_.emplace(std::vector<std::string>{bin + "/z5t8-updater"},
                       std::vector<std::string>{display_env_, "Z5T8_SERIAL_MAP=COM5=" + port,
                                                "Z5T8_UPDATER_PROBE=" + probe_.string()},
                       folder_.Path().string(), (folder_.Path() / "updater.err").string());
      return;
    }
    Start_Wine(port);
    // Wine's drive Z: is the root of the file system.
    updater_.emplace(std::vector<std::string>{"wine", wine_updater_},
                     std::vector<std::string>{display_env_, "WINEPREFIX=" + wine_prefix_.string(),
                                              "Z5T8_UPDATER_PROBE=Z:" + probe_.string()},
                     folder_.Path().string(), (folder_.Path() / "updater.err").string());
  }
  std::string Updater_Errors() { return Read_Text(folder_.Path() / "updater.err"); }

  // The first visible window whose name matches, or "".
  std::string Window(const std::string& name) {
    std::string ids = X("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null");
    return ids.substr(0, ids.find('\n'));
  }
  // The main window, once it shows; a program that ends first fails at once.
  void Main_Window(std::string& id) {
    ASSERT_TRUE(Wait_For([&] { return !(id = Window("QUEX Z5T8")).empty() || updater_->Wait(0ms); }, 60s) &&
                !id.empty())
        << "the window never showed; " << Updater_End();
  }
  std::string Updater_End() {
    std::optional<int> status = updater_->Wait(0ms);
    return status ? "the program ended with " + std::to_string(*status) + ": " + Updater_Errors()
                  : "the program runs";
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
    std::string path =
        (shots_ /
         (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" + name + ".png"))
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
    std::string text = std::regex_replace(
        Memo(), std::regex("[A-Z][a-z]{2} [A-Z][a-z]{2} \\d\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n"), "<time>");
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
    return lines;
  }

  apptest::WorkingFolder folder_;
  std::filesystem::path probe_, shots_;
  std::optional<pgt::XSession> session_;
  std::string display_, display_env_;
  std::string wine_updater_;
  std::filesystem::path wine_prefix_;
  bool wine_running_ = false;
  std::optional<Child> updater_;
  std::vector<std::uint8_t> image_;
};

TEST_F(UpdaterE2e, RetailAndDemoPhonesAreUpdatedThroughTheWindow) {
  for (std::string variant : {"retail", "demo"}) {
    SCOPED_TRACE(variant);
    Image();
    auto sim = Sim({"--variant", variant});
    Start(sim->Path());
    std::string window;
    ASSERT_NO_FATAL_FAILURE(Main_Window(window));
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
    std::vector<std::string> expected = {"開啟檔案完成",
                                         "自動尋找COM,....請稍後",
                                         "此程序可能需要30秒時間,請耐心等候!!",
                                         "找到COM5",
                                         "GetNationalCode",
                                         "清除FLASH開始: <time>.",
                                         "清除FLASH結束: <time>.",
                                         "開始傳送檔案: <time>.",
                                         "結束傳送檔案: <time>."};
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
  std::string window;
  ASSERT_NO_FATAL_FAILURE(Main_Window(window));
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
    std::string window;
    ASSERT_NO_FATAL_FAILURE(Main_Window(window));
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
  std::string window;
  ASSERT_NO_FATAL_FAILURE(Main_Window(window));
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
  ASSERT_TRUE(Wait_For([&] { return !Window("^z5t8-updater$").empty() || updater_->Wait(0ms); }, 60s) &&
              !Window("^z5t8-updater$").empty())
      << "no message box; " << Updater_End();
  std::this_thread::sleep_for(300ms);
  Shot("missing-image");
  EXPECT_EQ(Window("QUEX Z5T8"), "");
  Close_Box();
  EXPECT_EQ(Messages(), "Read " + std::string(Image_File_Name) + " Failed\n");
  EXPECT_EQ(updater_->Wait(10s), 0) << Updater_Errors();
  EXPECT_EQ(X("xdotool search --name 'QUEX Z5T8' 2>/dev/null"), "")
      << "the main window was never made visible";
}

TEST_F(UpdaterE2e, AForeignPhoneShowsItsBoxAndEnds) {
  Image();
  auto sim = Sim({"--variant", "foreign"});
  Start(sim->Path());
  std::string window;
  ASSERT_NO_FATAL_FAILURE(Main_Window(window));
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
