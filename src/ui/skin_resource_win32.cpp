#include <windows.h>

#include "ui/skin_resource.h"

namespace SkinUI {

ResourceBytes FindSkinResource(void* module, int id) {
  const HMODULE handle = static_cast<HMODULE>(module);
  const HRSRC info = FindResourceW(handle, MAKEINTRESOURCEW(id), L"ZIPRES");
  if (!info) return {};
  const HGLOBAL loaded = LoadResource(handle, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {data, SizeofResource(handle, info)};
}

ResourceBytes FindNamedResource(void* module, const std::wstring& type, const std::wstring& name) {
  const HMODULE handle = static_cast<HMODULE>(module);
  const HRSRC info = FindResourceW(handle, name.c_str(), type.c_str());
  if (!info) return {};
  const HGLOBAL loaded = LoadResource(handle, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {data, SizeofResource(handle, info)};
}

}  // namespace SkinUI
