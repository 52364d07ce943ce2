// Parsed<T>: the result of reading binary input that may be damaged: either
// the value or a message saying what is wrong with the input.
#ifndef EASEL_CORE_RESOURCES_PARSED_H
#define EASEL_CORE_RESOURCES_PARSED_H

#include <string>
#include <utility>
#include <variant>

namespace easel {

struct ParseError {
  std::string message;
};

inline ParseError parseError(std::string message) { return ParseError{std::move(message)}; }

template <typename T>
class Parsed {
 public:
  Parsed(T value) : state_(std::move(value)) {}
  Parsed(ParseError error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  // Only when ok().
  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const T& operator*() const { return value(); }
  const T* operator->() const { return &value(); }

  // Empty when ok().
  std::string error() const { return ok() ? std::string() : std::get<ParseError>(state_).message; }

 private:
  std::variant<T, ParseError> state_;
};

}  // namespace easel

#endif
