#pragma once

// The common dialogs the windows ask through, so that tests can answer them.

#include "check/finding.h"
#include <QCoreApplication>
#include <QPageSize>

#include <QString>

#include <filesystem>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace kv508::ui {

class UiDialogs {
  Q_DECLARE_TR_FUNCTIONS(UiDialogs)

public:
  virtual ~UiDialogs() = default;
  // Filters are in Qt's form ("dat files(*.dat);;All files(*.*)"); an empty
  // result means the dialog was cancelled.
  virtual QString OpenFileName(QWidget *parent, const QString &filter, const QString &folder) = 0;
  // Asks before an existing file is overwritten; a name typed without an
  // extension gets the filter's first one.
  // `title` says what the save is for ("Export PDF"); empty: "Save As".
  virtual QString SaveFileName(QWidget *parent, const QString &filter, const QString &folder,
                               const QString &proposedName, const QString &title = {}) = 0;
  // The printer dialog; false when cancelled.
  virtual bool SetUpPrinter(QWidget *parent, QPrinter &printer) = 0;
  virtual bool PrinterInstalled() = 0;
  // With no printer installed: what to do instead.
  enum class NoPrinterChoice { Preview, Pdf, Cancel };
  virtual NoPrinterChoice NoPrinter(QWidget *parent) = 0;
  // A serial device path; empty when cancelled.
  virtual QString DevicePath(QWidget *parent, const QString &current) = 0;
  // Opens the folder in the desktop's file manager; false when that failed.
  virtual bool ShowFolder(QWidget *parent, const QString &folder);
  // The paper printed on: the default printer's, else the locale's (Letter in
  // the United States and Canada, A4 elsewhere).
  virtual QPageSize::PageSizeId Paper();

  // frmMmsiConfirm: the own MMSI asked for again before `typed` (nine digits)
  // is stored. `info` is the kind and country of what was typed; `typed`
  // itself is not shown, so the second typing is a real one.
  enum class Repeat { Same, Different, Cancelled };
  virtual Repeat RepeatOwnMmsi(QWidget *parent, const QString &typed, const QString &info);
  // frmCheck: the findings of the check, with Program Anyway and Cancel
  // before programming, else with Close. `note` says what the check could not
  // look at (empty for nothing).
  struct FindingsAnswer {
    enum class Choice { Close, ProgramAnyway, ShowLine };
    Choice choice = Choice::Close;
    int line = -1; // ShowLine: the finding whose line was double-clicked
  };
  virtual FindingsAnswer ShowFindings(QWidget *parent, const std::vector<Finding> &findings,
                                      const QString &note, bool beforeProgram);
  // The backup list of Restore Backup; the file chosen, empty when cancelled.
  // `showFolder` is its Show in Folder button.
  virtual QString ChooseBackup(QWidget *parent, const std::filesystem::path &folder,
                               const std::function<void()> &showFolder) = 0;
};

class QtDialogs : public UiDialogs {
public:
  QString OpenFileName(QWidget *parent, const QString &filter, const QString &folder) override;
  QString SaveFileName(QWidget *parent, const QString &filter, const QString &folder,
                       const QString &proposedName, const QString &title = {}) override;
  bool SetUpPrinter(QWidget *parent, QPrinter &printer) override;
  bool PrinterInstalled() override;
  NoPrinterChoice NoPrinter(QWidget *parent) override;
  QString DevicePath(QWidget *parent, const QString &current) override;
  QPageSize::PageSizeId Paper() override;
  QString ChooseBackup(QWidget *parent, const std::filesystem::path &folder,
                       const std::function<void()> &showFolder) override;
};

} // namespace kv508::ui
