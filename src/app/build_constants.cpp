#include "app/build_constants.h"

namespace docbase {

std::string_view build_module_name() {
  return DOCBASE_MODULE_NAME;
}

}  // namespace docbase
