// Away from Windows the catalogue tools use the portable ordering and lower-casing.
#include "cddb/text_rules.h"

namespace bw {

TextRules PlatformTextRules() { return PortableTextRules(); }

}  // namespace bw
