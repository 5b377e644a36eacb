#include "analytics/core/batch_encoding.h"

#include <zlib.h>

#include <iostream>

namespace usage_analytics {
namespace {

constexpr size_t kChunkBytes = 32768;
constexpr int kGzipWindowBits = 15 + 16;  // 15 with a gzip header and trailer
constexpr int kMemoryLevel = 8;

}  // namespace

std::optional<std::string> GzipCompress(std::string_view bytes) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindowBits, kMemoryLevel,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    std::cerr << "deflateInit2 failed while compressing.\n";
    return std::nullopt;
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());

  std::string out;
  char chunk[kChunkBytes];
  int result = Z_OK;
  do {
    stream.next_out = reinterpret_cast<Bytef*>(chunk);
    stream.avail_out = sizeof chunk;
    result = deflate(&stream, Z_FINISH);
    out.append(chunk, sizeof chunk - stream.avail_out);
  } while (result == Z_OK);

  if (result != Z_STREAM_END) {
    std::cerr << "Exception during zlib compression: (" << result << ") "
              << (stream.msg ? stream.msg : "") << "\n";
    deflateEnd(&stream);
    return std::nullopt;
  }
  deflateEnd(&stream);
  return out;
}

std::string Base64Encode(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const uint32_t group = (uint32_t{static_cast<unsigned char>(bytes[i])} << 16) |
                           (uint32_t{static_cast<unsigned char>(bytes[i + 1])} << 8) |
                           uint32_t{static_cast<unsigned char>(bytes[i + 2])};
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += kAlphabet[(group >> 6) & 63];
    out += kAlphabet[group & 63];
  }
  const size_t rest = bytes.size() - i;
  if (rest > 0) {
    uint32_t group = uint32_t{static_cast<unsigned char>(bytes[i])} << 16;
    if (rest == 2) group |= uint32_t{static_cast<unsigned char>(bytes[i + 1])} << 8;
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::string PercentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool keep = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                      (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                      byte == '~';
    if (keep) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

std::optional<std::string> EncodeBatch(std::string_view batchText) {
  const std::optional<std::string> compressed = GzipCompress(batchText);
  if (!compressed) return std::nullopt;
  return "data_list=" + PercentEncode(Base64Encode(*compressed)) + "&gzip=1";
}

}  // namespace usage_analytics
