#pragma once

#include "app/session.h"

namespace kv508 {

// Resets RadioData and the image to the defaults of the model in use; with
// withDestination the destination list is rebuilt and the stored destination loaded.
void NewData(Session &session, bool withDestination);
// The choices a radio from the factory holds where the default image's erased
// bytes would decode to values no list offers.
void ApplyFactoryChoices(RadioData &data);

} // namespace kv508
