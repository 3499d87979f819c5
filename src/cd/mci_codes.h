// The MCI result codes the CD layer names, with their values in the MCI interface, so the
// portable code and the virtual drive can speak them without the Windows headers.
#pragma once

#include <cstdint>

namespace bw {
namespace mci {

inline constexpr uint32_t kOk = 0;
inline constexpr uint32_t kErrorBase = 256;
inline constexpr uint32_t kInvalidDeviceId = kErrorBase + 1;
inline constexpr uint32_t kHardware = kErrorBase + 6;
inline constexpr uint32_t kInvalidDeviceName = kErrorBase + 7;
inline constexpr uint32_t kCannotLoadDriver = kErrorBase + 10;
inline constexpr uint32_t kUnsupportedFunction = kErrorBase + 18;
inline constexpr uint32_t kDeviceNotReady = kErrorBase + 20;
inline constexpr uint32_t kOutOfRange = kErrorBase + 26;
inline constexpr uint32_t kDuplicateAlias = kErrorBase + 33;

}  // namespace mci
}  // namespace bw
