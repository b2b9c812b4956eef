#include "skin/se3/SkinSource.h"
#include "platform/process/Program.h"

#include <algorithm>
#include <filesystem>

#include "framework/Exceptions.h"
#include "framework/FileStream.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/Bitmap.h"
#include "skin/render/Bitmap.h"
#include "skin/render/StreamStrings.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinObjectRecords.h"
#include "skin/se3/SkinStateObjects.h"

namespace z5t8::skin::se3 {

using framework::TStream;
using render::TteBitmap;
using namespace theme;

Z5T8_IMPLEMENT_CLASS(TSeSkinSource, framework::TComponent) {
  using T = TSeSkinSource;
  p.String("SkinName", &T::SkinName, &T::SetSkinName);
  p.String("SkinVersion", &T::SkinVersion, &T::SetSkinVersion);
  p.String("Author", &T::Author, &T::SetAuthor);
  p.String("AuthorEMail", &T::AuthorEMail, &T::SetAuthorEMail);
  p.String("AuthorURL", &T::AuthorURL, &T::SetAuthorURL);
}

namespace {

// Image count word: form A (flag bytes follow each record), form B (records alone), or a
// plain count of Windows bitmap files (form C).
constexpr uint32_t kImageFormA = 0x00FFF000;
constexpr uint32_t kImageFormB = 0x000F0000;
// Object count word: all three tables follow, or the colour and font tables only.
constexpr uint32_t kAllTables = 0x00FF0000;
constexpr uint32_t kTwoTables = 0x000F0000;

const render::teColor kMagenta(255, 0, 255, 255);

// Pictures and objects cost memory beyond the bytes their records take (an empty picture
// takes twelve), so a store's size alone does not bound them. The pictures are held to what
// the extended writer can store at all; the objects to some thirty times a full skin's.
constexpr uint32_t kMaxStoreImages = 0xFFF;
constexpr int kMaxStoreObjects = 4096;

// Pictures of the base layout and forms B and C carry no flags: they are worked out from
// the pixels, pure magenta first becoming the key colour.
void ComputeFlags(TteBitmap& bitmap, bool magenta) {
  if (bitmap.Empty()) return;
  if (magenta) bitmap.CheckingTransparent(kMagenta);
  bitmap.CheckingTransparent(render::teTransparentVar);
  bitmap.CheckingAlphaBlend();
}

// The font an object draws with in a state, where its class has state fonts.
const framework::TFont* StateFont(TSeSkinObject* object, TSeState state) {
  if (auto* o = dynamic_cast<TSeActiveObject*>(object)) {
    if (state == ssHot || state == ssFocused) return o->ActiveFont();
    if (state == ssDisabled) return o->DisabledFont();
  } else if (auto* o = dynamic_cast<TSeActiveBitmap*>(object)) {
    if (state == ssHot || state == ssFocused) return o->ActiveFont();
  } else if (auto* o = dynamic_cast<TSeTextObject*>(object)) {
    switch (state) {
      case ssHot:
        return o->FontHot();
      case ssPressed:
        return o->FontPressed();
      case ssFocused:
        return o->FontFocused();
      case ssDisabled:
        return o->FontDisabled();
      default:
        break;
    }
  }
  return object->Font();
}

}  // namespace

TSeSkinSource::TSeSkinSource(framework::TComponent* owner)
    : framework::TComponent(owner),
      FSkinName("Untitled skin"),
      FSkinVersion("6.0"),
      FAuthor("Z5T8 updater team"),
      FAuthorEMail("skins@z5t8.invalid"),
      FAuthorURL("https://z5t8.invalid/skins"),
      FColors(std::make_unique<TteThemeColors>(nullptr)),
      FSysColors(std::make_unique<TteThemeSysColors>(nullptr)),
      FFonts(std::make_unique<TteThemeFonts>(nullptr)) {}

TSeSkinSource::~TSeSkinSource() { Clear(); }

void TSeSkinSource::Clear() {
  FImages.Clear();
  FObjects.clear();
}

TSeSkinObject* TSeSkinSource::GetObject(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return FObjects[size_t(index)].get();
}

void TSeSkinSource::AddObject(std::unique_ptr<TSeSkinObject> object) {
  if (!object) return;
  object->SetBitmaps(&FImages);
  object->AfterLoad();
  FObjects.push_back(std::move(object));
}

TSeSkinObject* TSeSkinSource::GetObjectByName(std::string_view name) const {
  const size_t slash = name.find('\\');
  const std::string_view head = name.substr(0, slash);
  for (const auto& object : FObjects) {
    if (framework::SameText(object->Name(), name)) return object.get();
    if (slash != std::string_view::npos && framework::SameText(object->Name(), head))
      return object->FindObjectByName(name.substr(slash + 1));
  }
  return nullptr;
}

TSeSkinObject* TSeSkinSource::GetObjectByKind(TSeKind kind) const {
  for (const auto& object : FObjects)
    if (object->Kind() == kind) return object.get();
  return nullptr;
}

void TSeSkinSource::ChangeSkinSourceHue(int delta) {
  for (int i = 0; i < FImages.Count(); ++i) FImages.GetImage(i)->ChangeBitmapHue(delta);
  for (const auto& object : FObjects) object->ChangeHue(delta);
}

void TSeSkinSource::ChangeSkinSourceBrightness(int delta) {
  for (int i = 0; i < FImages.Count(); ++i) FImages.GetImage(i)->ChangeBitmapBrightness(delta);
  for (const auto& object : FObjects) object->ChangeBrightness(delta);
}

void TSeSkinSource::CheckingObject() {
  for (const auto& object : FObjects)
    if (TSeSkinObject* client = object->FindObjectByKind(skClient)) client->SetMasked(false);
}

void TSeSkinSource::FillColorsAndFonts() {
  auto color = [&](TteThemeColor slot, TSeSkinObject* object) {
    if (object) FColors->SetColor(slot, object->Color());
  };
  auto within = [&](const char* top, const char* child) -> TSeSkinObject* {
    TSeSkinObject* parent = GetObjectByName(top);
    return parent ? parent->FindObjectByName(child) : nullptr;
  };
  auto font = [&](TteThemeFont slot, TSeSkinObject* object, TSeState state) {
    if (object) FFonts->SetFont(slot, StateFont(object, state));
  };

  TSeSkinObject* form = GetObjectByName("form");
  TSeSkinObject* title = form ? form->FindObjectByKind(skTitle) : nullptr;
  color(ktcWindow, form);
  color(ktcCaptionNormal, title);
  color(ktcCaptionInactive, title);
  color(ktcWindowBorder, form ? form->FindObjectByKind(skLeft) : nullptr);
  TSeSkinObject* list = GetObjectByName("listbox");
  color(ktcList, list);
  color(ktcTree, list);
  color(ktcGrid, GetObjectByName("grid"));
  FColors->SetColor(ktcBorder, framework::clBlack);
  TSeSkinObject* container = GetObjectByName("container");
  color(ktcPanelNormal, container);
  color(ktcPanelDisabled, container);
  TSeSkinObject* button = GetObjectByName("button");
  for (TteThemeColor c :
       {ktcButtonNormal, ktcButtonHot, ktcButtonPressed, ktcButtonFocused, ktcButtonDisabled})
    color(c, button);
  if (TSeSkinObject* edit = GetObjectByName("edit")) {
    for (TteThemeColor c : {ktcEditNormal, ktcEditHot, ktcEditFocused, ktcEditDisabled}) color(c, edit);
    FColors->SetColor(ktcEditSelection, framework::clHighlight);
  }
  TSeSkinObject* hint = GetObjectByName("hint");
  FColors->SetColor(ktcHint, hint ? hint->Color() : framework::clInfoBk);

  font(ktfCaptionTextNormal, title, ssFocused);
  font(ktfCaptionTextInactive, title, ssNormal);
  const TSeState fiveStates[] = {ssNormal, ssPressed, ssHot, ssFocused, ssDisabled};
  const struct {
    const char *top, *child;
    TteThemeFont first;
  } fives[] = {{"button", "text", ktfButtonTextNormal},
               {"checkbox", "text", ktfCheckBoxTextNormal},
               {"radiobutton", "text", ktfRadioButtonTextNormal}};
  for (const auto& f : fives) {
    TSeSkinObject* text = within(f.top, f.child);
    for (int i = 0; i < 5; ++i) font(TteThemeFont(f.first + i), text, fiveStates[i]);
  }
  TSeSkinObject* caption = within("groupbox", "caption");
  font(ktfGroupBoxTextNormal, caption, ssNormal);
  font(ktfGroupBoxTextDisabled, caption, ssDisabled);

  framework::TFont window;
  window.SetName("Tahoma");
  window.SetSize(8);
  window.SetColor(framework::clBlack);
  window.SetStyle({});
  FFonts->SetFont(ktfWindowTextNormal, &window);
  FFonts->SetFont(ktfWindowTextDisabled, &window);

  if (TSeSkinObject* text = within("edit", "text")) {
    font(ktfEditBoxTextNormal, text, ssNormal);
    font(ktfEditBoxTextFocused, text, ssFocused);
    font(ktfEditBoxTextHot, text, ssHot);
    font(ktfEditBoxTextDisabled, text, ssDisabled);
    font(ktfEditBoxTextSelected, text, ssNormal);
    FFonts->GetFont(ktfEditBoxTextSelected)->SetColor(framework::clWhite);
  }
  TSeSkinObject* item = within("listbox", "item");
  font(ktfListItemTextNormal, item, ssNormal);
  font(ktfListItemTextHot, item, ssNormal);
  font(ktfListItemTextSelected, item, ssFocused);
  font(ktfListItemTextFocused, item, ssNormal);
  font(ktfListItemTextDisabled, item, ssDisabled);

  auto menu = [&](TSeSkinObject* object, TteThemeFont normal, TteThemeFont hot, TteThemeFont selected,
                  TteThemeFont disabled) {
    font(normal, object, ssNormal);
    font(hot, object, ssHot);
    font(selected, object, ssFocused);
    font(disabled, object, ssDisabled);
  };
  menu(within("menubar", "item"), ktfMenuItemTextNormal, ktfMenuItemTextHot, ktfMenuItemTextSelected,
       ktfMenuItemTextDisabled);
  menu(within("menubar", "toolbaritem"), ktfToolItemTextNormal, ktfToolItemTextHot, ktfToolItemTextSelected,
       ktfToolItemTextDisabled);
  if (TSeSkinObject* popup = within("popupmenu", "item")) {
    menu(popup, ktfPopupMenuItemTextNormal, ktfPopupMenuItemTextHot, ktfPopupMenuItemTextSelected,
         ktfPopupMenuItemTextDisabled);
    FFonts->GetFont(ktfPopupMenuItemTextDisabled)->SetColor(0x00808080);
  }
}

void TSeSkinSource::Assign(const framework::TPersistent* source) {
  auto* other = dynamic_cast<const TSeSkinSource*>(source);
  if (!other) return inherited::Assign(source);
  if (other == this) return;
  Clear();
  FSkinName = other->FSkinName;
  FSkinVersion = other->FSkinVersion;
  FAuthor = other->FAuthor;
  FAuthorEMail = other->FAuthorEMail;
  FAuthorURL = other->FAuthorURL;
  for (int i = 0; i < other->FImages.Count(); ++i) {
    const TteBitmap* image = other->FImages.GetImage(i);
    auto copy = std::make_unique<TteBitmap>();
    copy->Assign(image);
    copy->Name = image->Name;
    copy->Transparent = image->Transparent;
    copy->AlphaBlend = image->AlphaBlend;
    FImages.Add(std::move(copy));
  }
  for (const auto& object : other->FObjects) {
    std::unique_ptr<TSeSkinObject> copy(CreateCopy(object.get(), nullptr));
    AddObject(std::move(copy));
  }
  FFonts->Assign(other->FFonts.get());
  FColors->Assign(other->FColors.get());
  FSysColors->Assign(other->FSysColors.get());
}

// ---- the store body

void TSeSkinSource::ReadImages(TStream& stream, TSeSkinStoreLayout layout) {
  const uint32_t word = stream.ReadUInt32();
  enum { kA, kB, kC } form = kB;
  uint32_t count = word;
  if (layout == sslExtended) {
    if ((word & kImageFormA) == kImageFormA) {
      form = kA;
      count = word & ~kImageFormA;
    } else if ((word & kImageFormB) == kImageFormB) {
      count = word & ~kImageFormB;
    } else {
      form = kC;
    }
  }
  if (count > kMaxStoreImages) throw framework::EReadError(framework::SReadError);
  for (uint32_t i = 0; i < count; ++i) {
    auto image = std::make_unique<TteBitmap>();
    if (form == kC) {
      std::string name = render::ReadString(stream);
      std::string holder;
      framework::TCustomMemoryStream data = framework::ReadBlock(stream, stream.ReadUInt32(), holder);
      framework::TBitmap picture;
      picture.LoadFromStream(data);
      image->Assign(&picture);
      image->Name = name;
      ComputeFlags(*image, false);
    } else {
      image->LoadFromStream(stream);
      if (form == kA) {
        image->Transparent = stream.ReadByte() != 0;
        image->AlphaBlend = stream.ReadByte() != 0;
      } else {
        ComputeFlags(*image, true);
      }
    }
    FImages.Add(std::move(image));
  }
}

void TSeSkinSource::ReadObjects(TStream& stream, TSeSkinStoreLayout layout) {
  const uint32_t word = stream.ReadUInt32();
  uint32_t count = word;
  int tables = 0;
  if ((word & kAllTables) == kAllTables) {
    count = word & ~kAllTables;
    tables = 3;
  } else if ((word & kTwoTables) == kTwoTables) {
    count = word & ~kTwoTables;
    tables = 2;
  }
  for (uint32_t i = 0; i < count; ++i) {
    TSeSkinObject* made =
        layout == sslExtended ? LoadSkinObjectBinary(stream, nullptr) : LoadSkinObject(stream, nullptr);
    if (made) AddObject(std::unique_ptr<TSeSkinObject>(made));
  }
  if (tables == 0) return FillColorsAndFonts();
  FColors->LoadFromStream(stream);
  if (tables == 3) FSysColors->LoadFromStream(stream);
  FFonts->LoadFromStream(stream);
}

void TSeSkinSource::ReadStore(TStream& stream, TSeSkinStoreLayout layout) {
  Clear();
  TSeObjectBudget budget(kMaxStoreObjects);
  FSkinName = render::ReadString(stream);
  FSkinVersion = render::ReadString(stream);
  FAuthor = render::ReadString(stream);
  FAuthorEMail = render::ReadString(stream);
  FAuthorURL = render::ReadString(stream);
  ReadImages(stream, layout);
  ReadObjects(stream, layout);
}

void TSeSkinSource::WriteImages(TStream& stream, TSeSkinStoreLayout layout) {
  const uint32_t count = uint32_t(FImages.Count());
  if (layout == sslExtended) {
    // The count shares its word with the form flags.
    if (count & kImageFormA) throw framework::EWriteError("Too many images for one skin store");
    stream.WriteUInt32(count | kImageFormA);
  } else {
    stream.WriteUInt32(count);
  }
  for (int i = 0; i < FImages.Count(); ++i) {
    const TteBitmap* image = FImages.GetImage(i);
    image->SaveToStream(stream);
    if (layout != sslExtended) continue;
    stream.WriteByte(image->Transparent ? 1 : 0);
    stream.WriteByte(image->AlphaBlend ? 1 : 0);
  }
}

void TSeSkinSource::WriteStore(TStream& stream, TSeSkinStoreLayout layout) {
  render::WriteString(stream, FSkinName);
  render::WriteString(stream, FSkinVersion);
  render::WriteString(stream, FAuthor);
  render::WriteString(stream, FAuthorEMail);
  render::WriteString(stream, FAuthorURL);
  WriteImages(stream, layout);
  if (uint32_t(FObjects.size()) & kAllTables)
    throw framework::EWriteError("Too many objects for one skin store");
  stream.WriteUInt32(uint32_t(FObjects.size()) | kAllTables);
  for (const auto& object : FObjects) {
    if (layout == sslExtended)
      SaveSkinObjectBinary(stream, object.get());
    else
      SaveSkinObject(stream, object.get());
  }
  FColors->SaveToStream(stream);
  FSysColors->SaveToStream(stream);
  FFonts->SaveToStream(stream);
}

// ---- containers

// The source is emptied just before the filter reads into it, and the filter is
// gone before the regions are checked.
void TSeSkinSource::ReadThrough(TSeSkinFilterClass cls, TStream& stream) {
  std::unique_ptr<TSeSkinFilter> filter = cls->Create();
  Clear();
  filter->SetSkinSource(this);
  filter->ReadSkin(stream);
  filter.reset();
  CheckingObject();
}

void TSeSkinSource::LoadFromStream(TStream& stream) {
  TSeSkinFilterClass cls = GetThemeFilterBySign(stream);
  if (!cls) cls = DefaultSkinFilterClass();
  ReadThrough(cls, stream);
}

void TSeSkinSource::SaveToStream(TStream& stream) {
  std::unique_ptr<TSeSkinFilter> filter = DefaultSkinFilterClass()->Create();
  filter->SetSkinSource(this);
  filter->WriteSkin(stream);
}

bool TSeSkinSource::LoadFromFile(const std::string& fileName) {
  if (fileName.empty()) return false;
  namespace fs = std::filesystem;
  std::error_code error;
  std::string path = fileName;
  // A relative name that is not there is looked for beside the program.
  if (!fs::is_regular_file(path, error) && fs::path(path).is_relative() &&
      !(path.size() > 1 && path[1] == ':')) {
    fs::path program = platform::process::Program_File(error);
    if (error) return false;
    path = (program.parent_path() / fileName).string();
  }
  if (!fs::is_regular_file(path, error)) return false;
  TSeSkinFilterClass cls = GetThemeFilterByExt(path);
  if (!cls) return false;
  framework::TFileStream stream(path, framework::fmOpenRead | framework::fmShareDenyNone);
  ReadThrough(cls, stream);
  return true;
}

void TSeSkinSource::SaveToFile(const std::string& fileName) {
  if (fileName.empty()) return;
  TSeSkinFilterClass cls = GetThemeFilterByExt(fileName);
  if (!cls) cls = DefaultSkinFilterClass();
  framework::TFileStream stream(fileName, framework::fmCreate);
  std::unique_ptr<TSeSkinFilter> filter = cls->Create();
  filter->SetSkinSource(this);
  filter->WriteSkin(stream);
}

}  // namespace z5t8::skin::se3
