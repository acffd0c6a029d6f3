#pragma once

// Default radio data for report tests, made the way File > New makes it.

#include "app/new_data.h"
#include "fake_host.h"
#include "report/report.h"

#include <memory>
#include <string>
#include <vector>

namespace kv508::testing {

struct DefaultSession {
  FakeHost host;
  MemoryUserSettings settings;
  std::unique_ptr<Session> session = std::make_unique<Session>(host, settings);

  explicit DefaultSession(bool atis = false) {
    session->model.ModelVariant = 1;
    session->model.AtisCapable = atis;
    NewData(*session, false);
  }
  RadioData &Data() { return session->data; }
  const ModelInfo &Model() const { return session->model; }
};

// The text image split at CR LF.
inline std::vector<std::string> ImageLines(const Report &report) {
  const std::string text = RenderTextImage(report);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos)
      return lines;
    start = end + 2;
  }
}

} // namespace kv508::testing
