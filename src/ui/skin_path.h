// The path on disk of a skin file named relative to the skin folder. Skins
// name their files with "\" ("res\mainWnd\bg1.png").
#pragma once
#include <string>

namespace SkinUI {

// Windows: folder and name as they stand. POSIX: the same with every "\"
// turned into "/", the only separator there.
std::wstring SkinFilePath(const std::wstring& folder, const std::wstring& name);

}  // namespace SkinUI
