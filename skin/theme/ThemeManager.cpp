#include "skin/theme/ThemeManager.h"
#include "platform/process/Program.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "framework/Exceptions.h"
#include "framework/FileStream.h"
#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/Control.h"
#include "skin/render/SystemQueries.h"
#include "skin/theme/ThemeUnit.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace pg = platform::gui;

Z5T8_IMPLEMENT_CLASS(TteThemeManager, TComponent) {}

namespace {

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

TteThemeManager::TteThemeManager(TComponent* owner) : TComponent(owner) {
  FWindow = std::make_unique<pg::MessageWindow>([this](pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
    return HookWndProc(msg, wParam, lParam);
  });
}

TteThemeManager::~TteThemeManager() {
  FClients.clear();
  FCurrentTheme.reset();
  FWindow.reset();
  FThemes.clear();
}

void TteThemeManager::RegisterTheme(TteThemeClass themeClass) { FThemes.push_back(themeClass); }

void TteThemeManager::UnregisterTheme(TteThemeClass themeClass) {
  auto it = std::find(FThemes.begin(), FThemes.end(), themeClass);
  if (it != FThemes.end()) FThemes.erase(it);
}

TteThemeClass TteThemeManager::GetThemeClass(const std::string& className) const {
  for (TteThemeClass c : FThemes) {
    if (c && c->ClassName() == className) return c;
  }
  return nullptr;
}

TteThemeClass TteThemeManager::GetTheme(int index) const {
  if (index < 0 || index >= GetThemeCount()) return nullptr;
  return FThemes[size_t(index)];
}

void TteThemeManager::AddNotification(TObject* client) {
  if (!client || std::find(FClients.begin(), FClients.end(), client) != FClients.end()) return;
  FClients.push_back(client);
  if (!FCurrentTheme) return;
  TMessage message{TM_THEMENOTIFY, tncApplied, 0, 0};
  if (auto* control = dynamic_cast<TControl*>(client)) {
    control->Perform(message.Msg, message.WParam, message.LParam);
  } else {
    client->Dispatch(message);
  }
}

void TteThemeManager::RemoveNotification(TObject* client) {
  auto it = std::find(FClients.begin(), FClients.end(), client);
  if (it == FClients.end() || !client) return;
  // A running broadcast walks the list by index: leave the slot, empty, until it ends.
  if (FBroadcasting > 0) {
    *it = nullptr;
    FClientsRemoved = true;
  } else {
    FClients.erase(it);
  }
}

void TteThemeManager::Broadcast(uint32_t msg, uintptr_t first, intptr_t second) {
  TMessage message{msg, first, second, 0};
  size_t count = FClients.size();
  ++FBroadcasting;
  struct EndWalk {
    TteThemeManager* self;
    ~EndWalk() {
      if (--self->FBroadcasting == 0 && self->FClientsRemoved) {
        std::erase(self->FClients, nullptr);
        self->FClientsRemoved = false;
      }
    }
  } endWalk{this};
  for (size_t i = 0; i < count && i < FClients.size(); ++i) {
    TObject* client = FClients[i];
    if (!client) continue;
    if (auto* control = dynamic_cast<TControl*>(client)) {
      if (msg == TM_THEMENOTIFY && first == tncRepaint && !control->Visible()) continue;
      control->Perform(msg, first, second);
    } else {
      client->Dispatch(message);
    }
  }
}

void TteThemeManager::Install(std::unique_ptr<TteTheme> theme) {
  bool hadTheme = FCurrentTheme != nullptr;
  if (theme.get() == FCurrentTheme.get()) {
    // Handed the current theme again: it stays, it is not freed under its new owner.
    (void)theme.release();
  } else {
    FCurrentTheme.reset();
    FCurrentTheme = std::move(theme);
  }
  Broadcast(TM_THEMENOTIFY, hadTheme ? tncChanged : tncApplied, 0);
  Broadcast(TM_THEMENOTIFY, tncAfterChange, 0);
}

void TteThemeManager::ChangeTheme(std::unique_ptr<TteTheme> theme) {
  Broadcast(TM_THEMENOTIFY, tncBeforeChange, 0);
  Install(std::move(theme));
}

void TteThemeManager::ChangeTheme(TteThemeClass themeClass) {
  Broadcast(TM_THEMENOTIFY, tncBeforeChange, 0);
  Install(themeClass ? themeClass->Create() : nullptr);
}

void TteThemeManager::ChangeTheme(const std::string& themeName) {
  Broadcast(TM_THEMENOTIFY, tncBeforeChange, 0);
  bool hadTheme = FCurrentTheme != nullptr;
  FCurrentTheme.reset();
  for (TteThemeClass c : FThemes) {
    if (c && SameText(c->GetThemeName(), themeName)) {
      FCurrentTheme = c->Create();
      break;
    }
  }
  Broadcast(TM_THEMENOTIFY, hadTheme ? tncChanged : tncApplied, 0);
  Broadcast(TM_THEMENOTIFY, tncAfterChange, 0);
}

void TteThemeManager::ReleaseTheme() {
  Broadcast(TM_THEMENOTIFY, tncBeforeChange, 0);
  FCurrentTheme.reset();
  Broadcast(TM_THEMENOTIFY, tncReleased, 0);
  Broadcast(TM_THEMENOTIFY, tncAfterChange, 0);
}

void TteThemeManager::ResetTheme() {
  if (!FCurrentTheme) return;
  FCurrentTheme->ResetTheme();
  Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

void TteThemeManager::ResetThemeColors() {
  if (!FCurrentTheme) return;
  FCurrentTheme->ChangeThemeHueAndBrightness(0, 0);
  Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

bool TteThemeManager::IsThemeAvailable(const TteTheme* theme) const {
  return theme && theme == FCurrentTheme.get();
}

bool TteThemeManager::IsThemeAvailable(const std::string& themeName) const {
  if (FCurrentTheme && SameText(FCurrentTheme->ThemeClassType()->GetThemeName(), themeName)) return true;
  return std::any_of(FThemes.begin(), FThemes.end(),
                     [&](TteThemeClass c) { return c && SameText(c->GetThemeName(), themeName); });
}

bool TteThemeManager::IsThemeAvailable(TteThemeClass themeClass) const {
  if (!themeClass) return false;
  if (FCurrentTheme && FCurrentTheme->InheritsFrom(themeClass->Class())) return true;
  return std::find(FThemes.begin(), FThemes.end(), themeClass) != FThemes.end();
}

TteThemeClass TteThemeManager::GetThemeByFileName(const std::string& fileName) const {
  std::string ext = LowerCase(std::filesystem::path(fileName).extension().string());
  // A name without an extension would match every filter.
  if (ext.empty()) return nullptr;
  for (TteThemeClass c : FThemes) {
    if (!c) continue;
    TteThemeConfig config = c->GetThemeConfig();
    if (config.CanLoad && LowerCase(config.DialogFilter).find(ext) != std::string::npos) return c;
  }
  return nullptr;
}

std::string TteThemeManager::GetDialogFilter() const {
  std::string result;
  std::string patterns;
  for (TteThemeClass c : FThemes) {
    if (!c) continue;
    TteThemeConfig config = c->GetThemeConfig();
    if (!config.CanLoad) continue;
    if (!result.empty()) result += '|';
    result += config.DialogFilter;
    size_t start = 0;
    for (int piece = 0;; ++piece) {
      size_t bar = config.DialogFilter.find('|', start);
      if (piece % 2 == 1) patterns += config.DialogFilter.substr(start, bar - start) + ';';
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
  }
  if (patterns.empty()) return result;
  patterns.pop_back();
  return std::string(SAllFilter) + " (" + patterns + ")|" + patterns + "|" + result;
}

std::unique_ptr<TteTheme> TteThemeManager::LoadFromStream(TStream& stream) const {
  int64_t start = stream.Position();
  TteThemeClass found = nullptr;
  for (TteThemeClass c : FThemes) {
    if (!c) continue;
    bool accepted = c->CheckStream(stream);
    stream.SetPosition(start);
    if (accepted) {
      found = c;
      break;
    }
  }
  if (!found) return nullptr;
  std::unique_ptr<TteTheme> theme = found->Create();
  if (!theme->LoadFromStream(stream)) return nullptr;
  return theme;
}

std::unique_ptr<TteTheme> TteThemeManager::LoadFromFile(const std::string& fileName) const {
  namespace fs = std::filesystem;
  if (fileName.empty()) return nullptr;
  std::string name = fileName;
  std::error_code ec;
  if (!fs::exists(name, ec)) {
    // Names of one letter or with a drive are not looked for beside the program.
    if (name.size() < 2 || name[1] == ':') return nullptr;
    fs::path exe = platform::process::Program_File(ec);
    if (ec) return nullptr;
    name = (exe.parent_path() / fileName).string();
    if (!fs::exists(name, ec)) return nullptr;
  }
  // A folder or device of that name is no theme file either.
  if (!fs::is_regular_file(name, ec)) return nullptr;
  if (TteThemeClass c = GetThemeByFileName(name)) {
    std::unique_ptr<TteTheme> theme = c->Create();
    if (!theme->LoadFromFile(name)) return nullptr;
    return theme;
  }
  TFileStream stream(name, fmOpenRead | fmShareDenyWrite);
  return LoadFromStream(stream);
}

void TteThemeManager::SaveToFile(TteTheme* theme, const std::string& fileName) const {
  if (theme && theme->ThemeClassType()->GetThemeConfig().CanSave) theme->SaveToFile(fileName);
}

void TteThemeManager::SaveToStream(TteTheme* theme, TStream& stream) const {
  if (theme && theme->ThemeClassType()->GetThemeConfig().CanSave) theme->SaveToStream(stream);
}

std::optional<pg::LRESULT> TteThemeManager::HookWndProc(pg::UINT msg, pg::WPARAM, pg::LPARAM) {
  switch (msg) {
    case pg::WM_THEMECHANGED:
      render::UseThemesSlow();
      [[fallthrough]];
    case pg::WM_SYSCOLORCHANGE:
    case pg::WM_DISPLAYCHANGE:
      Broadcast(TM_THEMENOTIFY, tncRepaint, 0);
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::unique_ptr<TteTheme> TteTheme::CreateCopy() const {
  TteThemeClass c = ThemeManager()->GetThemeClass(ClassName());
  if (!c) return nullptr;
  std::unique_ptr<TteTheme> copy = c->Create();
  copy->Assign(this);
  return copy;
}

TteThemeManager* ThemeManager() { return ThemeUnit().Manager.get(); }
TteTheme* CurrentTheme() { return ThemeManager()->CurrentTheme(); }

void RegisterTheme(TteThemeClass themeClass) { ThemeManager()->RegisterTheme(themeClass); }
void UnregisterTheme(TteThemeClass themeClass) { ThemeManager()->UnregisterTheme(themeClass); }
TteThemeClass GetThemeClass(const std::string& className) { return ThemeManager()->GetThemeClass(className); }
bool IsThemeAvailable(const TteTheme* theme) { return ThemeManager()->IsThemeAvailable(theme); }
bool IsThemeAvailable(const std::string& themeName) { return ThemeManager()->IsThemeAvailable(themeName); }
void AddThemeNotification(TObject* client) { ThemeManager()->AddNotification(client); }
void RemoveThemeNotification(TObject* client) { ThemeManager()->RemoveNotification(client); }
void ChangeTheme(std::unique_ptr<TteTheme> theme) { ThemeManager()->ChangeTheme(std::move(theme)); }
void ChangeTheme(const std::string& themeName) { ThemeManager()->ChangeTheme(themeName); }
void ChangeTheme(TteThemeClass themeClass) { ThemeManager()->ChangeTheme(themeClass); }
TteThemeClass GetThemeByFileName(const std::string& fileName) {
  return ThemeManager()->GetThemeByFileName(fileName);
}
std::string GetDialogFilter() { return ThemeManager()->GetDialogFilter(); }
std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName) {
  return ThemeManager()->LoadFromFile(fileName);
}
std::unique_ptr<TteTheme> LoadThemeFromStream(TStream& stream) {
  return ThemeManager()->LoadFromStream(stream);
}
void SaveThemeToFile(TteTheme* theme, const std::string& fileName) {
  ThemeManager()->SaveToFile(theme, fileName);
}
void SaveThemeToStream(TteTheme* theme, TStream& stream) { ThemeManager()->SaveToStream(theme, stream); }
void ReleaseTheme() { ThemeManager()->ReleaseTheme(); }
void ResetTheme() { ThemeManager()->ResetTheme(); }
void ResetThemeColors() { ThemeManager()->ResetThemeColors(); }

}  // namespace z5t8::skin::theme
