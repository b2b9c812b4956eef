#include "app/MainWindow.h"

#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/Application.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/Label.h"
#include "framework/gui/ProgressBar.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/controls/Memo.h"
#include "skin/theme/ThemeEngine.h"
#include "skin/theme/ThemeLink.h"
#include "skin/theme/ThemeList.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace z5t8::app {

using framework::TObject;

// The link's view of the window's progress bar.
class TForm1::Bar : public link::ProgressBar {
public:
  explicit Bar(TForm1& form) : form_(form) {}

  void Set_Min(std::int32_t v) override { bar()->SetMin(v); }
  void Set_Max(std::int32_t v) override {
    bar()->SetMax(v);
    form_.bar_peak_ = 0;
  }
  std::int32_t Max() const override { return bar()->Max(); }
  void Set_Step(std::int32_t v) override { bar()->SetStep(v); }
  void Set_Position(std::int32_t v) override {
    bar()->SetPosition(v);
    form_.bar_peak_ = std::max(form_.bar_peak_, bar()->Position());
    form_.Report_State();
  }
  std::int32_t Position() const override { return bar()->Position(); }

private:
  framework::TProgressBar* bar() const { return form_.ProgressBar1; }
  TForm1& form_;
};

Z5T8_IMPLEMENT_CLASS(TForm1, framework::TForm) {
  p.Field("Label1", &TForm1::Label1);
  p.Field("Label4", &TForm1::Label4);
  p.Field("ProgressBar1", &TForm1::ProgressBar1);
  p.Field("TeThemeEngine1", &TForm1::TeThemeEngine1);
  p.Field("TeThemeList1", &TForm1::TeThemeList1);
  p.Field("TeThemeLink1", &TForm1::TeThemeLink1);
  p.Field("TeForm1", &TForm1::TeForm1);
  p.Field("mReceive", &TForm1::mReceive);
  p.Field("Button_Download", &TForm1::Button_Download);
  p.Field("Button_Exit_System", &TForm1::Button_Exit_System);
  p.Method("Read_File_to_Data", &TForm1::Read_File_to_Data);
  p.Method("Save_Data_to_File", &TForm1::Save_Data_to_File);
  p.Method("Clean_Memo", &TForm1::Clean_Memo);
  p.Method("Print_Str_to_Memo", &TForm1::Print_Str_to_Memo);
  p.Method("Button_Control", &TForm1::Button_Control);
  p.Method("Button_Exit_SystemClick", &TForm1::Button_Exit_SystemClick);
  p.Method("Button_DownloadClick", &TForm1::Button_DownloadClick);
  p.Method("Parse_File", &TForm1::Parse_File);
  p.Method("Download_File", &TForm1::Download_File);
  p.Method("FormCreate", &TForm1::FormCreate);
  p.Method("FormClose", &TForm1::FormClose);
  p.Method("Initial_Array", &TForm1::Initial_Array);
  p.Method("Check_TW_National", &TForm1::Check_TW_National);
  p.Method("Checksum", &TForm1::Checksum);
  p.Method("BromTW", &TForm1::BromTW);
  p.Method("Check_Version", &TForm1::Check_Version);
  p.Method("BromVersion", &TForm1::BromVersion);
}

// The procedure's channel starts closed and without a bar; FormCreate binds it.
TForm1::TForm1(framework::TComponent* owner)
    : framework::TForm(owner), bar_(std::make_unique<Bar>(*this)), update_(*this) {}

TForm1::~TForm1() = default;

bool TForm1::Read_File_to_Data(const std::string& file_name, std::uint8_t* data, std::int64_t count) {
  return update_.Read_File_to_Data(file_name, data, count);
}

void TForm1::Save_Data_to_File(const std::string& file_name, const std::uint8_t* data, std::int32_t count) {
  update_.Save_Data_to_File(file_name, data, count);
}

void TForm1::Clean_Memo() {
  mReceive->SetText(u"");
  probe_.Memo({});
}

void TForm1::Print_Str_to_Memo(const std::string& text) {
  // The whole text is rebuilt and replaced; the memo decides what stays in view.
  std::u16string whole = mReceive->GetText();
  whole += framework::Utf8ToUtf16(text);
  whole += u"\r\n";
  mReceive->SetText(whole);
  if (probe_.Enabled()) probe_.Memo(framework::Utf16ToUtf8(whole));
}

void TForm1::Button_Control(bool enable) { update_.Button_Control(enable); }

void TForm1::Button_Exit_SystemClick(TObject*) { Close(); }

void TForm1::Button_DownloadClick(TObject*) { update_.Button_DownloadClick(); }

bool TForm1::Parse_File() { return update_.Parse_File(); }

void TForm1::Download_File() { update_.Download_File(); }

void TForm1::FormCreate(TObject*) { update_.Start_Up(); }

void TForm1::FormClose(TObject*, framework::TCloseAction&) {
  update_.Comport.Close_Port();
  End_Process(0);
}

bool TForm1::Initial_Array(std::uint8_t* data, const std::string& file_name, std::int32_t& size) {
  return update_.Initial_Array(data, file_name, size);
}

bool TForm1::Check_TW_National() { return update_.Check_TW_National(); }

bool TForm1::Checksum(const std::string& file_name) { return update_.Checksum(file_name); }

void TForm1::BromTW() { update_.BromTW(); }

bool TForm1::Check_Version() { return update_.Check_Version(); }

bool TForm1::BromVersion() { return update_.BromVersion(); }

void TForm1::Enable_Download_Button(bool enabled) {
  Button_Download->SetEnabled(enabled);
  Report_State();
}

void TForm1::Show_Message(const std::string& text) {
  probe_.Message(text);
  framework::ShowMessage(std::string_view(text));
}

link::ProgressBar* TForm1::Progress_Bar() { return bar_.get(); }

void TForm1::Process_Messages() { framework::Application()->ProcessMessages(); }

void TForm1::End_Process(int code) {
  // Everything stays as it is: no window, theme or static object is torn
  // down, since live windows still use the theme manager; only the buffered
  // output is written out.
  std::fflush(nullptr);
  std::_Exit(code);
}

void TForm1::Report_State() {
  if (probe_.Enabled() && Button_Download && ProgressBar1)
    probe_.State(Button_Download->Enabled(), ProgressBar1->Position(), bar_peak_, ProgressBar1->Max());
}

}  // namespace z5t8::app
