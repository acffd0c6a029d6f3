#include "ui/port_menu.h"

#include "app/config.h"
#include "app/session.h"
#include "app/user_prefs.h"
#include "link/qt_serial_port.h"
#include "ui/ui_dialogs.h"

#include <QAction>
#include <QMenu>

namespace kv508::ui {

PortMenu::PortMenu(Session &session, UiDialogs &dialogs, QMenu *menu, bool lowSpeedLink,
                   std::function<void(const QString &)> shown, QWidget *window)
    : QObject(menu), session_(session), dialogs_(dialogs), menu_(menu), window_(window),
      shown_(std::move(shown)), provider_(lowSpeedLink) {
  for (int i = 0; i < 16; ++i) {
    QAction *a = menu_->addAction(QString());
    a->setObjectName(QStringLiteral("mnuCom_%1").arg(i));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] { ChoosePort(i); });
    numbered_[static_cast<std::size_t>(i)] = a;
  }
  menu_->addSeparator();
  device_ = menu_->addAction(tr("Other &device..."));
  device_->setObjectName(QStringLiteral("mnuComDevice"));
  device_->setCheckable(true);
  connect(device_, &QAction::triggered, this, &PortMenu::ChooseDevice);
  simulated_ = menu_->addAction(tr("Simulated &radio (built in)"));
  simulated_->setObjectName(QStringLiteral("mnuComSim"));
  simulated_->setCheckable(true);
  connect(simulated_, &QAction::triggered, this, &PortMenu::ChooseSimulatedRadio);
  connect(menu_, &QMenu::aboutToShow, this, &PortMenu::RefreshCaptions);
  RefreshCaptions();
}

void PortMenu::Restore(bool defaultToSimulatedRadio) {
  UserSettings &settings = session_.settings;
  SelectPort(session_, StoredComPort(settings) - 1, false);
  std::string source = prefs::PortSource(settings);
  if (source.empty() && defaultToSimulatedRadio && prefs::ComNumText(settings).empty())
    source = "sim";
  choice_.device = prefs::PortDevice(settings);
  choice_.number = session_.ComPort;
  choice_.source = source == "sim"                                 ? PortSource::Simulated
                   : source == "device" && !choice_.device.empty() ? PortSource::Device
                                                                   : PortSource::Numbered;
  Sync();
}

void PortMenu::ChoosePort(int menuIndex) {
  SelectPort(session_, menuIndex, true);
  choice_.source = PortSource::Numbered;
  choice_.number = session_.ComPort;
  Store();
  Sync();
}

void PortMenu::ChooseDevice() {
  const QString device = dialogs_.DevicePath(window_, QString::fromStdString(choice_.device));
  if (!device.isEmpty()) {
    choice_.source = PortSource::Device;
    choice_.device = device.toStdString();
    Store();
  }
  Sync();
}

void PortMenu::ChooseSimulatedRadio() {
  choice_.source = PortSource::Simulated;
  Store();
  Sync();
}

QString PortMenu::Name() const {
  switch (choice_.source) {
  case PortSource::Simulated:
    return tr("the simulated radio");
  case PortSource::Device:
    return QString::fromStdString(choice_.device);
  case PortSource::Numbered:
    break;
  }
  const QString com = QStringLiteral("COM%1").arg(session_.ComPort);
  const std::string device = DeviceForComNumber(session_.ComPort);
  if (device.empty() || QString::fromStdString(device) == com)
    return com;
  return QStringLiteral("%1 (%2)").arg(com, QString::fromStdString(device));
}

QString PortMenu::Description() const {
  if (choice_.source == PortSource::Simulated)
    return tr("(built in)");
  const std::string device =
      choice_.source == PortSource::Device ? choice_.device : DeviceForComNumber(session_.ComPort);
  if (device.empty())
    return tr("(not on this computer)");
  for (const SerialPortInfo &port : ListSerialPorts()) {
    if (port.systemLocation == device || port.portName == device)
      return QString::fromStdString(PortDetailsText(port));
  }
  return {};
}

void PortMenu::Store() {
  UserSettings &settings = session_.settings;
  prefs::SetPortSource(settings, choice_.source == PortSource::Simulated ? "sim"
                                 : choice_.source == PortSource::Device  ? "device"
                                                                         : "");
  if (!choice_.device.empty())
    prefs::SetPortDevice(settings, choice_.device);
}

void PortMenu::Sync() {
  const bool numbered = choice_.source == PortSource::Numbered;
  for (int i = 0; i < 16; ++i)
    numbered_[static_cast<std::size_t>(i)]->setChecked(numbered && session_.ComPort == i + 1);
  device_->setChecked(choice_.source == PortSource::Device);
  simulated_->setChecked(choice_.source == PortSource::Simulated);
  RefreshCaptions();
  QString text = Name();
  if (session_.state.DebugMode)
    text += QStringLiteral("  /D");
  if (session_.state.LowSpeedLink)
    text += QStringLiteral("  /E");
  shown_(text);
}

void PortMenu::RefreshCaptions() {
  // Entry N opens the N-th port the system lists (on Windows, COMn); the
  // caption says which one and what the system knows of it.
  const std::vector<SerialPortInfo> ports = ListSerialPorts();
  for (int i = 0; i < 16; ++i) {
    QString caption =
        i < 9 ? QStringLiteral("COM&%1").arg(i + 1) : QStringLiteral("COM%1").arg(i + 1);
    const SerialPortInfo *p = nullptr;
#ifdef Q_OS_WIN
    for (const SerialPortInfo &port : ports) {
      if (port.portName == "COM" + std::to_string(i + 1))
        p = &port;
    }
#else
    if (static_cast<std::size_t>(i) < ports.size())
      p = &ports[static_cast<std::size_t>(i)];
#endif
    if (p) {
      const std::string details = PortDetailsText(*p);
#ifndef Q_OS_WIN
      caption += QStringLiteral("\t") + QString::fromStdString(p->systemLocation);
      if (!details.empty())
        caption += QStringLiteral(" (%1)").arg(QString::fromStdString(details));
#else
      if (!details.empty())
        caption += QStringLiteral("\t") + QString::fromStdString(details);
#endif
    }
    numbered_[static_cast<std::size_t>(i)]->setText(caption);
  }
  QString device = tr("Other &device...");
  if (!choice_.device.empty())
    device += QStringLiteral("\t") + QString::fromStdString(choice_.device);
  device_->setText(device);
}

} // namespace kv508::ui
