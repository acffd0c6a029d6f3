#pragma once

// The keys of the navigation tree's nodes, built and read in one place: the
// fixed nodes by name, the item nodes as a prefix, one blank and a number
// ("PU 17", "SM 3", "E 5").

#include <QString>

namespace kv508::ui::keys {

inline const QString kGeneral = QStringLiteral("General");
inline const QString kUsable = QStringLiteral("Usable");
inline const QString kCommon = QStringLiteral("Common");
inline const QString kDsc = QStringLiteral("DSC");
inline const QString kAtis = QStringLiteral("ATIS");
inline const QString kProgram = QStringLiteral("Program");
inline const QString kWeather = QStringLiteral("PW");
inline const QString kDscSetting = QStringLiteral("DSCSetting");
inline const QString kMemoryIds = QStringLiteral("SM");
inline const QString kGroupIds = QStringLiteral("SG");
inline const QString kExpChannel = QStringLiteral("ExpChannel");

// The node of channel group 0..3: "PU", "PI", "PC", "ExpChannel".
QString GroupKey(int group);
// The group 0..2 a plan group key names; -1 for any other key.
int GroupOfKey(const QString &key);
// A channel's node: "PU 17" for record 17 of CHUSA, "E 5" for CHEXP record 5.
QString ChannelKey(int group, int record);
// A directory entry's node: "SM 3" (Memory ID, directory 0), "SG 2" (Group ID, 1).
QString DirectoryKey(int directory);
QString EntryKey(int directory, int entry);
// The record number of an item key: its value from the third character on.
int RecordOfKey(const QString &key);

} // namespace kv508::ui::keys
