#pragma once

#include "app/session.h"

namespace kv508 {

// Resets RadioData and the image to the defaults of the model in use; with
// withDestination the destination list is rebuilt and the stored destination loaded.
void NewData(Session &session, bool withDestination);

} // namespace kv508
