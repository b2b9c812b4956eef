#include "app/UpdateProcedure.h"
#include "app/tests/FakeWindow.h"
#include "app/tests/UpdateScript.h"
#include "link/testing/ScriptedSerialSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace z5t8::app;
using namespace z5t8::app::testing;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using z5t8::link::testing::ScriptedSerialSystem;

namespace {

const std::string retail = "Z5T8-QUEX-TW-R104-0-V4_3_0";
const std::string demo = "Z5T8-DEMO-EF-R100-1-V1_0_0";

class UpdateProcedureTest : public ::testing::Test {
protected:
  UpdateProcedureTest() { system.registry = {{"\\Device\\Serial0", 1, "COM5"}}; }
  void TearDown() override { EXPECT_THAT(system.problems, IsEmpty()); }

  Script& Wire() { return system.Port(5).script; }
  void Image(const std::vector<std::uint8_t>& bytes) {
    image = bytes;
    Write_File(Image_File_Name, bytes);
  }
  // The whole update of a phone with this version record, as far as it goes.
  void Whole_Update(const std::string& version, bool demo_phone) {
    Wire().Sync();
    Version_Record(Wire(), version);
    Erase(Wire(), static_cast<std::uint32_t>(image.size()));
    Transfer(Wire(), image);
    if (demo_phone) Demo_Record(Wire());
    Finish(Wire());
  }
  // Where in the system's log a line first stands.
  std::ptrdiff_t At(const std::string& line) {
    return std::find(system.log.begin(), system.log.end(), line) - system.log.begin();
  }

  WorkingFolder folder;
  ScriptedSerialSystem system;
  FakeWindow window;
  UpdateProcedure update{window, system};
  std::vector<std::uint8_t> image;
};

TEST_F(UpdateProcedureTest, RetailPhoneUpdate) {
  Image(Image_Bytes(9001));
  Whole_Update(retail, false);
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_THAT(Without_Times(window.lines),
              ElementsAre("開啟檔案完成", "自動尋找COM,....請稍後", "此程序可能需要30秒時間,請耐心等候!!",
                          "找到COM5", "GetNationalCode", "清除FLASH開始: <time>.", "清除FLASH結束: <time>.",
                          "開始傳送檔案: <time>.", "結束傳送檔案: <time>."));
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
  EXPECT_EQ(window.events.front(), "button off");
  EXPECT_EQ(window.events[1], "clear");
  EXPECT_EQ(window.events.back(), "button on");
  EXPECT_FALSE(Demo_Phone);
  // One second without pumping before the finish byte, then the port is closed.
  EXPECT_EQ(At("sleep 1000") + 1, At("write 60"));
  EXPECT_EQ(system.log.back(), "close");
  EXPECT_EQ(update.Comport.handle, z5t8::platform::serial::INVALID_HANDLE_VALUE);
  EXPECT_STREQ(update.Phone_Version, retail.c_str());
}

TEST_F(UpdateProcedureTest, EachLogLineEndsInALineBreakAndTimesCarryTheirLineFeed) {
  Image(Image_Bytes(100));
  Whole_Update(retail, false);
  update.Button_DownloadClick();
  EXPECT_EQ(window.memo.rfind("開啟檔案完成\r\n", 0), 0u);
  EXPECT_TRUE(std::regex_search(window.memo, std::regex("清除FLASH開始: [A-Z][a-z]{2} [A-Z][a-z]{2} [0-9]{2} "
                                                        "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\n\\.\r\n")));
}

TEST_F(UpdateProcedureTest, DemoPhoneGetsTheVersionRecord) {
  Image(Image_Bytes(4000));
  Whole_Update(demo, true);
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  std::vector<std::string> lines = Without_Times(window.lines);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "SetNationalCode Ok ");
  EXPECT_EQ(lines.back(), "SetNationalCode OK!!!");
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
  EXPECT_TRUE(Demo_Phone);
}

// The demo flag of one update must not carry over: a retail phone updated
// after a demo phone gets no version record.
TEST_F(UpdateProcedureTest, ARetailUpdateAfterADemoOneWritesNoVersionRecord) {
  Image(Image_Bytes(4000));
  Whole_Update(demo, true);
  update.Button_DownloadClick();
  ASSERT_TRUE(Demo_Phone);
  Whole_Update(retail, false);
  window.messages.clear();
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_FALSE(Demo_Phone);
  EXPECT_THAT(Without_Times(window.lines), Not(Contains("SetNationalCode Ok ")));
  EXPECT_THAT(Without_Times(window.lines), Not(Contains("SetNationalCode OK!!!")));
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
}

