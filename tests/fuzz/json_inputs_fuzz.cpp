// Any bytes as a parameter file and as a dialog script: each is read or
// refused with its own error; what is read is written and read back the same.
// Nothing may crash, hang or leak, however deep or large the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "easel/host/DialogScriptJson.h"
#include "easel/host/ParamsJson.h"

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void readAsParams(std::string_view text) {
  using namespace easel::host;
  ContourParams params;
  try {
    params = paramsFromJsonText(text);
  } catch (const ParamsJsonError&) {
    return;
  }
  try {
    const ContourParams back = paramsFromJsonText(paramsToJsonText(params));
    if (std::memcmp(&back, &params, sizeof params) != 0) fault("the parameters do not read back the same");
  } catch (const ParamsJsonError& e) {
    fault(e.what());
  }
}

void readAsDialogScript(std::string_view text) {
  using namespace easel::host;
  std::vector<easel::adm::Event> events;
  try {
    events = parseDialogScript(text);
  } catch (const DialogScriptError&) {
    return;
  }
  nlohmann::ordered_json written = nlohmann::ordered_json::array();
  for (const easel::adm::Event& event : events) written.push_back(eventToJson(event));
  try {
    if (parseDialogScript(written.dump()).size() != events.size()) fault("the dialog script does not read back whole");
  } catch (const DialogScriptError& e) {
    fault(e.what());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  readAsParams(text);
  readAsDialogScript(text);
  return 0;
}
