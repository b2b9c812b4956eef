// z5t8-flash as a user runs it, against phone-sim.
#include "tools/make-image/ImageMaker.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

using ::testing::HasSubstr;
using z5t8::phone_sim::PhoneSimProcess;
namespace fs = std::filesystem;

namespace {

const std::string flasher = std::string(Z5T8_BIN_DIR) + "/z5t8-flash";
const std::string sim_program = std::string(Z5T8_BIN_DIR) + "/phone-sim";
const char image_name[] = "Z5T8-QUEX-TW-R104-0-V4_4_0.bin";

struct Run_Result {
  int status = -1;
  std::string out;
  std::chrono::steady_clock::time_point interrupted_at{};
};

// Runs the flasher in folder with the serial map; sends SIGINT once its output
// holds interrupt_on when given (a fixed delay would race a slow start).
Run_Result Run_Flasher(const fs::path& folder, const std::string& map, std::vector<std::string> args = {},
                       std::optional<std::string> interrupt_on = std::nullopt) {
  int out[2];
  if (::pipe(out) != 0) return {};
  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], 1);
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 2);
    ::close(out[0]);
    ::close(out[1]);
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    ::setenv("Z5T8_SERIAL_MAP", map.c_str(), 1);
    std::vector<char*> argv = {const_cast<char*>(flasher.c_str())};
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(flasher.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  Run_Result result;
  auto start = std::chrono::steady_clock::now();
  bool interrupted = false;
  for (;;) {
    pollfd p{out[0], POLLIN, 0};
    if (::poll(&p, 1, 20) > 0) {
      char buffer[4096];
      ssize_t n = ::read(out[0], buffer, sizeof buffer);
      if (n <= 0) break;
      result.out.append(buffer, static_cast<std::size_t>(n));
    }
    if (interrupt_on && !interrupted && result.out.find(*interrupt_on) != std::string::npos) {
      ::kill(pid, SIGINT);
      interrupted = true;
      result.interrupted_at = std::chrono::steady_clock::now();
    }
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60)) {
      ::kill(pid, SIGKILL);
      break;
    }
  }
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

class FlasherIntegration : public ::testing::Test {
protected:
  void SetUp() override {
    std::string name =
        std::string("z5t8-flash-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  void Good_Image() {
    auto plan = z5t8::make_image::Plan_Image(z5t8::make_image::Smallest_Image_Size() + 1000);
    ASSERT_TRUE(plan);
    image = z5t8::make_image::Make_Image(*plan, 5);
    std::ofstream(folder / image_name, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  }
  std::vector<std::uint8_t> Received() {
    std::ifstream in(folder / "received.bin", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder;
  std::vector<std::uint8_t> image;
};

TEST_F(FlasherIntegration, UpdatesAPhone) {
  Good_Image();
  PhoneSimProcess sim(sim_program, {"--out", (folder / "received.bin").string()});
  ASSERT_TRUE(sim.Started());
  Run_Result run = Run_Flasher(folder, "COM6=" + sim.Path());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(
      run.out.rfind(
          "開啟檔案完成\r\n自動尋找COM,....請稍後\r\n此程序可能需要30秒時間,請耐心等候!!\r\n找到COM6\r\n"
          "GetNationalCode\r\n清除FLASH開始: ",
          0),
      0u)
      << run.out;
  EXPECT_THAT(run.out, HasSubstr("\n.\r\n結束傳送檔案: "));
  EXPECT_THAT(run.out, ::testing::EndsWith("[message] 更新完成.                    \n"));
  EXPECT_EQ(sim.Wait(std::chrono::seconds(10)), 0) << sim.Errors();
  EXPECT_EQ(Received(), image);
}

TEST_F(FlasherIntegration, RefusesAForeignPhone) {
  Good_Image();
  PhoneSimProcess sim(sim_program, {"--variant", "foreign"});
  ASSERT_TRUE(sim.Started());
  Run_Result run = Run_Flasher(folder, "COM6=" + sim.Path());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.out, ::testing::EndsWith("System Error: GetNationalCode TW Error !!!\r\n"
                                           "[message] 偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!\n"));
}

TEST_F(FlasherIntegration, AMissingImageEndsAtOnce) {
  Run_Result run = Run_Flasher(folder, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "[message] Read Z5T8-QUEX-TW-R104-0-V4_4_0.bin Failed\n");
}

TEST_F(FlasherIntegration, ADamagedImageEndsAtOnce) {
  std::ofstream(folder / image_name) << "not an image";
  Run_Result run = Run_Flasher(folder, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "[message] BIN files Error\n");
}

TEST_F(FlasherIntegration, CtrlCEndsTheSearch) {
  Good_Image();
  const std::string searching = "此程序可能需要30秒時間,請耐心等候!!\r\n";
  Run_Result run = Run_Flasher(folder, "", {}, searching);
  EXPECT_EQ(run.status, 1);
  ASSERT_NE(run.interrupted_at, std::chrono::steady_clock::time_point{}) << run.out;
  EXPECT_LT(std::chrono::steady_clock::now() - run.interrupted_at, std::chrono::seconds(5));
  EXPECT_THAT(run.out, HasSubstr(searching));
}

TEST_F(FlasherIntegration, HelpAndNoOtherOptions) {
  Run_Result help = Run_Flasher(folder, "", {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, HasSubstr("usage: z5t8-flash"));
  EXPECT_EQ(Run_Flasher(folder, "", {"--baud"}).status, 1);
}

}  // namespace
