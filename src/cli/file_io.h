#pragma once

#include "app/session.h"

#include <initializer_list>
#include <string>

namespace kv508::cli {

enum class FileKind { Hex, Dat, Txt, Other };

FileKind KindOf(const std::string &path);
// Throws UsageError unless the path's extension is one of the kinds.
void RequireKind(const std::string &path, std::initializer_list<FileKind> kinds);

// .hex: NewData, then the image file with its model test; .dat: the settings
// file (which resets with NewData itself). With a base image, its bytes lie under
// the settings just read.
bool LoadSettingsOrImage(Session &session, const std::string &path, const std::string &base);
// Replaces the image with a model-tested image file's bytes, without decoding.
bool LoadBaseImage(Session &session, const std::string &path);
// .hex through the outgoing sequence, .dat through the settings writer.
bool SaveSettingsOrImage(Session &session, const std::string &path);
// The image exactly as it is, without encoding (a faithful backup of a radio).
bool SaveRawImage(Session &session, const std::string &path);
bool WriteWholeFile(Session &session, const std::string &path, const std::string &bytes);
// A failed or short write is "FileSave Error!!" with the system's reason.
bool WriteStandardOutput(Session &session, const std::string &bytes);

} // namespace kv508::cli
