#include "app/hex_file.h"

#include "app/busy_scope.h"
#include "app/safe_save.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>

namespace kv508 {

namespace {

namespace fs = std::filesystem;

constexpr int kFilePauseMs = 500;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool ReadFailed(Session& session, int errorNumber) {
  ErrLog(session.state, session.programDir, "frmMain.ReadHexFileAs",
         ErrorText(errorNumber != 0 ? errorNumber : EIO));
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
  session.state.OperationFailed = true;
  return false;
}

} // namespace

bool ReadHexFile(Session& session, const fs::path& path) {
  AppState& state = session.state;
  state.OperationFailed = false;

  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return ReadFailed(session, ec.value());
  if (size != kImageSize) {
    session.host.Message(Icon::Critical, state.TitleText, "bad file!!");
    state.OperationFailed = true;
    return false;
  }

  BusyScope busy(state);
  MemoryImage buffer{};
  {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return ReadFailed(session, errno);
    if (std::fread(buffer.data(), 1, buffer.size(), file.get()) != buffer.size())
      return ReadFailed(session, errno);
  }
  session.host.RepaintPause(kFilePauseMs);

  if (!ImageMatchesModel(buffer, session.model.ModelVariant)) {
    session.host.Message(Icon::Critical, "Read from Radio", "ModelType Error !!");
    state.OperationFailed = true;
    return false;
  }
  session.data.Image = buffer;
  session.Call(session.editor.SelectGeneral);
  DecodeImage(session.data);
  session.Call(session.editor.RefillScreens);
  return true;
}

bool SaveHexFile(Session& session, const fs::path& path) {
  AppState& state = session.state;
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
    const MemoryImage& image = session.data.Image;
    written = SafeWriteFile(
        path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    if (!written) session.host.RepaintPause(kFilePauseMs);
  }
  if (written) {
    ErrLog(state, session.programDir, "frmMain.SaveHexFileAs", ErrorText(written.value()));
    session.host.Message(Icon::Exclamation, state.TitleText, "FileSave Error!!");
    state.OperationFailed = true;
    return false;
  }
  return true;
}

} // namespace kv508
