// The relative path from one folder to another, both taken as folders: what
// decides whether two folder texts name the same folder.
#pragma once
#include <string>

namespace Utils {

// False when no relative path exists (different drives or roots, an empty
// folder). Trailing separators do not count; the same folder gives ".".
// Windows: PathRelativePathToW, names compared without regard to case.
// POSIX: the same rule on "/" paths, names compared exactly; "." and ".."
// are names like any other (nothing is resolved on either system).
bool RelativeFolderPath(const std::wstring& from, const std::wstring& to, std::wstring& relative);

}  // namespace Utils
