#pragma once

// frmRadio: one read, program or clear operation on the radio per opening.

#include "app/session.h"
#include "link/port.h"
#include "link/transfer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kv508::ui {

class UiHost;

class TransferDialog : public QDialog {
  Q_OBJECT
public:
  TransferDialog(Session &session, UiHost &host, Port &port, int mode, QWidget *parent = nullptr);
  ~TransferDialog() override;

  // TransferSucceeded: the operation completed.
  bool Succeeded() const { return succeeded_; }
  void ShowProgress(int percent);

signals:
  void HelpRequested();

public slots:
  void reject() override;

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void OnOk();
  void OnCancel();
  void Monitor(const std::string &text);
  void PlacePictures();

  Session &session_;
  UiHost &host_;
  Port &port_;
  int mode_;
  bool succeeded_ = false;
  TransferSession *running_ = nullptr;

  QLabel *message_;
  QLabel *monitor_;
  QWidget *progress_;
  QWidget *percent_;
  QWidget *pictA_;
  QWidget *pictB_;
  QWidget *pictHandy_;
  QPushButton *ok_;
  QPushButton *cancel_;
  QPushButton *help_;
  QCheckBox *verify_;
};

} // namespace kv508::ui
