#include "ui/node_keys.h"

namespace kv508::ui::keys {

namespace {
const QString kPlanKeys[3] = {QStringLiteral("PU"), QStringLiteral("PI"), QStringLiteral("PC")};

QString Item(const QString &prefix, int number) {
  return prefix + QLatin1Char(' ') + QString::number(number);
}
} // namespace

QString GroupKey(int group) { return group >= 0 && group < 3 ? kPlanKeys[group] : kExpChannel; }

int GroupOfKey(const QString &key) {
  for (int g = 0; g < 3; ++g) {
    if (key.compare(kPlanKeys[g], Qt::CaseInsensitive) == 0)
      return g;
  }
  return -1;
}

QString ChannelKey(int group, int record) {
  return Item(group == 3 ? QStringLiteral("E") : GroupKey(group), record);
}

QString DirectoryKey(int directory) { return directory == 1 ? kGroupIds : kMemoryIds; }

QString EntryKey(int directory, int entry) { return Item(DirectoryKey(directory), entry); }

int RecordOfKey(const QString &key) { return key.mid(2).trimmed().toInt(); }

} // namespace kv508::ui::keys
