// Window classes: RegisterClassA, UnregisterClassA, GetClassInfoA.
//
// One process-wide name space, names compared without regard to case. Class atoms are handed out
// from 0xC000 up, as Windows does for registered classes.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "kernel/api_boundary.h"
#include "user/window.h"

namespace kx {

namespace {

std::string foldCase(const char* name) {
  std::string folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return folded;
}

struct ClassRegistry {
  std::map<std::string, std::shared_ptr<WindowClass>> byName;
  ATOM nextAtom = 0xC000;
};

ClassRegistry& registry() {
  static ClassRegistry classes;
  return classes;
}

}  // namespace

std::shared_ptr<WindowClass> findWindowClass(LPCSTR name) {
  if (!name) return nullptr;
  ClassRegistry& classes = registry();
  if (IS_INTRESOURCE(name)) {
    auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    for (const auto& [key, cls] : classes.byName) {
      if (cls->atom == atom) return cls;
    }
    return nullptr;
  }
  auto it = classes.byName.find(foldCase(name));
  return it == classes.byName.end() ? nullptr : it->second;
}

void clearWindowClasses() {
  registry().byName.clear();
}

}  // namespace kx

using namespace kx;

namespace {

ATOM registerClass(const WNDCLASSA* lpWndClass) {
  if (!lpWndClass || !lpWndClass->lpszClassName || IS_INTRESOURCE(lpWndClass->lpszClassName) ||
      !*lpWndClass->lpszClassName || lpWndClass->cbWndExtra < 0 || lpWndClass->cbClsExtra < 0 ||
      lpWndClass->cbWndExtra > 40000) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (findWindowClass(lpWndClass->lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto cls = std::make_shared<WindowClass>();
  cls->name = lpWndClass->lpszClassName;
  cls->info = *lpWndClass;
  cls->info.lpszClassName = nullptr;
  cls->info.lpszMenuName = nullptr;
  cls->atom = registry().nextAtom++;
  registry().byName[foldCase(lpWndClass->lpszClassName)] = cls;
  return cls->atom;
}

}  // namespace

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
  return failSafe<ATOM>(0, [&] { return registerClass(lpWndClass); });
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE /*hInstance*/) {
  std::shared_ptr<WindowClass> cls = findWindowClass(lpClassName);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (cls->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  registry().byName.erase(foldCase(cls->name.c_str()));
  // The class owns its background brush: Windows deletes it with the class. Stock brushes and
  // COLOR_* + 1 values are no brushes of the class's own and stay.
  HBRUSH brush = cls->info.hbrBackground;
  HandleObject* object = HandleTable::instance().find(brush, HandleKind::Brush);
  if (object && !object->isStock()) DeleteObject(brush);
  return TRUE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE /*hInstance*/, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
  std::shared_ptr<WindowClass> cls = findWindowClass(lpClassName);
  if (!cls || !lpWndClass) {
    SetLastError(cls ? ERROR_INVALID_PARAMETER : ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *lpWndClass = cls->info;
  lpWndClass->lpszClassName = lpClassName;
  return TRUE;
}
