// Dialog 3500, "Freedb Setup": the user's e-mail address and mail server, the way discs are
// submitted, the transport, the CGI script and the HTTP and CDDBP servers, with Update fetching
// the list of Freedb sites. OK stores the choices; Cancel and the close box keep the old ones.
#pragma once

#include <windows.h>

namespace bw {
namespace freedb {

void RunFreedbSetupDialog(HWND owner);

}  // namespace freedb
}  // namespace bw
