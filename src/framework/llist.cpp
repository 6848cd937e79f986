#include "framework/llist.h"

#include <new>

CLList::CLList() : head(new (std::nothrow) CLLNode(nullptr)), tail(new (std::nothrow) CLLNode(nullptr)) {
  if (!IsValid()) {
    // Half a list is no list: keep neither sentinel so the walk and Append see an empty, inert list.
    delete head;
    delete tail;
    head = nullptr;
    tail = nullptr;
    return;
  }
  head->next = tail;
  tail->prev = head;
}

CLList::~CLList() {
  CLLNode* node = head;
  while (node != nullptr) {
    CLLNode* following = node->next;
    delete node;
    node = following;
  }
}

int CLList::Append(void* object) {
  if (!IsValid()) return 0;
  CLLNode* node = new (std::nothrow) CLLNode(object);
  if (node == nullptr) return 0;
  node->prev = tail->prev;
  node->next = tail;
  tail->prev->next = node;
  tail->prev = node;
  ++count;
  return 1;
}

CIterator* CIterator::First() {
  cur = list != nullptr ? list->head : nullptr;
  return this;
}

bool CIterator::Next() {
  if (cur == nullptr || cur->next == nullptr || cur->next == list->tail) return false;
  cur = cur->next;
  return true;
}
