// The host thread's queue: order, the newest of a run of same-key items
// wins, closing, and many senders against one taker.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "easel/web/CoalescingQueue.h"
#include "easel/web/HostRequest.h"

namespace {

using easel::web::CoalescingQueue;

TEST(CoalescingQueue, KeepsOrderAndTheNewestOfARunWithOneKey) {
  CoalescingQueue<int> queue;
  queue.push(1, "value 4");
  queue.push(2, "value 4");
  queue.push(3, "value 4");
  queue.push(4);  // no key: never replaced
  queue.push(5, "value 5");
  queue.push(6, "value 4");  // not next to the first run: taken on its own
  auto taken = queue.pop();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->item, 3);
  EXPECT_EQ(taken->superseded, (std::vector<int>{1, 2}));
  for (int expected : {4, 5, 6}) {
    taken = queue.pop();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->item, expected);
    EXPECT_TRUE(taken->superseded.empty());
  }
}

TEST(CoalescingQueue, AnItemPushedFirstOvertakesTheWaitingAndIsNeverMerged) {
  CoalescingQueue<int> queue;
  queue.push(1, "value 4");
  queue.push(2, "value 4");
  EXPECT_TRUE(queue.pushFront(9));  // a cancel: ahead of the changes queued before it
  for (int expected : {9, 2}) {
    auto taken = queue.pop();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->item, expected);
  }
  queue.close();
  EXPECT_FALSE(queue.pushFront(10));
}

TEST(CoalescingQueue, TheSendersOrderDecidesWhichIsNewest) {
  CoalescingQueue<int> queue;
  queue.push(1, "value 4", 11);
  queue.push(2, "value 4", 13);  // sent last, arrived second
  queue.push(3, "value 4", 12);
  auto taken = queue.pop();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->item, 2);
  EXPECT_EQ(taken->superseded, (std::vector<int>{1, 3}));
}

TEST(CoalescingQueue, AnItemOlderThanOneTakenWithItsKeyIsStale) {
  CoalescingQueue<int> queue;
  const struct {
    int item;
    const char* key;
    uint64_t order;
    bool stale;
  } steps[] = {
      {1, "k", 5, false}, {2, "k", 3, true},       // overtaken by 1 on the way
      {3, "k", 0, false},                          // no order: never stale
      {4, "", 1, false},  {5, "other", 1, false},  // no key, or another key
      {6, "k", 5, false}, {7, "k", 6, false},      // the same order, and a newer one
  };
  for (const auto& s : steps) {
    queue.push(s.item, s.key, s.order);
    const auto taken = queue.pop();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->item, s.item);
    EXPECT_EQ(taken->stale, s.stale) << s.item;
  }
}

TEST(CoalescingQueue, ItemsWithoutAKeyAreNeverMerged) {
  CoalescingQueue<int> queue;
  queue.push(1);
  queue.push(2);
  EXPECT_EQ(queue.pop()->item, 1);
  EXPECT_EQ(queue.pop()->item, 2);
}

TEST(CoalescingQueue, ClosingWakesTheTakerAndHandsBackWhatWaits) {
  CoalescingQueue<int> queue;
  std::thread taker([&] { EXPECT_FALSE(queue.pop()); });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(queue.close().empty());
  taker.join();
  EXPECT_FALSE(queue.push(7));
  EXPECT_TRUE(queue.closed());

  CoalescingQueue<int> waiting;
  waiting.push(1, "k");
  waiting.push(2, "k");
  EXPECT_EQ(waiting.close(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(waiting.pop());
}

TEST(CoalescingQueue, EverySentItemIsTakenOrSupersededOnce) {
  CoalescingQueue<int> queue;
  constexpr int kSenders = 4, kEach = 500;
  std::vector<std::thread> senders;
  for (int s = 0; s < kSenders; ++s)
    senders.emplace_back([&, s] {
      for (int i = 0; i < kEach; ++i) queue.push(s * kEach + i, i % 3 == 0 ? "" : "key " + std::to_string(s));
    });
  std::vector<int> seen(kSenders * kEach, 0);
  int accounted = 0;
  while (accounted < kSenders * kEach) {
    auto taken = queue.pop();
    ASSERT_TRUE(taken);
    ++seen[taken->item];
    for (int old : taken->superseded) ++seen[old];
    accounted += 1 + static_cast<int>(taken->superseded.size());
  }
  for (auto& sender : senders) sender.join();
  for (int count : seen) EXPECT_EQ(count, 1);
}

TEST(Actions, EachNameReadsBackAndNoOtherIsOne) {
  using easel::web::Action;
  for (int a = 0; a <= static_cast<int>(Action::Cancel); ++a) {
    const auto action = static_cast<Action>(a);
    EXPECT_EQ(easel::web::actionNamed(easel::web::actionName(action)), action) << a;
  }
  EXPECT_EQ(easel::web::actionNamed("saveAs"), Action::SaveAs);  // the page's spelling
  for (std::string_view unknown : {"", "Select", "saveas", "close"}) EXPECT_FALSE(easel::web::actionNamed(unknown));
}

TEST(CoalescingKey, OneValueOrEntryPerItemCoalesces) {
  using easel::adm::Event;
  auto request = [](std::string_view action, std::vector<Event> events, std::string page = "") {
    easel::web::HostRequest r;
    r.action = *easel::web::actionNamed(action);
    r.events = std::move(events);
    r.page = std::move(page);
    return r;
  };
  EXPECT_EQ(coalescingKey(request("dialog", {Event::setValue(4, 20)})), "value 4");
  EXPECT_EQ(coalescingKey(request("dialog", {Event::choose(30, 6)})), "entry 30");
  EXPECT_NE(coalescingKey(request("dialog", {Event::setValue(4, 20)})),
            coalescingKey(request("dialog", {Event::setValue(5, 20)})));
  // A reloaded page counts its orders anew: its changes are not compared with the old page's.
  EXPECT_NE(coalescingKey(request("dialog", {Event::setValue(4, 20)}, "a1")),
            coalescingKey(request("dialog", {Event::setValue(4, 20)}, "b2")));
  EXPECT_EQ(coalescingKey(request("dialog", {Event::setValue(4, 20)}, "a1")),
            coalescingKey(request("dialog", {Event::setValue(4, 30)}, "a1")));
  // Presses, picks, endings and several events each count.
  EXPECT_EQ(coalescingKey(request("dialog", {Event::press(91)})), "");
  EXPECT_EQ(coalescingKey(request("dialog", {Event::pick(120, 1, 2)})), "");
  EXPECT_EQ(coalescingKey(request("dialog", {Event::end(1)})), "");
  EXPECT_EQ(coalescingKey(request("dialog", {Event::setValue(4, 20), Event::end(1)})), "");
  EXPECT_EQ(coalescingKey(request("select", {})), "");
}

}  // namespace
