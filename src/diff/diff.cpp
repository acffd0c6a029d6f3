#include "diff/diff.h"

#include "files/dat_fields.h"
#include "model/convert.h"
#include "report/report_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>
#include <variant>

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

  std::vector<SettingDifference> Run(const RadioData &a, const RadioData &b) {
    // The settings are only read through the field references.
    auto &ma = const_cast<RadioData &>(a);
    auto &mb = const_cast<RadioData &>(b);
    for (const DatSettingsSection &section : DatSettingsSections()) {
      if (section.atisOnly && !model_.AtisCapable)
        continue;
      for (const DatField &f : section.fields)
        Field(SectionPath(f.name), f.show, f.field(ma), f.field(mb));
    }
    if (model_.AtisCapable)
      Numbered("AtisCallSign", a.AtisCallSigns, b.AtisCallSigns, DatCallSignFields());
    PlanBank("CHUSA", a.CHUSA, b.CHUSA);
    PlanBank("CHINT", a.CHINT, b.CHINT);
    PlanBank("CHCAN", a.CHCAN, b.CHCAN);
    Numbered("CHWX", a.CHWX, b.CHWX, DatWeatherRecordFields());
    Numbered("CHMMSID", a.CHMMSID, b.CHMMSID, DatDirectoryFields());
    Numbered("CHGRPID", a.CHGRPID, b.CHGRPID, DatDirectoryFields());
    Numbered("CHEXP", a.CHEXP, b.CHEXP, DatExpansionRecordFields());
    return std::move(differences_);
  }

