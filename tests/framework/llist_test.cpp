#include "framework/llist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<void*> Walk(CIterator& it) {
  std::vector<void*> seen;
  it.First();
  while (it.Next()) seen.push_back(it.Current());
  return seen;
}

// Counts its own destructions so the disposal idiom can be checked without leaks in between.
struct Tracked {
  explicit Tracked(int* deaths) : deaths(deaths) {}
  ~Tracked() { ++*deaths; }
  int* deaths;
};

TEST(CLList, FreshListWalksEmpty) {
  CLList list;
  CIterator it(&list);
  EXPECT_FALSE(it.Next());
  EXPECT_EQ(it.Current(), nullptr);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(list.head->next, list.tail);
  EXPECT_EQ(list.tail->prev, list.head);
}

TEST(CLList, WalkKeepsInsertionOrderAndRestartsAtFirst) {
  int a = 0, b = 0, c = 0;
  CLList list;
  for (int* p : {&a, &b, &c}) EXPECT_EQ(list.Append(p), 1);
  CIterator it(&list);
  std::vector<void*> expected{&a, &b, &c};
  EXPECT_EQ(Walk(it), expected);
  EXPECT_EQ(Walk(it), expected);
  EXPECT_EQ(list.count, 3);
}

TEST(CLList, NextAtTheEndStaysOnTheLastEntry) {
  int a = 0, b = 0;
  CLList list;
  list.Append(&a);
  list.Append(&b);
  CIterator it(&list);
  while (it.Next()) {
  }
  EXPECT_FALSE(it.Next());
  EXPECT_EQ(it.Current(), &b);
}

TEST(CLList, DuplicatesAndNullAreKept) {
  int a = 0;
  CLList list;
  list.Append(&a);
  list.Append(nullptr);
  list.Append(&a);
  CIterator it(&list);
  std::vector<void*> expected{&a, nullptr, &a};
  EXPECT_EQ(Walk(it), expected);
}

TEST(CLList, DestroyingTheListLeavesTheObjectsAlive) {
  int deaths = 0;
  Tracked kept(&deaths);
  {
    CLList list;
    list.Append(&kept);
  }
  EXPECT_EQ(deaths, 0);
}

TEST(CLList, DisposalIdiomDeletesEveryObjectOnce) {
  int deaths = 0;
  auto* list = new CLList;
  auto* it = new CIterator(list);
  for (int i = 0; i < 3; ++i) list->Append(new Tracked(&deaths));
  it->First();
  while (it->Next()) delete static_cast<Tracked*>(it->Current());
  delete it;
  delete list;
  EXPECT_EQ(deaths, 3);
}

}  // namespace
