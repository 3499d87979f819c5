// Dialog 3600, "Found Inexact Matches In Freedb Database": lets the user pick the disc that
// best matches the one in the drive from a server's inexact matches.
#pragma once

#include <windows.h>

#include <vector>

#include "freedb/query_reply.h"

namespace bw {
namespace freedb {

// The index of the chosen match, or -1 for Cancel. The first match starts selected; a list
// of exactly one match is answered with 0 at once, without showing the dialog.
int RunInexactMatchDialog(HWND owner, const std::vector<InexactMatch>& matches);

}  // namespace freedb
}  // namespace bw
