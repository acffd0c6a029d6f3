#include "app/config.h"
#include "app/new_data.h"
#include "files/dat_fields.h"
#include "files/dat_file.h"
#include "files/dat_index.h"
#include "files/dat_values.h"
#include "files/file_operation.h"

#include <cerrno>
#include <cmath>
#include <exception>
#include <new>

namespace kv508 {

namespace {

// Each assignment stands alone: a value that cannot be converted leaves its
// field as NewData set it, and reading goes on. A missing text key empties the field.
void Apply(DatFormat format, std::string_view raw, DatRef field) {
  switch (format) {
  case DatFormat::Flag:
  case DatFormat::Truth:
    if (auto v = ParseDatBoolean(raw))
      *std::get<bool *>(field) = *v;
    break;
  case DatFormat::Int16:
    if (auto v = ParseDatInt16(raw))
      *std::get<std::int16_t *>(field) = *v;
    break;
  case DatFormat::Int32:
  case DatFormat::Priority:
    if (auto v = ParseDatInt32(raw))
      *std::get<std::int32_t *>(field) = *v;
    break;
  case DatFormat::Text:
  case DatFormat::Marked:
    *std::get<std::string *>(field) = std::string(raw);
    break;
  case DatFormat::Frequency:
    if (auto v = ParseDatFrequency(raw))
      *std::get<double *>(field) = *v;
    break;
  }
}

template <typename Record>
void ApplyRecord(const DatIndex::Keys *section, Record &record,
                 const std::vector<DatRecordField<Record>> &fields, bool scramble) {
  for (const DatRecordField<Record> &f : fields) {
    if (f.scrambleOnly && !scramble)
      continue;
    Apply(f.format, DatIndex::Value(section, f.key), RecordRef(record, f.member));
  }
}

void ApplyCallSigns(const DatIndex &index, RadioData &data) {
  const DatIndex::Keys *section = index.Section(kDatCallSignSection);
  for (int i = data.AtisCallSigns.Lower(); i <= data.AtisCallSigns.Upper(); ++i) {
    for (const CallSignField &f : DatCallSignFields())
      Apply(f.format, DatIndex::Value(section, f.key + std::to_string(i)),
            RecordRef(data.AtisCallSigns[i], f.member));
  }
}

// Records are addressed by their Position, not by the section number; the
// sections must be numbered from 0 without a gap, the first missing one ends the bank.
void ApplyPlanBank(const DatIndex &index, Host &host, const std::string &prefix, ChannelBank &bank,
                   bool scramble) {
  for (long n = 0;; ++n) {
    const DatIndex::Keys *section = index.Section(prefix + std::to_string(n));
    std::string_view position = DatIndex::Value(section, kDatPositionKey);
    if (position.empty())
      break;
    std::optional<double> p = LeadingDatNumber(position);
    double at = p ? std::nearbyint(*p) : -1.0;
    if (p && at >= bank.Lower() && at <= bank.Upper()) {
      ChannelRecord &ch = bank[static_cast<int>(at)];
      const std::int16_t kept = static_cast<std::int16_t>(at);
      ApplyRecord(section, ch, DatPlanRecordFields(), scramble);
      ch.Position = kept;
      // A file cannot turn on duplex where the channel does not allow it.
      ch.Duplex = ch.Duplex && ch.DuplexAllowed;
    }
    host.Yield();
  }
}

template <typename Record>
void ApplyNumbered(const DatIndex &index, Host &host, const std::string &prefix,
                   BoundedArray<Record> &records, const std::vector<DatRecordField<Record>> &fields,
                   bool scramble) {
  for (int i = records.Lower(); i <= records.Upper(); ++i) {
    ApplyRecord(index.Section(prefix + std::to_string(i)), records[i], fields, scramble);
    host.Yield();
  }
}

void ReportReadError(Session &session, const std::filesystem::path &path, std::error_code error) {
  const int errorNumber = error.value() != 0 ? error.value() : EIO;
  ErrLog(session.state, session.programDir, "frmMain.FileRead2", ErrorText(errorNumber));
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
  FileErrorReason(session.host, path, error);
  session.state.OperationFailed = true;
  session.state.OperationIncomplete = true;
}

} // namespace

bool CheckModelType(const std::string &text, int modelVariant) {
  std::optional<std::int16_t> type =
      ParseDatInt16(TrimDatBlanks(IniReadText(text, kDatMainSection, kDatModelTypeKey)));
  return type && *type == modelVariant;
}

void ApplyDatFile(Session &session, const DatFile &sections) {
  const DatIndex index(sections);
  RadioData &data = session.data;
  Host &host = session.host;
  const ModelInfo &model = session.model;
  const bool scramble = model.ScrambleCapable;

  for (const DatSettingsSection &section : DatSettingsSections()) {
    if (section.atisOnly && !model.AtisCapable)
      continue;
    const DatIndex::Keys *keys = index.Section(section.section);
    for (const DatField &f : section.fields)
      Apply(f.format, DatIndex::Value(keys, f.key), f.field(data));
  }
  if (model.AtisCapable)
    ApplyCallSigns(index, data);
  ApplyPlanBank(index, host, "CHUSA", data.CHUSA, scramble);
  ApplyPlanBank(index, host, "CHINT", data.CHINT, scramble);
  ApplyPlanBank(index, host, "CHCAN", data.CHCAN, scramble);
  ApplyNumbered(index, host, "CHWX", data.CHWX, DatWeatherRecordFields(), scramble);
  ApplyNumbered(index, host, "CHMMSID", data.CHMMSID, DatDirectoryFields(), scramble);
  ApplyNumbered(index, host, "CHGRPID", data.CHGRPID, DatDirectoryFields(), scramble);
  ApplyNumbered(index, host, "CHEXP", data.CHEXP, DatExpansionRecordFields(), scramble);
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
    ReportReadError(session, path, loaded);
    FinishFileOperation(session);
    return false;
  }
  if (!CheckModelType(text, session.model.ModelVariant)) {
    session.host.Message(Icon::Critical, state.TitleText, "ModelType Error !!");
    state.OperationFailed = true;
    FinishFileOperation(session);
    return false;
  }

  ReplacingData replacing(session);
  try {
    NewData(session, true);
    state.Busy = true; // NewData ends by clearing it
    const DatFile sections = ParseDatText(text);
    text = std::string();
    ApplyDatFile(session, sections);
  } catch (const std::bad_alloc &) {
    ReportReadError(session, path, std::make_error_code(std::errc::not_enough_memory));
  } catch (const std::exception &) {
    ReportReadError(session, path, std::make_error_code(std::errc::io_error));
  }

  if (!state.OperationFailed) {
    state.CurrentFilePath = path.string();
    state.OperationIncomplete = false;
  }
  FinishFileOperation(session);
  return !state.OperationFailed;
}

} // namespace kv508
