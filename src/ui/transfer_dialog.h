#pragma once

// frmRadio: one read, program or clear operation on the radio per opening.

#include "app/session.h"
#include "link/port.h"
#include "link/transfer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace kv508::ui {

class UiHost;

// Where the dialog's port comes from: the current Options > SerialPort choice,
// which the dialog's "Change..." button may change while it is open.
class TransferPorts {
public:
  virtual ~TransferPorts() = default;
  // The port of the current choice; valid until the next call.
  virtual Port &Acquire() = 0;
  // "COM1 (/dev/ttyS0)", a device path or "the simulated radio".
  virtual QString Name() const = 0;
  // What the system says of the port (its description); may be empty.
  virtual QString Description() const = 0;
  virtual QMenu *Menu() = 0;
};

class TransferDialog : public QDialog {
  Q_OBJECT
public:
  TransferDialog(Session &session, UiHost &host, TransferPorts &ports, int mode,
                 QWidget *parent = nullptr);
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
  // Takes the port of the current choice and names it.
  void UsePort();
  void SetButtonsEnabled(bool enabled);

  Session &session_;
  UiHost &host_;
  TransferPorts &ports_;
  Port *port_ = nullptr;
  int mode_;
  bool succeeded_ = false;
  TransferSession *running_ = nullptr;

  QLabel *message_;
  QLabel *monitor_;
  QLabel *status_;
  QLabel *portLabel_;
  QWidget *progress_;
  QWidget *percent_;
  QWidget *percentText_;
  QWidget *pictA_;
  QWidget *pictB_;
  QWidget *pictHandy_;
  QPushButton *ok_;
  QPushButton *cancel_;
  QPushButton *help_;
  QPushButton *portButton_;
  QCheckBox *verify_;
};

} // namespace kv508::ui
