// MemorySource: a ResourceSource over resources put together in the test.
#ifndef CONTOUR_TESTS_RESOURCES_MEMORYSOURCE_H
#define CONTOUR_TESTS_RESOURCES_MEMORYSOURCE_H

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "easel/core/resources/ResourceSource.h"

namespace easel::testing {

class MemorySource : public ResourceSource {
 public:
  void add(const ResId& type, const ResId& id, std::vector<uint8_t> data, uint16_t language = 1033) {
    entries_.push_back({type, id, Resource{std::move(data), language}});
  }
  std::optional<Resource> findResource(const ResId& type, const ResId& id) const override {
    for (const auto& e : entries_)
      if (e.type == type && e.id == id) return e.resource;
    return std::nullopt;
  }

 private:
  struct Entry {
    ResId type;
    ResId id;
    Resource resource;
  };
  std::vector<Entry> entries_;
};

}  // namespace easel::testing

#endif
