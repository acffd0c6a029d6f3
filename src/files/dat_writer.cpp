#include "app/safe_save.h"
#include "files/dat_file.h"
#include "files/dat_keys.h"
#include "files/dat_values.h"
#include "files/file_operation.h"

#include <cerrno>
#include <exception>
#include <new>

namespace kv508 {

namespace {

class DatWriter {
public:
  void Section(const std::string &name) { out_ += "[" + name + "]\r\n"; }
  void Text(const std::string &key, const std::string &value) {
    out_ += key;
    out_ += '=';
    out_ += value;
    out_ += "\r\n";
  }
  void Marked(const std::string &key, const std::string &value) { Text(key, "#" + value); }
  void Flag(const std::string &key, bool value) { Text(key, value ? "1" : "0"); }
  void Number(const std::string &key, long long value) { Text(key, std::to_string(value)); }
  void Truth(const std::string &key, bool value) { Text(key, value ? "True" : "False"); }
  // A frequency that has no decimal form (not finite) leaves its line out.
  void Frequency(const std::string &key, double mhz) {
    std::string text = FormatDatFrequency(mhz);
    if (!text.empty())
      Text(key, text);
  }

  std::string Take() { return std::move(out_); }

private:
  std::string out_;
};

void WriteMain(DatWriter &w, const ModelInfo &model) {
  w.Section("MAIN");
  w.Marked("MODEL", ModelName(model.ModelVariant));
  w.Marked("TYPE", "KMT");
  w.Marked("VERSION", "1.00");
  w.Number("MODELTYPE", model.ModelVariant);
}

void WriteGroups(DatWriter &w, const RadioData &data) {
  const auto &groups = data.ChannelGroups;
  w.Section("Usable CH Group Setup");
  w.Flag("Group1", groups[0].Enable);
  w.Flag("Group2", groups[1].Enable);
  w.Flag("Group3", groups[2].Enable);
  w.Flag("Exp CH", groups[3].Enable);
  // "No priority channel" stays in the file: a negative value (or the image's
  // 65535) is written as 65535, which reads back unchanged.
  for (int g = 0; g < 4; ++g)
    w.Number("Priority CH " + std::to_string(g),
             groups[g].PriorityCh < 0 ? 65535 : groups[g].PriorityCh);
  for (int g = 0; g < 4; ++g)
    w.Text("Status name " + std::to_string(g), groups[g].StatusName);
  for (int k = 0; k < 3; ++k)
    w.Truth("Exp Ch Group " + std::to_string(k), groups[3].ExpChGroup[k]);
}

void WriteCommon(DatWriter &w, const CommonSetup &c) {
  w.Section("Common Setup");
  w.Number("TX Po Display", c.TxPoDisplay);
  w.Flag("SCAN", c.Scan);
  w.Number("Resume Time", c.ResumeTime);
  w.Flag("PTT SCAN Clear", c.PttScanClear);
  w.Flag("Dual Watch", c.DualWatch);
  w.Number("Offset Time", c.OffsetTime);
  w.Flag("Time Display", c.TimeDisplay);
  w.Flag("Format", c.Format);
  w.Number("Weater", c.Weater);
  w.Number("SOG", c.Sog);
  w.Number("Distance", c.Distance);
}

void WriteDsc(DatWriter &w, const RadioData &data) {
  const DscBasicSetup &basic = data.DscBasic;
  w.Section("DSC Setup (Basic Setup)");
  for (int k = 0; k < 3; ++k)
    w.Flag("Group" + std::to_string(k + 1), basic.DscGroup[k]);
  w.Marked("User MMSI", basic.UserMmsi);
  for (int k = 0; k < 4; ++k) {
    w.Flag("PosRequest" + std::to_string(k), basic.PosRequest[k]);
    w.Flag("PosRequestTX" + std::to_string(k), basic.PosRequestTx[k]);
  }
  for (int k = 0; k < 8; ++k)
    w.Flag("BeepOut" + std::to_string(k), basic.BeepOut[k]);

  w.Section("DSC Setup (Advanced Setup)");
  for (const DatCallKind &kind : kDatCallKinds) {
    for (int k = 0; k < 4; ++k) {
      w.Flag(kind.key + std::to_string(k), (data.DscAdvanced.*kind.rx)[k]);
      w.Flag(kind.key + std::string("TX") + std::to_string(k), (data.DscAdvanced.*kind.tx)[k]);
    }
  }

  w.Section("DSC Setup (Display Setup)");
  w.Flag("Individual ACK Menu", data.DscDisplay[IndividualAckMenu]);
  w.Flag("Individual ACK Message Menu", data.DscDisplay[IndividualAckMessageMenu]);
  w.Flag("POS Request ACK Menu", data.DscDisplay[PosRequestAckMenu]);
}

void WriteAtis(DatWriter &w, const RadioData &data) {
  w.Section("ATIS Setup (Common)");
  for (int k = 0; k < 4; ++k)
    w.Flag("Usable ATIS CH Group" + std::to_string(k), data.Atis.UsableAtisChGroup[k]);
  w.Marked("Atis Code", data.Atis.AtisCode);
  for (int k = 0; k < 4; ++k)
    w.Flag("Usable ATIS Kikker CH Group" + std::to_string(k), data.Atis.UsableAtisKikkerChGroup[k]);

  w.Section("ATIS Setup (Call Sign)");
  for (int i = data.AtisCallSigns.Lower(); i <= data.AtisCallSigns.Upper(); ++i) {
    w.Text("MID" + std::to_string(i), data.AtisCallSigns[i].Mid);
    w.Text("DISP" + std::to_string(i), data.AtisCallSigns[i].Disp);
  }
}

// The keys that close both a plan and an expansion channel section.
void WriteRecordTail(DatWriter &w, const ChannelRecord &ch, const ModelInfo &model) {
  w.Flag("ScanMemory", ch.ScanMemory);
  if (model.ScrambleCapable)
    w.Number("Scramble", ch.Scramble);
  w.Marked("ChTag", ch.ChTag);
}

void WritePlanBank(DatWriter &w, const std::string &prefix, const ChannelBank &bank,
                   const ModelInfo &model) {
  int n = 0;
  for (const ChannelRecord &ch : bank) {
    w.Section(prefix + std::to_string(n++));
    w.Number("Position", ch.Position);
    w.Flag("Enable", ch.Enable);
    w.Flag("LowPower", ch.LowPower);
    w.Flag("PowUp", ch.PowUp);
    w.Flag("Duplex", ch.Duplex);
    w.Flag("TxEnable", ch.TxEnable);
    w.Flag("DispayA", ch.DispayA);
    WriteRecordTail(w, ch, model);
  }
}

void WriteWxBank(DatWriter &w, const ChannelBank &bank) {
  for (int i = bank.Lower(); i <= bank.Upper(); ++i) {
    w.Section("CHWX" + std::to_string(i));
    w.Flag("Enable", bank[i].Enable);
    w.Flag("ScanMemory", bank[i].ScanMemory);
    w.Marked("ChTag", bank[i].ChTag);
  }
}

void WriteDirectory(DatWriter &w, const std::string &prefix, const Directory &directory,
                    const std::function<void()> &perSection) {
  for (int i = directory.Lower(); i <= directory.Upper(); ++i) {
    w.Section(prefix + std::to_string(i));
    w.Flag("Enable", directory[i].Enable);
    w.Marked("TagName", directory[i].TagName);
    w.Text("Mmsid", directory[i].Mmsid);
    if (perSection)
      perSection();
  }
}

void WriteExpansionBank(DatWriter &w, const ChannelBank &bank, const ModelInfo &model) {
  int n = 1;
  for (const ChannelRecord &ch : bank) {
    w.Section("CHEXP" + std::to_string(n++));
    w.Flag("Enable", ch.Enable);
    w.Text("CHDisplayL", ch.CHDisplayL);
    w.Text("CHDisplayR", ch.CHDisplayR);
    w.Frequency("Rxfreq", ch.Rxfreq);
    w.Frequency("Txfreq", ch.Txfreq);
    w.Flag("LowPower", ch.LowPower);
    w.Flag("PowUp", ch.PowUp);
    WriteRecordTail(w, ch, model);
  }
}

} // namespace

std::string BuildDatText(const RadioData &data, const ModelInfo &model) {
  return BuildDatText(data, model, {});
}

std::string BuildDatText(const RadioData &data, const ModelInfo &model,
                         const std::function<void()> &perDirectorySection) {
  DatWriter w;
  WriteMain(w, model);
  WriteGroups(w, data);
  WriteCommon(w, data.Common);
  WriteDsc(w, data);
  if (model.AtisCapable)
    WriteAtis(w, data);
  WritePlanBank(w, "CHUSA", data.CHUSA, model);
  WritePlanBank(w, "CHINT", data.CHINT, model);
  WritePlanBank(w, "CHCAN", data.CHCAN, model);
  WriteWxBank(w, data.CHWX);
  WriteDirectory(w, "CHMMSID", data.CHMMSID, perDirectorySection);
  WriteDirectory(w, "CHGRPID", data.CHGRPID, perDirectorySection);
  WriteExpansionBank(w, data.CHEXP, model);
  return w.Take();
}

bool SaveFileAs(Session &session, const std::filesystem::path &path) {
  AppState &state = session.state;
  state.OperationFailed = false;
  BeginFileOperation(session);

  std::error_code written;
  try {
    std::string text = BuildDatText(session.data, session.model, [&] { session.host.Yield(); });
    written = SafeWriteFile(path, text);
  } catch (const std::bad_alloc &) {
    written = std::make_error_code(std::errc::not_enough_memory);
  }

  if (written) {
    ErrLog(state, session.programDir, "frmMain.SaveFileAs",
           ErrorText(written.value() != 0 ? written.value() : EIO));
    session.host.Message(Icon::Exclamation, state.TitleText, "FileSave Error!!");
    state.OperationFailed = true;
    state.OperationIncomplete = true;
  }
  FinishFileOperation(session);
  return !state.OperationFailed;
}

} // namespace kv508
