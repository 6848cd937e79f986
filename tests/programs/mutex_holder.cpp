// Takes the named mutex given as its argument, says on stdout whether it got it ("owned") or
// found it held ("exists"), then keeps it until stdin closes or the process is killed.
#include <windows.h>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mutex_holder <name>\n");
    return 2;
  }
  HANDLE mutex = CreateMutexA(nullptr, TRUE, argv[1]);
  DWORD error = GetLastError();
  if (!mutex) {
    std::printf("failed %lu\n", static_cast<unsigned long>(error));
    return 1;
  }
  std::printf("%s\n", error == ERROR_ALREADY_EXISTS ? "exists" : "owned");
  std::fflush(stdout);
  char byte;
  while (::read(STDIN_FILENO, &byte, 1) > 0) {
  }
  CloseHandle(mutex);
  return 0;
}
