#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lettrava {

// Replaces `target` with `bytes` as a whole: the bytes go to a temporary file
// beside the target, which is flushed and then renamed over the target. On any
// failure the temporary file is removed, the old target is left as it was and
// false is returned.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Test hook: called with the temporary file's path after the bytes were written
// and before the rename; returning false makes the write fail there, as a crash
// or a full disk would.
void setAtomicWriteHookForTests(std::function<bool(const std::filesystem::path&)> hook);

// Reads a whole regular file of at most maxBytes bytes. Nothing for a missing,
// unreadable or larger file, or one that is not a regular file.
std::optional<std::string> readFileLimited(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace lettrava
