#include "BusyRun.h"

namespace easel::web {

void BusyRun::attach(RunWatch* watch) {
  std::lock_guard lock(mutex_);
  watch_ = watch;
}

void BusyRun::begin(bool stoppable) {
  std::lock_guard lock(mutex_);
  made_.store(0, std::memory_order_relaxed);
  total_.store(0, std::memory_order_relaxed);
  running_ = true;
  stoppable_ = stoppable;
}

void BusyRun::setStoppable(bool stoppable) {
  std::lock_guard lock(mutex_);
  stoppable_ = stoppable;
  if (!stoppable && watch_ != nullptr) watch_->startRun();
}

bool BusyRun::end() {
  std::lock_guard lock(mutex_);
  running_ = stoppable_ = false;
  if (watch_ == nullptr) return false;
  const bool stopped = watch_->stopped();
  watch_->startRun();  // the next run starts with no stop pending
  return stopped;
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
