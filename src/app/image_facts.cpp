#include "app/image_facts.h"

#include "image/layout.h"

namespace kv508 {

int UserMmsiCount(const RadioData &data) { return data.Image[layout::kUserMmsiCount]; }

} // namespace kv508
