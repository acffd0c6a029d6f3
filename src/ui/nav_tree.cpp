#include "ui/nav_tree.h"

#include "model/tables.h"
#include "ui/node_keys.h"
#include "ui/ui_text.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace kv508::ui {

namespace {

constexpr int kKeyRole = Qt::UserRole;
QString EnableMark() { return QCoreApplication::translate("NavTree", "[Enable]"); }

QString Marked(const QString &text, bool enabled) { return enabled ? text + EnableMark() : text; }

QTreeWidgetItem *Add(QTreeWidget &tree, QTreeWidgetItem *parent, const QString &text,
                     const QString &key) {
  auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
  item->setText(0, text);
  item->setData(0, kKeyRole, key);
  return item;
}

// The children of a channel group or directory node, keyed by their record.
void AddItems(QTreeWidget &tree, QTreeWidgetItem *parent, int first, int last,
              const std::function<QString(int)> &key) {
  for (int n = first; n <= last; ++n)
    Add(tree, parent, QString(), key(n));
}

void SetText(QTreeWidgetItem *node, const QString &text) {
  if (node->text(0) != text)
    node->setText(0, text);
}

// The texts of the children of a group or directory node.
void RefreshChildren(QTreeWidgetItem *node, const std::function<QString(int)> &text) {
  for (int i = 0; node && i < node->childCount(); ++i)
    SetText(node->child(i), text(keys::RecordOfKey(NodeKey(node->child(i)))));
}

// The group nodes' texts, by group.
QString GroupText(int g) {
  static const char *const kTexts[4] = {
      QT_TRANSLATE_NOOP("NavTree", "Group1"), QT_TRANSLATE_NOOP("NavTree", "Group2"),
      QT_TRANSLATE_NOOP("NavTree", "Group3"), QT_TRANSLATE_NOOP("NavTree", "EXP Channel")};
  return QCoreApplication::translate("NavTree", kTexts[g]);
}

QString ChannelNodeText(const ChannelRecord &record) {
  const ChannelTableArray &table = ChannelTable();
  QString label = table.Contains(record.Position) ? ToQt(table[record.Position].Label) : QString();
  return QStringLiteral("CH") + label;
}
} // namespace

int TreeShape(const RadioData &data) {
  int shape = 0;
  for (int g = 0; g < 4; ++g)
    shape |= data.ChannelGroups[static_cast<std::size_t>(g)].Enable ? 1 << g : 0;
  return shape;
}

void BuildTree(QTreeWidget &tree, const RadioData &data, bool atisCapable) {
  tree.clear();
  QTreeWidgetItem *general =
      Add(tree, nullptr, QCoreApplication::translate("NavTree", "General"), keys::kGeneral);
  Add(tree, general, QCoreApplication::translate("NavTree", "Usable CH Group Setup"),
      keys::kUsable);
  Add(tree, general, QCoreApplication::translate("NavTree", "Common Setup"), keys::kCommon);
  Add(tree, general, QCoreApplication::translate("NavTree", "DSC Setup"), keys::kDsc);
  if (atisCapable)
    Add(tree, general, QCoreApplication::translate("NavTree", "ATIS Setup"), keys::kAtis);

  QTreeWidgetItem *program = Add(
      tree, nullptr, QCoreApplication::translate("NavTree", "Programable Channel"), keys::kProgram);
  for (int g = 0; g < 3; ++g) {
    if (!data.ChannelGroups[static_cast<std::size_t>(g)].Enable)
      continue;
    QTreeWidgetItem *group = Add(tree, program, GroupText(g), keys::GroupKey(g));
    const ChannelBank &bank = data.GroupBank(g);
    AddItems(tree, group, bank.Lower(), std::min(bank.Upper(), kPlanBankSize - 1),
             [g](int n) { return keys::ChannelKey(g, n); });
  }
  Add(tree, program, QCoreApplication::translate("NavTree", "Weather"), keys::kWeather);

  QTreeWidgetItem *dsc =
      Add(tree, nullptr, QCoreApplication::translate("NavTree", "DSC"), keys::kDscSetting);
  const QString directoryTexts[2] = {QCoreApplication::translate("NavTree", "Individual Directory"),
                                     QCoreApplication::translate("NavTree", "Group Directory")};
  for (int d = 0; d < 2; ++d) {
    const Directory &entries = d == 0 ? data.CHMMSID : data.CHGRPID;
    QTreeWidgetItem *node = Add(tree, dsc, directoryTexts[d], keys::DirectoryKey(d));
    AddItems(tree, node, entries.Lower(), entries.Upper(),
             [d](int n) { return keys::EntryKey(d, n); });
  }

  if (data.ChannelGroups[3].Enable) {
    QTreeWidgetItem *exp = Add(tree, nullptr, GroupText(3), keys::kExpChannel);
    AddItems(tree, exp, data.CHEXP.Lower(), data.CHEXP.Upper(),
             [](int n) { return keys::ChannelKey(3, n); });
  }
  RefreshNodeTexts(tree, data);
}

