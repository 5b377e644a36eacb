#include "utils/session_info.h"

#include <gtest/gtest.h>

namespace {

TEST(SessionInfo, UnknownOrEmptyAccountIsNoAdministrator) {
  EXPECT_FALSE(Utils::IsUserAdmin(L""));
  EXPECT_FALSE(Utils::IsUserAdmin(L"kelvra-no-such-account"));
}

}  // namespace
