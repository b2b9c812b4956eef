// One firmware update from the Download button to the final message, and the
// image check made before the window is shown. The main window exposes these
// methods under their names; the command-line flasher drives the same code.
#pragma once

#include "app/DownloadFormat.h"
#include "app/UpdateWindow.h"
#include "link/CComport.h"

#include <cstdint>
#include <string>

namespace z5t8::app {

// The two outcomes of an update (each ends in 20 blanks).
inline constexpr char Text_Update_Complete[] = "更新完成.                    ";
inline constexpr char Text_Update_Failed[] = "更新失敗.                    ";
// The record written to demo phones.
inline constexpr char Version_Text[] = "Z5T8-QUEX-TW-R104-0-V4_4_0";

class UpdateProcedure {
public:
  // Installs the window's message pump and message box as the link's hooks.
  explicit UpdateProcedure(UpdateWindow& window,
                           link::SerialSystem& system = platform::serial::Default_Serial_System());
  // Removes the hooks again.
  ~UpdateProcedure();
  UpdateProcedure(const UpdateProcedure&) = delete;
  UpdateProcedure& operator=(const UpdateProcedure&) = delete;

  // What the window does once it is created: binds its progress bar to the
  // channel, then checks the image file. False when the check ended the
  // process (the window then returned from End_Process).
  bool Start_Up();

  void Button_DownloadClick();
  bool Parse_File();
  // False after the message of a failed load: nothing is to be sent then.
  bool Initial_Array(std::uint8_t* data, const std::string& file_name, std::int32_t& size);
  bool Read_File_to_Data(const std::string& file_name, std::uint8_t* data, std::int64_t count);
  void Save_Data_to_File(const std::string& file_name, const std::uint8_t* data, std::int32_t count);
  // False when the phone was refused and the process ended.
  bool Check_Version();
  void Download_File();
  // False when the record could not be written.
  bool BromVersion();
  // False when the national code ended the process.
  bool Check_TW_National();
  void BromTW();
  void Button_Control(bool enable);
  // True when the file passed; otherwise the process ended.
  bool Checksum(const std::string& file_name);

  link::CComport Comport;
  char Phone_Version[64] = {};
  // The image file Parse_File loads; the fixed name unless a test sets another.
  std::string Image_Name = Image_File_Name;

private:
  bool End_Process();

  UpdateWindow& window_;
};

}  // namespace z5t8::app
