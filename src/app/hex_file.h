#pragma once

#include "app/session.h"

#include <filesystem>

namespace kv508 {

// Opens a .hex image: length check ("bad file!!"), model test ("ModelType Error !!"
// titled "Read from Radio"), file errors ("FileRead Error!!"); on success the image
// is replaced and decoded. Sets OperationFailed on any failure; nothing changes then.
bool ReadHexFile(Session &session, const std::filesystem::path &path);

// Runs the outgoing sequence (encode, sanitize, checksum) and writes the image,
// through a temporary file renamed over the target ("FileSave Error!!" on failure).
bool SaveHexFile(Session &session, const std::filesystem::path &path);

} // namespace kv508
