#include "download/md5.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

inline uint32_t Rotate(uint32_t x, uint32_t n) { return (x << n) | (x >> (32 - n)); }

// One step of each round (RFC 1321 section 3.4): a = b + ((a + f(b,c,d) + x + t) <<< s).
inline void StepF(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, uint32_t s, uint32_t t) {
  a = b + Rotate(a + (d ^ (b & (c ^ d))) + x + t, s);
}
inline void StepG(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, uint32_t s, uint32_t t) {
  a = b + Rotate(a + (c ^ (d & (b ^ c))) + x + t, s);
}
inline void StepH(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, uint32_t s, uint32_t t) {
  a = b + Rotate(a + (b ^ c ^ d) + x + t, s);
}
inline void StepI(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, uint32_t s, uint32_t t) {
  a = b + Rotate(a + (c ^ (b | ~d)) + x + t, s);
}

inline uint32_t LoadLittle(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

void Md5Context::Init() {
  count_[0] = count_[1] = 0;
  state_[0] = 0x67452301;
  state_[1] = 0xefcdab89;
  state_[2] = 0x98badcfe;
  state_[3] = 0x10325476;
  std::memset(buffer_, 0, sizeof buffer_);
}

// The 64 steps written out: with fixed rounds, shifts and word indexes the
// compiler keeps everything in registers, which keeps the digest of a large
// package from dominating its check.
void Md5Context::Transform(const uint8_t block[64]) {
  uint32_t x[16];
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(x, block, sizeof x);  // the words are already in place
  } else {
    for (int i = 0; i < 16; ++i) x[i] = LoadLittle(block + 4 * i);
  }
  uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
  StepF(a, b, c, d, x[0], 7, 0xd76aa478);
  StepF(d, a, b, c, x[1], 12, 0xe8c7b756);
  StepF(c, d, a, b, x[2], 17, 0x242070db);
  StepF(b, c, d, a, x[3], 22, 0xc1bdceee);
  StepF(a, b, c, d, x[4], 7, 0xf57c0faf);
  StepF(d, a, b, c, x[5], 12, 0x4787c62a);
  StepF(c, d, a, b, x[6], 17, 0xa8304613);
  StepF(b, c, d, a, x[7], 22, 0xfd469501);
  StepF(a, b, c, d, x[8], 7, 0x698098d8);
  StepF(d, a, b, c, x[9], 12, 0x8b44f7af);
  StepF(c, d, a, b, x[10], 17, 0xffff5bb1);
  StepF(b, c, d, a, x[11], 22, 0x895cd7be);
  StepF(a, b, c, d, x[12], 7, 0x6b901122);
  StepF(d, a, b, c, x[13], 12, 0xfd987193);
  StepF(c, d, a, b, x[14], 17, 0xa679438e);
  StepF(b, c, d, a, x[15], 22, 0x49b40821);
  StepG(a, b, c, d, x[1], 5, 0xf61e2562);
  StepG(d, a, b, c, x[6], 9, 0xc040b340);
  StepG(c, d, a, b, x[11], 14, 0x265e5a51);
  StepG(b, c, d, a, x[0], 20, 0xe9b6c7aa);
  StepG(a, b, c, d, x[5], 5, 0xd62f105d);
  StepG(d, a, b, c, x[10], 9, 0x02441453);
  StepG(c, d, a, b, x[15], 14, 0xd8a1e681);
  StepG(b, c, d, a, x[4], 20, 0xe7d3fbc8);
  StepG(a, b, c, d, x[9], 5, 0x21e1cde6);
  StepG(d, a, b, c, x[14], 9, 0xc33707d6);
  StepG(c, d, a, b, x[3], 14, 0xf4d50d87);
  StepG(b, c, d, a, x[8], 20, 0x455a14ed);
  StepG(a, b, c, d, x[13], 5, 0xa9e3e905);
  StepG(d, a, b, c, x[2], 9, 0xfcefa3f8);
  StepG(c, d, a, b, x[7], 14, 0x676f02d9);
  StepG(b, c, d, a, x[12], 20, 0x8d2a4c8a);
  StepH(a, b, c, d, x[5], 4, 0xfffa3942);
  StepH(d, a, b, c, x[8], 11, 0x8771f681);
  StepH(c, d, a, b, x[11], 16, 0x6d9d6122);
  StepH(b, c, d, a, x[14], 23, 0xfde5380c);
  StepH(a, b, c, d, x[1], 4, 0xa4beea44);
  StepH(d, a, b, c, x[4], 11, 0x4bdecfa9);
  StepH(c, d, a, b, x[7], 16, 0xf6bb4b60);
  StepH(b, c, d, a, x[10], 23, 0xbebfbc70);
  StepH(a, b, c, d, x[13], 4, 0x289b7ec6);
  StepH(d, a, b, c, x[0], 11, 0xeaa127fa);
  StepH(c, d, a, b, x[3], 16, 0xd4ef3085);
  StepH(b, c, d, a, x[6], 23, 0x04881d05);
  StepH(a, b, c, d, x[9], 4, 0xd9d4d039);
  StepH(d, a, b, c, x[12], 11, 0xe6db99e5);
  StepH(c, d, a, b, x[15], 16, 0x1fa27cf8);
  StepH(b, c, d, a, x[2], 23, 0xc4ac5665);
  StepI(a, b, c, d, x[0], 6, 0xf4292244);
  StepI(d, a, b, c, x[7], 10, 0x432aff97);
  StepI(c, d, a, b, x[14], 15, 0xab9423a7);
  StepI(b, c, d, a, x[5], 21, 0xfc93a039);
  StepI(a, b, c, d, x[12], 6, 0x655b59c3);
  StepI(d, a, b, c, x[3], 10, 0x8f0ccc92);
  StepI(c, d, a, b, x[10], 15, 0xffeff47d);
  StepI(b, c, d, a, x[1], 21, 0x85845dd1);
  StepI(a, b, c, d, x[8], 6, 0x6fa87e4f);
  StepI(d, a, b, c, x[15], 10, 0xfe2ce6e0);
  StepI(c, d, a, b, x[6], 15, 0xa3014314);
  StepI(b, c, d, a, x[13], 21, 0x4e0811a1);
  StepI(a, b, c, d, x[4], 6, 0xf7537e82);
  StepI(d, a, b, c, x[11], 10, 0xbd3af235);
  StepI(c, d, a, b, x[2], 15, 0x2ad7d2bb);
  StepI(b, c, d, a, x[9], 21, 0xeb86d391);
  state_[0] += a, state_[1] += b, state_[2] += c, state_[3] += d;
}

