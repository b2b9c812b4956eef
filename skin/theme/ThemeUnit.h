#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/Persistent.h"
#include "skin/theme/ControlBackground.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::theme {

// What the theme manager's unit keeps between calls. Made on first use, which static
// start-up forces, so theme units that register their classes at their own start-up
// find it; freed at exit in the unit's shut-down order.
class TteThemeUnit {
public:
  TteThemeUnit();
  ~TteThemeUnit();
  TteThemeUnit(const TteThemeUnit&) = delete;
  TteThemeUnit& operator=(const TteThemeUnit&) = delete;

  struct Background {
    const framework::TMetaClass* ControlClass;
    TteDrawBackgroundProc Proc;
  };
  std::vector<Background> Backgrounds;
  std::unique_ptr<TteThemeManager> Manager;
  std::unordered_map<const framework::TPersistent*, std::unique_ptr<framework::TPersistent>> Objects;
  // Keyed by the object and the lower-cased property name.
  std::map<std::pair<const framework::TObject*, std::string>, int32_t> Props;
};

TteThemeUnit& ThemeUnit();

}  // namespace z5t8::skin::theme