TEST_F(UpdateProcedureTest, VersionPrefixesIgnoreLetterCase) {
  Image(Image_Bytes(10));
  Whole_Update("z5t8-quex-tw-r100-0-anything", false);
  update.Button_DownloadClick();
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
}

TEST_F(UpdateProcedureTest, AnotherVariantEndsTheProcess) {
  Image(Image_Bytes(10));
  Wire().Sync();
  Version_Record(Wire(), "Z5T8-QUEX-TW-R105-0-V4_4_0");
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(window.lines.back(), "System Error: GetNationalCode TW Error !!!");
  EXPECT_THAT(window.messages, ElementsAre("偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!"));
  EXPECT_EQ(window.events.back(), "end 0");
  EXPECT_FALSE(window.button_enabled);
  EXPECT_EQ(At("write 56"), static_cast<std::ptrdiff_t>(system.log.size()));  // nothing erased
}

TEST_F(UpdateProcedureTest, AFailedVersionReadJudgesTheOldField) {
  Image(Image_Bytes(10));
  Wire().Sync().Host({0x52}).Handshake(0x52);  // then no record
  update.Button_DownloadClick();
  EXPECT_THAT(window.lines, Contains("GetNationalCode Error !!!"));
  EXPECT_EQ(window.lines.back(), "System Error: GetNationalCode TW Error !!!");
  EXPECT_TRUE(window.ended);
}

TEST_F(UpdateProcedureTest, AFailedVersionReadAfterAGoodOneDoesNotPassOnTheOldRecord) {
  Image(Image_Bytes(10));
  std::string old = retail;
  std::copy(old.begin(), old.end(), update.Phone_Version);
  Wire().Sync().Host({0x52}).Handshake(0x52);
  update.Button_DownloadClick();
  EXPECT_THAT(window.lines, Contains("GetNationalCode Error !!!"));
  EXPECT_EQ(window.lines.back(), "System Error: GetNationalCode TW Error !!!");
  EXPECT_TRUE(window.ended);
  EXPECT_EQ(At("write 56"), static_cast<std::ptrdiff_t>(system.log.size()));  // nothing erased
}

TEST_F(UpdateProcedureTest, ADemoPhoneWhoseRecordIsNotWrittenFailsButStillFinishes) {
  Image(Image_Bytes(4000));
  Wire().Sync();
  Version_Record(Wire(), demo);
  Erase(Wire(), 4000);
  Transfer(Wire(), image);
  Wire().Host({0x54}).Rom({0x13});
  Finish(Wire());
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(Without_Times(window.lines).back(), "SetNationalCode Error !!!");
  EXPECT_THAT(window.lines, Not(Contains("SetNationalCode OK!!!")));
  EXPECT_THAT(window.messages, ElementsAre("更新失敗.                    "));
  EXPECT_EQ(system.log.back(), "close");
  EXPECT_TRUE(window.button_enabled);
}

TEST_F(UpdateProcedureTest, ALongVersionRecordStaysInItsField) {
  Image(Image_Bytes(10));
  std::string version = "Z5T8-QUEX-TW-R104-0-" + std::string(200, 'x');
  Whole_Update(version, false);
  update.Button_DownloadClick();
  EXPECT_EQ(std::string(update.Phone_Version, 64), version.substr(0, 64));
  EXPECT_EQ(update.Image_Name, Image_File_Name);  // the member after the field
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
}

TEST_F(UpdateProcedureTest, ATransferThatFailsStillFinishes) {
  Image(Image_Bytes(12000));
  Wire().Sync();
  Version_Record(Wire(), demo);
  Erase(Wire(), 12000);
  Transfer(Wire(), image, 2);
  Demo_Record(Wire());
  Finish(Wire());
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  std::vector<std::string> lines = Without_Times(window.lines);
  EXPECT_THAT(lines, Contains("結束傳送檔案: <time>."));
  EXPECT_EQ(lines.back(), "SetNationalCode OK!!!");
  EXPECT_THAT(window.messages, ElementsAre("更新失敗.                    "));
  EXPECT_TRUE(window.button_enabled);
}

