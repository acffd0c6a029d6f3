#pragma once

// What the fuzz targets share: a host that answers every question without a
// window and runs a clock that only moves when the code waits, and the input
// as a file that the readers open by path.

#include "app/host.h"
#include "app/session.h"
#include "app/user_settings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace kv508::fuzz {

class QuietHost : public Host {
public:
  // Retry and OK a few times, as a patient user would, then give up; never
  // agree to go on without a backup.
  Answer Message(Icon, const std::string &, const std::string &, Buttons buttons) override {
    switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::RetryCancel:
      return agreements_++ < 2 ? Answer::Retry : Answer::Cancel;
    case Buttons::OkCancel:
      return agreements_++ < 2 ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::RestoreDiscard:
      return Answer::No;
    case Buttons::YesNoCancel:
      return Answer::Cancel;
    }
    return Answer::Cancel;
  }
  void Yield() override { ++now; }
  void Pause(int ms) override { now += ms; }
  std::int64_t NowMs() override { return now; }

  std::int64_t now = 0;

private:
  int agreements_ = 0;
};

// A session of model 1 over an empty program folder.
struct FuzzSession {
  FuzzSession() {
    session.model.ModelVariant = 1;
    session.model.AtisCapable = true;
    session.state.TitleText = "PC Program for TR4100/TR4300";
    session.programDir = "/nonexistent";
  }
  QuietHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
};

// The input as a regular file in memory, opened by its /proc path.
class InputFile {
public:
  InputFile() : fd_(::memfd_create("kv508-fuzz", 0)) {}
  ~InputFile() { ::close(fd_); }
  InputFile(const InputFile &) = delete;
  InputFile &operator=(const InputFile &) = delete;

  std::filesystem::path Hold(const std::uint8_t *data, std::size_t size) {
    if (::ftruncate(fd_, 0) != 0)
      return {};
    for (std::size_t done = 0; done < size;) {
      const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      if (n <= 0)
        return {};
      done += static_cast<std::size_t>(n);
    }
    return "/proc/self/fd/" + std::to_string(fd_);
  }

private:
  int fd_;
};

} // namespace kv508::fuzz
