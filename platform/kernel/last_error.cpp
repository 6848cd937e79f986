// The calling thread's last error, as every Win32 function of the layer reports it.
#include <windows.h>

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
}  // namespace

DWORD WINAPI GetLastError(void) {
  return t_lastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
  t_lastError = dwErrCode;
}
