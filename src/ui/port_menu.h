#pragma once

// Options > SerialPort: the sixteen numbered entries (each naming the port the
// system lists at its place), a device path and the built-in simulated radio.
// The choice is kept per user and is the port the transfer dialog uses.

#include "ui/port_provider.h"
#include "ui/transfer_dialog.h"
#include <QCoreApplication>

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class UiDialogs;

class PortMenu : public QObject, public TransferPorts {
  Q_DECLARE_TR_FUNCTIONS(PortMenu)

public:
  // `shown` receives the status-bar text of the choice.
  PortMenu(Session &session, UiDialogs &dialogs, QMenu *menu, bool lowSpeedLink,
           std::function<void(const QString &)> shown, QWidget *window);

  // The stored choice; a computer without serial ports that never chose one
  // starts on the simulated radio.
  void Restore(bool defaultToSimulatedRadio);
  const PortChoice &Choice() const { return choice_; }
  PortProvider &Provider() { return provider_; }

  // TransferPorts
  Port &Acquire() override { return provider_.Acquire(choice_); }
  QString Name() const override;
  QString Description() const override;
  QMenu *Menu() override { return menu_; }

private:
  void ChoosePort(int menuIndex);
  void ChooseDevice();
  void ChooseSimulatedRadio();
  void Store();
  void Sync();
  void RefreshCaptions();

  Session &session_;
  UiDialogs &dialogs_;
  QMenu *menu_;
  QWidget *window_;
  std::function<void(const QString &)> shown_;
  PortProvider provider_;
  PortChoice choice_;
  std::array<QAction *, 16> numbered_{};
  QAction *device_ = nullptr;
  QAction *simulated_ = nullptr;
};

} // namespace kv508::ui
