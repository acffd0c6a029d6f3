#include "ui/screens/register_screens.h"

#include "ui/screen_area.h"
#include "ui/screens/atis_screen.h"
#include "ui/screens/channel_panel_screen.h"
#include "ui/screens/common_screen.h"
#include "ui/screens/directory_entry_screen.h"
#include "ui/screens/directory_grid_screen.h"
#include "ui/screens/dsc_screen.h"
#include "ui/screens/exp_grid_screen.h"
#include "ui/screens/group_grid_screen.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/usable_screen.h"
#include "ui/screens/weather_screen.h"

#include <memory>

namespace kv508::ui {

void RegisterScreens(ScreenArea &area, ScreenContext &context) {
  area.Register(std::make_unique<GroupGridScreen>(context));
  area.Register(std::make_unique<ExpGridScreen>(context));
  area.Register(std::make_unique<WeatherScreen>(context));
  area.Register(std::make_unique<UsableScreen>(context));
  area.Register(std::make_unique<CommonScreen>(context));
  area.Register(std::make_unique<DscScreen>(context));
  area.Register(std::make_unique<AtisScreen>(context));
  area.Register(std::make_unique<DirectoryGridScreen>(context));
  area.Register(std::make_unique<DirectoryEntryScreen>(context));
  area.Register(std::make_unique<ChannelPanelScreen>(context));
}

} // namespace kv508::ui
