#include "ui/radio_commands.h"

#include "app/session.h"
#include "link/transfer.h"
#include "ui/check_commands.h"
#include "ui/edit_controller.h"
#include "ui/file_commands.h"
#include "ui/help_topics.h"
#include "ui/navigator.h"
#include "ui/transfer_dialog.h"

namespace kv508::ui {

RadioCommands::RadioCommands(WindowParts parts, TransferPorts &ports, FileCommands &files,
                             Help help)
    : QObject(&parts.window), parts_(parts), ports_(ports), files_(files), help_(std::move(help)) {}

void RadioCommands::Program() {
  if (!parts_.navigator.CommitActiveEdit())
    return;
  if (!CheckBeforeProgram(parts_))
    return;
  Run(kTransferProgram);
  parts_.refreshHexDump();
}

void RadioCommands::Read() {
  if (!parts_.navigator.CommitActiveEdit() || !files_.SaveChangesFirst())
    return;
  Session &session = parts_.session;
  // The window shows the radio's data once, when the read is done.
  ReplacingData replacing(session);
  if (!Run(kTransferRead))
    return;
  parts_.navigator.ShowGeneral();
  session.state.CurrentFilePath.clear();
  parts_.edits.Loaded();
}

void RadioCommands::CheckSettings() { ShowSettingsCheck(parts_); }

bool RadioCommands::Clear(int mode, const EditPlace &place) {
  ReplacingData replacing(parts_.session);
  bool cleared = false;
  parts_.edits.Apply(
      place, [&](RadioData &) { cleared = Run(mode); }, StepKind::Bulk);
  return cleared;
}

bool RadioCommands::Run(int mode) {
  TransferDialog dialog(parts_.session, parts_.host, ports_, mode, &parts_.window);
  connect(&dialog, &TransferDialog::HelpRequested, this,
          [this, mode] { help_(kHelpTransfer, TransferCaption(mode)); });
  dialog.exec();
  parts_.ActivateAgain();
  return dialog.Succeeded();
}

} // namespace kv508::ui
