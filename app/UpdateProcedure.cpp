#include "app/UpdateProcedure.h"

#include "app/ImageCheck.h"
#include "app/TimeStamp.h"
#include "link/WindowHooks.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace z5t8::app {

namespace {

struct Accepted_Prefix {
  const char* text;
  bool demo;
};
// Compared over their own 19 characters, ignoring letter case, in this order.
constexpr Accepted_Prefix accepted_prefixes[] = {
    {"Z5T8-QUEX-TW-R100-0", false},
    {"Z5T8-QUEX-TW-R104-0", false},
    {"Z5T8-DEMO-EF-R100-1", true},
};
constexpr std::size_t prefix_length = 19;

const std::string text_read = "Read ";
const std::string text_failed = " Failed";
const std::string text_bin_error = "BIN files Error";

bool starts_with_ignoring_case(const char* field, const char* prefix, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(field[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

struct File_Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, File_Closer>;

}  // namespace

UpdateProcedure::UpdateProcedure(UpdateWindow& window, link::SerialSystem& system)
    : Comport(system), window_(window) {
  link::Set_Message_Pump([this] { window_.Process_Messages(); });
  link::Set_Message_Box([this](const std::string& text) { window_.Show_Message(text); });
}

UpdateProcedure::~UpdateProcedure() {
  link::Set_Message_Pump({});
  link::Set_Message_Box({});
}

bool UpdateProcedure::End_Process() {
  window_.End_Process(0);
  return false;
}

bool UpdateProcedure::Start_Up() {
  Comport.Set_ProgressBar(window_.Progress_Bar());
  return Checksum(Image_File_Name);
}

void UpdateProcedure::Button_DownloadClick() {
  Demo_Phone = false;
  Button_Control(false);
  window_.Clean_Memo();
  // The early ends leave the Download button disabled.
  if (!Parse_File()) return;
  window_.Print_Str_to_Memo("開啟檔案完成");
  window_.Print_Str_to_Memo("自動尋找COM,....請稍後");
  window_.Print_Str_to_Memo("此程序可能需要30秒時間,請耐心等候!!");
  std::uint16_t port = 0;
  if (!Comport.Find_Brom_Port(port)) {
    window_.Print_Str_to_Memo("找不到COM.");
    return;
  }
  window_.Print_Str_to_Memo("找到COM" + std::to_string(port));
  if (!Check_Version()) return;
  Download_File();
  Button_Control(true);
}

bool UpdateProcedure::Parse_File() {
  Image_File.file_name = Image_Name;
  std::size_t dot = Image_File.file_name.rfind('.');
  std::string extension = dot == std::string::npos ? "" : Image_File.file_name.substr(dot);
  if (extension != ".bin") {
    window_.Clean_Memo();
    window_.Print_Str_to_Memo("開啟檔案失敗, 請重新建立連線 !");
    return false;
  }
  return Initial_Array(Image_File.data, Image_File.file_name, Image_File.size);
}

bool UpdateProcedure::Initial_Array(std::uint8_t* data, const std::string& file_name, std::int32_t& size) {
  std::error_code error;
  std::uintmax_t file_size = std::filesystem::file_size(file_name, error);
  if (error) file_size = 0;  // a missing file: the open below reports it
  size = file_size <= Image_Area_Size ? static_cast<std::int32_t>(file_size) : 0;
  return Read_File_to_Data(file_name, data, static_cast<std::int64_t>(file_size));
}

bool UpdateProcedure::Read_File_to_Data(const std::string& file_name, std::uint8_t* data,
                                        std::int64_t count) {
  File file(std::fopen(file_name.c_str(), "rb"));
  if (!file) {
    window_.Show_Message("Open file:" + file_name + " error!");
    return false;
  }
  // An image larger than the area is refused like a short read, and
  // nothing is read into the area.
  if (count < 0 || count > Image_Area_Size ||
      std::fread(data, 1, static_cast<std::size_t>(count), file.get()) < static_cast<std::size_t>(count)) {
    window_.Show_Message("Read file:" + file_name + " error!");
    return false;
  }
  return true;
}

void UpdateProcedure::Save_Data_to_File(const std::string& file_name, const std::uint8_t* data,
                                        std::int32_t count) {
  File file(std::fopen(file_name.c_str(), "wb"));
  if (!file) {
    window_.Show_Message("Open file:" + file_name + " error!");
    return;
  }
  std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
  if (std::fwrite(data, 1, n, file.get()) < n || std::fflush(file.get()) != 0)
    window_.Show_Message("Write file:" + file_name + " error!");
}

bool UpdateProcedure::Check_Version() {
  // Cleared first: a failed read must fail the variant test, never pass on
  // the record an earlier update read.
  std::fill(std::begin(Phone_Version), std::end(Phone_Version), '\0');
  if (Comport.Brom_Read_String(Phone_Version, sizeof Phone_Version))
    window_.Print_Str_to_Memo("GetNationalCode");
  else
    window_.Print_Str_to_Memo("GetNationalCode Error !!!");
  for (const Accepted_Prefix& prefix : accepted_prefixes)
    if (starts_with_ignoring_case(Phone_Version, prefix.text, prefix_length)) {
      if (prefix.demo) Demo_Phone = true;
      return true;
    }
  Demo_Phone = false;
  window_.Print_Str_to_Memo("System Error: GetNationalCode TW Error !!!");
  window_.Show_Message("偵測到手機國別版本錯誤,請檢查手機是否為台灣版 !!!");
  return End_Process();
}

void UpdateProcedure::Download_File() {
  window_.Print_Str_to_Memo("清除FLASH開始: " + Time_Stamp() + ".");
  if (!Comport.Brom_Erase(static_cast<std::uint32_t>(Image_File.size))) {
    // The port stays open and no finish is sent.
    window_.Show_Message("清除FLASH 失敗.");
    return;
  }
  window_.Print_Str_to_Memo("清除FLASH結束: " + Time_Stamp() + ".");
  window_.Print_Str_to_Memo("開始傳送檔案: " + Time_Stamp() + ".");
  bool ok = Comport.Brom_Download(static_cast<std::uint32_t>(Image_File.size), Image_File.data,
                                  link::Brom_Block_Size, 1);
  window_.Print_Str_to_Memo("結束傳送檔案: " + Time_Stamp() + ".");
  // A demo phone whose record was not written is not updated, whatever the transfer said.
  if (Demo_Phone) {
    if (BromVersion())
      window_.Print_Str_to_Memo("SetNationalCode OK!!!");
    else
      ok = false;
  }
  Comport.Delay(1000);
  Comport.Brom_Finish();
  Comport.Close_Port();
  window_.Show_Message(ok ? Text_Update_Complete : Text_Update_Failed);
}

bool UpdateProcedure::BromVersion() {
  std::string text = Version_Text;
  if (Comport.Brom_Write_String(text)) {
    window_.Print_Str_to_Memo("SetNationalCode Ok ");
    return true;
  }
  window_.Print_Str_to_Memo("SetNationalCode Error !!!");
  return false;
}

bool UpdateProcedure::Check_TW_National() {
  if (!Comport.Brom_Read_Byte(National_Code)) window_.Print_Str_to_Memo("GetNationalCode Error !!!");
  switch (National_Code) {
    case 0x00:
      return true;
    case 0xFE:
      Demo_Phone = true;
      return true;
    case 0xFF:
      Demo_Phone = false;
      window_.Print_Str_to_Memo("System Error: GetNationalCode TW error !!!");
      window_.Show_Message("檢查到手機國碼是空的,請拔開USB線和手機電池重新開機!!");
      return End_Process();
    default:
      Demo_Phone = false;
      window_.Print_Str_to_Memo("System Error: GetNationalCode TW Error !!!");
      window_.Show_Message("檢查到手機國碼錯誤,請拔開USB線和手機電池重新開機!!");
      return End_Process();
  }
}

void UpdateProcedure::BromTW() {
  window_.Clean_Memo();
  if (!Comport.Brom_Write_Byte(0)) window_.Print_Str_to_Memo("SetNationalCode Error !!!");
}

void UpdateProcedure::Button_Control(bool enable) { window_.Enable_Download_Button(enable); }

bool UpdateProcedure::Checksum(const std::string& file_name) {
  File file(std::fopen(file_name.c_str(), "rb"));
  if (!file) {
    window_.Show_Message(text_read + file_name + text_failed);
    return End_Process();
  }
  // Both sums in one pass; a read error ends the reading like the end of
  // the file does.
  Image_Sums sums;
  std::vector<std::uint8_t> buffer(std::size_t(1) << 20);
  for (;;) {
    std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file.get());
    sums.Add(buffer.data(), n);
    if (n < buffer.size()) break;
  }
  if (!sums.Passes()) {
    window_.Show_Message(text_bin_error);
    return End_Process();
  }
  return true;
}

}  // namespace z5t8::app
