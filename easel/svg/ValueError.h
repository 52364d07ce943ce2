// A value of an attribute that cannot be read: the message and the character
// offset inside the value, so the importer can point at line and column.
#ifndef EASEL_SVG_VALUEERROR_H
#define EASEL_SVG_VALUEERROR_H

#include <cstddef>
#include <stdexcept>
#include <string>

namespace easel::svg {

class ValueError : public std::runtime_error {
 public:
  ValueError(const std::string& message, std::size_t offset) : std::runtime_error(message), offset_(offset) {}
  std::size_t offset() const { return offset_; }

 private:
  std::size_t offset_;
};

}  // namespace easel::svg

#endif
