#include "model/label_search.h"

#include "model/tables.h"

#include <cctype>

namespace kv508 {

namespace {

bool BeginsSomeLabel(const std::string &text) {
  for (const ChannelTableEntry &entry : ChannelTable()) {
    if (entry.Label.compare(0, text.size(), text) == 0)
      return true;
  }
  return false;
}

} // namespace

int LabelSearch::Type(const std::string &keys) {
  for (char c : keys) {
    // Labels hold only digits and an upper-case "A"; a typed "a" means the same.
    const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    typed_ += key;
    if (!BeginsSomeLabel(typed_))
      typed_.assign(1, key);
    if (!BeginsSomeLabel(typed_))
      typed_.clear();
  }
  const std::string index = FindChannelByLabel(typed_);
  return index.empty() ? -1 : std::stoi(index);
}

} // namespace kv508
