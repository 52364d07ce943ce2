// The refusals that end a suite function's body, out of line.
#include "DocumentCall.h"

namespace easel::suites {

ASErr nullArgument(Call& c, const char* name) {
  c.misuse(std::string("null ") + name);
  return kBadParameterErr;
}

ASErr badArgument(Call& c, const char* what) {
  c.misuse(what);
  return kBadParameterErr;
}

}  // namespace easel::suites
