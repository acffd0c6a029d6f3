#include "app/settings_snapshot.h"

#include <algorithm>
#include <bit>
#include <concepts>
#include <type_traits>

namespace kv508 {

namespace {

constexpr std::string_view kMagic = "KV508 snapshot 1\n";
// No bank, directory or text of the program comes near these; a damaged
// length must not make the reader allocate without end.
constexpr std::uint32_t kMaxItems = 4096;
constexpr std::uint32_t kMaxText = 1u << 20;

// FNV-1a over the bytes: tells a damaged snapshot from a whole one.
std::uint32_t Checksum(std::string_view bytes) {
  std::uint32_t hash = 2166136261u;
  for (char c : bytes) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= 16777619u;
  }
  return hash;
}

class Writer {
public:
  static constexpr bool kReading = false;

  void Unsigned(std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
      out_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  void Value(const bool &v) { Unsigned(v ? 1 : 0, 1); }
  void Value(const std::int16_t &v) { Unsigned(static_cast<std::uint16_t>(v), 2); }
  void Value(const std::int32_t &v) { Unsigned(static_cast<std::uint32_t>(v), 4); }
  void Value(const std::int64_t &v) { Unsigned(static_cast<std::uint64_t>(v), 8); }
  void Value(const double &v) { Unsigned(std::bit_cast<std::uint64_t>(v), 8); }
  void Value(const std::string &v) {
    Unsigned(v.size(), 4);
    out_ += v;
  }
  // A bounded array's bounds: lower bound and count.
  template <typename T> void Bounds(const BoundedArray<T> &array) {
    Value(static_cast<std::int32_t>(array.Lower()));
    Unsigned(static_cast<std::uint32_t>(array.Size()), 4);
  }
  void Bytes(const MemoryImage &image) {
    out_.append(reinterpret_cast<const char *>(image.data()), image.size());
  }
  std::string Take() { return std::move(out_); }

private:
  std::string out_;
};

class Reader {
public:
  static constexpr bool kReading = true;

  explicit Reader(std::string_view in) : in_(in) {}
  bool Ok() const { return ok_; }
  bool AtEnd() const { return in_.empty(); }

  std::uint64_t Unsigned(int bytes) {
    if (!Need(static_cast<std::size_t>(bytes)))
      return 0;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
      value |= std::uint64_t{static_cast<std::uint8_t>(in_[static_cast<std::size_t>(i)])}
               << (8 * i);
    in_.remove_prefix(static_cast<std::size_t>(bytes));
    return value;
  }
  void Value(bool &v) { v = Unsigned(1) != 0; }
  void Value(std::int16_t &v) { v = static_cast<std::int16_t>(Unsigned(2)); }
  void Value(std::int32_t &v) { v = static_cast<std::int32_t>(Unsigned(4)); }
  void Value(std::int64_t &v) { v = static_cast<std::int64_t>(Unsigned(8)); }
  void Value(double &v) { v = std::bit_cast<double>(Unsigned(8)); }
  void Value(std::string &v) {
    const auto size = static_cast<std::uint32_t>(Unsigned(4));
    if (size > kMaxText || !Need(size))
      return;
    v.assign(in_.substr(0, size));
    in_.remove_prefix(size);
  }
  template <typename T> void Bounds(BoundedArray<T> &array) {
    std::int32_t lower = 0;
    Value(lower);
    const auto count = static_cast<std::uint32_t>(Unsigned(4));
    if (count > kMaxItems || lower < -static_cast<std::int32_t>(kMaxItems) ||
        lower > static_cast<std::int32_t>(kMaxItems))
      ok_ = false;
    array.Reset(lower, ok_ ? lower + static_cast<int>(count) - 1 : lower - 1);
  }
  void Bytes(MemoryImage &image) {
    if (!Need(image.size()))
      return;
    std::copy_n(in_.begin(), image.size(), image.begin());
    in_.remove_prefix(image.size());
  }

private:
  bool Need(std::size_t bytes) {
    if (ok_ && in_.size() >= bytes)
      return true;
    ok_ = false;
    return false;
  }

