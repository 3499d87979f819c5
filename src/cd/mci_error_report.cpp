// The program-wide MCI error report handler and the report text.
#include "cd/mci_error_report.h"

#include <utility>

#include "shell/texts.h"

namespace bw {
namespace {

MciErrorReportHandler& Handler() {
  static MciErrorReportHandler g_mciErrorReportHandler;
  return g_mciErrorReportHandler;
}

}  // namespace

void SetMciErrorReportHandler(MciErrorReportHandler handler) { Handler() = std::move(handler); }

void ReportMciError(const std::string& report) {
  if (Handler()) Handler()(report);
}

std::string BuildMciErrorReport(std::string_view mciText) {
  std::string report(mciText.substr(0, kMciErrorTextLimit));
  if (!report.empty()) report += ' ';
  report += kTextMciErrorAdvice;
  return report;
}

}  // namespace bw
