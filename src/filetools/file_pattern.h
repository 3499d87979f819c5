// File-name patterns of the file tools ("*.wav", "*.exe"): "*" stands for any run of
// characters, "?" for any one, letters match without regard to ASCII case, as file names
// on the program's disks do.
#pragma once

#include <string_view>
#include <vector>
#include <string>

namespace bw {

bool MatchesFilePattern(std::string_view name, std::string_view pattern);

// True when `name` matches at least one of `patterns`.
bool MatchesAnyFilePattern(std::string_view name, const std::vector<std::string>& patterns);

}  // namespace bw
