// An insertion-ordered list that owns what it holds: the objects go with the list. The plain
// CLList borrows; owners that delete their entries use this instead of walking the list by hand.
#pragma once

#include <new>

#include "framework/llist.h"

template <class T>
class COwnedList {
 public:
  COwnedList() : list(new (std::nothrow) CLList) {}
  ~COwnedList() {
    ForEach([](T& object) { delete &object; });
    delete list;
  }
  COwnedList(const COwnedList&) = delete;
  COwnedList& operator=(const COwnedList&) = delete;

  // Takes the object over: 0, or -991 when there is no object, no list or no node for it (the
  // object is then deleted, so a caller never leaks what it handed over).
  int Add(T* object) {
    if (object == nullptr) return -991;
    if (list == nullptr || !list->IsValid() || list->Append(object) != 1) {
      delete object;
      return -991;
    }
    return 0;
  }

  template <class Visit>
  void ForEach(Visit visit) const {
    if (list == nullptr) return;
    CIterator walk(list);
    while (walk.Next()) visit(*static_cast<T*>(walk.Current()));
  }

  int Count() const { return list != nullptr ? list->count : 0; }

  CLList* const list;  // for cursors that keep their place between calls; null without memory
};
