#pragma once

// The settings report. One builder walks the thirteen sections and produces a
// list of lines made of fields; the text image and the printed page are two
// renderings of that list. Every difference between them (a text that reads
// differently on paper, a field or a line that exists on one side only) is
// held in the model, so the text writer only fits fields and the painter only
// places them:
//
//   y = top of page 1
//   for each line with printed set:
//     if newPage:    start a new page, y = top
//     if pageHeader: y = kPageHeaderTopMm
//     for each field with printed set: draw printText at (xMm + kPrintLeftMarginMm, y)
//     advance y by one line; past the bottom, start a new page (no header) and continue
//
// Paper texts are the text image's texts cut to the field width (a 14-character
// ChTag prints its first 12 characters) but never blank-filled.

#include "app/session.h"

#include <string>
#include <vector>

namespace kv508 {

constexpr double kPrintLeftMarginMm = 10.0; // added to every field position
constexpr double kPageHeaderTopMm = 5.0;    // vertical position of the page header

struct ReportField {
  std::string printText;   // as placed on paper
  std::string imageText;   // in the text image, before fitting
  int width = 0;           // text image: FitField(imageText, width); 0 = imageText as it is
  double xMm = 0.0;        // paper position in mm from the left of the printable area
  bool printed = true;     // false: text image only (the scramble column)
  bool inTextImage = true; // false: paper only
};

struct ReportLine {
  int section = 0;                 // 1 to 13; 0 for the page header and its empty line
  std::vector<ReportField> fields; // a blank line has none
  bool printed = true;             // false: text image only
  bool inTextImage = true;         // false: paper only (the page header lines)
  bool newPage = false;            // paper: start a new page before this line
  bool pageHeader = false;         // paper: the page header line (model name + " Velmora")
};

struct Report {
  std::vector<ReportLine> lines;
};

// Reads RadioData and byte 421 of its image; changes nothing. The ATIS section
// is present only for AtisCapable models.
Report BuildReport(const RadioData &data, const ModelInfo &model);

// The text image: the text-image lines, each the concatenation of its fitted
// fields, joined by CR LF with none after the last.
std::string RenderTextImage(const Report &report);
// What the report window's Save and `report -o` write: the text image and one CR LF.
std::string ReportFileText(const Report &report);

// s blank-filled to w characters, or its first w characters when longer.
std::string FitField(const std::string &s, int width);
// FitField(s, w - 1) followed by ": ".
std::string LabelField(const std::string &s, int width);

} // namespace kv508
