#include "ui/screens/editor_screen.h"

#include "model/radio_data.h"
#include "ui/node_keys.h"

namespace kv508::ui {

namespace {

bool Is(const QString &key, const QString &name) {
  return key.compare(name, Qt::CaseInsensitive) == 0;
}

ScreenRequest TopScreen(ScreenRequest r) {
  r.kind = Is(r.key, keys::kGeneral)      ? ScreenKind::General
           : Is(r.key, keys::kExpChannel) ? ScreenKind::ExpGrid
                                          : ScreenKind::Empty;
  return r;
}

ScreenRequest GeneralChild(ScreenRequest r) {
  if (Is(r.key, keys::kUsable))
    r.kind = ScreenKind::Usable;
  else if (Is(r.key, keys::kCommon))
    r.kind = ScreenKind::Common;
  else if (Is(r.key, keys::kDsc))
    r.kind = ScreenKind::Dsc;
  else if (Is(r.key, keys::kAtis))
    r.kind = ScreenKind::Atis;
  return r;
}

ScreenRequest ProgramChild(ScreenRequest r) {
  r.bank = keys::GroupOfKey(r.key);
  r.kind = r.bank >= 0                 ? ScreenKind::GroupGrid
           : Is(r.key, keys::kWeather) ? ScreenKind::Weather
                                       : ScreenKind::Empty;
  return r;
}

int DirectoryOfKey(const QString &key) {
  return Is(key, keys::kMemoryIds) ? 0 : Is(key, keys::kGroupIds) ? 1 : -1;
}

} // namespace

ScreenRequest ScreenForNode(const QString &parentKey, const QString &key) {
  ScreenRequest r;
  r.key = key;
  if (parentKey.isEmpty())
    return TopScreen(r);
  if (Is(parentKey, keys::kGeneral))
    return GeneralChild(r);
  if (Is(parentKey, keys::kProgram))
    return ProgramChild(r);
  if (keys::GroupOfKey(parentKey) >= 0) {
    r.kind = ScreenKind::ChannelPanel;
    r.bank = keys::GroupOfKey(parentKey);
    r.record = keys::RecordOfKey(key);
  } else if (Is(parentKey, keys::kDscSetting) && DirectoryOfKey(key) >= 0) {
    r.kind = ScreenKind::DirectoryGrid;
    r.directory = DirectoryOfKey(key);
  } else if (DirectoryOfKey(parentKey) >= 0) {
    r.kind = ScreenKind::DirectoryEntry;
    r.directory = DirectoryOfKey(parentKey);
    r.record = keys::RecordOfKey(key);
  } else if (Is(parentKey, keys::kExpChannel)) {
    r.kind = ScreenKind::ExpPanel;
    r.bank = 3;
    r.record = keys::RecordOfKey(key);
  }
  return r;
}

bool RecordExists(const ScreenRequest &request, const RadioData &data) {
  switch (request.kind) {
  case ScreenKind::ChannelPanel:
  case ScreenKind::ExpPanel:
    return request.bank >= 0 && request.bank <= 3 &&
           data.GroupBank(request.bank).Contains(request.record);
  case ScreenKind::DirectoryEntry:
    return (request.directory == 0 ? data.CHMMSID : data.CHGRPID).Contains(request.record);
  default:
    return true;
  }
}

} // namespace kv508::ui
