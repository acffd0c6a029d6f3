#pragma once

// The navigation tree: its nodes for the data and model in use, and their keys.

#include "model/radio_data.h"
#include "ui/screens/editor_screen.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace kv508::ui {

// Clears the tree and adds every node for the data and the model.
void BuildTree(QTreeWidget &tree, const RadioData &data, bool atisCapable);
// Which nodes the tree holds for the data: BuildTree is needed when it changes.
int TreeShape(const RadioData &data);
// Every node text from the data: group nodes with their status names, the
// "[Enable]" marks of channels and directory entries.
void RefreshNodeTexts(QTreeWidget &tree, const RadioData &data);
// "Memory ID2" (directory 0) or "Group ID2" (directory 1): how the tree names an entry.
QString DirectoryEntryText(int directory, int entry);

// The heading above a channel or directory entry screen: its group or
// directory and itself ("Group3 (CAN) · CH16"); empty for the other screens.
QString PlaceText(const RadioData &data, const ScreenRequest &request);
// The width the tree needs to show every node's text in full.
int TreeTextWidth(QTreeWidget &tree);

QString NodeKey(const QTreeWidgetItem *node);
QTreeWidgetItem *FindNodeByKey(QTreeWidget &tree, const QString &key);

} // namespace kv508::ui
