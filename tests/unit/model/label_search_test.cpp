#include "model/label_search.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kv508 {
namespace {

// Each case types its keys one at a time; the result after each key and the
// text kept at the end.
struct SearchCase {
  const char *keys;
  std::vector<int> found;
  std::string kept;
};

class LabelSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(LabelSearchTest, FindsWholeLabelsAndRestartsOnADeadEnd) {
  const SearchCase &c = GetParam();
  LabelSearch search;
  std::vector<int> found;
  for (const char *k = c.keys; *k; ++k)
    found.push_back(search.Type(std::string(1, *k)));
  EXPECT_EQ(found, c.found);
  EXPECT_EQ(search.Typed(), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Keys, LabelSearchTest,
                         ::testing::Values(SearchCase{"16", {-1, 32}, "16"},
                                           // "05" is a label of its own before "05A" is.
                                           SearchCase{"05A", {-1, 10, 11}, "05A"},
                                           SearchCase{"05a", {-1, 10, 11}, "05A"},
                                           // "167" begins no label: start again from "7".
                                           SearchCase{"167", {-1, 32, -1}, "7"},
                                           SearchCase{"1670", {-1, 32, -1, 140}, "70"},
                                           SearchCase{"119A", {-1, 22, 238, 239}, "119A"},
                                           // Keys that begin no label at all are dropped.
                                           SearchCase{"x16", {-1, -1, 32}, "16"},
                                           SearchCase{"A", {-1}, ""}));

TEST(LabelSearch, ResetForgetsTheKeysTyped) {
  LabelSearch search;
  EXPECT_EQ(search.Type("1"), -1);
  search.Reset();
  EXPECT_EQ(search.Type("6"), -1);
  EXPECT_EQ(search.Type("9"), 138);
}

} // namespace
} // namespace kv508
