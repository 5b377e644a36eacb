// The digest against RFC 1321's own vectors and the padding boundaries, and
// the rule that finds the expected digest in an address.
#include <gtest/gtest.h>

#include <string>

#include "download/file_md5.h"
#include "download/md5.h"
#include "support/test_files.h"

namespace {

std::string Digest(const std::string& bytes) {
  Md5Context context;
  context.Update(bytes.data(), bytes.size());
  return Md5Text(context.Final());
}

// The boundary cases' content: byte i is i * 7 + 3.
std::string Counting(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
  return bytes;
}

TEST(Md5, Rfc1321TestSuite) {
  const struct {
    const char* message;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : cases) EXPECT_EQ(Digest(c.message), c.digest) << '"' << c.message << '"';
}

// Around the padding boundaries, a message digested in one piece, fed byte by
// byte and read from a file in 1024-byte blocks must agree with a reference
// digest computed elsewhere from the same bytes.
TEST(Md5, BlockBoundariesAgreeAcrossFeedsAndFiles) {
  const struct {
    size_t size;
    const char* digest;
  } cases[] = {
      {0, "d41d8cd98f00b204e9800998ecf8427e"},    {55, "52c0e574e1198de5fe3f8f11440dcb1b"},
      {56, "46c9907fc908ee68b1e7b8e71286a518"},   {63, "a62f6d59e837867693f042f5b8f5a236"},
      {64, "7160b8fb5e9e4023d549c3971fbaeead"},   {1025, "ee57403eb3428e1a0be41fad4a70b174"},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const std::string bytes = Counting(c.size);
    const std::string whole = Digest(bytes);
    Md5Context pieces;
    for (char byte : bytes) pieces.Update(&byte, 1);
    EXPECT_EQ(Md5Text(pieces.Final()), whole) << c.size;
    const std::wstring path = folder.File(L"f" + std::to_wstring(c.size));
    WriteBytes(path, bytes);
    EXPECT_EQ(GetFileMd5(path), whole) << c.size;
    EXPECT_EQ(whole, c.digest) << c.size;
  }
}

TEST(Md5, FileDigestIsEmptyWhenThereIsNoFile) {
  TempFolder folder;
  EXPECT_EQ(GetFileMd5(std::string()), "");
  EXPECT_EQ(GetFileMd5(std::wstring()), "");
  EXPECT_EQ(GetFileMd5(folder.File(L"missing.exe")), "");
}

TEST(Md5, UrlDigestIsTheNextToLastSegment) {
  const struct {
    const char* url;
    const char* expected;
  } cases[] = {
      {"http://h/p/0123456789abcdef0123456789abcdef/setup.exe", "0123456789abcdef0123456789abcdef"},
      {"http://h/a/b", "a"},
      {"http://h/a/b/", "b"},
      {"http://h/a/b?x=/y", "b?x="},
      {"a/b", ""},
      {"/b", ""},
      {"nothing", ""},
      {"", ""},
      {"//", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetUrlMd5(c.url), c.expected) << c.url;
}

}  // namespace
