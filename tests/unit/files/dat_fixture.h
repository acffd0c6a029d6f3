#pragma once

// Builders for settings-file tests: random radio data and section text helpers.

#include "app/config_fixtures.h"
#include "files/dat_file.h"
#include "image/decode.h"
#include "image/default_image.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kv508::testing {

inline std::unique_ptr<NewSession> MakeSession(int variant = 1, bool atis = false) {
  return std::make_unique<NewSession>(variant, atis);
}

// A random image decoded, then random values for every field the image does not hold;
// untidy texts may have blanks at either end or a leading '#', which a file drops.
inline void RandomizeData(RadioData &data, std::mt19937 &rng, bool untidyTexts = true) {
  std::uniform_int_distribution<int> byte(0, 255);
  for (auto &b : data.Image)
    b = static_cast<std::uint8_t>(byte(rng));
  data.Image[0] = data.Image[ImageLastIndex - 1] = kModelId >> 8;
  data.Image[1] = data.Image[ImageLastIndex] = kModelId & 0xFF;
  DecodeImage(data);

  auto coin = [&] { return byte(rng) % 2 == 1; };
  auto word = [&](int maxLength) {
    static const std::string alphabet = "ABCxyz019-+()./*, #";
    std::string text;
    for (int length = byte(rng) % (maxLength + 1); length > 0; --length)
      text += alphabet[static_cast<std::size_t>(byte(rng)) % alphabet.size()];
    if (!untidyTexts) {
      text.erase(0, text.find_first_not_of(" #"));
      text.erase(text.find_last_not_of(' ') + 1);
    }
    return text;
  };
  for (auto *bank : {&data.CHUSA, &data.CHINT, &data.CHCAN, &data.CHWX, &data.CHEXP}) {
    for (auto &ch : *bank) {
      ch.DispayA = coin();
      ch.ChTag = word(16);
      ch.CHDisplayL = word(2);
      ch.CHDisplayR = word(1);
    }
  }
  for (auto *directory : {&data.CHMMSID, &data.CHGRPID}) {
    for (auto &entry : *directory) {
      entry.TagName = word(11);
      entry.Mmsid = word(10);
    }
  }
  for (auto &g : data.ChannelGroups)
    g.StatusName = word(4);
  data.DscBasic.UserMmsi = word(10);
  data.Atis.AtisCode = word(10);
  for (auto *flags : {&data.DscBasic.PosRequestTx, &data.Atis.UsableAtisKikkerChGroup})
    for (auto &b : *flags)
      b = coin();
  data.DscBasic.BeepOut[7] = coin();
  for (auto &sign : data.AtisCallSigns) {
    sign.Mid = word(5);
    sign.Disp = word(8);
  }
  data.ChannelGroups[1].PriorityCh = -1;
  data.ChannelGroups[2].PriorityCh = 70000;
}

// The text of one section: its line and its entries, up to the next section line.
inline std::string SectionText(const std::string &text, const std::string &name) {
  const std::size_t start = text.find("[" + name + "]\r\n");
  if (start == std::string::npos)
    return {};
  const std::size_t end = text.find("\r\n[", start);
  return text.substr(start, end == std::string::npos ? end : end + 2 - start);
}

// Section names in file order, as written.
inline std::vector<std::string> SectionNames(const std::string &text) {
  std::vector<std::string> names;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", pos), text.size());
    if (text[pos] == '[')
      names.push_back(text.substr(pos + 1, end - pos - 2));
    pos = end + 2;
  }
  return names;
}

} // namespace kv508::testing
