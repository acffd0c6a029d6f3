#pragma once

// frmCheck: the findings of the check in lstFindings, one line each, errors
// with the critical icon and warnings with the warning icon. Before
// programming it offers Program Anyway and Cancel, at any other time Close. A
// line double-clicked closes the list so that its screen can be shown.

#include "ui/ui_dialogs.h"
#include <QCoreApplication>

#include <QDialog>

#include <vector>

class QListWidget;

namespace kv508::ui {

class CheckDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(CheckDialog)

public:
  CheckDialog(const std::vector<Finding> &findings, const QString &note, bool beforeProgram,
              QWidget *parent = nullptr);
  UiDialogs::FindingsAnswer Answer() const { return answer_; }

private:
  void Choose(UiDialogs::FindingsAnswer::Choice choice, int line = -1);

  QListWidget *list_;
  UiDialogs::FindingsAnswer answer_;
};

// "2 errors and 1 warning", "1 warning".
QString FindingsCount(const std::vector<Finding> &findings);

} // namespace kv508::ui
