// Every drawing and query operation of our Aqua skin, driven by the input: subclasses,
// states and classes as any byte, rectangles small, huge, empty or inverted, button sets,
// points, and object names from the skin (paths with backslashes among them) or made up.
// The skin's trees keep what one call leaves behind, as they do in a program.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "skin/render/Bitmap.h"
#include "skin/se3/SkinFile.h"
#include "tools/skin-tool/SkinSources.h"

using namespace z5t8;
using namespace z5t8::skin::theme;

namespace {

class TInput {
public:
  TInput(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  bool Empty() const { return FPos >= FSize; }
  uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
  int32_t Int() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
    return int32_t(v);
  }
  template <class E>
  E Enum() {
    return E(Byte());
  }

  int Coordinate() {
    switch (Byte() % 4) {
      case 0:
        return int(Byte()) * 2 - 40;
      case 1:
        return Int();
      case 2:
        return Byte() & 1 ? INT32_MAX - Byte() : INT32_MIN + Byte();
      default:
        return int(Byte()) * 256 + Byte() - 1000;
    }
  }
  TRect Rect() {
    switch (Byte() % 4) {
      case 0: {
        int l = int(Byte()) * 2 - 20, t = int(Byte()) * 2 - 20;
        return {l, t, l + Byte() * 2, t + Byte() * 2};
      }
      case 1:
        return NullRect;
      default:
        return {Coordinate(), Coordinate(), Coordinate(), Coordinate()};
    }
  }
  std::string Name() {
    static const char* const kNames[] = {"default",
                                         "Default",
                                         "Form",
                                         "form\\Close",
                                         "Form\\Top\\Close",
                                         "Button",
                                         "Button\\Face",
                                         "Face",
                                         "ScrollBar",
                                         "scrollbar\\VertSlider",
                                         "Edit",
                                         "ToolWindow",
                                         "CustomColors",
                                         "Close",
                                         "TopCenter",
                                         "\\",
                                         "",
                                         "Client",
                                         "CheckBox",
                                         "Tabs\\Tab",
                                         "MenuBar\\Item",
                                         "StatusBar\\Gripper",
                                         "Bounds",
                                         "Nothing\\Here"};
    uint8_t pick = Byte();
    if (pick < 200) return kNames[pick % std::size(kNames)];
    std::string made;
    for (int n = Byte() % 24; n > 0; --n) made += char(Byte());
    return made;
  }
  TteWindowInfo Window() {
    TteWindowInfo info;
    info.Rect = Rect();
    info.States = TteWindowDrawStates::FromBits(Byte());
    info.Buttons = TteWindowButtons::FromBits(uint16_t(Byte() << 8 | Byte()));
    info.ClipRect = Byte() & 1 ? NullRect : Rect();
    for (int n = Byte() % 40; n > 0; --n) info.Caption += char16_t(0x20 + Byte());
    info.DisabledNCArea = Byte() & 1;
    return info;
  }

private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

skin::se3::TTeSkinFile& Aqua() {
  static skin::se3::TTeSkinFile* theme = [] {
    auto* t = new skin::se3::TTeSkinFile;
    std::unique_ptr<skin::se3::TSeSkinSource> sources =
        skin_tool::ReadSkinSources(std::string(Z5T8_SOURCE_DIR) + "/resources/skins/Aqua");
    t->LoadedSource()->Assign(sources.get());
    t->ResetTheme();
    return t;
  }();
  return *theme;
}

framework::TCanvas* Sheet() {
  static skin::render::TteBitmap* sheet = [] {
    auto* b = new skin::render::TteBitmap;
    b->SetSize(400, 420);
    return b;
  }();
  return sheet->GetCanvas();
}

void Operation(TInput& in, skin::se3::TTeSkinFile& t, framework::TCanvas* c) {
  const uint8_t op = in.Byte();
  switch (op % 48) {
    case 0:
      t.IsWindowDefined(in.Enum<TteWindowSubclass>(), in.Name());
      break;
    case 1: {
      auto sub = in.Enum<TteWindowSubclass>();
      TRect r = in.Rect();
      t.WindowGetRegion(sub, r, in.Name());
      break;
    }
    case 2: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowInfo info = in.Window();
      int x = in.Coordinate(), y = in.Coordinate();
      t.WindowGetHitTest(sub, info, x, y, in.Name());
      break;
    }
    case 3: {
      auto sub = in.Enum<TteWindowSubclass>();
      TRect r = in.Rect();
      t.WindowGetClientRect(sub, r, in.Name());
      break;
    }
    case 4: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowInfo info = in.Window();
      t.WindowGetTitleRect(sub, info, in.Name());
      break;
    }
    case 5: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowInfo info = in.Window();
      auto button = in.Enum<TteWindowButtonClass>();
      t.WindowGetButtonRect(sub, info, button, in.Name());
      break;
    }
    case 6: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowInfo info = in.Window();
      t.WindowDraw(sub, c, info, in.Name());
      break;
    }
    case 7: {
      auto sub = in.Enum<TteWindowSubclass>();
      TRect r = in.Rect();
      t.WindowDrawClient(sub, c, r, in.Name());
      break;
    }
    case 8: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowInfo info = in.Window();
      TRect r = in.Rect();
      t.WindowDrawText(sub, c, info, r, in.Name());
      break;
    }
    case 9: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowButtonInfo info{in.Rect(), in.Enum<TteWindowButtonClass>(),
                               in.Enum<TteWindowButtonDrawState>(), nullptr};
      t.WindowDrawButton(sub, c, info, in.Name());
      break;
    }
    case 10: {
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowGripperInfo info{in.Rect(), bool(in.Byte() & 1)};
      t.WindowDrawGripper(sub, c, info, in.Name());
      break;
    }
    case 11: {
      auto sub = in.Enum<TteButtonSubclass>();
      std::string name = in.Name();
      t.IsButtonDefined(sub, name);
      t.IsButtonTransparent(sub, name);
      break;
    }
    case 12: {
      auto sub = in.Enum<TteButtonSubclass>();
      TteButtonInfo info{in.Rect(), in.Enum<TteButtonDrawState>()};
      t.ButtonDraw(sub, c, info, in.Name());
      break;
    }
    case 13: {
      auto sub = in.Enum<TteButtonSubclass>();
      TteButtonInfo info{in.Rect(), in.Enum<TteButtonDrawState>()};
      TteTextInfo text = TextInfo(in.Rect(), u"Caption", in.Enum<TteTextAlign>(),
                                  TteTextStyles::FromBits(in.Byte()), in.Enum<TteTextOrientation>());
      t.ButtonDrawText(sub, c, info, text, in.Name());
      break;
    }
    case 14: {
      auto sub = in.Enum<TteMemoSubclass>();
      TteMemoInfo info{in.Rect(), in.Enum<TteMemoDrawState>()};
      std::string name = in.Name();
      t.IsMemoDefined(sub, name);
      t.MemoGetClientRect(sub, c, info, name);
      t.MemoDraw(sub, c, info, name);
      break;
    }
    case 15: {
      auto sub = in.Enum<TteScrollSubclass>();
      std::string name = in.Name();
      t.IsScrollDefined(sub, name);
      t.IsScrollTransparent(sub, name);
      t.ScrollDraw(sub, c, TteScrollInfo{in.Rect()}, name);
      break;
    }
    case 16: {
      auto sub = in.Enum<TteScrollSubclass>();
      TteScrollButtonInfo info{in.Rect(), in.Enum<TteScrollButtonClass>(),
                               in.Enum<TteScrollButtonDrawState>()};
      t.ScrollDrawButton(sub, c, info, in.Name());
      break;
    }
    case 17: {
      auto sub = in.Enum<TteScrollSubclass>();
      TteScrollAreaInfo info{in.Rect(), in.Enum<TteScrollAreaClass>(), in.Enum<TteScrollAreaDrawState>()};
      t.ScrollDrawArea(sub, c, info, in.Name());
      break;
    }
    case 18:
      t.GetBounds(in.Name());
      t.CustomColor(in.Name());
      break;
    case 19: {
      auto sub = in.Enum<TteHintSubclass>();
      std::string name = in.Name();
      t.IsHintDefined(sub, name);
      t.HintDraw(sub, c, TteHintInfo{in.Rect()}, name);
      break;
    }
    case 20: {
      auto sub = in.Enum<TtePanelSubclass>();
      std::string name = in.Name();
      t.IsPanelDefined(sub, name);
      t.PanelDraw(sub, c, TtePanelInfo{in.Rect()}, name);
      break;
    }
    case 21: {
      auto sub = in.Enum<TteCheckSubclass>();
      std::string name = in.Name();
      t.IsCheckDefined(sub, name);
      t.IsCheckTransparent(sub, name);
      t.CheckGetSize(sub, name);
      t.CheckDraw(sub, c, TteCheckInfo{in.Rect(), in.Enum<TteCheckDrawState>()}, name);
      break;
    }
    case 22: {
      auto sub = in.Enum<TteSplitterSubclass>();
      std::string name = in.Name();
      t.IsSplitterDefined(sub, name);
      t.SplitterDraw(sub, c, TteSplitterInfo{in.Rect()}, name);
      break;
    }
    case 23: {
      auto sub = in.Enum<TteProgressSubclass>();
      std::string name = in.Name();
      t.IsProgressDefined(sub, name);
      t.IsProgressTransparent(sub, name);
      t.ProgressDraw(sub, c,
                     TteProgressInfo{in.Rect(), in.Enum<TteProgressPart>(), in.Enum<TteProgressDrawState>()},
                     name);
      break;
    }
    case 24: {
      auto sub = in.Enum<TteTrackSubclass>();
      std::string name = in.Name();
      t.IsTrackDefined(sub, name);
      t.IsTrackTransparent(sub, name);
      t.TrackDraw(sub, c, TteTrackInfo{in.Rect()}, name);
      t.TrackBarDraw(sub, c,
                     TteTrackBarInfo{in.Rect(), in.Enum<TteTrackBarClass>(), in.Enum<TteTrackBarDrawState>()},
                     name);
      t.TrackDrawThumb(
          sub, c,
          TteTrackThumbInfo{in.Rect(), in.Enum<TteTrackThumbClass>(), in.Enum<TteTrackThumbDrawState>()},
          name);
      break;
    }
    case 25: {
      auto sub = in.Enum<TteHeaderSubclass>();
      std::string name = in.Name();
      t.IsHeaderDefined(sub, name);
      t.HeaderDraw(sub, c, TteHeaderInfo{in.Rect()}, name);
      t.HeaderDrawSection(
          sub, c, TteHeaderSectionInfo{in.Rect(), in.Enum<TteSectionState>(), in.Enum<TteSectionDrawState>()},
          name);
      break;
    }
    case 26: {
      auto sub = in.Enum<TteStatusSubclass>();
      std::string name = in.Name();
      t.IsStatusDefined(sub, name);
      t.StatusDraw(sub, c, TteStatusInfo{in.Rect()}, name);
      t.StatusDrawPanel(sub, c, TteStatusPanelInfo{in.Rect(), in.Enum<TteStatusPanelClass>()}, name);
      break;
    }
    case 27: {
      auto sub = in.Enum<TteEditSubclass>();
      std::string name = in.Name();
      t.IsEditDefined(sub, name);
      t.EditDraw(sub, c, TteEditInfo{in.Rect(), in.Enum<TteEditDrawState>()}, name);
      t.EditDrawButton(
          sub, c,
          TteEditButtonInfo{in.Rect(), in.Enum<TteEditButtonDrawState>(), in.Enum<TteEditButtonClass>()},
          name);
      break;
    }
    case 28: {
      auto sub = in.Enum<TteGroupSubclass>();
      std::string name = in.Name();
      t.IsGroupDefined(sub, name);
      t.IsGroupTransparent(sub, name);
      t.GroupDraw(sub, c, TteGroupInfo{in.Rect(), in.Rect(), in.Enum<TteGroupDrawState>()}, name);
      break;
    }
    case 29: {
      auto sub = in.Enum<TteBoxSubclass>();
      std::string name = in.Name();
      t.IsBoxDefined(sub, name);
      t.IsBoxTransparent(sub, name);
      break;
    }
    case 30: {
      auto sub = in.Enum<TteMenuSubclass>();
      std::string name = in.Name();
      t.IsMenuDefined(sub, name);
      t.MenuDraw(sub, c, TteMenuInfo{in.Rect()}, name);
      t.MenuDrawItem(sub, c,
                     TteMenuItemInfo{in.Rect(), in.Enum<TteMenuItemClass>(), in.Enum<TteMenuItemDrawState>()},
                     name);
      break;
    }
    case 31: {
      auto sub = in.Enum<TteDockSubclass>();
      std::string name = in.Name();
      t.IsDockDefined(sub, name);
      t.DockDraw(sub, c, TteDockInfo{in.Rect()}, name);
      break;
    }
    case 32: {
      auto sub = in.Enum<TteToolSubclass>();
      std::string name = in.Name();
      t.IsToolDefined(sub, name);
      t.ToolDraw(sub, c, TteToolInfo{in.Rect()}, name);
      t.ToolDrawItem(sub, c,
                     TteToolItemInfo{in.Rect(), in.Enum<TteToolItemClass>(), in.Enum<TteToolItemDrawState>()},
                     name);
      break;
    }
    case 33: {
      auto sub = in.Enum<TteBarDockSubclass>();
      std::string name = in.Name();
      t.IsBarDockDefined(sub, name);
      t.BarDockDraw(sub, c, TteBarDockInfo{in.Rect()}, name);
      break;
    }
    case 34: {
      auto sub = in.Enum<TteBarSubclass>();
      std::string name = in.Name();
      t.IsBarDefined(sub, name);
      t.IsBarTransparent(sub, name);
      t.BarDraw(sub, c, TteBarInfo{in.Rect()}, name);
      t.BarDrawCaption(sub, c, TteBarCaptionInfo{in.Rect()}, name);
      t.BarDrawButton(
          sub, c, TteBarButtonInfo{in.Rect(), in.Enum<TteBarButtonClass>(), in.Enum<TteBarButtonDrawState>()},
          name);
      break;
    }
    case 35: {
      auto sub = in.Enum<TteTabSubclass>();
      std::string name = in.Name();
      t.IsTabDefined(sub, name);
      t.TabDraw(sub, c, TteTabInfo{in.Rect()}, name);
      t.TabDrawItem(sub, c,
                    TteTabItemInfo{in.Rect(), in.Enum<TteTabItemClass>(), in.Enum<TteTabItemDrawState>()},
                    name);
      t.TabDrawButton(
          sub, c, TteTabButtonInfo{in.Rect(), in.Enum<TteTabButtonClass>(), in.Enum<TteTabButtonDrawState>()},
          name);
      break;
    }
    case 36: {
      auto sub = in.Enum<TteListSubclass>();
      std::string name = in.Name();
      t.IsListDefined(sub, name);
      t.ListDraw(sub, c, TteListInfo{in.Rect()}, name);
      TteListItemInfo item{in.Rect(), in.Enum<TteListItemDrawState>()};
      t.ListDrawItem(sub, c, item, name);
      t.ListDrawGlyph(sub, c, item, ListGlyphInfo(in.Rect(), in.Enum<TteListGlyph>()), name);
      break;
    }
    case 37: {
      auto sub = in.Enum<TteTreeSubclass>();
      std::string name = in.Name();
      t.IsTreeDefined(sub, name);
      t.TreeDraw(sub, c, TteTreeInfo{in.Rect()}, name);
      t.TreeDrawItem(sub, c, TteTreeItemInfo{in.Rect(), in.Enum<TteTreeItemDrawState>()}, name);
      break;
    }
    case 38: {
      auto sub = in.Enum<TteGridSubclass>();
      std::string name = in.Name();
      t.IsGridDefined(sub, name);
      t.GridDraw(sub, c, TteGridInfo{in.Rect()}, name);
      t.GridDrawItem(sub, c,
                     GridItemInfo(in.Rect(), in.Enum<TteGridItemDrawState>(), in.Enum<TteGridItemClass>()),
                     name);
      break;
    }
    default: {
      // The window family again, as a form calls it: frame, caption, buttons, hit test.
      auto sub = in.Enum<TteWindowSubclass>();
      TteWindowInfo info = in.Window();
      std::string name = in.Name();
      t.WindowDraw(sub, c, info, name);
      TRect title = t.WindowGetTitleRect(sub, info, name);
      t.WindowDrawText(sub, c, info, title, name);
      auto button = in.Enum<TteWindowButtonClass>();
      TRect r = t.WindowGetButtonRect(sub, info, button, name);
      t.WindowDrawButton(sub, c, TteWindowButtonInfo{r, button, in.Enum<TteWindowButtonDrawState>(), nullptr},
                         name);
      t.WindowGetHitTest(sub, info, r.offset(1, 1).left, r.offset(1, 1).top, name);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::se3::TTeSkinFile& theme = Aqua();
  framework::TCanvas* canvas = Sheet();
  TInput in(data, size);
  try {
    for (int n = 0; n < 16 && !in.Empty(); ++n) Operation(in, theme, canvas);
  } catch (const framework::Exception&) {
    // A picture that cannot be had for a rectangle beyond any screen is a documented failure.
  }
  return 0;
}
