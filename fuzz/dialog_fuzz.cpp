// The dialog-template reader on any bytes, in both the classic and the extended layout.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "user/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<kx::DialogTemplate> dialog = kx::parseDialogTemplate({data, size});
  if (!dialog) return 0;
  // The texts are whole strings of their own, whatever the bytes held.
  size_t total = dialog->caption.size() + dialog->typeface.size() + dialog->menu.size();
  for (const kx::DialogItemTemplate& item : dialog->items) total += item.className.size() + item.title.size();
  if (total > size * 4 + 64) std::abort();
  return 0;
}
