// An insertion-ordered, doubly linked list of borrowed object pointers and its cursor.
//
// The list never owns what it points to: an owner walks it with a CIterator, deletes each object,
// then deletes the iterator and the list. Deleting objects during the walk is safe because the
// nodes stay in place until the list itself goes.
#pragma once

class CLLNode {
 public:
  explicit CLLNode(void* data) : data(data) {}

  void* data;
  CLLNode* next = nullptr;
  CLLNode* prev = nullptr;
};

class CLList {
 public:
  CLList();
  ~CLList();
  CLList(const CLList&) = delete;
  CLList& operator=(const CLList&) = delete;

  // 1 on success; 0 (list unchanged) when no node can be allocated. Duplicates and null are kept.
  int Append(void* object);
  // False when a sentinel could not be allocated; such a list accepts nothing and walks empty.
  bool IsValid() const { return head != nullptr && tail != nullptr; }

  // The sentinels carry null data and are never visited by a walk.
  CLLNode* head;
  CLLNode* tail;
  int count = 0;
};

class CIterator {
 public:
  explicit CIterator(CLList* list) : list(list), cur(list != nullptr ? list->head : nullptr) {}
  CIterator(const CIterator&) = delete;
  CIterator& operator=(const CIterator&) = delete;

  // Back to the head sentinel, that is, before the first entry.
  CIterator* First();
  // Moves on and returns true; false without moving at the end of the list.
  bool Next();
  // The entry under the cursor; null before the first entry.
  void* Current() const { return cur != nullptr ? cur->data : nullptr; }

  CLList* list;
  CLLNode* cur;
};
