#include "report/report.h"

#include "image/layout.h"
#include "model/convert.h"
#include "report/report_values.h"

#include <array>
#include <cstddef>
#include <utility>

namespace kv508 {

namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;
constexpr double kValueX = 50.0;
constexpr double kSecondValueX = 80.0;

double GroupColumnX(int k) { return 50.0 + 30.0 * k; }

std::string Cut(const std::string &s, int width) {
  if (width > 0 && s.size() > static_cast<std::size_t>(width))
    return s.substr(0, static_cast<std::size_t>(width));
  return s;
}

// A field that reads the same in both renderings.
ReportField Field(const std::string &text, int width, double x) {
  ReportField f;
  f.imageText = text;
  f.printText = Cut(text, width);
  f.width = width;
  f.xMm = x;
  return f;
}

// A field whose paper text differs from its text-image text.
ReportField Field(const std::string &imageText, const std::string &printText, int width, double x) {
  ReportField f = Field(imageText, width, x);
  f.printText = Cut(printText, width);
  return f;
}

ReportField ImageOnlyField(const std::string &text, int width) {
  ReportField f = Field(text, width, 0.0);
  f.printed = false;
  return f;
}

// One column of a table section: heading title and rule (whose paper form may be
// shorter), text-image width of the row fields and paper position.
struct Column {
  const char *title;
  const char *rule;
  const char *printRule;
  int width;
  double x;
};

constexpr std::array<Column, 9> kBankColumns{{
    {"CH", "---", "---", 5, 0},
    {"RX(MHz)", "-------", "-------", 9, 12},
    {"TX(MHz)", "-------", "-------", 9, 29},
    {"TX", "--", "--", 4, 46},
    {"LOW", "---", "---", 5, 54},
    {"UP", "--", "--", 4, 63},
    {"DUP", "---", "---", 5, 71},
    {"MEM", "---", "---", 5, 80},
    {"CH Name", "------------", "------------", 12, 89},
}};

constexpr std::array<Column, 4> kWxColumns{{
    {"CH", "--", "--", 4, 0},
    {"ENABLE", "------", "-----", 8, 9},
    {"MEM", "---", "---", 5, 28},
    {"CH Name", "------------", "------------", 12, 40},
}};

// The memory ID and group ID tables differ in the title of the name column only.
constexpr std::array<Column, 3> DirectoryColumns(const char *nameTitle) {
  return {{
      {"No.", "---", "--", 5, 0},
      {nameTitle, "------------", "------------", 14, 19},
      {"MMSI", "---------", "---------", 9, 50},
  }};
}

constexpr std::array<Column, 9> kExpColumns{{
    {"CH", "--", "--", 4, 0},
    {"CHD", "---", "---", 5, 7},
    {"ENABLE", "------", "------", 8, 17},
    {"RX(MHz)", "--------", "--------", 10, 34},
    {"TX(MHz)", "--------", "--------", 10, 53},
    {"LOW", "---", "---", 5, 72},
    {"UP", "--", "--", 4, 82},
    {"MEM", "---", "---", 5, 89},
    {"CH Name", "------------", "------------", 12, 99},
}};

std::string OrHyphens(const std::string &text, int count) {
  return text.empty() ? std::string(static_cast<std::size_t>(count), '-') : text;
}

class Builder {
public:
  Builder(const RadioData &data, const ModelInfo &model) : data_(data), model_(model) {}

  Report Build() {
    PageHeader(false);
    UsableGroups();
    Common();
    DscBasic();
    DscAdvanced();
    DscDisplay();
    if (model_.AtisCapable)
      Atis();
    Bank(7, "##### Programable USA Channel #####", data_.CHUSA);
    Bank(8, "##### Programable International Channel #####", data_.CHINT);
    Bank(9, "##### Programable Canada Channel #####", data_.CHCAN);
    Weather();
    DirectorySection(11, "##### Memory ID Setting #####", "##### Memory ID #####", "Station Name",
                     data_.CHMMSID);
    DirectorySection(12, "##### Group ID Setting #####", "##### Group ID #####", "Group Name",
                     data_.CHGRPID);
    Expansion();
    return std::move(report_);
  }

private:
  ReportLine &Add(std::vector<ReportField> fields) {
    ReportLine line;
    line.section = section_;
    line.fields = std::move(fields);
    line.newPage = pendingNewPage_;
    pendingNewPage_ = false;
    report_.lines.push_back(std::move(line));
    return report_.lines.back();
  }

