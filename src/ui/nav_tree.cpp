#include "ui/nav_tree.h"

#include "model/tables.h"
#include "ui/ui_text.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace kv508::ui {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
const QString kEnableMark = QStringLiteral("[Enable]");

class TreeBuilder {
public:
  explicit TreeBuilder(QTreeWidget &tree) : tree_(tree) {}

  QTreeWidgetItem *Add(QTreeWidgetItem *parent, const QString &text, const QString &key) {
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree_);
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    item->setData(0, kIndexRole, ++count_);
    return item;
  }

private:
  QTreeWidget &tree_;
  int count_ = 0;
};

QString Marked(const QString &text, bool enabled) { return enabled ? text + kEnableMark : text; }

void AddChannelGroup(TreeBuilder &b, QTreeWidgetItem *parent, const QString &text,
                     const QString &key, const ChannelBank &bank) {
  QTreeWidgetItem *group = b.Add(parent, text, key);
  for (int n = 0; n < kPlanBankSize && bank.Contains(n); ++n) {
    b.Add(group, Marked(ChannelNodeText(bank[n]), bank[n].Enable),
          key + QLatin1Char(' ') + QString::number(n));
  }
}

void AddDirectory(TreeBuilder &b, QTreeWidgetItem *parent, const QString &text, const QString &key,
                  const QString &childText, const Directory &dir) {
  QTreeWidgetItem *node = b.Add(parent, text, key);
  for (int n = dir.Lower(); n <= dir.Upper(); ++n) {
    b.Add(node, Marked(childText + QString::number(n), dir[n].Enable),
          key + QLatin1Char(' ') + QString::number(n));
  }
}

} // namespace

QString ChannelNodeText(const ChannelRecord &record) {
  const ChannelTableArray &table = ChannelTable();
  QString label = table.Contains(record.Position) ? ToQt(table[record.Position].Label) : QString();
  return QStringLiteral("CH") + label;
}

void BuildTree(QTreeWidget &tree, const RadioData &data, bool atisCapable) {
  tree.clear();
  TreeBuilder b(tree);
  QTreeWidgetItem *general = b.Add(nullptr, QStringLiteral("General"), QStringLiteral("General"));
  b.Add(general, QStringLiteral("Usable CH Group Setup"), QStringLiteral("Usable"));
  b.Add(general, QStringLiteral("Common Setup"), QStringLiteral("Common"));
  b.Add(general, QStringLiteral("DSC Setup"), QStringLiteral("DSC"));
  if (atisCapable)
    b.Add(general, QStringLiteral("ATIS Setup"), QStringLiteral("ATIS"));

  QTreeWidgetItem *program =
      b.Add(nullptr, QStringLiteral("Programable Channel"), QStringLiteral("Program"));
  if (data.ChannelGroups[0].Enable)
    AddChannelGroup(b, program, QStringLiteral("Group1"), QStringLiteral("PU"), data.CHUSA);
  if (data.ChannelGroups[1].Enable)
    AddChannelGroup(b, program, QStringLiteral("Group2"), QStringLiteral("PI"), data.CHINT);
  if (data.ChannelGroups[2].Enable)
    AddChannelGroup(b, program, QStringLiteral("Group3"), QStringLiteral("PC"), data.CHCAN);
  b.Add(program, QStringLiteral("Weather"), QStringLiteral("PW"));

  QTreeWidgetItem *dsc = b.Add(nullptr, QStringLiteral("DSC"), QStringLiteral("DSCSetting"));
  AddDirectory(b, dsc, QStringLiteral("Individual Directory"), QStringLiteral("SM"),
               QStringLiteral("Memory ID"), data.CHMMSID);
  AddDirectory(b, dsc, QStringLiteral("Group Directory"), QStringLiteral("SG"),
               QStringLiteral("Group ID"), data.CHGRPID);

  if (data.ChannelGroups[3].Enable) {
    QTreeWidgetItem *exp =
        b.Add(nullptr, QStringLiteral("EXP Channel"), QStringLiteral("ExpChannel"));
    for (int n = data.CHEXP.Lower(); n <= data.CHEXP.Upper(); ++n) {
      b.Add(exp, Marked(QStringLiteral("EXP") + QString::number(n), data.CHEXP[n].Enable),
            QStringLiteral("E ") + QString::number(n));
    }
  }
}

void RefreshDirectoryNode(QTreeWidgetItem &node, const RadioData &data) {
  const bool memory = NodeKey(&node) == QLatin1String("SM");
  const Directory &dir = memory ? data.CHMMSID : data.CHGRPID;
  const QString text = memory ? QStringLiteral("Memory ID") : QStringLiteral("Group ID");
  for (int i = 0; i < node.childCount(); ++i) {
    const int n = dir.Lower() + i;
    if (!dir.Contains(n))
      break;
    node.child(i)->setText(0, Marked(text + QString::number(n), dir[n].Enable));
  }
}

void RefreshNodeTexts(QTreeWidget &tree, const RadioData &data) {
  if (QTreeWidgetItem *memoryIds = FindNodeByKey(tree, QStringLiteral("SM")))
    RefreshDirectoryNode(*memoryIds, data);
  static const char *const kGroupKeys[4] = {"PU", "PI", "PC", "ExpChannel"};
  for (int g = 0; g < 4; ++g) {
    QTreeWidgetItem *node = FindNodeByKey(tree, QLatin1String(kGroupKeys[g]));
    if (!node)
      continue;
    QString text = node->text(0);
    const qsizetype paren = text.indexOf(QLatin1Char('('));
    if (paren >= 0)
      text.truncate(paren);
    const std::string &status = data.ChannelGroups[static_cast<std::size_t>(g)].StatusName;
    if (!status.empty())
      text += QLatin1Char('(') + ToQt(status) + QLatin1Char(')');
    node->setText(0, text);
  }
}

QString NodeKey(const QTreeWidgetItem *node) {
  return node ? node->data(0, kKeyRole).toString() : QString();
}

int NodeIndex(const QTreeWidgetItem *node) { return node ? node->data(0, kIndexRole).toInt() : 0; }

QTreeWidgetItem *FindNodeByKey(QTreeWidget &tree, const QString &key) {
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    if (NodeKey(*it) == key)
      return *it;
  }
  return nullptr;
}

QTreeWidgetItem *FindNodeByIndex(QTreeWidget &tree, int index) {
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    if (NodeIndex(*it) == index)
      return *it;
  }
  return nullptr;
}

} // namespace kv508::ui
