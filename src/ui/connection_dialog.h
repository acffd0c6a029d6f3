#pragma once

// frmTestConnection (Options > Test Connection): opens the port chosen in
// Options > SerialPort and runs the handshake, the model check and the product
// check, each step with its result; on a failure the likely cause and its fix,
// and Save Trace... for a bug report.

#include "app/session.h"
#include "link/connection_test.h"
#include <QCoreApplication>

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kv508::ui {

class TransferPorts;
class UiHost;

class ConnectionDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(ConnectionDialog)

public:
  ConnectionDialog(Session &session, UiHost &host, TransferPorts &ports, QWidget *parent);

  // Save Trace...: gets the trace of the last test as text.
  void SetTraceSaver(std::function<void(const std::string &)> saver) { saver_ = std::move(saver); }
  // Runs the test (the Test button).
  void RunTest();
  const ConnectionDiagnosis &Diagnosis() const { return diagnosis_; }

  void reject() override;

private:
  void Show(const ConnectionDiagnosis &diagnosis);
  void ShowPort();

  Session &session_;
  UiHost &host_;
  TransferPorts &ports_;
  ConnectionTest *running_ = nullptr;
  ConnectionDiagnosis diagnosis_;
  std::string trace_;
  std::function<void(const std::string &)> saver_;
  QLabel *port_;
  QTreeWidget *steps_;
  QLabel *advice_;
  QPushButton *test_;
  QPushButton *saveTrace_;
  QPushButton *portButton_;
};

} // namespace kv508::ui
