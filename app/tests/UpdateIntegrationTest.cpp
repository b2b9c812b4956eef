// Whole updates against phone-sim over real pseudo-terminals: every variant,
// every fault kind at every stage, and two updates in a row.
#include "app/UpdateProcedure.h"
#include "app/tests/FakeWindow.h"
#include "app/tests/UpdateScript.h"
#include "link/testing/FastSerialSystem.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


#include <chrono>
#include <cstdlib>
#include <optional>

using namespace z5t8::app;
using namespace z5t8::app::testing;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using z5t8::link::testing::FastSerialSystem;
using z5t8::phone_sim::PhoneSimProcess;
using Clock = std::chrono::steady_clock;

namespace {

const std::string sim_program = std::string(Z5T8_BIN_DIR) + "/phone-sim";
const std::vector<std::string> search_lines = {"開啟檔案完成", "自動尋找COM,....請稍後",
                                               "此程序可能需要30秒時間,請耐心等候!!"};
const std::string complete = "更新完成.                    ";
const std::string failed = "更新失敗.                    ";
const std::string refused = "偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!";

class UpdateIntegration : public ::testing::Test {
protected:
  void TearDown() override { unsetenv("Z5T8_SERIAL_MAP"); }

  void Image(std::size_t n) {
    image = Image_Bytes(n, static_cast<std::uint32_t>(n));
    Write_File(Image_File_Name, image);
  }
  std::unique_ptr<PhoneSimProcess> Sim(std::vector<std::string> args, const std::string& out) {
    args.push_back("--out");
    args.push_back((folder.Path() / out).string());
    auto sim = std::make_unique<PhoneSimProcess>(sim_program, args);
    EXPECT_TRUE(sim->Started());
    return sim;
  }
  void Map(const std::string& map) { setenv("Z5T8_SERIAL_MAP", map.c_str(), 1); }
  std::vector<std::string> Lines() { return Without_Times(window.lines); }
  void Expect_Success(PhoneSimProcess& sim, const std::string& out) {
    EXPECT_THAT(window.messages, ElementsAre(complete));
    EXPECT_EQ(sim.Wait(std::chrono::seconds(20)), 0) << sim.Errors();
    EXPECT_EQ(Read_File(folder.Path() / out), image);
    EXPECT_TRUE(window.button_enabled);
  }

  WorkingFolder folder;
  FastSerialSystem system;
  FakeWindow window;
  UpdateProcedure update{window, system};
  std::vector<std::uint8_t> image;
};

TEST_F(UpdateIntegration, RetailPhone) {
  Image(30001);
  auto sim = Sim({"--variant", "retail"}, "received.bin");
  Map("COM5=" + sim->Path());
  update.Button_DownloadClick();
  std::vector<std::string> expected = search_lines;
  for (const char* line : {"找到COM5", "GetNationalCode", "清除FLASH開始: <time>.", "清除FLASH結束: <time>.",
                           "開始傳送檔案: <time>.", "結束傳送檔案: <time>."})
    expected.push_back(line);
  EXPECT_EQ(Lines(), expected);
  Expect_Success(*sim, "received.bin");
  // One second before the finish byte, and no other long pause.
  EXPECT_EQ(system.sleeps.back(), 1000u);
  EXPECT_EQ(system.single_writes.back(), 0x60);
}

TEST_F(UpdateIntegration, RetailR100Phone) {
  Image(8000);
  auto sim = Sim({"--variant", "retail100"}, "received.bin");
  Map("COM12=" + sim->Path());
  update.Button_DownloadClick();
  EXPECT_THAT(Lines(), Contains("找到COM12"));
  EXPECT_THAT(Lines(), Not(Contains("SetNationalCode Ok ")));
  Expect_Success(*sim, "received.bin");
}

TEST_F(UpdateIntegration, DemoPhone) {
  Image(3999);
  auto sim = Sim({"--variant", "demo"}, "received.bin");
  Map("COM7=" + sim->Path());
  update.Button_DownloadClick();
  std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "SetNationalCode Ok ");
  EXPECT_EQ(lines.back(), "SetNationalCode OK!!!");
  Expect_Success(*sim, "received.bin");
  EXPECT_THAT(sim->Errors(), ::testing::HasSubstr("record \"Z5T8-QUEX-TW-R104-0-V4_4_0,\""));
}

