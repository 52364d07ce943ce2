#include "Trace.h"

namespace easel {

void Trace::add(std::string line) {
  if (stream_ != nullptr) *stream_ << line << '\n';
  if (toMemory_) lines_.push_back(std::move(line));
}

}  // namespace easel
