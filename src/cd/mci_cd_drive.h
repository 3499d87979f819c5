// The CD drive through the Windows Media Control Interface "cdaudio" device.
#pragma once

#include <memory>

#include "cd/cd_drive.h"

namespace bw {

std::unique_ptr<CdDrive> CreateMciCdDrive();

}  // namespace bw
