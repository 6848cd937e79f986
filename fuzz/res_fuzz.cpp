// The .res reader on any bytes: every entry it yields lies inside the image, and every dialog
// among them goes through the dialog-template reader.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "kernel/res_file.h"
#include "user/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kx::ResFile file = kx::ResFile::parse(data, size);
  const kx::ResName dialogType{true, 5, {}};  // RT_DIALOG
  for (const kx::ResEntry& entry : file.entries()) {
    if (entry.size > 0 && (entry.data < data || entry.data + entry.size > data + size)) std::abort();
    if (entry.type == dialogType) kx::parseDialogTemplate({entry.data, entry.size});
  }
  return 0;
}