TEST_F(UpdateIntegration, ForeignPhoneIsRefused) {
  Image(100);
  auto sim = Sim({"--variant", "foreign"}, "received.bin");
  Map("COM5=" + sim->Path());
  update.Button_DownloadClick();
  EXPECT_EQ(window.lines.back(), "System Error: GetNationalCode TW Error !!!");
  EXPECT_THAT(window.messages, ElementsAre(refused));
  EXPECT_TRUE(window.ended);
  EXPECT_FALSE(window.button_enabled);
  EXPECT_EQ(sim->Wait(std::chrono::milliseconds(100)), std::nullopt);  // nothing was sent
}

TEST_F(UpdateIntegration, TwoUpdatesInARow) {
  Image(10000);
  auto first = Sim({}, "first.bin");
  auto second = Sim({"--variant", "demo"}, "second.bin");
  Map("COM3=" + first->Path() + ":COM4=" + second->Path());
  update.Button_DownloadClick();
  Expect_Success(*first, "first.bin");

  // The second clears the log, loads the file again and searches anew: the
  // first phone is gone, the second answers.
  Image(12345);
  window.messages.clear();
  update.Button_DownloadClick();
  EXPECT_EQ(window.lines.front(), "開啟檔案完成");
  EXPECT_THAT(window.lines, Contains("找到COM4"));
  Expect_Success(*second, "second.bin");
}

TEST_F(UpdateIntegration, NoPhoneKeepsTheWindowAlive) {
  Image(10);
  Map("");
  system.search_passes = 5;
  update.Comport.Set_ProgressBar(&window.bar);
  update.Button_DownloadClick();
  EXPECT_EQ(window.lines,
            (std::vector<std::string>{search_lines[0], search_lines[1], search_lines[2], "找不到COM."}));
  EXPECT_GE(window.pumps, 5);
  // A step in each pass: five that listed nothing, and the sixth that found
  // the port list failing.
  EXPECT_EQ(window.bar.position, 6);
}

// How an update with a fault ends.
enum class Outcome {
  No_Port,         // the search finds nothing (bounded here)
  Success,         // the search got past a one-time fault
  Refused_Unread,  // the version could not be read: the empty field is refused
  Refused,         // another record came: refused
  Erase_Failed,
  Transfer_Failed,
  Record_Failed,  // a demo phone's record did not go out; the update still succeeds
  Unfinished,     // the phone misbehaved at the finish, which the host cannot see
};

struct Fault_Case {
  const char* fault;
  Outcome outcome;
  const char* variant = "retail";
  std::uint32_t passes = 2;    // search passes allowed
  bool flood_forever = false;  // a wait that skips filler: the line must go
};

std::ostream& operator<<(std::ostream& out, const Fault_Case& c) { return out << c.fault; }

class UpdateFaultIntegration : public UpdateIntegration, public ::testing::WithParamInterface<Fault_Case> {};

