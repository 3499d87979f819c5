// Fuzz target for the virtual CD drive's description parser: any bytes either parse into a
// disc that formats and parses back equal, or are refused with a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cd/virtual_disc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  bw::VirtualDisc disc;
  std::string error;
  if (!bw::ParseVirtualDisc(text, &disc, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  bw::VirtualDisc again;
  if (!bw::ParseVirtualDisc(bw::FormatVirtualDisc(disc), &again, &error)) std::abort();
  if (again != disc) std::abort();
  return 0;
}
