// What the CD Player panel reaches outside itself: the program's CD device, the drive it
// opens and the catalogue in the program folder.
#include "cd/cd_player_panel_internal.h"

#include "base/file_system.h"
#include "cd/current_disc_key.h"
#include "cd/program_cd_device.h"
#include "shell/panel_host.h"
#include "shell/program_state.h"

CdPlayerKeptState g_cdPlayerKept;
CdPlayerPanel* LiveCdPlayerPanel() {
  return dynamic_cast<CdPlayerPanel*>(SkinnedDialog::Of(CurrentPanel()));
}

bw::CdDevice* CdDeviceOrNull() { return bw::ProgramCdDevice(); }

const std::string& CdDriveRoot() { return g_settings.main.defaultCdRomDrive; }

bw::Database ProgramCatalogue() { return bw::Database(bw::DefaultFileSystem(), g_programFolder); }

bw::DiscProfile CurrentDiscProfile() {
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr ? bw::CurrentDiscKey(device->Toc()) : bw::DiscProfile();
}

bool IsCurrentDiscInCatalogue() {
  const bw::DiscProfile profile = CurrentDiscProfile();
  if (profile.trackCount == 0) return false;
  std::uint32_t offset = 0;
  return ProgramCatalogue().FindEntryByProfile(profile, &offset).IsOk() && offset != 0;
}