private:
  // Where a setting is: scope, item and field.
  struct Path {
    std::string scope, item, field;
  };

  // "SCOPE [ITEM ]FIELD" of the settings-file table.
  static Path SectionPath(const std::string &name) {
    const std::size_t first = name.find(' ');
    const std::size_t last = name.rfind(' ');
    if (first == std::string::npos)
      return {{}, {}, name};
    return {name.substr(0, first),
            first == last ? std::string() : name.substr(first + 1, last - first - 1),
            name.substr(last + 1)};
  }

  void Emit(const Path &path, const std::string &from, const std::string &to) {
    differences_.push_back({path.scope, path.item, path.field, from, to});
  }

  void Text(const Path &path, const std::string &a, const std::string &b) {
    if (a != b)
      Emit(path, Quote(a), Quote(b));
  }

  // A value shown through its report text; the stored value is added to an empty
  // text and to both when the two texts alone would not tell the values apart.
  template <typename T, typename Format> void Value(const Path &path, T a, T b, Format format) {
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

  void Number(const Path &path, long long a, long long b) {
    Value(path, a, b, [](long long v) { return std::to_string(v); });
  }
  void Choice(const Path &path, int a, int b, std::string (*format)(int)) {
    Value(path, static_cast<long long>(a), static_cast<long long>(b),
          [format](long long v) { return format(static_cast<int>(v)); });
  }
  void Flag(const Path &path, bool a, bool b) {
    if (a != b)
      Emit(path, Quote(OnOffText(a)), Quote(OnOffText(b)));
  }
  void LowHi(const Path &path, bool a, bool b) {
    if (a != b)
      Emit(path, Quote(LowHiText(a)), Quote(LowHiText(b)));
  }
  void Frequency(const Path &path, double a, double b) {
    Value(path, a, b, [](double v) { return FormatFreq4(v); });
  }

  void Field(const Path &path, DatShow show, DatRef a, DatRef b) {
    auto number = [](DatRef r) -> long long {
      if (auto *p = std::get_if<std::int16_t *>(&r))
        return **p;
      return *std::get<std::int32_t *>(r);
    };
    auto choice = [&](std::string (*format)(int)) {
      Choice(path, static_cast<int>(number(a)), static_cast<int>(number(b)), format);
    };
    switch (show) {
    case DatShow::OnOff:
      Flag(path, *std::get<bool *>(a), *std::get<bool *>(b));
      break;
    case DatShow::LowHi:
      LowHi(path, *std::get<bool *>(a), *std::get<bool *>(b));
      break;
    case DatShow::TimeDisplay:
    case DatShow::TimeFormat: {
      auto text = show == DatShow::TimeDisplay ? TimeDisplayText : TimeFormatText;
      if (*std::get<bool *>(a) != *std::get<bool *>(b))
        Emit(path, Quote(text(*std::get<bool *>(a))), Quote(text(*std::get<bool *>(b))));
      break;
    }
    case DatShow::Text:
      Text(path, *std::get<std::string *>(a), *std::get<std::string *>(b));
      break;
    case DatShow::Number:
      Number(path, number(a), number(b));
      break;
    case DatShow::Frequency:
      Frequency(path, *std::get<double *>(a), *std::get<double *>(b));
      break;
    case DatShow::PriorityCh:
      Value(path, number(a), number(b),
            [](long long p) { return PriorityChText(static_cast<std::int32_t>(p)); });
      break;
    case DatShow::TxPoDisplay:
      choice(TxPoDisplayText);
      break;
    case DatShow::ResumeTime:
      choice(ResumeTimeText);
      break;
    case DatShow::OffsetTime:
      choice(OffsetTimeText);
      break;
    case DatShow::WeatherAlert:
      choice(WeatherAlertText);
      break;
    case DatShow::Sog:
      choice(SogText);
      break;
    case DatShow::Distance:
      choice(DistanceText);
      break;
    case DatShow::Scramble:
      choice(ScrambleText);
      break;
    }
  }

  template <typename Record>
  void RecordFields(const Path &record, const Record &a, const Record &b,
                    const std::vector<DatRecordField<Record>> &fields) {
    auto &ma = const_cast<Record &>(a); // only read
    auto &mb = const_cast<Record &>(b);
    for (const DatRecordField<Record> &f : fields) {
      if (!f.scrambleOnly || model_.ScrambleCapable)
        Field({record.scope, record.item, f.name}, f.show, RecordRef(ma, f.member),
              RecordRef(mb, f.member));
    }
  }

  // The number of records both hold, counted from each one's lower bound; a
  // count that differs is a line of its own.
  template <typename T>
  int Shared(const std::string &scope, const BoundedArray<T> &a, const BoundedArray<T> &b) {
    if (a.Size() != b.Size())
      Emit({scope, {}, "Records"}, Quote(std::to_string(a.Size())),
           Quote(std::to_string(b.Size())));
    return std::min(a.Size(), b.Size());
  }

  // Compares the records both hold: `fields` gets record k's scope and item from `label`.
  template <typename T, typename Label, typename Fields>
  void Records(const std::string &scope, const BoundedArray<T> &a, const BoundedArray<T> &b,
               Label label, Fields fields) {
    const int count = Shared(scope, a, b);
    for (int k = 0; k < count; ++k)
      fields(Path{scope, label(k), {}}, a[a.Lower() + k], b[b.Lower() + k]);
  }

  // Records named by their number, from 1.
  template <typename Record>
  void Numbered(const std::string &scope, const BoundedArray<Record> &a,
                const BoundedArray<Record> &b, const std::vector<DatRecordField<Record>> &fields) {
    Records(
        scope, a, b, [](int k) { return std::to_string(k + 1); },
        [&](const Path &p, const Record &ra, const Record &rb) {
          RecordFields(p, ra, rb, fields);
        });
  }

  void PlanBank(const std::string &scope, const ChannelBank &a, const ChannelBank &b) {
    auto label = [](int k) {
      const std::string label = ChannelLabel(k); // record k is ChannelTable slot k
      return label.empty() ? std::to_string(k) : label;
    };
    Records(scope, a, b, label,
            [this](const Path &p, const ChannelRecord &ra, const ChannelRecord &rb) {
              RecordFields(p, ra, rb, DatPlanRecordFields());
            });
  }

  const ModelInfo &model_;
  std::vector<SettingDifference> differences_;
};

} // namespace

std::vector<SettingDifference> SettingDifferences(const RadioData &a, const RadioData &b,
                                                  const ModelInfo &model) {
  return Differ(model).Run(a, b);
}

std::string DiffLine(const SettingDifference &d) {
  std::string path;
  for (const std::string *part : {&d.scope, &d.item, &d.field}) {
    if (!part->empty())
      path += (path.empty() ? "" : " ") + *part;
  }
  return path + ": " + d.from + " -> " + d.to;
}

std::vector<std::string> DiffSettings(const RadioData &a, const RadioData &b,
                                      const ModelInfo &model) {
  std::vector<std::string> lines;
  for (const SettingDifference &difference : SettingDifferences(a, b, model))
    lines.push_back(DiffLine(difference));
  return lines;
}

} // namespace kv508
