// Dialog 3700, "Freedb Server Information": the current server's number of entries in all and
// per category, its most users and its version, as last fetched, with Update fetching them
// again. OK and the close box store what is shown unless a refresh is still running.
#pragma once

#include <windows.h>

namespace bw {
namespace freedb {

void RunServerInfoDialog(HWND owner);

}  // namespace freedb
}  // namespace bw
