#pragma once

// The main window's layout rules, measured in twips as the window always was.

#include <algorithm>

namespace kv508::ui {

constexpr int kTwipsPerPixel = 15;
constexpr int kMinWidthPx = 607;  // 9,105 twips
constexpr int kMinHeightPx = 444; // 6,660 twips
constexpr int kTreeMinTwips = 2500;
constexpr int kScreenAreaMinTwips = 6000;
constexpr int kSplitterDragMarginTwips = 2500;
constexpr int kScreenGapTwips = 130;
constexpr int kScreenMarginTwips = 100;
constexpr int kSplitterStartTwips = 2500;

constexpr int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }
constexpr int ToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// On a resize the tree takes 30 % of the width, at least 2,500 twips, and leaves
// at least 6,000 twips for the screens.
inline int TreeWidthForWindow(int windowTwips) {
  int tree = windowTwips * 3 / 10;
  tree = std::max(tree, kTreeMinTwips);
  if (windowTwips - tree < kScreenAreaMinTwips)
    tree = windowTwips - kScreenAreaMinTwips;
  return tree;
}

// The narrowest window, at least the minimum, whose tree (as a resize lays it
// out) is `treePx` wide and whose screen area is `screenPx` wide.
inline int WindowWidthFor(int treePx, int screenPx) {
  constexpr int kWidestPx = 100000;
  const int around = ToPixels(kScreenGapTwips) + ToPixels(kScreenMarginTwips);
  int window = kMinWidthPx;
  while (window < kWidestPx) {
    const int tree = ToPixels(TreeWidthForWindow(ToTwips(window)));
    if (tree >= treePx && window - tree - around >= screenPx)
      break;
    ++window;
  }
  return window;
}

// While dragging, the splitter bar stays 2,500 twips from either edge.
inline int ClampSplitterDrag(int xTwips, int windowTwips) {
  int upper = windowTwips - kSplitterDragMarginTwips;
  return std::max(kSplitterDragMarginTwips, std::min(xTwips, upper));
}

} // namespace kv508::ui
