// One table for every handle the layer gives out: windows, DCs, GDI objects, kernel objects.
//
// A handle is an opaque number that is never reused in a process, so a stale or forged handle
// finds nothing instead of someone else's object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace kx {

enum class HandleKind : uint8_t {
  Window,
  DeviceContext,
  Pen,
  Brush,
  Font,
  Bitmap,
  Palette,
  Region,
  Icon,
  Cursor,
  Mutex,
  File,
  Resource,
  Count
};

const char* handleKindName(HandleKind kind);

// Whether objects of this kind are GDI objects, counted by the leak check.
bool isGdiKind(HandleKind kind);

class HandleObject {
 public:
  explicit HandleObject(HandleKind kind) : m_kind(kind) {}
  virtual ~HandleObject() = default;
  HandleObject(const HandleObject&) = delete;
  HandleObject& operator=(const HandleObject&) = delete;

  HandleKind kind() const { return m_kind; }
  // Stock objects live for the whole process and are not counted as live objects.
  bool isStock() const { return m_stock; }
  void markStock() { m_stock = true; }
  void* handle() const { return m_handle; }

 private:
  friend class HandleTable;
  HandleKind m_kind;
  bool m_stock = false;
  void* m_handle = nullptr;
};

class HandleTable {
 public:
  static HandleTable& instance();

  // Takes ownership; returns the new handle.
  void* add(std::unique_ptr<HandleObject> object);
  // The object behind a handle, or null when the handle is unknown or of another kind.
  HandleObject* find(const void* handle) const;
  HandleObject* find(const void* handle, HandleKind kind) const;
  // Removes and returns the object (null when unknown).
  std::unique_ptr<HandleObject> remove(const void* handle);

  // Live non-stock objects of one kind.
  size_t liveCount(HandleKind kind) const;
  // Live non-stock GDI objects of every GDI kind.
  size_t liveGdiCount() const;

 private:
  std::unordered_map<uintptr_t, std::unique_ptr<HandleObject>> m_objects;
  uintptr_t m_next = 0x10000;
};

// The typed object behind a handle: T names its kind as `static constexpr HandleKind kKind`.
template <class T>
T* lookup(const void* handle) {
  return static_cast<T*>(HandleTable::instance().find(handle, T::kKind));
}

}  // namespace kx
