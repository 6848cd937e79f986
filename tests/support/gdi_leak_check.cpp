#include "support/gdi_leak_check.h"

namespace kx::test {

size_t GdiCounts::total() const {
  size_t sum = 0;
  for (size_t count : byKind) sum += count;
  return sum;
}

std::string GdiCounts::growthSince(const GdiCounts& before) const {
  std::string text;
  for (size_t i = 0; i < byKind.size(); ++i) {
    if (byKind[i] <= before.byKind[i]) continue;
    if (!text.empty()) text += ", ";
    text += std::to_string(byKind[i] - before.byKind[i]) + " " + handleKindName(static_cast<HandleKind>(i));
  }
  return text;
}

GdiCounts countGdiObjects() {
  GdiCounts counts;
  const HandleTable& table = HandleTable::instance();
  for (size_t i = 0; i < counts.byKind.size(); ++i) {
    const auto kind = static_cast<HandleKind>(i);
    if (isGdiKind(kind)) counts.byKind[i] = table.liveCount(kind);
  }
  return counts;
}

void expectNoGdiLeaks(const GdiCounts& before) {
  const std::string growth = countGdiObjects().growthSince(before);
  EXPECT_TRUE(growth.empty()) << "GDI objects leaked: " << growth;
}

}  // namespace kx::test
