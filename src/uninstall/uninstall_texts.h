// The uninstaller's own texts.
#pragma once

namespace bw {
namespace uninstall {

inline constexpr const char kWindowTitle[] = "Uninstall Brindlewax";
inline constexpr const char kQuestionTitle[] = "Question!";
inline constexpr const char kRemoveFrom[] = "Remove Brindlewax from:";
inline constexpr const char kVersion[] = "Version 2.3";
inline constexpr const char kManualSteps[] = "You now must do the following manually:";
inline constexpr const char kDeleteUninstaller[] =
    "1. Delete 'DelBrix.exe' from the path you installed Brindlewax.";
inline constexpr const char kQuestion[] = "Are you sure you want to Uninstall Brindlewax?";
inline constexpr const char kRemoved[] = "Brindlewax is now removed from your system!";
inline constexpr const char kDone[] = "Done!";

// Added to the question when the folder holds a catalogue: the user's discs are never deleted
// by surprise.
inline constexpr const char kCatalogueWarningStart[] = "This also deletes your CD catalogue ";
inline constexpr const char kCatalogueWarningEnd[] =
    " and your settings. Copy brindwax.dat to another folder first to keep your discs.";
// Added when the folder holds files of the list but no Brindlewax program.
inline constexpr const char kNotAnInstallation[] =
    "This folder holds no Brindlewax program, so no file is deleted from it.";
// The closing texts when files could not be deleted.
inline constexpr const char kNotRemoved[] =
    "Brindlewax is not removed completely. Close Brindlewax and run the uninstaller again.";
inline constexpr const char kLeftStart[] = "Not deleted: ";

}  // namespace uninstall
}  // namespace bw
