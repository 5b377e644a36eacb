#include "app/diag_log.h"

#include <gtest/gtest.h>

#include <string>

#include "support/diag_capture.h"

namespace {

struct PrefixCase {
  int pid, tid, year, month, day, hour, minute, second, ms;
  const wchar_t* function;
  int line;
  const wchar_t* expected;
};

TEST(DiagLog, WriteDiagLineFormatsThePrefix) {
  const PrefixCase cases[] = {
      {1234, 56, 2023, 4, 5, 7, 8, 9, 10, L"Utils::Thread::CallBack", 101,
       L"<P01234><T00056><2023-04-05 07:08:09.010>(Utils::Thread::CallBack)<0101>: THREAD BEGIN\r\n"},
      // Wider than the minimum width: printed in full.
      {1234567, 9876543, 2026, 12, 31, 23, 59, 59, 999, L"CurlClient::Start", 123456,
       L"<P1234567><T9876543><2026-12-31 23:59:59.999>(CurlClient::Start)<123456>: THREAD BEGIN\r\n"},
  };
  for (const auto& c : cases) {
    DiagCapture capture;
    WriteDiagLine(DIAG_LINE_PREFIX L"THREAD BEGIN\r\n", c.pid, c.tid, c.year, c.month, c.day,
                  c.hour, c.minute, c.second, c.ms, c.function, c.line);
    ASSERT_EQ(capture.Lines().size(), 1u);
    EXPECT_EQ(capture.Lines()[0], c.expected);
  }
}

TEST(DiagLog, MessageIsFormattedAsWrittenWithoutAddedLineEnd) {
  DiagCapture capture;
  WriteDiagLine(L"(%ls) %d%% of %ls", L"f", 50, L"package");
  WriteDiagLine(L"no line end");
  const std::wstring longText(5000, L'x');  // longer than any first guess at the size
  WriteDiagLine(L"[%ls]", longText.c_str());
  const auto lines = capture.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], L"(f) 50% of package");
  EXPECT_EQ(lines[1], L"no line end");
  EXPECT_EQ(lines[2], L"[" + longText + L"]");
}

struct NameCase {
  std::wstring actual;
  const wchar_t* expected;
};

TEST(DiagLog, QualifiedNameFromTheCompilersSignature) {
  using diag_detail::QualifiedFunctionName;
  const NameCase cases[] = {
      {QualifiedFunctionName("static unsigned int Utils::Thread::CallBack(void*)").data(),
       L"Utils::Thread::CallBack"},
      {QualifiedFunctionName("int CurlClient::Start(const std::wstring&) const").data(),
       L"CurlClient::Start"},
      {QualifiedFunctionName("CurlClient::CurlClient()").data(), L"CurlClient::CurlClient"},
      {QualifiedFunctionName("CurlClient::~CurlClient()").data(), L"CurlClient::~CurlClient"},
      {QualifiedFunctionName("CDownloadInstaller::Start()::<lambda(int, double)>").data(),
       L"CDownloadInstaller::Start::<lambda(int, double)>"},
      {QualifiedFunctionName("bool CurlClient::operator()(int)").data(), L"CurlClient::operator()"},
      {QualifiedFunctionName("CurlClient::operator bool() const").data(),
       L"CurlClient::operator bool"},
      {QualifiedFunctionName("std::vector<std::pair<int, int> > ns::Make(T) [with T = int]").data(),
       L"ns::Make"},
      {QualifiedFunctionName("void {anonymous}::Helper()").data(), L"{anonymous}::Helper"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

struct Downloader {
  int Emit(int value) {
    const int line = __LINE__ + 1;
    DIAG_LOG(L"value=%d\r\n", value);
    return line;
  }
  int EmitFromLambda() {
    int line = 0;
    [&line] {
      line = __LINE__ + 1;
      DIAG_LOG(L"inside\r\n");
    }();
    return line;
  }
};

// "<P%05d><T%05d><YYYY-MM-DD hh:mm:ss.mmm>(" then the name, ")<line>: " and the message.
void ExpectLine(const std::wstring& line, const std::wstring& function, int sourceLine,
                const std::wstring& message) {
  ASSERT_GE(line.size(), 44u);
  EXPECT_EQ(line.substr(0, 2), L"<P");
  const size_t threadAt = line.find(L"><T");
  ASSERT_NE(threadAt, std::wstring::npos);
  EXPECT_GE(threadAt - 2, 5u);
  const size_t timeAt = line.find(L"><", threadAt + 3);
  ASSERT_NE(timeAt, std::wstring::npos);
  const std::wstring time = line.substr(timeAt + 2, 23);
  EXPECT_EQ(time[4], L'-');
  EXPECT_EQ(time[10], L' ');
  EXPECT_EQ(time[19], L'.');
  wchar_t expectedTail[64];
  swprintf(expectedTail, 64, L"<%04d>: ", sourceLine);
  EXPECT_EQ(line.substr(timeAt + 25), L">(" + function + L")" + expectedTail + message);
}

TEST(DiagLog, CallSiteRecordsFunctionLineAndMessage) {
  DiagCapture capture;
  Downloader downloader;
  const int emitLine = downloader.Emit(7);
  const int lambdaLine = downloader.EmitFromLambda();
  const auto lines = capture.Lines();
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], L"{anonymous}::Downloader::Emit", emitLine, L"value=7\r\n");
  ExpectLine(lines[1], L"{anonymous}::Downloader::EmitFromLambda::<lambda()>", lambdaLine,
             L"inside\r\n");
}

}  // namespace