  void Blank() { Add({}); }
  void Title(const std::string &text) { Add({Field(text, 0, 0.0)}); }
  void Title(const std::string &imageText, const std::string &printText) {
    Add({Field(imageText, printText, 0, 0.0)});
  }

  // Every section after the first begins with a blank line.
  void StartSection(int section) {
    section_ = section;
    if (section > 1)
      Blank();
  }

  void PageHeader(bool newPage) {
    const int section = section_;
    section_ = 0;
    ReportLine &header = Add({Field(ModelName(model_.ModelVariant) + " Velmora", 0, 0.0)});
    header.inTextImage = false;
    header.pageHeader = true;
    header.newPage = newPage;
    Add({}).inTextImage = false;
    section_ = section;
  }

  // Label at x = 0, one value at 50 mm.
  void LabelValue(const std::string &label, const std::string &value, int valueWidth) {
    Add({Field(label, kLabelWidth, 0.0), Field(value, valueWidth, kValueX)});
  }

  // Label at x = 0 and up to four group columns at 50 + 30 k mm.
  void GroupRow(ReportField label, const std::vector<std::string> &values) {
    std::vector<ReportField> fields{std::move(label)};
    for (std::size_t k = 0; k < values.size(); ++k)
      fields.push_back(Field(values[k], kValueWidth, GroupColumnX(static_cast<int>(k))));
    Add(std::move(fields));
  }

  const std::string &StatusName(int group) const {
    return data_.ChannelGroups[static_cast<std::size_t>(group)].StatusName;
  }

  void UsableGroups() {
    StartSection(1);
    Title("##### Usable CH Group Setup #####");
    const auto &groups = data_.ChannelGroups;
    Add({Field("", kLabelWidth, 0.0), Field("Group1", kValueWidth, GroupColumnX(0)),
         Field("Group2", kValueWidth, GroupColumnX(1)),
         Field("Group3", kValueWidth, GroupColumnX(2)),
         Field("EXP CH", "Exp CH", kValueWidth, GroupColumnX(3))});
    std::vector<std::string> enable, priority, names, expGroups;
    for (int k = 0; k < 4; ++k) {
      const ChannelGroupSetup &group = groups[static_cast<std::size_t>(k)];
      enable.push_back(OnOffText(group.Enable));
      if (k < 3)
        priority.push_back(PriorityChText(group.PriorityCh));
      names.push_back(StatusNameReportText(group.StatusName));
    }
    for (bool sub : groups[3].ExpChGroup)
      expGroups.push_back(groups[3].Enable ? OnOffText(sub) : "---");
    GroupRow(Field("Enable", kLabelWidth, 0.0), enable);
    GroupRow(Field("Priority CH", kLabelWidth, 0.0), priority);
    GroupRow(Field("Status Name", "Status name", kLabelWidth, 0.0), names);
    GroupRow(Field("EXP CH", kLabelWidth, 0.0), expGroups);
  }

  void Common() {
    const CommonSetup &c = data_.Common;
    StartSection(2);
    Title("##### Common Setup #####");
    Title("[Starting TX Mode]");
    LabelValue("TX Po Display:", TxPoDisplayText(c.TxPoDisplay), kLabelWidth);
    Blank();
    Title("[Scanning Function]");
    LabelValue("SCAN:", OnOffText(c.Scan), kValueWidth);
    LabelValue("Resume Time:", ResumeTimeText(c.ResumeTime), kValueWidth);
    LabelValue("PTT SCAN Clear:", OnOffText(c.PttScanClear), kValueWidth);
    LabelValue("Dual Watch:", OnOffText(c.DualWatch), kValueWidth);
    Blank();
    Title("[Time Setup]");
    LabelValue("Time Display:", TimeDisplayText(c.TimeDisplay), kValueWidth);
    LabelValue("Offset Time:", OffsetTimeText(c.OffsetTime), kValueWidth);
    LabelValue("Format:", TimeFormatText(c.Format), kValueWidth);
    Blank();
    Title("[Weather CH Function]");
    LabelValue("Weather Alert:", WeatherAlertText(c.Weater), kLabelWidth);
    Blank();
    Title("[Units of Measure]");
    LabelValue("SOG:", SogText(c.Sog), kLabelWidth);
    LabelValue("Distance:", DistanceText(c.Distance), kLabelWidth);
  }

