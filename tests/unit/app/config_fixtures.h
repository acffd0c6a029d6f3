#pragma once

// Shared by the core tests: temporary program folders, files, images and sessions.

#include "app/new_data.h"
#include "app/session.h"
#include "fake_host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace kv508::testing {

class TempFolder {
public:
  TempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "kv508-app-XXXXXX").string();
    path_ = ::mkdtemp(name.data());
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path &path() const { return path_; }
  std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path &file, const std::string &bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An all-0xFF image with model identifiers head and tail at its ends; the marker
// goes to the transmit power display byte so that two images are told apart.
inline std::string ImageBytes(std::uint8_t marker = 1, std::uint16_t head = 0x07D0,
                              std::uint16_t tail = 0x07D0, std::size_t size = kImageSize) {
  std::string bytes(size, '\xFF');
  bytes[0] = static_cast<char>(head >> 8);
  bytes[1] = static_cast<char>(head & 0xFF);
  bytes[40] = static_cast<char>(marker);
  bytes[size - 2] = static_cast<char>(tail >> 8);
  bytes[size - 1] = static_cast<char>(tail & 0xFF);
  return bytes;
}

inline std::string ImageText(const MemoryImage &image) {
  return {reinterpret_cast<const char *>(image.data()), image.size()};
}

// A session over a temporary program folder with model 1 in use.
struct SessionFixture : ::testing::Test {
  SessionFixture() : session(host, settings) {
    session.programDir = folder.path();
    session.model.ModelVariant = 1;
    session.state.TitleText = "PC Program for TR4100/TR4300";
  }
  TempFolder folder;
  FakeHost host;
  MemoryUserSettings settings;
  Session session;
};

// A session of the given model after File > New, in an empty program folder.
struct NewSession {
  explicit NewSession(int variant = 1, bool atis = false) : session(host, settings) {
    session.model.ModelVariant = static_cast<std::int16_t>(variant);
    session.model.AtisCapable = atis;
    session.state.TitleText = TitleTextFor(variant);
    session.programDir = dir.path();
    NewData(session, true);
  }
  RadioData &data() { return session.data; }
  std::filesystem::path File(const std::string &name) const { return dir / name; }

  TempFolder dir;
  FakeHost host;
  MemoryUserSettings settings;
  Session session;
};

} // namespace kv508::testing
