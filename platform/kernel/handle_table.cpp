#include "kernel/handle_table.h"

#include <array>

namespace kx {

const char* handleKindName(HandleKind kind) {
  static constexpr std::array<const char*, static_cast<size_t>(HandleKind::Count)> kNames = {
      "window", "DC", "pen", "brush", "font", "bitmap", "palette", "region",
      "icon", "cursor", "mutex", "file", "resource"};
  auto index = static_cast<size_t>(kind);
  return index < kNames.size() ? kNames[index] : "?";
}

bool isGdiKind(HandleKind kind) {
  switch (kind) {
    case HandleKind::DeviceContext:
    case HandleKind::Pen:
    case HandleKind::Brush:
    case HandleKind::Font:
    case HandleKind::Bitmap:
    case HandleKind::Palette:
    case HandleKind::Region:
      return true;
    default:
      return false;
  }
}

HandleTable& HandleTable::instance() {
  static HandleTable table;
  return table;
}

void* HandleTable::add(std::unique_ptr<HandleObject> object) {
  if (!object) return nullptr;
  // Steps of 4 keep the low bits clear, as real handles have them.
  uintptr_t value = m_next;
  m_next += 4;
  auto* handle = reinterpret_cast<void*>(value);
  object->m_handle = handle;
  m_objects.emplace(value, std::move(object));
  return handle;
}

HandleObject* HandleTable::find(const void* handle) const {
  auto it = m_objects.find(reinterpret_cast<uintptr_t>(handle));
  return it == m_objects.end() ? nullptr : it->second.get();
}

HandleObject* HandleTable::find(const void* handle, HandleKind kind) const {
  HandleObject* object = find(handle);
  return object && object->kind() == kind ? object : nullptr;
}

std::unique_ptr<HandleObject> HandleTable::remove(const void* handle) {
  auto it = m_objects.find(reinterpret_cast<uintptr_t>(handle));
  if (it == m_objects.end()) return nullptr;
  std::unique_ptr<HandleObject> object = std::move(it->second);
  m_objects.erase(it);
  return object;
}

size_t HandleTable::liveCount(HandleKind kind) const {
  size_t count = 0;
  for (const auto& [value, object] : m_objects) {
    if (object->kind() == kind && !object->isStock()) ++count;
  }
  return count;
}

size_t HandleTable::liveGdiCount() const {
  size_t count = 0;
  for (const auto& [value, object] : m_objects) {
    if (isGdiKind(object->kind()) && !object->isStock()) ++count;
  }
  return count;
}

}  // namespace kx