TEST_P(UpdateFaultIntegration, EndsAsPrescribed) {
  const Fault_Case& c = GetParam();
  Image(12000);
  auto sim = Sim({"--variant", c.variant, "--fault", c.fault}, "received.bin");
  Map("COM5=" + sim->Path());
  system.search_passes = c.passes;
  // The flood is cut off half a second after the phone was found, however long the search took.
  std::optional<Clock::time_point> found;
  if (c.flood_forever)
    window.on_pump = [&] {
      if (!found && std::any_of(window.lines.begin(), window.lines.end(),
                                [](const std::string& l) { return l.rfind("找到COM", 0) == 0; }))
        found = Clock::now();
      if (found && Clock::now() - *found > std::chrono::milliseconds(500)) sim->Kill();
    };
  update.Button_DownloadClick();
  window.on_pump = nullptr;

  std::vector<std::string> lines = Lines();
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  switch (c.outcome) {
    case Outcome::No_Port:
      EXPECT_EQ(lines,
                (std::vector<std::string>{search_lines[0], search_lines[1], search_lines[2], "找不到COM."}));
      EXPECT_THAT(window.messages, ElementsAre(" Enumerate COM port fail! "));  // the bound's end
      EXPECT_FALSE(window.button_enabled);
      break;
    case Outcome::Success:
      Expect_Success(*sim, "received.bin");
      return;
    case Outcome::Refused_Unread:
    case Outcome::Refused:
      EXPECT_TRUE(has(c.outcome == Outcome::Refused ? "GetNationalCode" : "GetNationalCode Error !!!"));
      EXPECT_EQ(lines.back(), "System Error: GetNationalCode TW Error !!!");
      EXPECT_THAT(window.messages, ElementsAre(refused));
      EXPECT_TRUE(window.ended);
      break;
    case Outcome::Erase_Failed:
      EXPECT_EQ(lines.back(), "清除FLASH開始: <time>.");
      EXPECT_THAT(window.messages, ElementsAre("清除FLASH 失敗."));
      EXPECT_TRUE(window.button_enabled);
      break;
    case Outcome::Transfer_Failed:
      EXPECT_TRUE(has("結束傳送檔案: <time>."));
      // A demo phone still gets its record after a failed transfer, unless the line is gone.
      EXPECT_EQ(lines.back(), std::string(c.variant) != "demo" ? "結束傳送檔案: <time>."
                              : c.flood_forever               ? "SetNationalCode Error !!!"
                                                              : "SetNationalCode OK!!!");
      EXPECT_THAT(window.messages, ElementsAre(failed));
      EXPECT_EQ(system.single_writes.back(), 0x60);  // finished all the same
      EXPECT_TRUE(window.button_enabled);
      break;
    case Outcome::Record_Failed:
      // An unwritten record is a failed update, never reported as done.
      EXPECT_EQ(lines.back(), "SetNationalCode Error !!!");
      EXPECT_FALSE(has("SetNationalCode OK!!!"));
      EXPECT_THAT(window.messages, ElementsAre(failed));
      EXPECT_EQ(system.single_writes.back(), 0x60);
      EXPECT_TRUE(window.button_enabled);
      break;
    case Outcome::Unfinished:
      EXPECT_THAT(window.messages, ElementsAre(complete));
      break;
  }
  // Whatever the host was told, the phone did not take a whole update.
  std::optional<int> status = sim->Wait(std::chrono::milliseconds(200));
  if (!status) status = sim->Kill();
  EXPECT_NE(*status, 0) << sim->Errors();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UpdateFaultIntegration,
    ::testing::Values(
        Fault_Case{"sync:silent", Outcome::No_Port, "retail", 1},
        Fault_Case{"sync:wrong:37", Outcome::Success}, Fault_Case{"sync:flood", Outcome::No_Port},
        Fault_Case{"sync:hangup:10", Outcome::No_Port},
        Fault_Case{"echo:silent", Outcome::No_Port, "retail", 1}, Fault_Case{"echo:wrong", Outcome::Success},
        Fault_Case{"echo:flood:3", Outcome::No_Port}, Fault_Case{"echo:hangup", Outcome::No_Port},
        Fault_Case{"handshake:silent:20", Outcome::No_Port, "retail", 1},
        Fault_Case{"handshake:wrong:50", Outcome::Success}, Fault_Case{"handshake:flood", Outcome::No_Port},
        Fault_Case{"handshake:hangup", Outcome::No_Port},
        Fault_Case{"version:silent", Outcome::Refused_Unread}, Fault_Case{"version:wrong", Outcome::Refused},
        Fault_Case{"version:flood", Outcome::Refused}, Fault_Case{"version:hangup", Outcome::Refused_Unread},
        Fault_Case{"erase:silent:4", Outcome::Erase_Failed}, Fault_Case{"erase:wrong", Outcome::Erase_Failed},
        Fault_Case{"erase:flood:2", Outcome::Erase_Failed, "retail", 2, true},
        Fault_Case{"erase:hangup:11", Outcome::Erase_Failed},
        Fault_Case{"block:silent:2", Outcome::Transfer_Failed},
        Fault_Case{"block:wrong:3", Outcome::Transfer_Failed},
        Fault_Case{"block:flood", Outcome::Transfer_Failed, "demo", 2, true},
        Fault_Case{"block:hangup:2", Outcome::Transfer_Failed},
        Fault_Case{"checksum:silent", Outcome::Transfer_Failed},
        Fault_Case{"checksum:wrong", Outcome::Transfer_Failed, "demo"},
        Fault_Case{"checksum:flood", Outcome::Transfer_Failed, "retail", 2, true},
        Fault_Case{"checksum:hangup", Outcome::Transfer_Failed},
        Fault_Case{"write:silent", Outcome::Record_Failed, "demo"},
        Fault_Case{"write:wrong", Outcome::Record_Failed, "demo"},
        Fault_Case{"write:flood", Outcome::Record_Failed, "demo"},
        Fault_Case{"write:hangup", Outcome::Record_Failed, "demo"},
        Fault_Case{"finish:silent", Outcome::Unfinished}, Fault_Case{"finish:wrong", Outcome::Unfinished},
        Fault_Case{"finish:flood", Outcome::Unfinished}, Fault_Case{"finish:hangup", Outcome::Unfinished}),
    [](const ::testing::TestParamInfo<Fault_Case>& info) {
      std::string name = info.param.fault;
      std::replace(name.begin(), name.end(), ':', '_');
      return name;
    });

}  // namespace
