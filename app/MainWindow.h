// The main window: the skinned form read from the "TFORM1" layout, with the
// memo that serves as the update log. It is the update procedure's window,
// over its own memo, Download button, progress bar and message boxes.
#pragma once

#include "app/UpdateProcedure.h"
#include "app/UpdateWindow.h"
#include "app/WindowProbe.h"
#include "framework/gui/Form.h"

#include <cstdint>
#include <memory>
#include <string>

namespace z5t8::framework {
class TLabel;
class TProgressBar;
}  // namespace z5t8::framework
namespace z5t8::skin::theme {
class TTeThemeEngine;
class TTeThemeList;
class TTeThemeLink;
}  // namespace z5t8::skin::theme
namespace z5t8::skin::controls {
class TTeForm;
class TTeMemo;
class TTeButton;
}  // namespace z5t8::skin::controls

namespace z5t8::app {

class TForm1 : public framework::TForm, public UpdateWindow {
  Z5T8_CLASS(TForm1, framework::TForm)
public:
  explicit TForm1(framework::TComponent* owner);
  ~TForm1() override;

  framework::TLabel* Label1 = nullptr;
  framework::TLabel* Label4 = nullptr;
  framework::TProgressBar* ProgressBar1 = nullptr;
  skin::theme::TTeThemeEngine* TeThemeEngine1 = nullptr;
  skin::theme::TTeThemeList* TeThemeList1 = nullptr;
  skin::theme::TTeThemeLink* TeThemeLink1 = nullptr;
  skin::controls::TTeForm* TeForm1 = nullptr;
  skin::controls::TTeMemo* mReceive = nullptr;
  skin::controls::TTeButton* Button_Download = nullptr;
  skin::controls::TTeButton* Button_Exit_System = nullptr;

  // The serial channel and the version record live in the one update
  // procedure the window drives.
  link::CComport& Comport() { return update_.Comport; }
  char (&Phone_Version())[64] { return update_.Phone_Version; }
  UpdateProcedure& Procedure() { return update_; }

  // The published methods, bound by the layout or reachable by name.
  bool Read_File_to_Data(const std::string& file_name, std::uint8_t* data, std::int64_t count);
  void Save_Data_to_File(const std::string& file_name, const std::uint8_t* data, std::int32_t count);
  void Clean_Memo() override;
  void Print_Str_to_Memo(const std::string& text) override;
  void Button_Control(bool enable);
  void Button_Exit_SystemClick(framework::TObject* sender);
  void Button_DownloadClick(framework::TObject* sender);
  bool Parse_File();
  void Download_File();
  void FormCreate(framework::TObject* sender);
  void FormClose(framework::TObject* sender, framework::TCloseAction& action);
  bool Initial_Array(std::uint8_t* data, const std::string& file_name, std::int32_t& size);
  bool Check_TW_National();
  bool Checksum(const std::string& file_name);
  void BromTW();
  bool Check_Version();
  bool BromVersion();

  // UpdateWindow over the window's own controls.
  void Enable_Download_Button(bool enabled) override;
  void Show_Message(const std::string& text) override;
  link::ProgressBar* Progress_Bar() override;
  void Process_Messages() override;
  // Ends the process at once: nothing of the window is torn down.
  [[noreturn]] void End_Process(int code) override;

private:
  class Bar;
  void Report_State();

  std::unique_ptr<Bar> bar_;
  std::int32_t bar_peak_ = 0;  // the furthest the bar got since its range was set
  WindowProbe probe_;
  UpdateProcedure update_;
};

}  // namespace z5t8::app
