#pragma once

// frmPrn: the text image of the report, built once the window is visible, and
// saved from there as a .txt file. The text is shown, not edited: what is saved
// is the report as built.

#include "app/session.h"

#include <QDialog>

class QPlainTextEdit;
class QTimer;

namespace kv508::ui {

class FilePlaces;
class UiDialogs;
class UiHost;

class ReportWindow : public QDialog {
  Q_OBJECT
public:
  ReportWindow(Session &session, UiHost &host, UiDialogs &dialogs, FilePlaces &places,
               QWidget *parent = nullptr);

  void BuildTextImage();
  // File > Save: false when cancelled or failed.
  bool SaveText();

protected:
  void showEvent(QShowEvent *event) override;

private:
  Session &session_;
  UiHost &host_;
  UiDialogs &dialogs_;
  FilePlaces &places_;
  QPlainTextEdit *text_;
  QTimer *timer_;
};

} // namespace kv508::ui
