#pragma once

// frmPrn: the text image of the report, built once the window is visible, and
// saved from there as a .txt file.

#include "app/session.h"

#include <QDialog>

class QPlainTextEdit;
class QTimer;

namespace kv508::ui {

class UiDialogs;

class ReportWindow : public QDialog {
  Q_OBJECT
public:
  ReportWindow(Session &session, UiDialogs &dialogs, QWidget *parent = nullptr);

  void BuildTextImage();
  // File > Save: false when cancelled or failed.
  bool SaveText();

protected:
  void showEvent(QShowEvent *event) override;

private:
  Session &session_;
  UiDialogs &dialogs_;
  QPlainTextEdit *text_;
  QTimer *timer_;
};

} // namespace kv508::ui
