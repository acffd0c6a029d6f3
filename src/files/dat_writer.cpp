#include "app/safe_save.h"
#include "files/dat_fields.h"
#include "files/dat_file.h"
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

  void Value(const std::string &key, DatFormat format, DatRef field) {
    switch (format) {
    case DatFormat::Flag:
      Text(key, *std::get<bool *>(field) ? "1" : "0");
      break;
    case DatFormat::Truth:
      Text(key, *std::get<bool *>(field) ? "True" : "False");
      break;
    case DatFormat::Int16:
      Text(key, std::to_string(*std::get<std::int16_t *>(field)));
      break;
    case DatFormat::Int32:
      Text(key, std::to_string(*std::get<std::int32_t *>(field)));
      break;
    case DatFormat::Priority: {
      // "No priority channel" stays in the file: a negative value (or the image's
      // 65535) is written as 65535, which reads back unchanged.
      const std::int32_t p = *std::get<std::int32_t *>(field);
      Text(key, std::to_string(p < 0 ? 65535 : p));
      break;
    }
    case DatFormat::Text:
      Text(key, *std::get<std::string *>(field));
      break;
    case DatFormat::Marked:
      Text(key, "#" + *std::get<std::string *>(field));
      break;
    case DatFormat::Frequency: {
      // A frequency that has no decimal form (not finite) leaves its line out.
      const std::string text = FormatDatFrequency(*std::get<double *>(field));
      if (!text.empty())
        Text(key, text);
      break;
    }
    }
  }

  template <typename R>
  void Record(const R &record, const std::vector<DatRecordField<R>> &fields, bool scramble,
              const std::string &keySuffix = {}) {
    auto &source = const_cast<R &>(record); // only read through
    for (const DatRecordField<R> &f : fields) {
      if (!f.scrambleOnly || scramble)
        Value(f.key + keySuffix, f.format, RecordRef(source, f.member));
    }
  }

  std::string Take() { return std::move(out_); }

private:
  std::string out_;
};

void WriteMain(DatWriter &w, const ModelInfo &model) {
  w.Section(kDatMainSection);
  w.Text("MODEL", "#" + ModelName(model.ModelVariant));
  w.Text("TYPE", "#KMT");
  w.Text("VERSION", "#1.00");
  w.Text(kDatModelTypeKey, std::to_string(model.ModelVariant));
}

void WriteSettings(DatWriter &w, const RadioData &data, const ModelInfo &model) {
  auto &source = const_cast<RadioData &>(data); // only read
  for (const DatSettingsSection &section : DatSettingsSections()) {
    if (section.atisOnly && !model.AtisCapable)
      continue;
    w.Section(section.section);
    for (const DatField &f : section.fields)
      w.Value(f.key, f.format, f.field(source));
  }
  if (!model.AtisCapable)
    return;
  w.Section(kDatCallSignSection);
  for (int i = data.AtisCallSigns.Lower(); i <= data.AtisCallSigns.Upper(); ++i)
    w.Record(data.AtisCallSigns[i], DatCallSignFields(), false, std::to_string(i));
}

// Plan banks number their sections from 0 whatever the bank's bounds; the
// others carry the record's index.
void WritePlanBank(DatWriter &w, const std::string &prefix, const ChannelBank &bank,
                   const ModelInfo &model) {
  int n = 0;
  for (const ChannelRecord &ch : bank) {
    w.Section(prefix + std::to_string(n++));
    w.Record(ch, DatPlanRecordFields(), model.ScrambleCapable);
  }
}

template <typename Record>
void WriteNumbered(DatWriter &w, const std::string &prefix, const BoundedArray<Record> &records,
                   const std::vector<DatRecordField<Record>> &fields, bool scramble,
                   const std::function<void()> &perSection = {}) {
  for (int i = records.Lower(); i <= records.Upper(); ++i) {
    w.Section(prefix + std::to_string(i));
    w.Record(records[i], fields, scramble);
    if (perSection)
      perSection();
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
  WriteSettings(w, data, model);
  WritePlanBank(w, "CHUSA", data.CHUSA, model);
  WritePlanBank(w, "CHINT", data.CHINT, model);
  WritePlanBank(w, "CHCAN", data.CHCAN, model);
  WriteNumbered(w, "CHWX", data.CHWX, DatWeatherRecordFields(), false);
  WriteNumbered(w, "CHMMSID", data.CHMMSID, DatDirectoryFields(), false, perDirectorySection);
  WriteNumbered(w, "CHGRPID", data.CHGRPID, DatDirectoryFields(), false, perDirectorySection);
  WriteNumbered(w, "CHEXP", data.CHEXP, DatExpansionRecordFields(), model.ScrambleCapable);
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
    FileErrorReason(session.host, path, written);
    state.OperationFailed = true;
    state.OperationIncomplete = true;
  }
  FinishFileOperation(session);
  return !state.OperationFailed;
}

} // namespace kv508
