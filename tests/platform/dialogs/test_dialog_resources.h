// The dialog templates of the tests' own resource script, read from its compiled .res file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kx::test {

// The bytes of the RT_DIALOG resource `name`; empty when there is none.
std::vector<uint8_t> testDialogTemplate(const std::string& name);

}  // namespace kx::test
