#include "TerminalProgress.h"

namespace contour_cli {

namespace {
constexpr std::size_t kBarWidth = 30;
}

TerminalProgress::TerminalProgress(std::ostream& out, bool shown, Clock::duration delay, Clock::duration interval)
    : out_(out), shown_(shown), delay_(delay), interval_(interval) {}

void TerminalProgress::step(const std::string& what) {
  if (!shown_) return;
  out_ << "\r\033[Kcontour: " << what << "..." << std::flush;
  active_ = true;
}

void TerminalProgress::startObjects(const std::vector<uintptr_t>& selected) {
  selected_ = std::unordered_set<uintptr_t>(selected.begin(), selected.end());
  started_.clear();
  current_ = 0;
  runStart_ = Clock::now();
  lastDrawn_ = {};
}

void TerminalProgress::copied(uintptr_t source) {
  if (!shown_ || source == current_ || !selected_.contains(source)) return;
  current_ = source;
  // The settings dialog previews each change: an object seen again begins
  // the next pass over the selection.
  if (!started_.insert(source).second) {
    started_.clear();
    started_.insert(source);
  }
  const Clock::time_point now = Clock::now();
  if (now - runStart_ >= delay_ && now - lastDrawn_ >= interval_) drawBar(now);
}

void TerminalProgress::drawBar(Clock::time_point now) {
  // The object just started is still being worked on.
  const std::size_t finished = started_.size() - 1, total = selected_.size();
  const std::size_t filled = finished * kBarWidth / total;
  out_ << "\r\033[Kcontour: [" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] " << finished
       << " of " << total << " objects" << std::flush;
  active_ = true;
  lastDrawn_ = now;
}

void TerminalProgress::done() {
  if (active_) out_ << "\r\033[K" << std::flush;
  active_ = false;
}

}  // namespace contour_cli
