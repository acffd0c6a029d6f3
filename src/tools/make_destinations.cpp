// Builds the destination images shipped with the program: the default image of
// model 1 with factory values for the choices it leaves undefined, plus the
// group and ATIS settings that set each destination apart.

#include "app/new_data.h"
#include "app/safe_save.h"
#include "app/session.h"
#include "image/encode.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace {

using namespace kv508;

class NullHost : public Host {
public:
  Answer Message(Icon, const std::string &, const std::string &text, Buttons) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return Answer::Ok;
  }
  void Yield() override {}
  void Pause(int) override {}
  std::int64_t NowMs() override { return 0; }
};

struct GroupChoice {
  bool usable;
  const char *statusName;
  bool atis;
};

struct Destination {
  const char *name;
  std::array<GroupChoice, 3> groups; // Group1 (USA), Group2 (INTL), Group3 (CAN)
};

constexpr Destination kDestinations[] = {
    {"USAA", {{{true, "USA", false}, {true, "INTL", false}, {true, "CAN", false}}}},
    {"INTL", {{{false, "", false}, {true, "INTL", true}, {false, "", false}}}},
    {"CANA", {{{true, "USA", false}, {false, "", false}, {true, "CAN", false}}}},
};

void ApplyDestination(RadioData &data, const Destination &destination) {
  for (int g = 0; g < 3; ++g) {
    const GroupChoice &choice = destination.groups[static_cast<std::size_t>(g)];
    data.ChannelGroups[static_cast<std::size_t>(g)].Enable = choice.usable;
    data.ChannelGroups[static_cast<std::size_t>(g)].StatusName = choice.statusName;
    data.DscBasic.DscGroup[static_cast<std::size_t>(g)] = choice.usable;
    data.Atis.UsableAtisChGroup[static_cast<std::size_t>(g)] = choice.atis;
    data.Atis.UsableAtisKikkerChGroup[static_cast<std::size_t>(g)] = choice.atis;
  }
  // No expansion channel is programmed, so the expansion group is not offered.
  data.ChannelGroups[3].Enable = false;
  data.ChannelGroups[3].ExpChGroup = {};
  data.DscBasic.DscGroup[3] = false;
  data.Atis.UsableAtisChGroup[3] = false;
  data.Atis.UsableAtisKikkerChGroup[3] = false;
}

bool WriteDestination(const std::filesystem::path &folder, const Destination &destination) {
  NullHost host;
  MemoryUserSettings settings;
  Session session(host, settings);
  session.model.ModelVariant = 1;
  NewData(session, false);
  ApplyFactoryChoices(session.data);
  ApplyDestination(session.data, destination);
  if (auto error = PrepareOutgoingImage(session.data, 1, false)) {
    std::fprintf(stderr, "%s: %s\n", destination.name, EncodeErrorMessage(*error).c_str());
    return false;
  }
  const std::filesystem::path target =
      folder / (std::string(destination.name) + DestinationSuffix(1) + ".ini");
  const MemoryImage &image = session.data.Image;
  std::error_code ec = SafeWriteFile(
      target, std::string_view(reinterpret_cast<const char *>(image.data()), image.size()));
  if (ec) {
    std::fprintf(stderr, "%s: %s\n", target.string().c_str(), ec.message().c_str());
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  bool ok = true;
  for (const Destination &destination : kDestinations)
    ok = WriteDestination(folder, destination) && ok;
  return ok ? 0 : 1;
}
