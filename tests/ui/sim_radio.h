#pragma once

// A main window over the in-process simulated radio, and transfers run from it.

#include "sim/sim_port.h"
#include "ui_test_support.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace kv508::testing {

// Puts the in-process simulated radio behind the window's port and chooses it.
inline sim::SimPort *AttachSimulatedRadio(WindowFixture &f) {
  auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::Unpaced);
  sim::SimPort *radio = port.get();
  f.Window().ports().SetSimulatedRadio(std::move(port));
  f.Action("mnuComSim")->trigger();
  return radio;
}

// Runs `start`, which opens the modal transfer dialog. Once the dialog is up
// `inDialog` sees it, then OK is pressed (when `pressOk`), and Cancel if it is
// still up, so that a transfer that does not end fails the test instead of
// hanging it. False when no dialog came.
inline bool RunTransfer(WindowFixture &f, const std::function<void()> &start,
                        std::function<void(QDialog &)> inDialog = {}, bool pressOk = true) {
  auto seen = std::make_shared<bool>(false);
  QTimer::singleShot(0, &f.Window(), [&f, seen, inDialog, pressOk] {
    auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmRadio"));
    if (!d)
      return;
    *seen = true;
    if (inDialog)
      inDialog(*d);
    if (pressOk && d->isVisible())
      d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    if (d->isVisible())
      d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
  });
  start();
  return *seen;
}

} // namespace kv508::testing
