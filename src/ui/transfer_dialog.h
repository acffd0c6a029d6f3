#pragma once

// frmRadio: one read, program, clear or compare operation on the radio per
// opening. After a run that failed it offers the run's serial trace.

#include "app/session.h"
#include "link/port.h"
#include "link/transfer.h"

#include <QDialog>

#include <functional>
#include <string>

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

  // Compare with Radio: gets the radio's image once it is read, with the radio
  // still connected; true programs the changes in the same connection.
  void SetCompareHandler(std::function<bool(const MemoryImage &)> handler) {
    compareHandler_ = std::move(handler);
  }
  // How Keep the Radio's Identity takes the radio's identity into the data.
  void SetIdentityTaker(std::function<void(const RadioIdentity &)> taker) {
    identityTaker_ = std::move(taker);
  }
  // Save Trace... after a run that failed: gets the trace as text.
  void SetTraceSaver(std::function<void(const std::string &)> saver) {
    traceSaver_ = std::move(saver);
  }

signals:
  void HelpRequested();

public slots:
  void reject() override;

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void OnOk();
  // After the compare read: the comparison, then maybe its changes.
  TransferResult AfterCompare(TransferSession &transfer);
  void SetRunning(bool running);
  void SetMode(int mode);
  void ShowSaveTrace(bool shown);
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
  std::function<bool(const MemoryImage &)> compareHandler_;
  std::function<void(const RadioIdentity &)> identityTaker_;
  std::function<void(const std::string &)> traceSaver_;
  std::string trace_; // of the last run

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
  QPushButton *saveTrace_;
  QCheckBox *verify_;
};

} // namespace kv508::ui
