#include "BusyRun.h"

namespace easel::web {

void BusyRun::attach(RunWatch* watch) {
  std::lock_guard lock(mutex_);
  watch_ = watch;
}

void BusyRun::begin(bool stoppable) {
  {
    std::lock_guard lock(mutex_);
    made_.store(0, std::memory_order_relaxed);
    total_.store(0, std::memory_order_relaxed);
    running_ = true;
    stoppable_ = stoppable;
  }
  tell();
}

void BusyRun::setStoppable(bool stoppable) {
  {
    std::lock_guard lock(mutex_);
    stoppable_ = stoppable;
    if (!stoppable && watch_ != nullptr) watch_->startRun();
  }
  tell();
}

void BusyRun::setTotal(uint64_t total) {
  total_.store(total, std::memory_order_relaxed);
  tell();
}

uint64_t BusyRun::copied() {
  const uint64_t made = made_.fetch_add(1, std::memory_order_relaxed) + 1;
  tell();
  return made;
}

bool BusyRun::end() {
  bool stopped = false;
  {
    std::lock_guard lock(mutex_);
    running_ = stoppable_ = false;
    if (watch_ != nullptr) {
      stopped = watch_->stopped();
      watch_->startRun();  // the next run starts with no stop pending
    }
  }
  tell();
  return stopped;
}

// Outside the lock: the listener may ask for a stop.
void BusyRun::tell() {
  if (listener_) listener_(progress());
}

bool BusyRun::stop() {
  std::lock_guard lock(mutex_);
  if (!running_ || !stoppable_ || watch_ == nullptr) return false;
  watch_->requestStop();
  return true;
}

BusyRun::Progress BusyRun::progress() const {
  std::lock_guard lock(mutex_);
  return {running_, stoppable_, made_.load(std::memory_order_relaxed), total_.load(std::memory_order_relaxed)};
}

}  // namespace easel::web
