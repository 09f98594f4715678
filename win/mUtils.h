// Small procedures shared by the windows.
#pragma once

#include <string>

namespace mUtils {

// Hands a document or web address to the shell to open; nothing is reported either way.
void ShellOpen(const std::string& target);

}  // namespace mUtils
