#include "ui/screens/register_screens.h"

#include "ui/screen_area.h"
#include "ui/screens/directory_entry_screen.h"
#include "ui/screens/directory_grid_screen.h"
#include "ui/screens/screen_context.h"

namespace kv508::ui {

void RegisterScreens(ScreenArea &area, ScreenContext &context) {
  (void)area;
  (void)context;
  area.Register(std::make_unique<DirectoryGridScreen>(context));
  area.Register(std::make_unique<DirectoryEntryScreen>(context));
}

} // namespace kv508::ui
