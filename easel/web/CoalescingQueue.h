// A queue between the HTTP handlers (many threads) and the host thread (one).
// Items may carry a key: a run of items with the same key at the front is
// taken as one, the newest. A user dragging a value sends changes faster than
// the engine redraws; only the newest is worth a preview, and the older ones
// are handed back so that their senders get an answer too. Requests sent one
// after another can arrive in another order (each on its own connection), so
// "newest" is the sender's order number where it gives one, else arrival;
// and an item older by that number than one already taken with its key is
// stale: it comes too late to be applied.
#ifndef EASEL_WEB_COALESCINGQUEUE_H
#define EASEL_WEB_COALESCINGQUEUE_H

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace easel::web {

template <typename T>
class CoalescingQueue {
 public:
  struct Taken {
    T item;
    std::vector<T> superseded;  // older items with the same key, oldest first
    bool stale = false;         // the item too is superseded: a newer one with its key was taken before
  };

  // False (and the item is not taken) once the queue is closed.
  bool push(T item, std::string key = {}, uint64_t order = 0) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return false;
      items_.push_back(Entry{std::move(key), order, std::move(item)});
    }
    ready_.notify_one();
    return true;
  }

  // Ahead of every item waiting, taken on its own. False once closed.
  bool pushFront(T item) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return false;
      items_.push_front(Entry{{}, 0, std::move(item)});
    }
    ready_.notify_one();
    return true;
  }

  // Waits for an item; nullopt once the queue is closed.
  std::optional<Taken> pop() {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [&] { return closed_ || !items_.empty(); });
    return takeLocked();
  }

  // Wakes every waiter; pushes fail from now on. Returns the items still
  // queued, for their senders to be told.
  std::vector<T> close() {
    std::vector<T> left;
    {
      std::lock_guard lock(mutex_);
      closed_ = true;
      for (auto& entry : items_) left.push_back(std::move(entry.item));
      items_.clear();
    }
    ready_.notify_all();
    return left;
  }

  // Open, with nothing waiting.
  bool idle() const {
    std::lock_guard lock(mutex_);
    return !closed_ && items_.empty();
  }

  bool closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
  }

 private:
  struct Entry {
    std::string key;
    uint64_t order;
    T item;
  };

  std::optional<Taken> takeLocked() {
    if (closed_ || items_.empty()) return std::nullopt;
    std::size_t run = 1, newest = 0;
    if (!items_.front().key.empty()) {
      while (run < items_.size() && items_[run].key == items_.front().key) ++run;
      for (std::size_t i = 1; i < run; ++i)
        if (items_[i].order >= items_[newest].order) newest = i;
    }
    Taken taken{std::move(items_[newest].item), {}};
    for (std::size_t i = 0; i < run; ++i)
      if (i != newest) taken.superseded.push_back(std::move(items_[i].item));
    const Entry& chosen = items_[newest];
    if (!chosen.key.empty() && chosen.order != 0) {
      uint64_t& newestTaken = newestTaken_[chosen.key];
      taken.stale = chosen.order < newestTaken;
      if (!taken.stale) newestTaken = chosen.order;
    }
    items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(run));
    return taken;
  }

  mutable std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Entry> items_;
  std::map<std::string, uint64_t> newestTaken_;  // by key: the order of the newest item taken
  bool closed_ = false;
};

}  // namespace easel::web

#endif
