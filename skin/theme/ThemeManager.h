#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Stream.h"
#include "platform/gui/MessageWindow.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::theme {

class TteCustomThemeLink;

// The description of the all-patterns entry of GetDialogFilter.
inline constexpr const char* SAllFilter = "All";

// The theme notification: the first parameter is a TteThemeNotifyCode, the second 0
// unless a code says otherwise.
constexpr uint32_t TM_THEMENOTIFY = 2048;
// A link's theme changed: both parameters are the TteCustomThemeLink.
constexpr uint32_t TM_THEMELINKCHANGED = 2049;

enum TteThemeNotifyCode : uint8_t {
  // The current theme was replaced (the old one freed); also UpdateThemedControls.
  tncChanged,
  tncBeforeChange,
  tncAfterChange,
  // A theme became current where none was; also to a client registering while one is.
  tncApplied,
  // The current theme was released.
  tncReleased,
  // Repaint only; the second parameter is 1 after a hue or brightness change.
  tncRepaint
};

// Keeps the registered theme classes, owns the one current theme, and tells the clients
// (controls and other objects) when it changes. Platform changes of system colours,
// visual style or display reach the clients as tncRepaint through a hidden window.
//
// A broadcast reaches the clients listed when it starts, in list order. A client removed
// during a broadcast is not called after its removal (its entry stays empty until the
// outermost broadcast ends); a client added during one is called from the next one on.
class TteThemeManager : public framework::TComponent {
  Z5T8_CLASS(TteThemeManager, framework::TComponent)

public:
  explicit TteThemeManager(framework::TComponent* owner = nullptr);
  ~TteThemeManager() override;

  // Appended without a duplicate test.
  void RegisterTheme(TteThemeClass themeClass);
  void UnregisterTheme(TteThemeClass themeClass);
  // The first registered class of that class name (case-sensitive), or null.
  TteThemeClass GetThemeClass(const std::string& className) const;
  int GetThemeCount() const { return int(FThemes.size()); }
  // Null outside the list.
  TteThemeClass GetTheme(int index) const;

  // A new client hears tncApplied at once when a theme is current; a listed one, nothing.
  void AddNotification(framework::TObject* client);
  void RemoveNotification(framework::TObject* client);
  // A control gets the message through Perform (skipped for tncRepaint while invisible),
  // any other client the one record through Dispatch.
  void Broadcast(uint32_t msg, uintptr_t first, intptr_t second);

  // The manager owns the theme from now on.
  void ChangeTheme(std::unique_ptr<TteTheme> theme);
  // The first registered class whose GetThemeName equals the name, ignoring case; with
  // none, no theme is current afterwards.
  void ChangeTheme(const std::string& themeName);
  void ChangeTheme(TteThemeClass themeClass);
  void ReleaseTheme();
  void ResetTheme();
  void ResetThemeColors();
  TteTheme* CurrentTheme() const { return FCurrentTheme.get(); }

  bool IsThemeAvailable(const TteTheme* theme) const;
  bool IsThemeAvailable(const std::string& themeName) const;
  bool IsThemeAvailable(TteThemeClass themeClass) const;

  // The first loadable class whose dialog filter names the file's extension, ignoring
  // case; null when none.
  TteThemeClass GetThemeByFileName(const std::string& fileName) const;
  // "All (patterns)|patterns|" followed by every loadable class's filter; empty without one.
  std::string GetDialogFilter() const;
  // A new theme for the caller, or null.
  std::unique_ptr<TteTheme> LoadFromFile(const std::string& fileName) const;
  std::unique_ptr<TteTheme> LoadFromStream(framework::TStream& stream) const;
  // Only for a theme whose class can save.
  void SaveToFile(TteTheme* theme, const std::string& fileName) const;
  void SaveToStream(TteTheme* theme, framework::TStream& stream) const;

  // The hidden window that hears the platform's notifications.
  platform::gui::HWND Handle() const { return FWindow ? FWindow->handle() : nullptr; }

private:
  std::optional<platform::gui::LRESULT> HookWndProc(platform::gui::UINT msg, platform::gui::WPARAM wParam,
                                                    platform::gui::LPARAM lParam);
  void Install(std::unique_ptr<TteTheme> theme);

  std::vector<TteThemeClass> FThemes;
  std::vector<framework::TObject*> FClients;
  int FBroadcasting = 0;
  bool FClientsRemoved = false;
  std::unique_ptr<TteTheme> FCurrentTheme;
  std::unique_ptr<platform::gui::MessageWindow> FWindow;
};

// The one manager, made at start-up with TteTheme registered first.
TteThemeManager* ThemeManager();
// The manager's current theme; null when none.
TteTheme* CurrentTheme();

// The unit's functions; each forwards to ThemeManager().
void RegisterTheme(TteThemeClass themeClass);
void UnregisterTheme(TteThemeClass themeClass);
TteThemeClass GetThemeClass(const std::string& className);
bool IsThemeAvailable(const TteTheme* theme);
bool IsThemeAvailable(const std::string& themeName);
void AddThemeNotification(framework::TObject* client);
void RemoveThemeNotification(framework::TObject* client);
void ChangeTheme(std::unique_ptr<TteTheme> theme);
void ChangeTheme(const std::string& themeName);
void ChangeTheme(TteThemeClass themeClass);
TteThemeClass GetThemeByFileName(const std::string& fileName);
std::string GetDialogFilter();
std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName);
std::unique_ptr<TteTheme> LoadThemeFromStream(framework::TStream& stream);
void SaveThemeToFile(TteTheme* theme, const std::string& fileName);
void SaveThemeToStream(TteTheme* theme, framework::TStream& stream);
void ReleaseTheme();
void ResetTheme();
void ResetThemeColors();

}  // namespace z5t8::skin::theme
