#pragma once

// frmImport: what a CSV file would change, row by row, before anything does:
// added, changed (old -> new), unchanged, refused with the reason, and for a
// directory replaced the entries it removes. A directory is replaced by the
// file or merged with it by MMSI; the preview follows that choice. Import is
// offered while an accepted row changes something; refused rows are left out.

#include "exchange/import_preview.h"
#include <QCoreApplication>

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace kv508::ui {

class ImportDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(ImportDialog)

public:
  // The table and the settings must outlive the dialog; `title` names the
  // list ("Individual Directory").
  ImportDialog(const CsvTable &table, ExchangeKind kind, const RadioSettings &settings,
               const QString &title, const QString &file, QWidget *parent);

  // The preview of the choice shown; what Import applies.
  const ImportPreview &Preview() const { return preview_; }

private:
  QWidget *CreateModeChoice();
  QWidget *CreateButtons();
  void Recompute();
  void Fill();

  const CsvTable &table_;
  const ExchangeKind kind_;
  const RadioSettings &settings_;
  ImportPreview preview_;
  QRadioButton *merge_ = nullptr;
  QTreeWidget *rows_ = nullptr;
  QLabel *summary_ = nullptr;
  QLabel *notes_ = nullptr;
  QPushButton *import_ = nullptr;
};

} // namespace kv508::ui
