#include "ui/screens/register_screens.h"

#include "ui/screen_area.h"
#include "ui/screens/atis_screen.h"
#include "ui/screens/common_screen.h"
#include "ui/screens/dsc_screen.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/usable_screen.h"

#include <memory>

namespace kv508::ui {

void RegisterScreens(ScreenArea &area, ScreenContext &context) {
  area.Register(std::make_unique<UsableScreen>(context));
  area.Register(std::make_unique<CommonScreen>(context));
  area.Register(std::make_unique<DscScreen>(context));
  area.Register(std::make_unique<AtisScreen>(context));
}

} // namespace kv508::ui
