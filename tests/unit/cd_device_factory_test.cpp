// The factory: BRINDWAX_VIRTUAL_CD puts the virtual drive in place of MCI, and its letter
// counts as a CD-ROM drive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cd/cd_device_factory.h"
#include "cd/mci_error_report.h"
#include "cd/virtual_disc.h"

namespace bw {
namespace {

void SetVariable(const std::string& value) {
#ifdef _WIN32
  _putenv_s(kVirtualCdVariable, value.c_str());
#else
  if (value.empty()) {
    unsetenv(kVirtualCdVariable);
  } else {
    setenv(kVirtualCdVariable, value.c_str(), 1);
  }
#endif
}

class CdDeviceFactoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() / "brindwax_factory_disc.txt").string();
    ASSERT_TRUE(WriteVirtualDiscFile(path_, MakeVirtualDisc('Q', {150, 30000}, 60000)).IsOk());
  }
  void TearDown() override {
    SetVariable("");
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  std::string path_;
};

TEST_F(CdDeviceFactoryTest, TheVariableNamesTheVirtualDrive) {
  SetVariable(path_);
  EXPECT_TRUE(IsCdRomDrive('Q'));
  EXPECT_TRUE(IsCdRomDrive('q'));
  EXPECT_FALSE(IsCdRomDrive('\0'));
  EXPECT_NE(FindFirstCdRomDrive(), '\0');

  std::unique_ptr<CdDevice> device = CreateCdDevice();
  ASSERT_TRUE(device->Open("Q:\\"));
  device->ReadTableOfContents();
  EXPECT_EQ(device->Toc().trackCount, 2);
  EXPECT_TRUE(device->QueryMediaPresent());
}

#ifndef _WIN32
TEST_F(CdDeviceFactoryTest, WithoutTheVariableThereIsNoDrive) {
  SetVariable("");
  EXPECT_FALSE(IsCdRomDrive('Q'));
  EXPECT_EQ(FindFirstCdRomDrive(), '\0');
  int reports = 0;
  SetMciErrorReportHandler([&](const std::string&) { ++reports; });
  std::unique_ptr<CdDevice> device = CreateCdDevice();
  EXPECT_FALSE(device->Open("Q:\\"));
  SetMciErrorReportHandler(nullptr);
  EXPECT_EQ(reports, 0);  // a machine without a CD driver is not an error worth a box
}
#endif

}  // namespace
}  // namespace bw