  void DscBasic() {
    const DscBasicSetup &dsc = data_.DscBasic;
    StartSection(3);
    Title("##### DSC Setup (Basic Setup) #####");
    Title("[Usable DSC CH Group]");
    for (int k = 0; k < 3; ++k)
      LabelValue(StatusName(k) + ":", OnOffText(dsc.DscGroup[static_cast<std::size_t>(k)]), 20);
    Blank();
    const std::string count = std::to_string(data_.Image[layout::kUserMmsiCount]);
    Add({Field("User MMSI:", kLabelWidth, 0.0), Field(dsc.UserMmsi, 12, kValueX),
         Field("----- " + LabelField("Count", 7), "----- Count", 0, kSecondValueX),
         Field(count, 0, GroupColumnX(2))});
    LabelValue("Distress Cancel Call:", OnOffText(dsc.PosRequest[0]), kValueWidth);
    Blank();
    Title("[DSC Beep Output]");
    struct Beep {
      const char *imageLabel;
      const char *printLabel;
    };
    constexpr std::array<Beep, 7> kBeeps{{
        {"Send Distress Alert:", "Send Distress Alert:"},
        {"Received All Ships:", "Received All Ships:"},
        {"Received Individual:", "Received Individual:"},
        {"Received Group:", "Received Group:"},
        {"Received Geografic:", "Received Geographic:"},
        {"Received POS Request:", "Received POS Request:"},
        {"Received POS Reporting:", "Received POS Reporting:"},
    }};
    for (std::size_t k = 0; k < kBeeps.size(); ++k) {
      Add({Field(kBeeps[k].imageLabel, kBeeps[k].printLabel, kLabelWidth, 0.0),
           Field(OnOffText(dsc.BeepOut[k]), kValueWidth, kValueX)});
    }
  }

  void DscAdvanced() {
    const DscAdvancedSetup &a = data_.DscAdvanced;
    struct Call {
      const char *title;
      const std::array<bool, 4> &on;
      const std::array<bool, 4> &hi;
    };
    const std::array<Call, 5> calls{{
        {"[All Ships Call]", a.AllShipsCall, a.AllShipsCallTx},
        {"[Group Call]", a.GroupCall, a.GroupCallTx},
        {"[Individual Call]", a.IndividualCall, a.IndividualCallTx},
        {"[PositionRequest Call]", a.PositionRequestCall, a.PositionRequestCallTx},
        {"[PositionReport Call]", a.PositionReportCall, a.PositionReportCallTx},
    }};
    constexpr std::array<const char *, 4> kCategories{
        "Distress:", "Urgency:", "Safty:", "Routine:"};
    StartSection(4);
    Title("##### DSC Setup (Advanced Setup) #####");
    for (std::size_t c = 0; c < calls.size(); ++c) {
      if (c > 0)
        Blank();
      Title(calls[c].title);
      for (std::size_t k = 0; k < kCategories.size(); ++k) {
        Add({Field(kCategories[k], kLabelWidth, 0.0),
             Field(OnOffText(calls[c].on[k]), kValueWidth, kValueX),
             Field(LowHiText(calls[c].hi[k]), kValueWidth, kSecondValueX)});
      }
    }
  }

  void DscDisplay() {
    StartSection(5);
    Title("##### DSC Setup (Display Setup) #####");
    const DscDisplaySetup &d = data_.DscDisplay;
    LabelValue("Individual ACK Menu:", OnOffText(d[IndividualAckMenu]), kValueWidth);
    LabelValue("Individual ACK Message Menu:", OnOffText(d[IndividualAckMessageMenu]), kValueWidth);
    LabelValue("POS Request ACK Menu:", OnOffText(d[PosRequestAckMenu]), kValueWidth);
  }

