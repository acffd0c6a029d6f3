#include "sim/demo_image.h"

#include "app/new_data.h"
#include "app/session.h"
#include "app/user_settings.h"
#include "image/encode.h"
#include "image/layout.h"

#include <algorithm>

namespace kv508::sim {

namespace {

constexpr const char *kProductCode = "QZ318R";

// NewData asks nothing of its host; this one answers nothing.
class SilentHost : public Host {
public:
  Answer Message(Icon, const std::string &, const std::string &, Buttons) override {
    return Answer::Ok;
  }
  void Yield() override {}
  void Pause(int) override {}
  std::int64_t NowMs() override { return 0; }
};

ChannelRecord ExpansionChannel(const char *name, const char *number, double mhz, bool lowPower) {
  ChannelRecord record;
  record.Enable = true;
  record.ChTag = name;
  record.CHDisplayL = number;
  record.Rxfreq = mhz;
  record.Txfreq = mhz;
  record.LowPower = lowPower;
  record.ScanMemory = true;
  record.TxEnable = true;
  return record;
}

void AddOwnersSettings(RadioData &data) {
  data.DscBasic.UserMmsi = "2320012340";
  const char *statusNames[] = {"USA", "INTL", "CAN", "CLUB"};
  for (std::size_t g = 0; g < data.ChannelGroups.size(); ++g)
    data.ChannelGroups[g].StatusName = statusNames[g];
  data.ChannelGroups[3].Enable = true;

  for (int r = kExpLower; r <= kExpUpper; ++r)
    data.CHEXP[r] = ChannelRecord{};
  data.CHEXP[1] = ExpansionChannel("MARINA", "E1", 157.0500, true);
  data.CHEXP[2] = ExpansionChannel("CLUB RACE", "E2", 157.0250, false);

  data.CHMMSID[1] = {.Enable = true, .TagName = "HARBOUR", .Mmsid = "2320001230"};
  data.CHMMSID[2] = {.Enable = true, .TagName = "PILOT", .Mmsid = "2320004560"};
  data.CHMMSID[3] = {.Enable = true, .TagName = "SEA BREEZE", .Mmsid = "2329876540"};
  data.CHGRPID[1] = {.Enable = true, .TagName = "RACE FLEET", .Mmsid = "0232123450"};
}

} // namespace

MemoryImage DemoRadioMemory() {
  SilentHost host;
  MemoryUserSettings settings;
  Session session(host, settings);
  session.model.ModelVariant = 1;
  NewData(session, false);
  ApplyFactoryChoices(session.data);
  AddOwnersSettings(session.data);
  // The settings above all fit their places; a radio write adds the ATIS flag.
  (void)PrepareOutgoingImage(session.data, 1, /*radioWrite=*/true);
  MemoryImage memory = session.data.Image;
  std::copy(kProductCode, kProductCode + layout::kProductCodeLength,
            memory.begin() + layout::kProductCode);
  return memory;
}

} // namespace kv508::sim
