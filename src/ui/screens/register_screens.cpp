#include "ui/screens/register_screens.h"

#include "ui/screen_area.h"
#include "ui/screens/exp_grid_screen.h"
#include "ui/screens/group_grid_screen.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/weather_screen.h"

namespace kv508::ui {

void RegisterScreens(ScreenArea &area, ScreenContext &context) {
  area.Register(std::make_unique<GroupGridScreen>(context));
  area.Register(std::make_unique<ExpGridScreen>(context));
  area.Register(std::make_unique<WeatherScreen>(context));
}

} // namespace kv508::ui
