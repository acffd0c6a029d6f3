#include "report/diff.h"

#include "files/dat_keys.h"
#include "model/convert.h"
#include "report/report_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace kv508 {

namespace {

std::string Quote(const std::string &text) {
  std::string out = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Raw(long long v) { return std::to_string(v); }

// The shortest text that reads back as the same double.
std::string Raw(double v) {
  std::array<char, 64> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
  return std::string(buffer.data(), result.ptr);
}

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
bool Same(long long a, long long b) { return a == b; }

class Differ {
public:
  explicit Differ(const ModelInfo &model) : model_(model) {}

  std::vector<std::string> Run(const RadioData &a, const RadioData &b) {
    Groups(a, b);
    Common(a.Common, b.Common);
    DscBasic(a.DscBasic, b.DscBasic);
    DscAdvanced(a.DscAdvanced, b.DscAdvanced);
    DscDisplay(a.DscDisplay, b.DscDisplay);
    if (model_.AtisCapable)
      Atis(a, b);
    PlanBank("CHUSA", a.CHUSA, b.CHUSA);
    PlanBank("CHINT", a.CHINT, b.CHINT);
    PlanBank("CHCAN", a.CHCAN, b.CHCAN);
    Weather(a.CHWX, b.CHWX);
    DirectoryList("CHMMSID", a.CHMMSID, b.CHMMSID);
    DirectoryList("CHGRPID", a.CHGRPID, b.CHGRPID);
    Expansion(a.CHEXP, b.CHEXP);
    return std::move(lines_);
  }

private:
  void Emit(const std::string &path, const std::string &from, const std::string &to) {
    lines_.push_back(path + ": " + from + " -> " + to);
  }

  void Text(const std::string &path, const std::string &a, const std::string &b) {
    if (a != b)
      Emit(path, Quote(a), Quote(b));
  }

  // A value shown through its report text; the stored value is added to an empty
  // text and to both when the two texts alone would not tell the values apart.
  template <typename T, typename Format>
  void Value(const std::string &path, T a, T b, Format format) {
    if (Same(a, b))
      return;
    const std::string ta = format(a);
    const std::string tb = format(b);
    const bool ambiguous = ta == tb;
    auto side = [&](const std::string &text, T value) {
      if (ambiguous || text.empty())
        return Quote(text) + " (" + Raw(value) + ")";
      return Quote(text);
    };
    Emit(path, side(ta, a), side(tb, b));
  }

  void Number(const std::string &path, long long a, long long b) {
    Value(path, a, b, [](long long v) { return std::to_string(v); });
  }
  void Choice(const std::string &path, int a, int b, std::string (*format)(int)) {
    Value(path, static_cast<long long>(a), static_cast<long long>(b),
          [format](long long v) { return format(static_cast<int>(v)); });
  }
  void Flag(const std::string &path, bool a, bool b) {
    if (a != b)
      Emit(path, Quote(OnOffText(a)), Quote(OnOffText(b)));
  }
  void LowHi(const std::string &path, bool a, bool b) {
    if (a != b)
      Emit(path, Quote(LowHiText(a)), Quote(LowHiText(b)));
  }
  void Frequency(const std::string &path, double a, double b) {
    Value(path, a, b, [](double v) { return FormatFreq4(v); });
  }

  template <std::size_t N>
  void Flags(const std::string &path, const std::array<bool, N> &a, const std::array<bool, N> &b,
             std::size_t count = N) {
    for (std::size_t k = 0; k < count; ++k)
      Flag(path + "[" + std::to_string(k) + "]", a[k], b[k]);
  }

  void Groups(const RadioData &a, const RadioData &b) {
    constexpr std::array<const char *, 4> kNames{"Group1", "Group2", "Group3", "ExpCH"};
    auto item = [&](std::size_t k) { return std::string("ChannelGroups ") + kNames[k] + " "; };
    const auto &ga = a.ChannelGroups;
    const auto &gb = b.ChannelGroups;
    for (std::size_t k = 0; k < 4; ++k)
      Flag(item(k) + "Enable", ga[k].Enable, gb[k].Enable);
    for (std::size_t k = 0; k < 4; ++k) {
      Value(item(k) + "PriorityCh", static_cast<long long>(ga[k].PriorityCh),
            static_cast<long long>(gb[k].PriorityCh),
            [](long long p) { return PriorityChText(static_cast<std::int32_t>(p)); });
    }
    for (std::size_t k = 0; k < 4; ++k)
      Text(item(k) + "StatusName", ga[k].StatusName, gb[k].StatusName);
    Flags(item(3) + "ExpChGroup", ga[3].ExpChGroup, gb[3].ExpChGroup);
  }

  void Common(const CommonSetup &a, const CommonSetup &b) {
    const std::string p = "Common ";
    Choice(p + "TxPoDisplay", a.TxPoDisplay, b.TxPoDisplay, TxPoDisplayText);
    Flag(p + "Scan", a.Scan, b.Scan);
    Choice(p + "ResumeTime", a.ResumeTime, b.ResumeTime, ResumeTimeText);
    Flag(p + "PttScanClear", a.PttScanClear, b.PttScanClear);
    Flag(p + "DualWatch", a.DualWatch, b.DualWatch);
    if (a.TimeDisplay != b.TimeDisplay)
      Emit(p + "TimeDisplay", Quote(TimeDisplayText(a.TimeDisplay)),
           Quote(TimeDisplayText(b.TimeDisplay)));
    Choice(p + "OffsetTime", a.OffsetTime, b.OffsetTime, OffsetTimeText);
    if (a.Format != b.Format)
      Emit(p + "Format", Quote(TimeFormatText(a.Format)), Quote(TimeFormatText(b.Format)));
    Choice(p + "Weater", a.Weater, b.Weater, WeatherAlertText);
    Choice(p + "Sog", a.Sog, b.Sog, SogText);
    Choice(p + "Distance", a.Distance, b.Distance, DistanceText);
  }

  void DscBasic(const DscBasicSetup &a, const DscBasicSetup &b) {
    const std::string p = "DscBasic ";
    Flags(p + "DscGroup", a.DscGroup, b.DscGroup, 3); // the fourth is not a setting
    Text(p + "UserMmsi", a.UserMmsi, b.UserMmsi);
    for (std::size_t k = 0; k < 4; ++k) {
      const std::string index = "[" + std::to_string(k) + "]";
      Flag(p + "PosRequest" + index, a.PosRequest[k], b.PosRequest[k]);
      LowHi(p + "PosRequestTx" + index, a.PosRequestTx[k], b.PosRequestTx[k]);
    }
    Flags(p + "BeepOut", a.BeepOut, b.BeepOut);
  }

  void DscAdvanced(const DscAdvancedSetup &a, const DscAdvancedSetup &b) {
    for (const DatCallKind &call : kDatCallKinds) {
      for (std::size_t k = 0; k < 4; ++k) {
        const std::string index = "[" + std::to_string(k) + "]";
        const std::string name = std::string("DscAdvanced ") + call.field;
        Flag(name + index, (a.*call.rx)[k], (b.*call.rx)[k]);
        LowHi(name + "Tx" + index, (a.*call.tx)[k], (b.*call.tx)[k]);
      }
    }
  }

  void DscDisplay(const DscDisplaySetup &a, const DscDisplaySetup &b) {
    Flag("DscDisplay IndividualAckMenu", a[IndividualAckMenu], b[IndividualAckMenu]);
    Flag("DscDisplay IndividualAckMessageMenu", a[IndividualAckMessageMenu],
         b[IndividualAckMessageMenu]);
    Flag("DscDisplay PosRequestAckMenu", a[PosRequestAckMenu], b[PosRequestAckMenu]);
  }

  void Atis(const RadioData &a, const RadioData &b) {
    Flags("Atis UsableAtisChGroup", a.Atis.UsableAtisChGroup, b.Atis.UsableAtisChGroup);
    Text("Atis AtisCode", a.Atis.AtisCode, b.Atis.AtisCode);
    Flags("Atis UsableAtisKikkerChGroup", a.Atis.UsableAtisKikkerChGroup,
          b.Atis.UsableAtisKikkerChGroup);
    Numbered("AtisCallSign", a.AtisCallSigns, b.AtisCallSigns,
             [this](const std::string &p, const AtisCallSign &ra, const AtisCallSign &rb) {
               Text(p + "Mid", ra.Mid, rb.Mid);
               Text(p + "Disp", ra.Disp, rb.Disp);
             });
  }

  // The number of records both hold, counted from each one's lower bound; a
  // count that differs is a line of its own.
  template <typename T>
  int Shared(const std::string &scope, const BoundedArray<T> &a, const BoundedArray<T> &b) {
    if (a.Size() != b.Size())
      Emit(scope + " Records", Quote(std::to_string(a.Size())), Quote(std::to_string(b.Size())));
    return std::min(a.Size(), b.Size());
  }

  // Compares the records both hold: `fields` gets record k's path prefix from `label`.
  template <typename T, typename Label, typename Fields>
  void Records(const std::string &scope, const BoundedArray<T> &a, const BoundedArray<T> &b,
               Label label, Fields fields) {
    const int count = Shared(scope, a, b);
    for (int k = 0; k < count; ++k)
      fields(scope + " " + label(k) + " ", a[a.Lower() + k], b[b.Lower() + k]);
  }

  // Records named by their number, from 1.
  template <typename T, typename Fields>
  void Numbered(const std::string &scope, const BoundedArray<T> &a, const BoundedArray<T> &b,
                Fields fields) {
    Records(
        scope, a, b, [](int k) { return std::to_string(k + 1); }, fields);
  }

  using ChannelFlag = std::pair<const char *, bool ChannelRecord::*>;

  void ChannelFlags(const std::string &p, const ChannelRecord &a, const ChannelRecord &b,
                    std::initializer_list<ChannelFlag> flags) {
    for (const auto &[name, member] : flags)
      Flag(p + name, a.*member, b.*member);
  }

  void PlanBank(const std::string &scope, const ChannelBank &a, const ChannelBank &b) {
    auto label = [](int k) {
      const std::string label = ChannelLabel(k); // record k is ChannelTable slot k
      return label.empty() ? std::to_string(k) : label;
    };
    Records(scope, a, b, label,
            [this](const std::string &p, const ChannelRecord &ra, const ChannelRecord &rb) {
              Number(p + "Position", ra.Position, rb.Position);
              ChannelFlags(p, ra, rb,
                           {{"Enable", &ChannelRecord::Enable},
                            {"LowPower", &ChannelRecord::LowPower},
                            {"PowUp", &ChannelRecord::PowUp},
                            {"Duplex", &ChannelRecord::Duplex},
                            {"TxEnable", &ChannelRecord::TxEnable},
                            {"DispayA", &ChannelRecord::DispayA},
                            {"ScanMemory", &ChannelRecord::ScanMemory}});
              ScrambleAndTag(p, ra, rb);
            });
  }

  void ScrambleAndTag(const std::string &prefix, const ChannelRecord &a, const ChannelRecord &b) {
    if (model_.ScrambleCapable)
      Choice(prefix + "Scramble", a.Scramble, b.Scramble, ScrambleText);
    Text(prefix + "ChTag", a.ChTag, b.ChTag);
  }

  void Weather(const ChannelBank &a, const ChannelBank &b) {
    Numbered("CHWX", a, b,
             [this](const std::string &p, const ChannelRecord &ra, const ChannelRecord &rb) {
               ChannelFlags(p, ra, rb,
                            {{"Enable", &ChannelRecord::Enable},
                             {"ScanMemory", &ChannelRecord::ScanMemory}});
               Text(p + "ChTag", ra.ChTag, rb.ChTag);
             });
  }

  void DirectoryList(const std::string &scope, const Directory &a, const Directory &b) {
    Numbered(scope, a, b,
             [this](const std::string &p, const DirectoryEntry &ea, const DirectoryEntry &eb) {
               Flag(p + "Enable", ea.Enable, eb.Enable);
               Text(p + "TagName", ea.TagName, eb.TagName);
               Text(p + "Mmsid", ea.Mmsid, eb.Mmsid);
             });
  }

  void Expansion(const ChannelBank &a, const ChannelBank &b) {
    Numbered("CHEXP", a, b,
             [this](const std::string &p, const ChannelRecord &ra, const ChannelRecord &rb) {
               Flag(p + "Enable", ra.Enable, rb.Enable);
               Text(p + "CHDisplayL", ra.CHDisplayL, rb.CHDisplayL);
               Text(p + "CHDisplayR", ra.CHDisplayR, rb.CHDisplayR);
               Frequency(p + "Rxfreq", ra.Rxfreq, rb.Rxfreq);
               Frequency(p + "Txfreq", ra.Txfreq, rb.Txfreq);
               ChannelFlags(p, ra, rb,
                            {{"LowPower", &ChannelRecord::LowPower},
                             {"PowUp", &ChannelRecord::PowUp},
                             {"ScanMemory", &ChannelRecord::ScanMemory}});
               ScrambleAndTag(p, ra, rb);
             });
  }

  const ModelInfo &model_;
  std::vector<std::string> lines_;
};

} // namespace

std::vector<std::string> DiffSettings(const RadioData &a, const RadioData &b,
                                      const ModelInfo &model) {
  return Differ(model).Run(a, b);
}

} // namespace kv508
