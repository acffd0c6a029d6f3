#include "cli/file_io.h"

#include "cli/options.h"

#include "app/hex_file.h"
#include "app/new_data.h"
#include "app/platform.h"
#include "app/safe_save.h"
#include "files/dat_file.h"
#include "image/decode.h"
#include "image/default_image.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>

namespace kv508::cli {

namespace {

std::string LowerExtension(const std::string &path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

} // namespace

FileKind KindOf(const std::string &path) {
  std::string ext = LowerExtension(path);
  if (ext == ".hex")
    return FileKind::Hex;
  if (ext == ".dat")
    return FileKind::Dat;
  if (ext == ".txt")
    return FileKind::Txt;
  return FileKind::Other;
}

void RequireKind(const std::string &path, std::initializer_list<FileKind> kinds) {
  if (std::find(kinds.begin(), kinds.end(), KindOf(path)) == kinds.end()) {
    throw UsageError{"unsupported file type: " + path};
  }
}

bool LoadBaseImage(Session &session, const std::string &path) {
  std::string read;
  if (std::error_code ec = platform::ReadRegularFile(path, read, kImageSize)) {
    session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
    FileErrorReason(session.host, path, ec);
    return false;
  }
  if (read.size() != static_cast<std::size_t>(kImageSize)) {
    session.host.Message(Icon::Critical, session.state.TitleText, "bad file!!");
    return false;
  }
  MemoryImage bytes{};
  std::copy(read.begin(), read.end(), bytes.begin());
  if (!ImageMatchesModel(bytes, session.model.ModelVariant)) {
    session.host.Message(Icon::Critical, "Read from Radio", "ModelType Error !!");
    return false;
  }
  session.data.Image = bytes;
  return true;
}

bool LoadSettingsOrImage(Session &session, const std::string &path, const std::string &base) {
  if (KindOf(path) == FileKind::Hex) {
    NewData(session, true);
    return ReadHexFile(session, path);
  }
  if (!FileRead2(session, path))
    return false;
  return base.empty() || LoadBaseImage(session, base);
}

bool SaveSettingsOrImage(Session &session, const std::string &path) {
  if (KindOf(path) == FileKind::Hex)
    return SaveHexFile(session, path);
  return SaveFileAs(session, path);
}

bool WriteWholeFile(Session &session, const std::string &path, const std::string &bytes) {
  std::error_code ec = SafeWriteFile(path, bytes);
  if (!ec)
    return true;
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileSave Error!!");
  FileErrorReason(session.host, path, ec);
  return false;
}

bool SaveRawImage(Session &session, const std::string &path) {
  std::string bytes(session.data.Image.begin(), session.data.Image.end());
  std::error_code ec = SafeWriteFile(path, bytes);
  if (!ec)
    return true;
  ErrLog(session.state, session.programDir, "frmMain.SaveHexFileAs", ErrorText(ec.value()));
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileSave Error!!");
  FileErrorReason(session.host, path, ec);
  return false;
}

bool WriteStandardOutput(Session &session, const std::string &bytes) {
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (std::fflush(stdout) == 0 && written)
    return true;
  const std::error_code ec(errno != 0 ? errno : EIO, std::generic_category());
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileSave Error!!");
  session.host.Reason("standard output: " + ec.message());
  return false;
}

} // namespace kv508::cli
