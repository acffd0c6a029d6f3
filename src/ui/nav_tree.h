#pragma once

// The navigation tree: its nodes for the data and model in use, their keys and
// their 1-based indexes in tree order.

#include "model/radio_data.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace kv508::ui {

// Clears the tree and adds every node for the data and the model.
void BuildTree(QTreeWidget &tree, const RadioData &data, bool atisCapable);
// Group node texts with their status names, "[Enable]" marks of the Memory IDs.
void RefreshNodeTexts(QTreeWidget &tree, const RadioData &data);
// The "[Enable]" marks of the children of "SM" or "SG".
void RefreshDirectoryNode(QTreeWidgetItem &node, const RadioData &data);

QString NodeKey(const QTreeWidgetItem *node);
int NodeIndex(const QTreeWidgetItem *node); // 0 for none
QTreeWidgetItem *FindNodeByKey(QTreeWidget &tree, const QString &key);
QTreeWidgetItem *FindNodeByIndex(QTreeWidget &tree, int index);

// "CH" + label of the record's position; an out-of-table position has no label.
QString ChannelNodeText(const ChannelRecord &record);

} // namespace kv508::ui