void RefreshNodeTexts(QTreeWidget &tree, const RadioData &data) {
  for (int g = 0; g < 4; ++g) {
    QTreeWidgetItem *node = FindNodeByKey(tree, keys::GroupKey(g));
    if (!node)
      continue;
    const std::string &status = data.ChannelGroups[static_cast<std::size_t>(g)].StatusName;
    SetText(node, status.empty()
                      ? GroupText(g)
                      : GroupText(g) + QLatin1Char('(') + ToQt(status) + QLatin1Char(')'));
    const ChannelBank &bank = data.GroupBank(g);
    RefreshChildren(node, [&bank, g](int n) {
      if (!bank.Contains(n))
        return QString();
      return Marked(g == 3 ? QCoreApplication::translate("NavTree", "EXP") + QString::number(n)
                           : ChannelNodeText(bank[n]),
                    bank[n].Enable);
    });
  }
  for (int d = 0; d < 2; ++d) {
    const Directory &entries = d == 0 ? data.CHMMSID : data.CHGRPID;
    RefreshChildren(FindNodeByKey(tree, keys::DirectoryKey(d)), [&](int n) {
      return Marked(DirectoryEntryText(d, n), entries.Contains(n) && entries[n].Enable);
    });
  }
}

QString DirectoryEntryText(int directory, int entry) {
  return (directory == 0 ? QCoreApplication::translate("NavTree", "Memory ID")
                         : QCoreApplication::translate("NavTree", "Group ID")) +
         QString::number(entry);
}

QString PlaceText(const RadioData &data, const ScreenRequest &request) {
  const QString separator = QStringLiteral(" \u00B7 ");
  const int n = request.record;
  if (request.kind == ScreenKind::ChannelPanel || request.kind == ScreenKind::ExpPanel) {
    const int g = request.bank;
    if (g < 0 || g > 3 || !data.GroupBank(g).Contains(n))
      return {};
    const std::string &status = data.ChannelGroups[static_cast<std::size_t>(g)].StatusName;
    const QString group =
        status.empty() ? GroupText(g)
                       : GroupText(g) + QStringLiteral(" (") + ToQt(status) + QLatin1Char(')');
    return group + separator +
           (g == 3 ? QCoreApplication::translate("NavTree", "EXP") + QString::number(n)
                   : ChannelNodeText(data.GroupBank(g)[n]));
  }
  if (request.kind == ScreenKind::DirectoryEntry &&
      (request.directory == 0 || request.directory == 1))
    return request.directory == 0
               ? QCoreApplication::translate("NavTree", "Individual Directory") + separator +
                     QCoreApplication::translate("NavTree", "Memory ID") + QString::number(n)
               : QCoreApplication::translate("NavTree", "Group Directory") + separator +
                     QCoreApplication::translate("NavTree", "Group ID") + QString::number(n);
  return {};
}

int TreeTextWidth(QTreeWidget &tree) {
  const QFontMetrics metrics = tree.fontMetrics();
  // The item's own margins and the focus frame around its text.
  const int itemMargins = 2 * (tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
  int widest = 0;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    int depth = 1;
    for (const QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
      ++depth;
    widest = std::max(widest, depth * tree.indentation() +
                                  metrics.horizontalAdvance((*it)->text(0)) + itemMargins);
  }
  return widest + 2 * tree.frameWidth() +
         tree.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &tree);
}

QString NodeKey(const QTreeWidgetItem *node) {
  return node ? node->data(0, kKeyRole).toString() : QString();
}

QTreeWidgetItem *FindNodeByKey(QTreeWidget &tree, const QString &key) {
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    if (NodeKey(*it) == key)
      return *it;
  }
  return nullptr;
}

} // namespace kv508::ui