  void Atis() {
    pendingNewPage_ = true; // a page of its own, without a header
    StartSection(6);
    Title("##### ATIS Setup (Common) #####");
    std::vector<std::string> names, usable;
    for (int k = 0; k < 4; ++k) {
      names.push_back(StatusName(k));
      usable.push_back(OnOffText(data_.Atis.UsableAtisChGroup[static_cast<std::size_t>(k)]));
    }
    GroupRow(Field("", kLabelWidth, 0.0), names);
    GroupRow(Field("Usable ATIS CH Group:", kLabelWidth, 0.0), usable);
    LabelValue("ATIS Code:", data_.Atis.AtisCode, kValueWidth);
  }

  // Banner, heading and rule of a table section on a page of its own.
  template <std::size_t N>
  void TableStart(int section, const std::string &banner, const std::string &printBanner,
                  const std::array<Column, N> &columns) {
    PageHeader(true);
    StartSection(section);
    Title(banner, printBanner);
    std::vector<ReportField> heading, rule;
    for (std::size_t k = 0; k < N; ++k) {
      const int width = k + 1 < N ? columns[k].width : 0; // the last title is not blank-filled
      heading.push_back(Field(columns[k].title, width, columns[k].x));
      rule.push_back(Field(columns[k].rule, columns[k].printRule, width, columns[k].x));
    }
    Add(std::move(heading));
    Add(std::move(rule));
  }

  // A row of values in the columns; the scramble text, when given, stands in the
  // text image only, before the last column.
  template <std::size_t N>
  void TableRow(const std::array<Column, N> &columns, const std::array<std::string, N> &values,
                const std::string *scramble) {
    std::vector<ReportField> fields;
    for (std::size_t k = 0; k < N; ++k) {
      if (k + 1 == N && scramble)
        fields.push_back(ImageOnlyField(*scramble, 4));
      fields.push_back(Field(values[k], columns[k].width, columns[k].x));
    }
    Add(std::move(fields));
  }

  void Bank(int section, const std::string &banner, const ChannelBank &bank) {
    TableStart(section, banner, banner, kBankColumns);
    for (const ChannelRecord &r : bank) {
      if (!r.Enable)
        continue;
      const std::string scramble = ScrambleText(r.Scramble);
      TableRow(kBankColumns,
               {ChannelLabel(r.Position), BankRxText(r), BankTxText(r), TxFlagText(r.TxEnable),
                LowPowerText(r.LowPower), PowUpText(r.PowUp), DuplexText(r.Duplex),
                ScanMemoryText(r.ScanMemory), r.ChTag},
               &scramble);
    }
  }

  void Weather() {
    TableStart(10, "##### Programable Wx Channel #####", "##### Programable WX Channel #####",
               kWxColumns);
    int number = 0;
    for (const ChannelRecord &r : data_.CHWX) {
      TableRow(
          kWxColumns,
          {std::to_string(++number), EnableText(r.Enable), ScanMemoryText(r.ScanMemory), r.ChTag},
          nullptr);
    }
  }

  void DirectorySection(int section, const std::string &banner, const std::string &printBanner,
                        const char *nameTitle, const Directory &directory) {
    const std::array<Column, 3> columns = DirectoryColumns(nameTitle);
    TableStart(section, banner, printBanner, columns);
    for (int i = directory.Lower(); i <= directory.Upper(); ++i) {
      const DirectoryEntry &e = directory[i];
      TableRow(columns, {std::to_string(i), OrHyphens(e.TagName, 12), OrHyphens(e.Mmsid, 9)},
               nullptr);
    }
  }

  void Expansion() {
    TableStart(13, "##### Programable Exp Channel #####", "##### Programable EXP Channel #####",
               kExpColumns);
    int number = 0;
    for (const ChannelRecord &r : data_.CHEXP) {
      const std::string scramble = ScrambleText(r.Scramble);
      TableRow(kExpColumns,
               {std::to_string(++number), ChdText(r), EnableText(r.Enable), FormatFreq4(r.Rxfreq),
                FormatFreq4(r.Txfreq), LowPowerText(r.LowPower), PowUpText(r.PowUp),
                ScanMemoryText(r.ScanMemory), OrHyphens(r.ChTag, 12)},
               &scramble);
    }
  }

  const RadioData &data_;
  const ModelInfo &model_;
  Report report_;
  int section_ = 1;
  bool pendingNewPage_ = false;
};

} // namespace

Report BuildReport(const RadioData &data, const ModelInfo &model) {
  return Builder(data, model).Build();
}

} // namespace kv508
