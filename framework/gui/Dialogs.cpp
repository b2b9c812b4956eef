#include "framework/gui/Dialogs.h"

#include <algorithm>
#include <memory>

#include "framework/TextUtils.h"
#include "framework/gui/Application.h"
#include "framework/gui/Button.h"
#include "framework/gui/FontRealizer.h"
#include "framework/gui/Label.h"
#include "framework/gui/Screen.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"

namespace z5t8::framework {

namespace pg = platform::gui;

namespace {

TMessageFormLook& Look() {
  static TMessageFormLook look;
  return look;
}

TWinControl* CreateButton(TCustomForm* form) {
  if (Look().CreateButton)
    if (TWinControl* button = Look().CreateButton(form, u"OK", mrOk)) return button;
  auto* button = new TButton(form);
  button->SetCaption(u"OK");
  button->SetModalResult(mrOk);
  button->SetDefault(true);
  button->SetCancel(true);
  return button;
}

}  // namespace

void SetMessageFormLook(TMessageFormLook look) { Look() = std::move(look); }

TCustomForm* CreateMessageForm(std::u16string_view text, std::u16string_view caption) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(caption);
  pg::NONCLIENTMETRICSW metrics;
  const bool haveMetrics =
      pg::SystemParametersInfoW(pg::SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (haveMetrics && !metrics.lfMessageFont.faceName.empty()) {
    form->Font()->SetName(metrics.lfMessageFont.faceName);
    form->Font()->SetHeight(metrics.lfMessageFont.height);
  }

  const pg::Font& font = RealizeFont(*form->Font());
  int unitX = std::max(1, font.metrics().tmAveCharWidth);
  int unitY = std::max(1, font.metrics().tmHeight);
  int margin = unitX * 2;
  int spacing = unitY / 2 + 4;

  pg::DeviceContext measure;
  measure.selectFont(font);
  TRect textRect = Rect(0, 0, Screen()->Width() / 2, 0);
  measure.drawText(text, textRect, pg::DT_CALCRECT | pg::DT_WORDBREAK | pg::DT_NOPREFIX);

  int buttonWidth = 75, buttonHeight = 23;
  int clientWidth = std::max(textRect.width(), buttonWidth) + 2 * margin;
  // Wide enough for the whole caption beside the icon and the close button, so
  // the title is never cut short.
  if (haveMetrics && !caption.empty()) {
    pg::DeviceContext captionMeasure;
    captionMeasure.selectFont(pg::Font(metrics.lfCaptionFont));
    TRect captionRect = Rect(0, 0, 0, 0);
    captionMeasure.drawText(std::u16string(caption), captionRect,
                            pg::DT_CALCRECT | pg::DT_SINGLELINE | pg::DT_NOPREFIX);
    int chrome = pg::GetSystemMetrics(pg::SM_CXSMICON) + pg::GetSystemMetrics(pg::SM_CXSIZE) + 3 * margin;
    clientWidth = std::max(clientWidth, captionRect.width() + chrome);
  }
  int clientHeight = margin + textRect.height() + 2 * spacing + buttonHeight + margin / 2;
  form->SetClientSize(clientWidth, clientHeight);

  auto* label = new TLabel(form.get());
  label->SetName("Message");
  label->SetParent(form.get());
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetShowAccelChar(false);
  label->SetBounds(margin, margin, textRect.width(), textRect.height());
  label->SetCaption(text);

  TWinControl* button = CreateButton(form.get());
  button->SetName("OK");
  button->SetParent(form.get());
  button->SetBounds((clientWidth - buttonWidth) / 2, margin + textRect.height() + 2 * spacing, buttonWidth,
                    buttonHeight);
  form->SetActiveControl(button);

  if (Look().Dress) {
    Look().Dress(form.get());
    // A frame of the look's own grows the window around the same client area,
    // and the window is centred as it now is.
    form->SetClientSize(clientWidth, clientHeight);
    form->SetBounds((Screen()->Width() - form->Width()) / 2, (Screen()->Height() - form->Height()) / 2,
                    form->Width(), form->Height());
  }
  return form.release();
}

TModalResult MessageBox(std::u16string_view text, std::u16string_view caption) {
  std::unique_ptr<TCustomForm> form(CreateMessageForm(text, caption));
  return form->ShowModal();
}

void ShowMessage(std::u16string_view text) {
  std::u16string title = Application()->Title();
  MessageBox(text, title);
}

void ShowMessage(std::string_view utf8Text) { ShowMessage(Utf8ToUtf16(utf8Text)); }

}  // namespace z5t8::framework
