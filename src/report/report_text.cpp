#include "report/report.h"

namespace kv508 {

std::string FitField(const std::string &s, int width) {
  if (width <= 0)
    return {};
  const auto w = static_cast<std::size_t>(width);
  if (s.size() >= w)
    return s.substr(0, w);
  return s + std::string(w - s.size(), ' ');
}

std::string LabelField(const std::string &s, int width) { return FitField(s, width - 1) + ": "; }

std::string RenderTextImage(const Report &report) {
  std::string out;
  bool first = true;
  for (const ReportLine &line : report.lines) {
    if (!line.inTextImage)
      continue;
    if (!first)
      out += "\r\n";
    first = false;
    for (const ReportField &field : line.fields) {
      if (!field.inTextImage)
        continue;
      out += field.width > 0 ? FitField(field.imageText, field.width) : field.imageText;
    }
  }
  return out;
}

std::string ReportFileText(const Report &report) { return RenderTextImage(report) + "\r\n"; }

} // namespace kv508
