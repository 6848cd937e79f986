// Resources of the program's linked .res. There is one module, so NULL or any instance handle
// means the program. HRSRC points at the entry in the parsed table; HGLOBAL and the locked pointer
// are the resource's bytes themselves, which live as long as the program.
#include <windows.h>

#include <map>
#include <string>

#include <kx/module.h>

#include "kernel/icon.h"
#include "kernel/res_file.h"

namespace {

// Any object's address serves as the handle: the handle table's numbers never reach it.
const char kProgramModule = 0;

const kx::ResEntry* entryFor(HRSRC resource) {
  for (const kx::ResEntry& entry : kx::programResources().entries()) {
    if (reinterpret_cast<HRSRC>(const_cast<kx::ResEntry*>(&entry)) == resource) return &entry;
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return nullptr;
}

bool typeExists(const kx::ResName& type) {
  for (const kx::ResEntry& entry : kx::programResources().entries()) {
    if (entry.type == type) return true;
  }
  return false;
}

// Windows-1252 bytes 0x80..0x9F; 0 marks a byte with no character.
constexpr uint16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ansiFromUtf16(uint16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == unit && unit != 0) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// A shared handle per picture: the system never destroys what LoadIcon and LoadCursor give it,
// and Windows hands out the same shared handle each time.
template <class Object, class Make>
HANDLE sharedHandle(const std::string& key, Make make) {
  static std::map<std::string, HANDLE> cache;
  auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  std::unique_ptr<Object> object = make();
  if (!object) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  object->markStock();
  HANDLE handle = kx::HandleTable::instance().add(std::move(object));
  cache.emplace(key, handle);
  return handle;
}

std::string keyOf(const kx::ResName& name) {
  return name.isId ? "#" + std::to_string(name.id) : name.name;
}

}  // namespace

namespace kx {

HINSTANCE programInstance() {
  return reinterpret_cast<HINSTANCE>(const_cast<char*>(&kProgramModule));
}

}  // namespace kx

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (lpModuleName) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return kx::programInstance();
}

HRSRC WINAPI FindResourceA(HMODULE /*hModule*/, LPCSTR lpName, LPCSTR lpType) {
  if (!lpName || !lpType) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  kx::ResName type = kx::resNameFromWin32(lpType);
  const kx::ResEntry* entry = kx::programResources().find(type, kx::resNameFromWin32(lpName));
  if (!entry) {
    SetLastError(typeExists(type) ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(const_cast<kx::ResEntry*>(entry));
}

HGLOBAL WINAPI LoadResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  const kx::ResEntry* entry = entryFor(hResInfo);
  return entry ? const_cast<uint8_t*>(entry->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
  return hResData;
}

// Resources are never unloaded; FreeResource reports success with FALSE, as on 32-bit Windows.
BOOL WINAPI FreeResource(HGLOBAL /*hResData*/) {
  return FALSE;
}

DWORD WINAPI SizeofResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  const kx::ResEntry* entry = entryFor(hResInfo);
  return entry ? entry->size : 0;
}

int WINAPI LoadStringA(HINSTANCE /*hInstance*/, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (!lpBuffer || cchBufferMax <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  lpBuffer[0] = '\0';
  // Strings come in blocks of 16, block n + 1 holding ids 16n..16n+15, each a length and UTF-16 text.
  const kx::ResEntry* block =
      uID > 0xFFFF
          ? nullptr
          : kx::programResources().find(kx::ResName{true, 6, {}},
                                        kx::ResName{true, static_cast<uint16_t>((uID >> 4) + 1), {}});
  size_t at = 0;
  for (UINT index = 0; block && index <= (uID & 15); ++index) {
    if (at + 2 > block->size) break;
    size_t length = block->data[at] | block->data[at + 1] << 8;
    at += 2;
    if (at + 2 * length > block->size) break;
    if (index == (uID & 15)) {
      int count = static_cast<int>(std::min<size_t>(length, static_cast<size_t>(cchBufferMax - 1)));
      for (int i = 0; i < count; ++i) {
        lpBuffer[i] =
            ansiFromUtf16(static_cast<uint16_t>(block->data[at + 2 * i] | block->data[at + 2 * i + 1] << 8));
      }
      lpBuffer[count] = '\0';
      if (count > 0) return count;
      break;
    }
    at += 2 * length;
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return 0;
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (!lpIconName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  kx::ResName name = kx::resNameFromWin32(lpIconName);
  // With no instance the name is one of the system's IDI_* icons.
  if (!hInstance) {
    return static_cast<HICON>(sharedHandle<kx::IconObject>("stock icon " + keyOf(name), [&] {
      std::optional<kx::IconImage> image = name.isId ? kx::stockIconImage(name.id) : std::nullopt;
      return image ? std::make_unique<kx::IconObject>(std::move(*image)) : nullptr;
    }));
  }
  return static_cast<HICON>(sharedHandle<kx::IconObject>("icon " + keyOf(name), [&] {
    std::optional<kx::IconImage> image = kx::loadIconFromResources(kx::programResources(), name, 32);
    return image ? std::make_unique<kx::IconObject>(std::move(*image)) : nullptr;
  }));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
  kx::ResName name = kx::resNameFromWin32(lpCursorName);
  // The program has no cursors of its own; only the system's IDC_* cursors exist.
  if (hInstance || !lpCursorName || !name.isId) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return static_cast<HCURSOR>(sharedHandle<kx::CursorObject>("cursor " + keyOf(name), [&] {
    std::optional<kx::StockCursor> cursor = kx::stockCursor(name.id);
    return cursor ? std::make_unique<kx::CursorObject>(std::move(cursor->image), cursor->hotX, cursor->hotY)
                  : nullptr;
  }));
}

// Every icon here is shared, so destroying one leaves it in place, as Windows does for shared icons.
BOOL WINAPI DestroyIcon(HICON hIcon) {
  if (!kx::lookup<kx::IconObject>(hIcon)) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return FALSE;
  }
  return TRUE;
}
