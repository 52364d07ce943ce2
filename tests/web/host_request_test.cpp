// Reading the page's requests, the same for every transport: a name and a
// body become what the host takes, or the one-line refusal the page shows.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "easel/web/HostRequest.h"

namespace {

using easel::web::Action;
using easel::web::HostRequestPtr;
using easel::web::Reply;

struct ReadCase {
  const char* name;
  std::string body;
  int refused;       // the status of the refusal, 0 when the request is taken
  const char* said;  // a part of the refusal's message
};

TEST(ReadRequest, TakesKnownNamesWithTheirBodiesAndRefusesTheRest) {
  const std::vector<ReadCase> cases = {
      {"state", "", 0, ""},
      {"state", "not JSON", 0, ""},  // takes no body: whatever came is not read
      {"cancel", "", 0, ""},
      {"select", R"({"all": true})", 0, ""},
      {"undo", "", 0, ""},
      {"dialog", R"([{"item": 4, "value": 20}])", 0, ""},
      {"select", "[1, 2]", 400, "not a JSON object"},
      {"select", "{", 400, "not a JSON object"},
      {"select", std::string(80, '[') + std::string(80, ']'), 400, "malformed request"},
      {"dialog", "{}", 400, "malformed dialog events"},
      {"close", "", 404, "no such request: close"},
      {"Select", "", 404, "no such request"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.body.substr(0, 20));
    auto read = easel::web::readRequest(c.name, c.body);
    if (c.refused == 0) {
      ASSERT_TRUE(std::holds_alternative<HostRequestPtr>(read)) << std::get<Reply>(read).body.dump();
      EXPECT_EQ(std::get<HostRequestPtr>(read)->action, *easel::web::actionNamed(c.name));
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<Reply>(read));
    const Reply& refusal = std::get<Reply>(read);
    EXPECT_EQ(refusal.status, c.refused);
    EXPECT_FALSE(refusal.body["ok"].get<bool>());
    EXPECT_NE(refusal.body["error"].get<std::string>().find(c.said), std::string::npos) << refusal.body.dump();
  }
}

TEST(ReadRequest, KeepsTheBodyAndTheDialogEvents) {
  auto select = std::get<HostRequestPtr>(easel::web::readRequest("select", R"({"at": [1, 2], "add": true})"));
  EXPECT_EQ(select->body["at"][1].get<int>(), 2);
  auto dialog =
      std::get<HostRequestPtr>(easel::web::readRequest("dialog", R"([{"item": 91, "press": true}, {"end": 1}])"));
  ASSERT_EQ(dialog->events.size(), 2u);
  EXPECT_EQ(dialog->events[0].item, 91);
}

TEST(AnswerText, ReplacesWhatIsNotUtf8) {
  EXPECT_EQ(easel::web::answerText({{"file", "caf\xe9.svg"}}), "{\"file\":\"caf\xef\xbf\xbd.svg\"}");
}

TEST(ReplyFuture, GetsWhatTheHostDelivers) {
  auto request = std::get<HostRequestPtr>(easel::web::readRequest("state", ""));
  auto answer = easel::web::replyFuture(*request);
  request->deliver(Reply{409, {{"ok", false}}});
  EXPECT_EQ(answer.get().status, 409);
}

}  // namespace
