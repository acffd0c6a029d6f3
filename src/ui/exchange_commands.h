#pragma once

// File > Export and File > Import: the two directories, the expansion channels
// and the plan channels as CSV files, an import shown row by row (frmImport)
// before it changes anything and then applied as one undo step; and the cards
// for the helm: File > Print Cards... and Export Cards as PDF...

#include "exchange/import_preview.h"
#include "ui/window_parts.h"
#include <QCoreApplication>

#include <QObject>
#include <QString>

#include <optional>

class QMenu;

namespace kv508::cards {
struct CardFooter;
}

namespace kv508::ui {

class ExchangeCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(ExchangeCommands)

public:
  explicit ExchangeCommands(WindowParts parts);

  // File > Export, File > Import, Print Cards... and Export Cards as PDF...
  void AddMenus(QMenu *fileMenu);

  void Export(ExchangeKind kind);
  void Import(ExchangeKind kind);
  void PrintCards();
  void ExportCardsPdf();

private:
  // A file refused as a whole has been reported: one message with the file and the line.
  std::optional<CsvTable> ReadTable(const QString &file);
  void Refuse(const QString &file, const std::string &why);
  void Apply(ExchangeKind kind, const ImportPreview &preview);
  void PreviewCards();
  cards::CardFooter Footer() const;
  // The current file's name without its extension and with `suffix`, else `fallback`.
  QString Proposed(const QString &suffix, const QString &fallback) const;

  WindowParts parts_;
};

} // namespace kv508::ui
