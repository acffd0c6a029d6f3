#include "app/config.h"
#include "app/new_data.h"
#include "files/dat_file.h"
#include "files/dat_index.h"
#include "files/dat_keys.h"
#include "files/dat_values.h"
#include "files/file_operation.h"

#include <cerrno>
#include <cmath>
#include <exception>
#include <new>

namespace kv508 {

namespace {

// Each assignment stands alone: a value that cannot be converted leaves its
// field as NewData set it, and reading goes on.
class DatApplier {
public:
  DatApplier(const DatIndex &index, Host &host) : index_(index), host_(host) {}

  void Flag(const std::string &section, const std::string &key, bool &field) const {
    if (auto v = ParseDatBoolean(index_.Value(section, key)))
      field = *v;
  }
  void Int16(const std::string &section, const std::string &key, std::int16_t &field) const {
    if (auto v = ParseDatInt16(index_.Value(section, key)))
      field = *v;
  }
  void Int32(const std::string &section, const std::string &key, std::int32_t &field) const {
    if (auto v = ParseDatInt32(index_.Value(section, key)))
      field = *v;
  }
  // A missing text key empties the field.
  void Text(const std::string &section, const std::string &key, std::string &field) const {
    field = std::string(index_.Value(section, key));
  }
  void Frequency(const std::string &section, const std::string &key, double &field) const {
    if (auto v = ParseDatFrequency(index_.Value(section, key)))
      field = *v;
  }
  std::string_view Raw(const std::string &section, const std::string &key) const {
    return index_.Value(section, key);
  }
  void Yield() const { host_.Yield(); }

private:
  const DatIndex &index_;
  Host &host_;
};

void ApplyGroups(const DatApplier &a, RadioData &data) {
  const std::string s = "Usable CH Group Setup";
  auto &groups = data.ChannelGroups;
  a.Flag(s, "Group1", groups[0].Enable);
  a.Flag(s, "Group2", groups[1].Enable);
  a.Flag(s, "Group3", groups[2].Enable);
  a.Flag(s, "Exp CH", groups[3].Enable);
  for (int g = 0; g < 4; ++g)
    a.Int32(s, "Priority CH " + std::to_string(g), groups[g].PriorityCh);
  for (int g = 0; g < 4; ++g)
    a.Text(s, "Status name " + std::to_string(g), groups[g].StatusName);
  for (int k = 0; k < 3; ++k)
    a.Flag(s, "Exp Ch Group " + std::to_string(k), groups[3].ExpChGroup[k]);
}

void ApplyCommon(const DatApplier &a, CommonSetup &c) {
  const std::string s = "Common Setup";
  a.Int16(s, "TX Po Display", c.TxPoDisplay);
  a.Flag(s, "SCAN", c.Scan);
  a.Int16(s, "Resume Time", c.ResumeTime);
  a.Flag(s, "PTT SCAN Clear", c.PttScanClear);
  a.Flag(s, "Dual Watch", c.DualWatch);
  a.Int16(s, "Offset Time", c.OffsetTime);
  a.Flag(s, "Time Display", c.TimeDisplay);
  a.Flag(s, "Format", c.Format);
  a.Int16(s, "Weater", c.Weater);
  a.Int16(s, "SOG", c.Sog);
  a.Int16(s, "Distance", c.Distance);
}

void ApplyDsc(const DatApplier &a, RadioData &data) {
  std::string s = "DSC Setup (Basic Setup)";
  DscBasicSetup &basic = data.DscBasic;
  for (int k = 0; k < 3; ++k)
    a.Flag(s, "Group" + std::to_string(k + 1), basic.DscGroup[k]);
  a.Text(s, "User MMSI", basic.UserMmsi);
  for (int k = 0; k < 4; ++k) {
    a.Flag(s, "PosRequest" + std::to_string(k), basic.PosRequest[k]);
    a.Flag(s, "PosRequestTX" + std::to_string(k), basic.PosRequestTx[k]);
  }
  for (int k = 0; k < 8; ++k)
    a.Flag(s, "BeepOut" + std::to_string(k), basic.BeepOut[k]);

  s = "DSC Setup (Advanced Setup)";
  for (const DatCallKind &kind : kDatCallKinds) {
    for (int k = 0; k < 4; ++k) {
      a.Flag(s, kind.key + std::to_string(k), (data.DscAdvanced.*kind.rx)[k]);
      a.Flag(s, kind.key + std::string("TX") + std::to_string(k), (data.DscAdvanced.*kind.tx)[k]);
    }
  }

  s = "DSC Setup (Display Setup)";
  a.Flag(s, "Individual ACK Menu", data.DscDisplay[IndividualAckMenu]);
  a.Flag(s, "Individual ACK Message Menu", data.DscDisplay[IndividualAckMessageMenu]);
  a.Flag(s, "POS Request ACK Menu", data.DscDisplay[PosRequestAckMenu]);
}

void ApplyAtis(const DatApplier &a, RadioData &data) {
  std::string s = "ATIS Setup (Common)";
  for (int k = 0; k < 4; ++k)
    a.Flag(s, "Usable ATIS CH Group" + std::to_string(k), data.Atis.UsableAtisChGroup[k]);
  a.Text(s, "Atis Code", data.Atis.AtisCode);
  for (int k = 0; k < 4; ++k)
    a.Flag(s, "Usable ATIS Kikker CH Group" + std::to_string(k),
           data.Atis.UsableAtisKikkerChGroup[k]);

  s = "ATIS Setup (Call Sign)";
  for (int i = data.AtisCallSigns.Lower(); i <= data.AtisCallSigns.Upper(); ++i) {
    a.Text(s, "MID" + std::to_string(i), data.AtisCallSigns[i].Mid);
    a.Text(s, "DISP" + std::to_string(i), data.AtisCallSigns[i].Disp);
  }
}

// Records are addressed by their Position, not by the section number; the
// sections must be numbered from 0 without a gap, the first missing one ends the bank.
// The keys that close both a plan and an expansion channel section.
void ApplyRecordTail(const DatApplier &a, const std::string &s, ChannelRecord &ch, bool scramble) {
  a.Flag(s, "ScanMemory", ch.ScanMemory);
  if (scramble)
    a.Int16(s, "Scramble", ch.Scramble);
  a.Text(s, "ChTag", ch.ChTag);
}

void ApplyPlanBank(const DatApplier &a, const std::string &prefix, ChannelBank &bank,
                   bool scramble) {
  for (long n = 0;; ++n) {
    const std::string s = prefix + std::to_string(n);
    std::string_view position = a.Raw(s, "Position");
    if (position.empty())
      break;
    std::optional<double> p = LeadingDatNumber(position);
    double index = p ? std::nearbyint(*p) : -1.0;
    if (p && index >= bank.Lower() && index <= bank.Upper()) {
      ChannelRecord &ch = bank[static_cast<int>(index)];
      ch.Position = static_cast<std::int16_t>(index);
      a.Flag(s, "Enable", ch.Enable);
      a.Flag(s, "LowPower", ch.LowPower);
      a.Flag(s, "PowUp", ch.PowUp);
      a.Flag(s, "Duplex", ch.Duplex);
      // A file cannot turn on duplex where the channel does not allow it.
      ch.Duplex = ch.Duplex && ch.DuplexAllowed;
      a.Flag(s, "TxEnable", ch.TxEnable);
      a.Flag(s, "DispayA", ch.DispayA);
      ApplyRecordTail(a, s, ch, scramble);
    }
    a.Yield();
  }
}

void ApplyWxBank(const DatApplier &a, ChannelBank &bank) {
  for (int i = bank.Lower(); i <= bank.Upper(); ++i) {
    const std::string s = "CHWX" + std::to_string(i);
    a.Flag(s, "Enable", bank[i].Enable);
    a.Flag(s, "ScanMemory", bank[i].ScanMemory);
    a.Text(s, "ChTag", bank[i].ChTag);
    a.Yield();
  }
}

void ApplyDirectory(const DatApplier &a, const std::string &prefix, Directory &directory) {
  for (int i = directory.Lower(); i <= directory.Upper(); ++i) {
    const std::string s = prefix + std::to_string(i);
    a.Flag(s, "Enable", directory[i].Enable);
    a.Text(s, "TagName", directory[i].TagName);
    a.Text(s, "Mmsid", directory[i].Mmsid);
  }
}

void ApplyExpansionBank(const DatApplier &a, ChannelBank &bank, bool scramble) {
  int n = 1;
  for (ChannelRecord &ch : bank) {
    const std::string s = "CHEXP" + std::to_string(n++);
    a.Flag(s, "Enable", ch.Enable);
    a.Text(s, "CHDisplayL", ch.CHDisplayL);
    a.Text(s, "CHDisplayR", ch.CHDisplayR);
    a.Frequency(s, "Rxfreq", ch.Rxfreq);
    a.Frequency(s, "Txfreq", ch.Txfreq);
    a.Flag(s, "LowPower", ch.LowPower);
    a.Flag(s, "PowUp", ch.PowUp);
    ApplyRecordTail(a, s, ch, scramble);
    a.Yield();
  }
}

void ReportReadError(Session &session, int errorNumber) {
  ErrLog(session.state, session.programDir, "frmMain.FileRead2",
         ErrorText(errorNumber != 0 ? errorNumber : EIO));
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
  session.state.OperationFailed = true;
  session.state.OperationIncomplete = true;
}

} // namespace

bool CheckModelType(const std::filesystem::path &path, int modelVariant) {
  std::optional<std::int16_t> type =
      ParseDatInt16(TrimDatBlanks(IniRead(path, "MAIN", "MODELTYPE")));
  return type && *type == modelVariant;
}

void ApplyDatFile(Session &session, const DatFile &sections) {
  const DatIndex index(sections);
  const DatApplier a(index, session.host);
  RadioData &data = session.data;
  const ModelInfo &model = session.model;

  ApplyGroups(a, data);
  ApplyCommon(a, data.Common);
  ApplyDsc(a, data);
  if (model.AtisCapable)
    ApplyAtis(a, data);
  ApplyPlanBank(a, "CHUSA", data.CHUSA, model.ScrambleCapable);
  ApplyPlanBank(a, "CHINT", data.CHINT, model.ScrambleCapable);
  ApplyPlanBank(a, "CHCAN", data.CHCAN, model.ScrambleCapable);
  ApplyWxBank(a, data.CHWX);
  ApplyDirectory(a, "CHMMSID", data.CHMMSID);
  ApplyDirectory(a, "CHGRPID", data.CHGRPID);
  ApplyExpansionBank(a, data.CHEXP, model.ScrambleCapable);
}

bool FileRead2(Session &session, const std::filesystem::path &path) {
  AppState &state = session.state;
  state.OperationFailed = false;
  state.OperationIncomplete = true;
  BeginFileOperation(session);

  // Everything that can refuse the file runs before NewData, so a refused file
  // leaves the user's data as it was.
  std::string text;
  if (std::error_code loaded = LoadDatText(path, text)) {
    ReportReadError(session, loaded.value());
    FinishFileOperation(session);
    return false;
  }
  if (!CheckModelType(path, session.model.ModelVariant)) {
    session.host.Message(Icon::Critical, state.TitleText, "ModelType Error !!");
    state.OperationFailed = true;
    FinishFileOperation(session);
    return false;
  }

  try {
    NewData(session, true);
    state.Busy = true; // NewData ends by clearing it
    const DatFile sections = ParseDatText(text);
    text = std::string();
    ApplyDatFile(session, sections);
  } catch (const std::bad_alloc &) {
    ReportReadError(session, ENOMEM);
  } catch (const std::exception &) {
    ReportReadError(session, EIO);
  }

  if (!state.OperationFailed) {
    state.CurrentFilePath = path.string();
    session.Call(session.editor.RefillScreens);
    session.Call(session.editor.UpdateCaption);
    state.OperationIncomplete = false;
  }
  FinishFileOperation(session);
  return !state.OperationFailed;
}

} // namespace kv508
