// Writes its one argument to the trace log as a process of its own, for the restart-per-process test.
#include "app/kalyx.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  CKalyx::WriteTrace("%s", argv[1]);
  return 0;
}
