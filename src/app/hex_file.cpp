#include "app/hex_file.h"

#include "app/busy_scope.h"
#include "app/platform.h"
#include "app/safe_save.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>

namespace kv508 {

namespace {

namespace fs = std::filesystem;

constexpr int kFilePauseMs = 500;

bool ReadFailed(Session &session, const fs::path &path, std::error_code error) {
  ErrLog(session.state, session.programDir, "frmMain.ReadHexFileAs",
         ErrorText(error.value() != 0 ? error.value() : EIO));
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
  FileErrorReason(session.host, path, error);
  session.state.OperationFailed = true;
  return false;
}

} // namespace

bool ReadHexFile(Session &session, const fs::path &path) {
  AppState &state = session.state;
  state.OperationFailed = false;

  std::string bytes;
  if (std::error_code ec = platform::ReadRegularFile(path, bytes, kImageSize))
    return ReadFailed(session, path, ec);
  if (bytes.size() != kImageSize) {
    session.host.Message(Icon::Critical, state.TitleText, "bad file!!");
    state.OperationFailed = true;
    return false;
  }

  BusyScope busy(state);
  MemoryImage buffer{};
  std::copy(bytes.begin(), bytes.end(), buffer.begin());
  session.host.RepaintPause(kFilePauseMs);

  if (!ImageMatchesModel(buffer, session.model.ModelVariant)) {
    session.host.Message(Icon::Critical, "Read from Radio", "ModelType Error !!");
    state.OperationFailed = true;
    return false;
  }
  session.data.Image = buffer;
  DecodeImage(session.data);
  session.DataReplaced();
  return true;
}

bool SaveHexFile(Session &session, const fs::path &path) {
  AppState &state = session.state;
  state.OperationFailed = false;

  if (std::optional<EncodeError> error =
          PrepareOutgoingImage(session.data, session.model.ModelVariant, false)) {
    session.host.Message(Icon::Exclamation, state.TitleText, EncodeErrorMessage(*error));
    state.OperationFailed = true;
    return false;
  }

  std::error_code written;
  {
    BusyScope busy(state);
    const MemoryImage &image = session.data.Image;
    written = SafeWriteFile(
        path, std::string_view(reinterpret_cast<const char *>(image.data()), image.size()));
    if (!written)
      session.host.RepaintPause(kFilePauseMs);
  }
  if (written) {
    ErrLog(state, session.programDir, "frmMain.SaveHexFileAs", ErrorText(written.value()));
    session.host.Message(Icon::Exclamation, state.TitleText, "FileSave Error!!");
    FileErrorReason(session.host, path, written);
    state.OperationFailed = true;
    return false;
  }
  return true;
}

} // namespace kv508
