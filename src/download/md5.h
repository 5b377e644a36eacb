// MD5 as RFC 1321 defines it: the installer's only digest, used to check the
// downloaded package against the digest its address carries.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class Md5Context {
 public:
  using Digest = std::array<uint8_t, 16>;

  Md5Context() { Init(); }
  void Init();
  void Update(const void* data, size_t count);
  // Pads, appends the bit count and yields the digest; Init() before reuse.
  Digest Final();

 private:
  void Transform(const uint8_t block[64]);

  uint32_t count_[2];  // message length in bits, low half first
  uint32_t state_[4];
  uint8_t buffer_[64];
};

// The digest as 32 lowercase hexadecimal characters.
std::string Md5Text(const Md5Context::Digest& digest);
