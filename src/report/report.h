#pragma once

// The settings report: one builder produces a model of lines and fields; the
// text image and the printed page are two renderings of it.

#include "app/session.h"

#include <string>
#include <vector>

namespace kv508 {

struct ReportField {
  std::string text;      // as printed
  int width = 0;         // width in the text image (FitField); 0 = not fitted
  double xMm = 0.0;      // printed position, mm from the left of the printable area (before +10)
  bool printed = true;   // false: only in the text image (e.g. the scramble column)
  bool textImage = true; // false: only on paper
  std::string textImageText; // text in the text image when it differs from the printed one
};

struct ReportLine {
  std::vector<ReportField> fields;   // an empty line has none
  bool textImage = true;             // false: printed only
  bool printed = true;               // false: text image only (the heading lines of sections 1-6)
  bool newPage = false;              // start a new page before this line
  bool pageHeader = false;           // this line is the page header (printed only)
};

struct Report {
  std::vector<ReportLine> lines;
};

Report BuildReport(const RadioData& data, const ModelInfo& model);
// Lines joined by CR LF, none after the last.
std::string RenderTextImage(const Report& report);

std::string FitField(const std::string& s, int width);
std::string LabelField(const std::string& s, int width);

} // namespace kv508