  std::string_view in_;
  bool ok_ = true;
};

// One walk over every field serves both directions: T is a record, const
// when writing.
template <typename T, typename U>
concept Is = std::same_as<std::remove_const_t<T>, U>;

template <typename Io, typename T>
requires std::is_arithmetic_v<std::remove_const_t<T>> || Is<T, std::string>
void Walk(Io &io, T &value) { io.Value(value); }

template <typename Io, typename T, std::size_t N> void Walk(Io &io, std::array<T, N> &items) {
  for (T &item : items)
    Walk(io, item);
}

template <typename Io, typename T, std::size_t N> void Walk(Io &io, const std::array<T, N> &items) {
  for (const T &item : items)
    Walk(io, item);
}

template <typename Io, typename A>
requires requires(A a) { a.Lower(); }
void Walk(Io &io, A &array) {
  io.Bounds(array);
  for (auto &item : array)
    Walk(io, item);
}

template <typename Io> void Walk(Io &io, Is<ChannelRecord> auto &r) {
  Walk(io, r.Position), Walk(io, r.Enable), Walk(io, r.LowPower), Walk(io, r.PowUp);
  Walk(io, r.Duplex), Walk(io, r.DuplexAllowed), Walk(io, r.TxEnable), Walk(io, r.DispayA);
  Walk(io, r.ScanMemory), Walk(io, r.ChTag), Walk(io, r.Scramble), Walk(io, r.RxOnly);
  Walk(io, r.Narrow), Walk(io, r.Dcs), Walk(io, r.Ctcss), Walk(io, r.Cmp);
  Walk(io, r.CHDisplayL), Walk(io, r.CHDisplayR), Walk(io, r.Txfreq), Walk(io, r.Rxfreq);
}

template <typename Io> void Walk(Io &io, Is<DirectoryEntry> auto &e) {
  Walk(io, e.Enable), Walk(io, e.TagName), Walk(io, e.Mmsid), Walk(io, e.Member);
}

template <typename Io> void Walk(Io &io, Is<ChannelGroupSetup> auto &g) {
  Walk(io, g.Enable), Walk(io, g.PriorityCh), Walk(io, g.StatusName), Walk(io, g.ExpChGroup);
}

template <typename Io> void Walk(Io &io, Is<CommonSetup> auto &c) {
  Walk(io, c.TxPoDisplay), Walk(io, c.Scan), Walk(io, c.TimeDisplay), Walk(io, c.Format);
  Walk(io, c.ResumeTime), Walk(io, c.PttScanClear), Walk(io, c.DualWatch);
  Walk(io, c.OffsetTime), Walk(io, c.Weater), Walk(io, c.Sog), Walk(io, c.Distance);
}

template <typename Io> void Walk(Io &io, Is<DscBasicSetup> auto &d) {
  Walk(io, d.DscGroup), Walk(io, d.UserMmsi), Walk(io, d.PosRequest);
  Walk(io, d.PosRequestTx), Walk(io, d.BeepOut);
}

template <typename Io> void Walk(Io &io, Is<DscAdvancedSetup> auto &d) {
  Walk(io, d.AllShipsCall), Walk(io, d.AllShipsCallTx), Walk(io, d.GroupCall);
  Walk(io, d.GroupCallTx), Walk(io, d.IndividualCall), Walk(io, d.IndividualCallTx);
  Walk(io, d.PositionRequestCall), Walk(io, d.PositionRequestCallTx);
  Walk(io, d.PositionReportCall), Walk(io, d.PositionReportCallTx);
}

template <typename Io> void Walk(Io &io, Is<AutoPosEntry> auto &e) {
  Walk(io, e.Mmsi), Walk(io, e.Enable), Walk(io, e.RcEnable), Walk(io, e.Channel);
  Walk(io, e.Interval), Walk(io, e.SelectCall), Walk(io, e.LastAddress), Walk(io, e.MarineEnable);
}

template <typename Io> void Walk(Io &io, Is<AutoPosSetup> auto &a) {
  Walk(io, a.MenuDisplay), Walk(io, a.Entry);
}

template <typename Io> void Walk(Io &io, Is<AtisSetup> auto &a) {
  Walk(io, a.UsableAtisChGroup), Walk(io, a.AtisCode), Walk(io, a.UsableAtisKikkerChGroup);
}

template <typename Io> void Walk(Io &io, Is<AtisCallSign> auto &c) {
  Walk(io, c.Mid), Walk(io, c.Disp);
}

// A field added to the settings must be added here too; the round-trip test
// sets every field to catch one that is not.
template <typename Io> void Walk(Io &io, Is<RadioData> auto &d) {
  Walk(io, d.CHUSA), Walk(io, d.CHINT), Walk(io, d.CHCAN), Walk(io, d.CHWX), Walk(io, d.CHEXP);
  Walk(io, d.CHMMSID), Walk(io, d.CHGRPID), Walk(io, d.MultiStation);
  Walk(io, d.ChannelGroups), Walk(io, d.Common), Walk(io, d.DscBasic), Walk(io, d.DscAdvanced);
  Walk(io, d.DscDisplay), Walk(io, d.AutoPos), Walk(io, d.Atis), Walk(io, d.AtisCallSigns);
  io.Bytes(d.Image);
}

template <typename Io> void Walk(Io &io, Is<Snapshot> auto &s) {
  std::int64_t savedAt = static_cast<std::int64_t>(s.savedAt);
  Walk(io, savedAt);
  if constexpr (Io::kReading)
    s.savedAt = static_cast<std::time_t>(savedAt);
  Walk(io, s.modelVariant), Walk(io, s.filePath), Walk(io, s.data);
}

} // namespace

std::string EncodeSnapshot(const Snapshot &snapshot) {
  Writer writer;
  Walk(writer, snapshot);
  std::string body = std::string(kMagic) + writer.Take();
  Writer sum;
  sum.Unsigned(Checksum(body), 4);
  return body + sum.Take();
}

std::optional<Snapshot> DecodeSnapshot(std::string_view bytes) {
  if (bytes.size() < kMagic.size() + 4 || bytes.substr(0, kMagic.size()) != kMagic)
    return std::nullopt;
  const std::string_view body = bytes.substr(0, bytes.size() - 4);
  Reader sum(bytes.substr(body.size()));
  if (sum.Unsigned(4) != Checksum(body))
    return std::nullopt;
  Reader reader(body.substr(kMagic.size()));
  Snapshot snapshot;
  Walk(reader, snapshot);
  if (!reader.Ok() || !reader.AtEnd())
    return std::nullopt;
  return snapshot;
}

} // namespace kv508
