// The trace log: faults that happen while nobody watches the screen.
//
// The file restarts with the first entry of each process (not at start-up, so a quiet run leaves
// the previous run's file), and again once it holds 256 entries, beginning then with a marker.
#include <cstdarg>
#include <cstdio>

#include "app/kalyx.h"

bool CKalyx::bTraceFresh = true;
int CKalyx::nTraceCount = 0;

namespace {

const char kTraceFile[] = "c:\\Kalyx.trc";
const char kTruncatedMarker[] = "--- (truncated log) ---\n";
constexpr int kMaxEntryLength = 1024;
constexpr int kMaxCountedEntries = 255;

// Appends text as a text-mode file does on Windows: each "\n" reaches the disk as CR LF. Opened
// and closed per entry so every entry is on the disk at once; a file that cannot be opened loses
// the entry without a word.
void AppendToTraceFile(const char* text) {
  char translated[2 * kMaxEntryLength + 1];
  DWORD length = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == '\n') translated[length++] = '\r';
    translated[length++] = *p;
  }
  HANDLE file = CreateFileA(kTraceFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  if (SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER) {
    WriteFile(file, translated, length, &written, nullptr);
  }
  CloseHandle(file);
}

}  // namespace

BOOL CKalyx::ClearTrace() {
  return DeleteFileA(kTraceFile);
}

void CKalyx::WriteTrace(const char* format, ...) {
  if (format == nullptr) return;
  // Longer output is cut to 1024 characters. The whole format is used: cutting it could leave a
  // conversion in halves.
  char text[kMaxEntryLength + 1] = {};
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);

  bool restart = bTraceFresh;
  if (!bTraceFresh && ++nTraceCount > kMaxCountedEntries) restart = true;
  if (restart) {
    bTraceFresh = false;
    bool overflow = nTraceCount > kMaxCountedEntries;
    nTraceCount = 0;
    ClearTrace();
    // The marker counts as the first entry of the new file.
    if (overflow) WriteTrace(kTruncatedMarker);
  }
  // Already formatted: a '%' in the result is written as it is.
  AppendToTraceFile(text);
}
