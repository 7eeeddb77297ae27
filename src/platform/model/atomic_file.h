#pragma once
// Whole-file replacement for files the program rewrites. The new bytes normally go to a temporary
// file beside the target, which is then renamed over it, so a failed or interrupted write never
// leaves a truncated file behind. Where a rename would change what the file is, or cannot happen,
// the target is rewritten in place instead: a file with more than one hard link (a rename would
// split them), and a writable file in a directory that takes no new file (it could otherwise never
// be saved at all).

#include <filesystem>
#include <string>

namespace veyrin {

// Replaces the file's content with `bytes`, creating the file when it does not exist. Returns
// false, with the target untouched, when the write is refused: the directory is missing, the
// target is a directory or read-only (by its permission bits, for every user), permission is
// lacking, or the disk rejects the bytes before the rename. The target keeps its owner (where the
// user may keep it), its mode and its hard links. A symbolic link is written through, so the link
// stays a link.
[[nodiscard]] bool replaceFileContents(const std::filesystem::path& target, const std::string& bytes);

}  // namespace veyrin
