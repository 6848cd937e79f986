// CloseHandle serves the kernel objects only; windows, DCs and GDI objects have their own calls.
#include <windows.h>

#include "kernel/handle_table.h"

BOOL WINAPI CloseHandle(HANDLE hObject) {
  kx::HandleObject* object = kx::HandleTable::instance().find(hObject);
  if (!object || (object->kind() != kx::HandleKind::File && object->kind() != kx::HandleKind::Mutex)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  kx::HandleTable::instance().remove(hObject);
  return TRUE;
}
