#pragma once

#include <memory>
#include <string>

#include "framework/gui/Memo.h"
#include "skin/controls/InplaceScrollBar.h"
#include "skin/theme/ThemeTypes.h"
#include "skin/theme/ThemeForward.h"

namespace z5t8::skin::controls {

// The framework's memo with a skinned frame and background and skinned
// scroll bars laid over its own: the edit underneath keeps doing all text
// work, the skinned memo only paints.
class TTeMemo : public framework::TMemo {
  Z5T8_CLASS(TTeMemo, framework::TMemo)

public:
  explicit TTeMemo(TComponent* owner);
  ~TTeMemo() override;

  const std::string& ThemeObject() const { return FThemeObject; }
  void SetThemeObject(const std::string& value);
  theme::TteCustomThemeLink* ThemeLink() const { return FThemeLink; }
  void SetThemeLink(theme::TteCustomThemeLink* value);
  bool IsHot() const { return FHot; }
  TTeSubScrollBar* SubScrollBar() const { return FSubScrollBar.get(); }

  virtual void CreateScrollBar(TTeScrollBar*& bar, TComponent* owner);
  virtual void PaintBuffer(framework::TCanvas* canvas, const TRect& rect);
  virtual void PaintBorder(framework::TCanvas* canvas, const TRect& rect);

  void SetParent(framework::TWinControl* parent) override;
  void Notification(TComponent* component, framework::TOperation operation) override;
  void WndProc(TMessage& message) override;

protected:
  void Change() override;

  void WMEraseBkgnd(TMessage& message);
  void WMNCPaint(TMessage& message);
  void WMPaint(TMessage& message);
  void CNCtlColor(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void TMThemeNotify(TMessage& message);

private:
  theme::TteTheme* Theme() const;
  theme::TteMemoDrawState DrawState() const;
  // Renders the memo off screen and copies its client area to the window.
  void OffscreenRepaint();

  std::unique_ptr<TTeSubScrollBar> FSubScrollBar;
  std::string FThemeObject = "default";
  theme::TteCustomThemeLink* FThemeLink = nullptr;
  bool FHot = false;
  bool FPainting = false;
};

}  // namespace z5t8::skin::controls
