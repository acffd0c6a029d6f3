#include "cards/card_content.h"

#include "exchange/exchange_values.h"
#include "exchange/text_encoding.h"
#include "model/convert.h"
#include "model/tables.h"
#include "report/report_values.h"

namespace kv508::cards {

namespace {

const char *const kNoFrequency = "\xE2\x80\x94"; // an em dash

std::string Name(const std::string &stored) { return Utf8FromWindows1252(stored); }

std::string Marks(bool low, bool duplex, bool scan, bool narrow) {
  std::string marks;
  if (low)
    marks += 'L';
  if (duplex)
    marks += 'D';
  if (scan)
    marks += 'S';
  if (narrow)
    marks += 'N';
  return marks;
}

std::string CardName(const RadioData &data, int group, const char *fallback) {
  const std::string &status = data.ChannelGroups[static_cast<std::size_t>(group)].StatusName;
  return (status.find_first_not_of(' ') == std::string::npos ? fallback : Name(status)) +
         std::string(" channels");
}

CardTable Weather(const RadioData &data) {
  CardTable table;
  table.heading = "Weather";
  table.strip = true;
  const ChannelTableArray &wx = WxTable();
  for (int i = data.CHWX.Lower(); i <= data.CHWX.Upper(); ++i) {
    const ChannelRecord &r = data.CHWX[i];
    if (r.Enable && wx.Contains(r.Position))
      table.rows.push_back({"WX" + std::to_string(r.Position), FormatFreq3(wx[r.Position].RxFreq)});
  }
  return table;
}

void AddWeather(Card &card, const RadioData &data) {
  CardTable weather = Weather(data);
  if (!weather.rows.empty())
    card.tables.push_back(std::move(weather));
}

std::optional<Card> PlanCard(const RadioData &data, const ModelInfo &model, int group) {
  static const char *const kGroups[] = {"Group1", "Group2", "Group3"};
  CardTable channels;
  channels.titles = {"CH", "Name", "RX MHz", "TX MHz", ""};
  for (const ChannelRecord &r : data.GroupBank(group)) {
    if (!r.Enable)
      continue;
    const std::string tx = BankTxText(r);
    channels.rows.push_back({ChannelLabel(r.Position), Name(r.ChTag), BankRxText(r),
                             tx.find('-') == std::string::npos ? tx : kNoFrequency,
                             Marks(r.LowPower, r.Duplex && r.DuplexAllowed, r.ScanMemory, false)});
  }
  if (channels.rows.empty())
    return std::nullopt;
  Card card;
  card.title = CardName(data, group, kGroups[group]);
  card.subtitle = std::string(kGroups[group]) + " \xC2\xB7 " + ModelName(model.ModelVariant);
  card.tables.push_back(std::move(channels));
  AddWeather(card, data);
  card.legend = "L low power   D duplex   S scan";
  return card;
}

std::optional<Card> ExpansionCard(const RadioData &data, const ModelInfo &model) {
  CardTable channels;
  channels.titles = {"CH", "Name", "RX MHz", "TX MHz", ""};
  for (const ChannelRecord &r : data.CHEXP) {
    if (!r.Enable)
      continue;
    const std::string tx = MegahertzText(r.Txfreq);
    channels.rows.push_back({Name(DisplayText(r)), Name(r.ChTag), FormatFreq4(r.Rxfreq),
                             tx.empty() ? kNoFrequency : FormatFreq4(r.Txfreq),
                             Marks(r.LowPower, false, r.ScanMemory, r.Narrow)});
  }
  if (channels.rows.empty())
    return std::nullopt;
  Card card;
  card.title = CardName(data, 3, "Expansion");
  card.subtitle = "Exp CH \xC2\xB7 " + ModelName(model.ModelVariant);
  card.tables.push_back(std::move(channels));
  AddWeather(card, data);
  card.legend = "L low power   S scan   N narrow";
  return card;
}

Card DscCard(const RadioData &data, const ModelInfo &model) {
  Card card;
  card.title = "DSC";
  card.subtitle = ModelName(model.ModelVariant);
  CardTable own;
  own.rows.push_back(
      {"Own MMSI", data.DscBasic.UserMmsi.empty()
                       ? "not set"
                       : DirectoryMmsiText(DirectoryKind::MemoryId, data.DscBasic.UserMmsi)});
  if (model.AtisCapable)
    own.rows.push_back(
        {"ATIS code", data.Atis.AtisCode.empty() ? "not set" : Name(data.Atis.AtisCode)});
  card.tables.push_back(std::move(own));

  CardTable groups;
  groups.heading = "Group calls";
  groups.titles = {"Name", "Group MMSI"};
  for (const DirectoryEntry &e : data.CHGRPID) {
    if (e.Enable)
      groups.rows.push_back({Name(e.TagName), DirectoryMmsiText(DirectoryKind::GroupId, e.Mmsid)});
  }
  if (!groups.rows.empty())
    card.tables.push_back(std::move(groups));

  CardTable directory;
  directory.heading = "Memory ID";
  directory.titles = {"No.", "Name", "MMSI"};
  for (int i = data.CHMMSID.Lower(); i <= data.CHMMSID.Upper(); ++i) {
    const DirectoryEntry &e = data.CHMMSID[i];
    if (e.Enable)
      directory.rows.push_back({std::to_string(i), Name(e.TagName),
                                DirectoryMmsiText(DirectoryKind::MemoryId, e.Mmsid)});
  }
  if (!directory.rows.empty())
    card.tables.push_back(std::move(directory));
  return card;
}

} // namespace

std::vector<Card> BuildCards(const RadioData &data, const ModelInfo &model) {
  std::vector<Card> cards;
  for (int g = 0; g < 3; ++g) {
    if (!data.ChannelGroups[static_cast<std::size_t>(g)].Enable)
      continue;
    if (std::optional<Card> card = PlanCard(data, model, g))
      cards.push_back(std::move(*card));
  }
  if (data.ChannelGroups[3].Enable) {
    if (std::optional<Card> card = ExpansionCard(data, model))
      cards.push_back(std::move(*card));
  }
  cards.push_back(DscCard(data, model));
  return cards;
}

} // namespace kv508::cards
