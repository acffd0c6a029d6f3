#include "ui/screens/register_screens.h"

#include "ui/screen_area.h"
#include "ui/screens/channel_panel_screen.h"
#include "ui/screens/screen_context.h"

namespace kv508::ui {

void RegisterScreens(ScreenArea &area, ScreenContext &context) {
  (void)area;
  (void)context;
  area.Register(std::make_unique<ChannelPanelScreen>(context));
}

} // namespace kv508::ui