void Md5Context::Update(const void* data, size_t count) {
  const auto* input = static_cast<const uint8_t*>(data);
  size_t used = (count_[0] >> 3) & 63;
  // The bit count is 64 bits wide in two halves; carry by hand.
  const uint64_t bits = (uint64_t(count_[1]) << 32 | count_[0]) + (uint64_t(count) << 3);
  count_[0] = static_cast<uint32_t>(bits);
  count_[1] = static_cast<uint32_t>(bits >> 32);

  if (used > 0) {
    const size_t take = std::min<size_t>(64 - used, count);
    std::memcpy(buffer_ + used, input, take);
    used += take, input += take, count -= take;
    if (used < 64) return;
    Transform(buffer_);
  }
  for (; count >= 64; input += 64, count -= 64) Transform(input);
  std::memcpy(buffer_, input, count);
}

Md5Context::Digest Md5Context::Final() {
  uint8_t length[8];
  for (int i = 0; i < 4; ++i) {
    length[i] = static_cast<uint8_t>(count_[0] >> (8 * i));
    length[4 + i] = static_cast<uint8_t>(count_[1] >> (8 * i));
  }
  const size_t used = (count_[0] >> 3) & 63;
  static const uint8_t kPadding[64] = {0x80};
  Update(kPadding, used < 56 ? 56 - used : 120 - used);
  Update(length, 8);
  Digest digest;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(state_[i] >> (8 * j));
  return digest;
}

std::string Md5Text(const Md5Context::Digest& digest) {
  static const char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(32);
  for (uint8_t byte : digest) {
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
  }
  return text;
}
