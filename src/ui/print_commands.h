#pragma once

// File > Print, Print Preview, Print to File and Export PDF: the settings
// report on paper, on screen, as text and as a PDF.

#include "ui/window_parts.h"
#include <QCoreApplication>

#include <QObject>

#include <functional>

class QPrinter;

namespace kv508::ui {

struct RunningHeader;

// Prints with `print` on the printer the user sets up; without a printer
// installed, offers the preview or a PDF instead.
void PrintOrOffer(WindowParts &parts, const std::function<void(QPrinter &)> &print,
                  const std::function<void()> &preview, const std::function<void()> &pdf);

class PrintCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(PrintCommands)

public:
  explicit PrintCommands(WindowParts parts);

  void Print();
  void Preview();
  void PrintToFile();
  void ExportPdf();
  // Renders the report onto a printer that is already set up.
  void PrintReportTo(QPrinter &printer);

private:
  RunningHeader Header() const;

  WindowParts parts_;
};

} // namespace kv508::ui
