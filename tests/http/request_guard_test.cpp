// Who may talk to the editor: the Host header, the session token and the
// size of a request.
#include <gtest/gtest.h>

#include <set>

#include "easel/http/RequestGuard.h"

namespace {

using easel::http::RequestFacts;
using easel::http::RequestGuard;

constexpr int kPort = 41234;
const std::string kToken = "0123456789abcdef0123456789abcdef";

RequestFacts api(std::string_view host = "127.0.0.1:41234", std::string_view token = kToken) {
  RequestFacts facts;
  facts.method = "POST";
  facts.path = "/api/select";
  facts.host = host;
  facts.tokenHeader = token;
  return facts;
}

int statusOf(const RequestGuard& guard, const RequestFacts& facts) {
  auto refusal = guard.check(facts);
  return refusal ? refusal->status : 200;
}

TEST(RequestGuard, AcceptsTheEditorsOwnAddressesWithTheToken) {
  RequestGuard guard(kToken, kPort);
  EXPECT_EQ(statusOf(guard, api("127.0.0.1:41234")), 200);
  EXPECT_EQ(statusOf(guard, api("localhost:41234")), 200);
  EXPECT_EQ(statusOf(guard, api("LocalHost:41234")), 200);
}

TEST(RequestGuard, RefusesForeignHostsEvenWithTheToken) {
  RequestGuard guard(kToken, kPort);
  for (const char* host : {"evil.example:41234", "evil.example", "127.0.0.1", "127.0.0.1:41235", "127.0.0.1:412345",
                           "localhost.evil.example:41234", "x127.0.0.1:41234", "[::1]:41234", ""}) {
    auto refusal = guard.check(api(host));
    ASSERT_TRUE(refusal) << host;
    EXPECT_EQ(refusal->status, 403) << host;
    EXPECT_NE(refusal->message.find("Host"), std::string::npos) << host;
  }
}

TEST(RequestGuard, TheApiTakesTheTokenOnlyInItsHeader) {
  RequestGuard guard(kToken, kPort);
  EXPECT_EQ(statusOf(guard, api("127.0.0.1:41234", "")), 403);
  EXPECT_EQ(statusOf(guard, api("127.0.0.1:41234", kToken.substr(1))), 403);
  std::string wrong = kToken;
  wrong.back() = 'e';
  EXPECT_EQ(statusOf(guard, api("127.0.0.1:41234", wrong)), 403);
  RequestFacts inAddress = api("127.0.0.1:41234", "");
  inAddress.tokenQuery = kToken;
  const std::string cookie = "contour_token=" + kToken;  // kept: the facts are views
  inAddress.cookie = cookie;
  EXPECT_EQ(statusOf(guard, inAddress), 403);  // another site's page can put it in an address or send the cookie
}

TEST(RequestGuard, ThePagesFilesTakeTheTokenInTheAddressOrTheCookie) {
  RequestGuard guard(kToken, kPort);
  RequestFacts file;
  file.method = "GET";
  file.path = "/js/app.js";
  file.host = "127.0.0.1:41234";
  EXPECT_EQ(statusOf(guard, file), 403);
  file.tokenQuery = kToken;
  EXPECT_EQ(statusOf(guard, file), 200);
  file.tokenQuery = "";
  const std::string cookies = "theme=dark; contour_token=" + kToken + "; other=1";
  file.cookie = cookies;
  EXPECT_EQ(statusOf(guard, file), 200);
  const std::string stale = "contour_token=ffff" + kToken.substr(4);
  file.cookie = stale;
  EXPECT_EQ(statusOf(guard, file), 403);
}

TEST(RequestGuard, LimitsMethodsAndBodySizes) {
  RequestGuard guard(kToken, kPort);
  RequestFacts facts = api();
  facts.bodyLength = RequestGuard::kMaxBodyLength;
  EXPECT_EQ(statusOf(guard, facts), 200);
  facts.bodyLength = RequestGuard::kMaxBodyLength + 1;
  EXPECT_EQ(statusOf(guard, facts), 413);
  // A dropped file may be larger, up to its own limit.
  facts.path = RequestGuard::kDropPath;
  EXPECT_EQ(statusOf(guard, facts), 200);
  facts.bodyLength = RequestGuard::kMaxDropLength + 1;
  EXPECT_EQ(statusOf(guard, facts), 413);
  facts.path = api().path;
  facts.bodyLength = 0;
  facts.method = "PUT";
  EXPECT_EQ(statusOf(guard, facts), 405);
  facts.method = "POST";
  facts.path = "/index.html";
  facts.tokenQuery = kToken;
  EXPECT_EQ(statusOf(guard, facts), 405);  // the page's files are only read
}

TEST(RequestGuard, TheCookieCarriesTheTokenForThisSiteOnly) {
  RequestGuard guard(kToken, kPort);
  EXPECT_EQ(guard.cookie(), "contour_token=" + kToken + "; Path=/; HttpOnly; SameSite=Strict");
}

TEST(SessionToken, Has128RandomBitsInHexadecimal) {
  std::set<std::string> seen;
  for (int i = 0; i < 50; ++i) {
    const std::string token = easel::http::makeSessionToken();
    ASSERT_EQ(token.size(), 32u);
    EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos) << token;
    seen.insert(token);
  }
  EXPECT_EQ(seen.size(), 50u);
}

}  // namespace

TEST(RequestGuard, TheOpeningCodeWorksOnceForThePageFromTheEditorsAddress) {
  RequestGuard guard(kToken, kPort);
  const std::string code = guard.openingCode();
  ASSERT_EQ(code.size(), kToken.size());
  EXPECT_NE(code, kToken);
  RequestFacts page;
  page.method = "GET";
  page.path = "/";
  page.host = "127.0.0.1:41234";
  RequestFacts foreign = page, apiPath = page, posted = page;
  foreign.host = "evil.example:41234";
  apiPath.path = "/api/state";
  posted.method = "POST";
  for (const RequestFacts& refused : {foreign, apiPath, posted}) EXPECT_FALSE(guard.redeem(refused, code));
  EXPECT_FALSE(guard.redeem(page, kToken));
  EXPECT_TRUE(guard.redeem(page, code));
  EXPECT_FALSE(guard.redeem(page, code));  // used up
}

TEST(RequestGuard, TheSessionTokenIsGivenForTheCookieAndNothingElseIs) {
  RequestGuard guard(kToken, kPort);
  RequestFacts session = api();
  session.method = "GET";
  session.path = "/api/session";
  session.tokenHeader = "";
  const std::string cookie = "other=1; contour_token=" + kToken, shortCookie = "contour_token=" + kToken.substr(1);
  session.cookie = cookie;
  EXPECT_EQ(statusOf(guard, session), 200);
  RequestFacts postedSession = session, state = session;
  postedSession.method = "POST";
  state.path = "/api/state";
  EXPECT_EQ(statusOf(guard, postedSession), 403);
  EXPECT_EQ(statusOf(guard, state), 403);
  session.cookie = shortCookie;
  EXPECT_EQ(statusOf(guard, session), 403);
}
