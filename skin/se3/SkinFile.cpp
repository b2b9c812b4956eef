#include "skin/se3/SkinFile.h"

#include <cstring>

#include "framework/Properties.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinFilters.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::se3 {

using framework::TStream;

Z5T8_IMPLEMENT_CLASS(TTeSkinFile, theme::TteTheme) {}

namespace {

// The family entries filled by name, in cache order.
constexpr struct {
  TTeSkinCacheEntry entry;
  const char* name;
} kNamedEntries[] = {
    {kseButton, "Button"},
    {kseCheckbox, "Checkbox"},
    {kseRadioButton, "RadioButton"},
    {kseGroupBox, "GroupBox"},
    {kseScrollBar, "ScrollBar"},
    {kseProgressBar, "ProgressBar"},
    {kseEdit, "Edit"},
    {kseComboBox, "ComboBox"},
    {kseTrackBar, "TrackBar"},
    {kseMenuBar, "MenuBar"},
    {ksePopupMenu, "PopupMenu"},
    {kseHeader, "Header"},
    {kseStatusBar, "StatusBar"},
    {kseTabs, "Tabs"},
    {kseContainer, "Container"},
    {kseFrame, "Frame"},
    {kseScrollBox, "ScrollBox"},
    {kseSplitter, "Splitter"},
    {kseSpinButton, "SpinButton"},
    {kseControlBar, "ControlBar"},
    {kseGrid, "Grid"},
    {kseListBox, "ListBox"},
    {kseHint, "Hint"},
    {kseSpeedButton, "SpeedButton"},
    {kseToolBar, "ToolBar"},
    {ksePanel, "Panel"},
    {kseBarDockScrollBox, "ScrollBox"},
};

// Offsets of a frame group's entries from its first.
constexpr int kFrame = 0, kPlaceholder = 1, kButtonFrame = 2, kButtonDrawingFrame = 3, kClient = 4;

// Registers the skin theme at start-up, after the theme manager's own TteTheme, and takes
// it out again at exit, before the manager goes.
struct TSkinThemeRegistrar {
  TSkinThemeRegistrar() { RegisterSkinTheme(); }
  ~TSkinThemeRegistrar() { theme::UnregisterTheme(theme::ThemeClass<TTeSkinFile>()); }
};
const TSkinThemeRegistrar kRegistrar;

}  // namespace

void RegisterSkinTheme() {
  if (!theme::GetThemeClass(TTeSkinFile::StaticClass().ClassName()))
    theme::RegisterTheme(theme::ThemeClass<TTeSkinFile>());
}

TTeSkinFile::TTeSkinFile()
    : FLoaded(std::make_unique<TSeSkinSource>()), FWorking(std::make_unique<TSeSkinSource>()) {
  // The base part's reset ran before this theme's parts existed; its name, colours and fonts
  // come from the (empty) skin only now. The default container kind is left alone: making a
  // theme must not change how skins are read.
  ResetSkin();
}

TTeSkinFile::~TTeSkinFile() { FreeObjects(); }

std::string TTeSkinFile::GetThemeName() { return "SE3 Skin"; }

theme::TteThemeConfig TTeSkinFile::GetThemeConfig() {
  theme::TteThemeConfig config;
  config.BuiltIn = false;
  config.CanSave = true;
  config.CanLoad = true;
  config.DialogFilter = GetDialogFilter3();
  config.DefaultExt = "mskn";
  return config;
}

bool TTeSkinFile::CheckStream(TStream& stream) {
  if (GetThemeFilterBySign(stream)) return true;
  char magic[ZlibMagic.size()];
  if (stream.Read(magic, int32_t(sizeof magic)) != int32_t(sizeof magic)) return false;
  return std::memcmp(magic, ZlibMagic.data(), sizeof magic) == 0;
}

void TTeSkinFile::Assign(const framework::TPersistent* source) {
  auto* other = dynamic_cast<const TTeSkinFile*>(source);
  inherited::Assign(source);
  if (!other || other == this) return;
  FreeObjects();
  FLoaded->Assign(other->FLoaded.get());
  ResetTheme();
}

bool TTeSkinFile::LoadFromStream(TStream& stream) {
  SetDefaultSkinFilterClass(SkinFilterClass<TSeSkinFilterCompressed>());
  FreeObjects();
  FLoaded->LoadFromStream(stream);
  if (FLoaded->GetCount() == 0) return false;
  ResetTheme();
  return true;
}

bool TTeSkinFile::LoadFromFile(const std::string& fileName) {
  // Nothing read (no name, no such file, no known kind): the theme stays as it was. The
  // cache points into the working copy, which a load does not touch.
  if (!FLoaded->LoadFromFile(fileName)) return false;
  FreeObjects();
  if (FLoaded->GetCount() == 0) return false;
  FileName = fileName;
  ResetTheme();
  return true;
}

