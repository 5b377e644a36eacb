#include <windows.h>

#include "ui/skin_resource.h"

namespace SkinUI {
namespace {

ResourceBytes LoadFound(HMODULE module, HRSRC info) {
  if (!info) return {};
  const HGLOBAL loaded = LoadResource(module, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {data, SizeofResource(module, info)};
}

}  // namespace

ResourceBytes FindSkinResource(void* module, int id) {
  const HMODULE handle = static_cast<HMODULE>(module);
  return LoadFound(handle, FindResourceW(handle, MAKEINTRESOURCEW(id), L"ZIPRES"));
}

ResourceBytes FindNamedResource(void* module, const std::wstring& type, const std::wstring& name) {
  const HMODULE handle = static_cast<HMODULE>(module);
  return LoadFound(handle, FindResourceW(handle, name.c_str(), type.c_str()));
}

}  // namespace SkinUI