TEST_F(UpdateProcedureTest, AFailedEraseStopsAtOnceWithThePortOpen) {
  Image(Image_Bytes(10));
  Wire().Sync();
  Version_Record(Wire(), retail);
  Wire().Host({0x56}).Handshake(0x56).Host(Size_Bytes(10)).Rom({20, 0xA6});
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(Without_Times(window.lines).back(), "清除FLASH開始: <time>.");
  EXPECT_THAT(window.messages, ElementsAre("清除FLASH 失敗."));
  EXPECT_TRUE(window.button_enabled);
  EXPECT_NE(update.Comport.handle, z5t8::platform::serial::INVALID_HANDLE_VALUE);
  EXPECT_EQ(At("write 60"), static_cast<std::ptrdiff_t>(system.log.size()));
}

TEST_F(UpdateProcedureTest, AFailedPortListEndsTheUpdate) {
  Image(Image_Bytes(10));
  system.registry_fails = true;
  update.Button_DownloadClick();
  EXPECT_THAT(window.messages, ElementsAre(" Enumerate COM port fail! "));
  EXPECT_EQ(window.lines.back(), "找不到COM.");
  EXPECT_EQ(window.lines.size(), 4u);
  EXPECT_FALSE(window.button_enabled);
}

TEST_F(UpdateProcedureTest, AMissingImageSearchesNothing) {
  update.Button_DownloadClick();
  EXPECT_THAT(window.messages, ElementsAre("Open file:Z5T8-QUEX-TW-R104-0-V4_4_0.bin error!"));
  EXPECT_THAT(window.lines, IsEmpty());
  EXPECT_EQ(system.registry_opens, 0u);
  EXPECT_FALSE(window.button_enabled);
}

TEST_F(UpdateProcedureTest, AnImageLargerThanTheAreaIsRefusedUnread) {
  { std::ofstream out(Image_File_Name, std::ios::binary); }
  std::filesystem::resize_file(Image_File_Name, Image_Area_Size + 1);
  Image_File.data[0] = 0x77;
  update.Button_DownloadClick();
  EXPECT_THAT(window.messages, ElementsAre("Read file:Z5T8-QUEX-TW-R104-0-V4_4_0.bin error!"));
  EXPECT_EQ(Image_File.data[0], 0x77);
  EXPECT_EQ(system.registry_opens, 0u);
}

TEST_F(UpdateProcedureTest, ANameWithoutTheBinExtensionIsRefused) {
  update.Image_Name = "image.BIN";
  update.Button_DownloadClick();
  EXPECT_THAT(window.events,
              ElementsAre("button off", "clear", "clear", "log 開啟檔案失敗, 請重新建立連線 !"));
  EXPECT_EQ(system.registry_opens, 0u);
  update.Image_Name = "image";
  EXPECT_FALSE(update.Parse_File());
}

TEST_F(UpdateProcedureTest, AnImageOfExactlySixteenMebibytesGoesOutWhole) {
  Image(Image_Bytes(Image_Area_Size));
  Whole_Update(retail, false);
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(Image_File.size, static_cast<std::int32_t>(Image_Area_Size));
  EXPECT_EQ(std::count(system.log.begin(), system.log.end(), "write 4000 bytes"), 4194);
  EXPECT_EQ(std::count(system.log.begin(), system.log.end(), "write 1216 bytes"), 1);
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
}

TEST_F(UpdateProcedureTest, TwoUpdatesInARow) {
  Image(Image_Bytes(5000, 1));
  Whole_Update(retail, false);
  update.Button_DownloadClick();
  Image(Image_Bytes(7000, 2));
  Whole_Update(retail, false);
  window.messages.clear();
  update.Button_DownloadClick();
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(window.lines.front(), "開啟檔案完成");
  EXPECT_EQ(window.lines.size(), 9u);
  EXPECT_EQ(system.registry_opens, 2u);
  EXPECT_THAT(window.messages, ElementsAre("更新完成.                    "));
}

TEST_F(UpdateProcedureTest, StartUpBindsTheBarAndChecksTheImage) {
  EXPECT_FALSE(update.Start_Up());
  EXPECT_EQ(update.Comport.progress_bar, &window.bar);
  EXPECT_THAT(window.messages, ElementsAre("Read Z5T8-QUEX-TW-R104-0-V4_4_0.bin Failed"));
  EXPECT_TRUE(window.ended);
}

