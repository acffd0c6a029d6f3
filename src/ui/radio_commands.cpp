#include "ui/radio_commands.h"

#include "app/safe_save.h"
#include "app/session.h"
#include "diff/radio_compare.h"
#include "image/radio_ranges.h"
#include "link/transfer.h"
#include "ui/check_commands.h"
#include "ui/compare_window.h"
#include "ui/connection_dialog.h"
#include "ui/edit_controller.h"
#include "ui/file_commands.h"
#include "ui/file_places.h"
#include "ui/help_topics.h"
#include "ui/navigator.h"
#include "ui/node_keys.h"
#include "ui/transfer_dialog.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

namespace kv508::ui {

RadioCommands::RadioCommands(WindowParts parts, TransferPorts &ports, FileCommands &files,
                             Help help)
    : QObject(&parts.window), parts_(parts), ports_(ports), files_(files), help_(std::move(help)) {}

void RadioCommands::Program() {
  if (!parts_.navigator.CommitActiveEdit())
    return;
  if (!CheckBeforeProgram(parts_))
    return;
  // The radio's own MMSI is guarded inside the run, once the radio has been read.
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
void RadioCommands::Compare() {
  if (!parts_.navigator.CommitActiveEdit())
    return;
  CompareChoice choice = CompareChoice::Close;
  MemoryImage radio{};
  Run(kTransferCompare, [this, &choice, &radio](TransferDialog &dialog) {
    dialog.SetCompareHandler([this, &choice, &radio, &dialog](const MemoryImage &read) {
      radio = read;
      return ShowComparison(read, &dialog, choice);
    });
  });
  if (choice == CompareChoice::UseRadioValues)
    UseRadioValues(radio);
  parts_.refreshHexDump();
}

bool RadioCommands::ShowComparison(const MemoryImage &radio, QWidget *parent,
                                   CompareChoice &choice) {
  const Session &session = parts_.session;
  CompareWindow window(CompareWithRadio(session.data, radio, session.model), parent);
  window.SetTextSaver([this, &window](const std::string &text) { SaveText(&window, text); });
  window.exec();
  choice = window.Choice();
  return choice == CompareChoice::ProgramChanges;
}

void RadioCommands::UseRadioValues(const MemoryImage &radio) {
  if (!files_.SaveChangesFirst())
    return;
  Session &session = parts_.session;
  ReplacingData replacing(session);
  parts_.edits.Apply(
      {"Use the Radio's Values", FromQt(keys::kGeneral), ""},
      [&radio](RadioData &data) { TakeImageAsRead(data, radio); }, StepKind::Bulk);
  parts_.navigator.ShowGeneral();
}

void RadioCommands::KeepRadioIdentity(const RadioIdentity &identity) {
  parts_.edits.Apply(
      {kKeepIdentity, FromQt(keys::kDsc), "txtUserMMSI"},
      [&identity](RadioData &data) {
        data.DscBasic.UserMmsi = identity.mmsi;
        data.Atis.AtisCode = identity.atis;
      },
      StepKind::Edit);
}

bool RadioCommands::Clear(int mode, const EditPlace &place) {
  ReplacingData replacing(parts_.session);
  bool cleared = false;
  parts_.edits.Apply(
      place, [&](RadioData &) { cleared = Run(mode); }, StepKind::Bulk);
  return cleared;
}

void RadioCommands::TestConnection() {
  ConnectionDialog dialog(parts_.session, parts_.host, ports_, &parts_.window);
  dialog.SetTraceSaver([this, &dialog](const std::string &text) { SaveText(&dialog, text); });
  dialog.exec();
  parts_.ActivateAgain();
}

bool RadioCommands::Run(int mode, const std::function<void(TransferDialog &)> &setUp) {
  TransferDialog dialog(parts_.session, parts_.host, ports_, mode, &parts_.window);
  connect(&dialog, &TransferDialog::HelpRequested, this,
          [this, mode] { help_(kHelpTransfer, TransferCaption(mode)); });
  dialog.SetIdentityTaker([this](const RadioIdentity &identity) { KeepRadioIdentity(identity); });
  dialog.SetTraceSaver([this, &dialog](const std::string &text) { SaveText(&dialog, text); });
  if (setUp)
    setUp(dialog);
  dialog.exec();
  parts_.ActivateAgain();
  return dialog.Succeeded();
}

void RadioCommands::SaveText(QWidget *parent, const std::string &text) {
  const QString file = WithDefaultSuffix(
      parts_.dialogs.SaveFileName(parent, FilterFor(FileKind::Report),
                                  parts_.places.StartFolder(FileKind::Report), QString()),
      FileKind::Report);
  if (file.isEmpty())
    return;
  if (const std::error_code error = SafeWriteFile(PathFromQt(file), text)) {
    // The system's description is the message; the lines below say which file.
    MessageContext context(parts_.host, {.doing = "Saving " + FromQt(file), .why = {}});
    parts_.host.Message(Icon::Exclamation, parts_.session.state.TitleText, error.message(),
                        Buttons::Ok);
    return;
  }
  parts_.places.Remember(FileKind::Report, file);
}

} // namespace kv508::ui
