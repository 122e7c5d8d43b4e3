#include "snapshot/priority_class.h"

#include <gtest/gtest.h>

#include "tests/snapshot/test_texts.h"

namespace snapshot {
namespace {

struct Case {
  std::uint32_t priority_class;
  const char* text;
};

TEST(PriorityClassText, MapsEveryClassAndTreatsOthersAsUnrecognised) {
  const Case cases[] = {
      {0x100, "text 149"},  {0x80, "text 150"},  {0x20, "text 151"},
      {0x40, "text 152"},   {0, "text 153"},     {0x4000, "text 153"},
      {0x8000, "text 153"}, {0x120, "text 153"}, {0xFFFFFFFF, "text 153"},
  };
  snapshot_test::TestTexts texts;
  PriorityClassTexts cached(texts);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.priority_class);
    EXPECT_EQ(PriorityClassText(c.priority_class, texts), c.text);
    EXPECT_EQ(cached.Text(c.priority_class), c.text);
  }
}

TEST(PriorityClassTexts, LooksEachTextUpOnce) {
  snapshot_test::TestTexts texts;
  PriorityClassTexts cached(texts);
  for (int i = 0; i < 3; ++i)
    for (std::uint32_t c : {0x20u, 0x40u, 0x80u, 0x100u, 0u, 0x4000u}) cached.Text(c);
  EXPECT_EQ(texts.lookups, 5);
}

}  // namespace
}  // namespace snapshot
