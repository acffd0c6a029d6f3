#pragma once

// What the cards next to the radio say: a channel card per usable group with
// enabled channels, then the DSC card. Texts are UTF-8; the painter only
// places them.

#include "app/session.h"

#include <string>
#include <vector>

namespace kv508::cards {

struct CardTable {
  std::string heading;             // above the table; may be empty
  std::vector<std::string> titles; // column titles; none: no title row
  std::vector<std::vector<std::string>> rows;
  bool strip = false; // short rows (label and value) that flow several to a line
};

struct Card {
  std::string title;
  std::string subtitle;
  std::vector<CardTable> tables;
  std::string legend; // what the marks mean
};

std::vector<Card> BuildCards(const RadioData &data, const ModelInfo &model);

} // namespace kv508::cards
