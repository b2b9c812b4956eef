#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/Stream.h"
#include "skin/render/BitmapList.h"
#include "skin/se3/SkinObject.h"
#include "skin/se3/SkinSourceInterface.h"
#include "skin/theme/ThemeColors.h"
#include "skin/theme/ThemeFonts.h"
#include "skin/theme/ThemeSysColors.h"

namespace z5t8::skin::se3 {

class TSeSkinFilterMeta;

// A skin in memory: its header strings, its named pictures, its top-level skin objects
// (owned, in stored order; each owns its children) and its colour, system colour and
// font tables. Read and written as a store body through the container kinds.
class TSeSkinSource : public framework::TComponent, public ISeSkinSource {
  Z5T8_CLASS(TSeSkinSource, framework::TComponent)

public:
  explicit TSeSkinSource(framework::TComponent* owner = nullptr);
  ~TSeSkinSource() override;

  const std::string& SkinName() const { return FSkinName; }
  void SetSkinName(const std::string& v) { FSkinName = v; }
  const std::string& SkinVersion() const { return FSkinVersion; }
  void SetSkinVersion(const std::string& v) { FSkinVersion = v; }
  const std::string& Author() const { return FAuthor; }
  void SetAuthor(const std::string& v) { FAuthor = v; }
  const std::string& AuthorEMail() const { return FAuthorEMail; }
  void SetAuthorEMail(const std::string& v) { FAuthorEMail = v; }
  const std::string& AuthorURL() const { return FAuthorURL; }
  void SetAuthorURL(const std::string& v) { FAuthorURL = v; }

  render::TteBitmapList* Images() { return &FImages; }
  const render::TteBitmapList* Images() const { return &FImages; }
  theme::TteThemeColors* Colors() const { return FColors.get(); }
  theme::TteThemeSysColors* SysColors() const { return FSysColors.get(); }
  theme::TteThemeFonts* Fonts() const { return FFonts.get(); }

  // Frees the pictures and the top-level objects; strings and tables stay.
  void Clear();
  // A deep copy from another source: pictures, object trees bound to this source's
  // pictures, and the tables. Anything else goes to the default assignment.
  void Assign(const framework::TPersistent* source) override;

  // A whole container: the kind from the signature, else the default kind.
  void LoadFromStream(framework::TStream& stream);
  // Always the default kind.
  void SaveToStream(framework::TStream& stream);
  // The kind from the extension. An empty name, a missing file (also beside the program)
  // or an unknown extension leaves the source as it is and gives false; true once a
  // container was read.
  bool LoadFromFile(const std::string& fileName);
  // The kind from the extension, else the default kind; nothing for an empty name.
  void SaveToFile(const std::string& fileName);

  int GetCount() const { return int(FObjects.size()); }
  // None outside 0 .. count - 1.
  TSeSkinObject* GetObject(int index) const;
  // Appends a top-level object, takes it over, binds it to the pictures and finishes its
  // loading (AfterLoad).
  void AddObject(std::unique_ptr<TSeSkinObject> object);
  // Case-insensitive; "Parent\Child" finds Child in the tree of the top-level Parent.
  TSeSkinObject* GetObjectByName(std::string_view name) const;
  // Top level only.
  TSeSkinObject* GetObjectByKind(TSeKind kind) const;

  // Every picture, then every object tree; the tables are left alone.
  void ChangeSkinSourceHue(int delta);
  void ChangeSkinSourceBrightness(int delta);
  // The colour and font tables derived from the objects, for stores that carry none.
  void FillColorsAndFonts();
  // The first client object in each top-level tree forms a plain rectangular region.
  void CheckingObject();

  // The store body in either layout.
  void ReadStore(framework::TStream& stream, TSeSkinStoreLayout layout) override;
  void WriteStore(framework::TStream& stream, TSeSkinStoreLayout layout) override;

private:
  // Replaces the contents with what the filter class reads from the stream.
  void ReadThrough(const TSeSkinFilterMeta* cls, framework::TStream& stream);
  void ReadImages(framework::TStream& stream, TSeSkinStoreLayout layout);
  void WriteImages(framework::TStream& stream, TSeSkinStoreLayout layout);
  void ReadObjects(framework::TStream& stream, TSeSkinStoreLayout layout);

  std::string FSkinName, FSkinVersion, FAuthor, FAuthorEMail, FAuthorURL;
  render::TteBitmapList FImages;
  std::vector<std::unique_ptr<TSeSkinObject>> FObjects;
  std::unique_ptr<theme::TteThemeColors> FColors;
  std::unique_ptr<theme::TteThemeSysColors> FSysColors;
  std::unique_ptr<theme::TteThemeFonts> FFonts;
};

}  // namespace z5t8::skin::se3