void TTeSkinFile::CopyThemeTablesToLoaded() {
  // The theme's tables may have been edited since loading; the system colours are the
  // platform's and stay as loaded. Under a hue or brightness delta the tables are shifted
  // copies: saving them would bake the shift into the skin, and the next reset would shift
  // it again, so the skin's own tables are written instead.
  if (DeltaHue() != 0 || DeltaBrightness() != 0) return;
  FLoaded->Fonts()->Assign(Fonts());
  FLoaded->Colors()->Assign(Colors());
}

bool TTeSkinFile::SaveToStream(TStream& stream) {
  SetDefaultSkinFilterClass(SkinFilterClass<TSeSkinFilterMaxCompression>());
  CopyThemeTablesToLoaded();
  FLoaded->SaveToStream(stream);
  return true;
}

bool TTeSkinFile::SaveToFile(const std::string& fileName) {
  CopyThemeTablesToLoaded();
  FLoaded->SaveToFile(fileName);
  return true;
}

void TTeSkinFile::ResetTheme() {
  SetDefaultSkinFilterClass(SkinFilterClass<TSeSkinFilterUncompressed>());
  ResetSkin();
}

void TTeSkinFile::ResetSkin() {
  // The cache points into the working tree, so it goes first: a copy that fails halfway
  // leaves no entry pointing at a freed object.
  FreeObjects();
  FWorking->Assign(FLoaded.get());
  ResetObjects();
  ThemeName = FLoaded->SkinName();
  inherited::ResetTheme();
}

void TTeSkinFile::ResetThemeColors() {
  Colors()->Assign(FWorking->Colors());
  Colors()->ChangeColorsHue(DeltaHue());
  Colors()->ChangeColorsBrightness(DeltaBrightness());
}

void TTeSkinFile::ResetThemeSysColors() {
  // The skin's own system colours, where the base theme starts from the platform's.
  SystemColors()->Assign(FWorking->SysColors());
  SystemColors()->ChangeColorsHue(DeltaHue());
  SystemColors()->ChangeColorsBrightness(DeltaBrightness());
}

void TTeSkinFile::ResetThemeFonts() {
  Fonts()->Assign(FWorking->Fonts());
  Fonts()->ChangeFontsHue(DeltaHue());
  Fonts()->ChangeFontsBrightness(DeltaBrightness());
}

void TTeSkinFile::FreeObjects() {
  for (TTeSkinCacheEntry first : {kseForm, kseToolWindow})
    for (int copy : {kButtonFrame, kButtonDrawingFrame, kClient}) delete FCache[first + copy];
  FCache.fill(nullptr);
}

void TTeSkinFile::CacheFrame(const char* name, TTeSkinCacheEntry first, bool placeholderInFrame) {
  TSeSkinObject* frame = FWorking->GetObjectByName(name);
  FCache[first + kFrame] = frame;
  if (!frame) return;
  TSeSkinObject* client = frame->FindObjectByKind(skClient);
  // A frame that is itself the client has no owner object to hold a placeholder.
  auto* owner = client ? dynamic_cast<TSeSkinObject*>(client->Owner()) : nullptr;
  if (!owner) return;
  TSeSkinObject* clientCopy = se3::CreateCopy(client, nullptr);
  FCache[first + kClient] = clientCopy;
  owner->Remove(client);
  delete client;
  auto* placeholder = new TSeSkinObject(placeholderInFrame ? frame : owner);
  placeholder->SetColor(framework::clNone);
  placeholder->SetAlign(clientCopy ? clientCopy->Align() : saClient);
  placeholder->SetKind(skClient);
  FCache[first + kPlaceholder] = placeholder;
  FCache[first + kButtonFrame] = se3::CreateCopy(frame, nullptr);
  FCache[first + kButtonDrawingFrame] = se3::CreateCopy(frame, nullptr);
  // The frame itself draws no buttons: the window draws them one by one.
  for (TSeAction action :
       {sbaSysMenu, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray})
    if (TSeSkinObject* button = frame->FindObjectByAction(action)) button->SetVisible(false);
}

void TTeSkinFile::ResetObjects() {
  FreeObjects();
  if (FWorking->GetCount() == 0) return;
  FWorking->ChangeSkinSourceHue(DeltaHue());
  FWorking->ChangeSkinSourceBrightness(DeltaBrightness());
  CacheFrame("Form", kseForm, false);
  CacheFrame("ToolWindow", kseToolWindow, true);
  for (const auto& named : kNamedEntries) FCache[named.entry] = FWorking->GetObjectByName(named.name);
}

}  // namespace z5t8::skin::se3