TEST_F(UpdateProcedureTest, MessagesRunDuringSerialCalls) {
  Image(Image_Bytes(10));
  Whole_Update(retail, false);
  update.Button_DownloadClick();
  EXPECT_GT(window.pumps, 150);
}

class NationalCodeTest : public UpdateProcedureTest {
protected:
  void Code(std::uint8_t code) {
    Wire().Sync().Host({0x52}).Handshake(0x52).Rom({code});
    std::uint16_t port = 0;
    ASSERT_TRUE(update.Comport.Find_Brom_Port(port));
  }
};

TEST_F(NationalCodeTest, ZeroChangesNothing) {
  Demo_Phone = true;
  Code(0);
  EXPECT_TRUE(update.Check_TW_National());
  EXPECT_TRUE(Demo_Phone);
  EXPECT_THAT(window.events, IsEmpty());
}

TEST_F(NationalCodeTest, FeIsADemoPhone) {
  Demo_Phone = false;
  Code(0xFE);
  EXPECT_TRUE(update.Check_TW_National());
  EXPECT_TRUE(Demo_Phone);
}

TEST_F(NationalCodeTest, FfIsAnEmptyCode) {
  Code(0xFF);
  EXPECT_FALSE(update.Check_TW_National());
  EXPECT_THAT(window.events,
              ElementsAre("log System Error: GetNationalCode TW error !!!",
                          "message 檢查到手機國碼是空的,請拔開USB線和手機電池重新開機!!", "end 0"));
  EXPECT_FALSE(Demo_Phone);
}

TEST_F(NationalCodeTest, AnyOtherCodeIsWrong) {
  Code(0x12);
  EXPECT_FALSE(update.Check_TW_National());
  EXPECT_THAT(window.events,
              ElementsAre("log System Error: GetNationalCode TW Error !!!",
                          "message 檢查到手機國碼錯誤,請拔開USB線和手機電池重新開機!!", "end 0"));
}

TEST_F(NationalCodeTest, AFailedReadJudgesTheOldCode) {
  National_Code = 0xFE;
  Wire().Sync().Host({0x52}).Handshake(0x52);
  std::uint16_t port = 0;
  ASSERT_TRUE(update.Comport.Find_Brom_Port(port));
  EXPECT_TRUE(update.Check_TW_National());
  EXPECT_THAT(window.events, ElementsAre("log GetNationalCode Error !!!"));
  EXPECT_TRUE(Demo_Phone);
  National_Code = 0;
}

TEST_F(NationalCodeTest, BromTwWritesCodeZero) {
  Wire().Sync().Host({0x54}).Handshake(0x54).Pause(20).Host({0x00});
  std::uint16_t port = 0;
  ASSERT_TRUE(update.Comport.Find_Brom_Port(port));
  update.BromTW();
  EXPECT_TRUE(system.Finished());
  EXPECT_THAT(window.events, ElementsAre("clear"));
  update.Comport.Close_Port();
  update.BromTW();
  EXPECT_EQ(window.events.back(), "log SetNationalCode Error !!!");
}

TEST_F(UpdateProcedureTest, SaveDataToFile) {
  const std::uint8_t bytes[] = {1, 2, 3};
  update.Save_Data_to_File("saved.bin", bytes, 3);
  EXPECT_EQ(Read_File("saved.bin"), (std::vector<std::uint8_t>{1, 2, 3}));
  update.Save_Data_to_File("no/such/folder/saved.bin", bytes, 3);
  EXPECT_THAT(window.messages, ElementsAre("Open file:no/such/folder/saved.bin error!"));
}

TEST_F(UpdateProcedureTest, ReadFileToDataReportsAShortFile) {
  Write_File("short.bin", {1, 2});
  std::uint8_t area[8] = {};
  EXPECT_FALSE(update.Read_File_to_Data("short.bin", area, 5));
  EXPECT_THAT(window.messages, ElementsAre("Read file:short.bin error!"));
  EXPECT_TRUE(update.Read_File_to_Data("short.bin", area, 2));
  EXPECT_EQ(area[1], 2);
}

}  // namespace
