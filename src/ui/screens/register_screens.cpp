#include "ui/screens/register_screens.h"

#include "ui/screen_area.h"
#include "ui/screens/screen_context.h"

namespace kv508::ui {

void RegisterScreens(ScreenArea &area, ScreenContext &context) {
  (void)area;
  (void)context;
}

} // namespace kv508::ui
