// The MCI error report: the driver's text for a result code followed by one fixed sentence.
// Showing it is the shell's business (it stops media playback first); it installs a handler.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace bw {

// Longest MCI error text the report takes from the driver.
inline constexpr std::size_t kMciErrorTextLimit = 255;

using MciErrorReportHandler = std::function<void(const std::string& report)>;

// Installs the program-wide handler; an empty handler makes reports go nowhere (the default).
void SetMciErrorReportHandler(MciErrorReportHandler handler);

// Hands a finished report to the installed handler.
void ReportMciError(const std::string& report);

// The driver's text (cut to 255 characters), a blank, then the fixed advice sentence.
std::string BuildMciErrorReport(std::string_view mciText);

}  // namespace bw
