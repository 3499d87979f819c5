// The installer's own texts: captions, questions, messages and status lines, each written once
// so the windows and the tests name the same constant.
#pragma once

namespace bw {
namespace setup {

inline constexpr const char kSetupTitle[] = "Setup 2.3";
inline constexpr const char kCaptionLine[] = "Brindlewax 2.3 Installation";
inline constexpr const char kAboutTitle[] = "About Setup";
inline constexpr const char kPathSetupTitle[] = " Path Setup";
inline constexpr const char kMessageTitle[] = "Setup Message!";
inline constexpr const char kQuestionTitle[] = "Setup Question!";
inline constexpr const char kFreedbTitle[] = "Setup Freedb Information";

inline constexpr const char kFreedbExplanation[] =
    "To submit discs into the Freedb database Brindlewax needs your Email address and the name "
    "of your SMTP server. To get your SMTP server name check your Email application settings or "
    "ask your Internet service provider.";

inline constexpr const char kOsWindows9x[] = "Windows 95 / 98 / ME";
inline constexpr const char kOsWindowsNt4[] = "Windows NT 4.0";
inline constexpr const char kOsWindows2000[] = "Windows 2000 / XP";

inline constexpr const char kNotEnoughSpace[] = "Not enough disk space to copy file(s)!";
inline constexpr const char kCopyOverItself[] = "Error: Can't copy file over itself!";
inline constexpr const char kSourceInvalid[] = "Error: Can't read file. Source path is invalid";
// Not in the classic set of texts: a copy that cannot be written, and a shortcut that could not
// be made, are said plainly instead of passing for success.
inline constexpr const char kCannotWrite[] = "Error: Can't write file. Destination path is invalid or full: ";
inline constexpr const char kCannotReplace[] =
    "Error: Can't replace a file of the earlier installation (is Brindlewax running?): ";
inline constexpr const char kNoShortcut[] = "Error: Can't create the Start Menu shortcut.";
inline constexpr const char kNoDestination[] = "Error: Please enter the destination path.";

inline constexpr const char kCreateFolderStart[] = "Directory ";
inline constexpr const char kCreateFolderEnd[] = " does not exist, create?";
inline constexpr const char kCannotCreateFolder[] = "Error: Can't create directory ";
inline constexpr const char kAutoPlayQuestion[] =
    "Do you want the AutoPlay feature to load Brindlewax instead of the Windows CD Player?";
inline constexpr const char kBrowserQuestion[] =
    "Do you use the Microsoft Internet Explorer for web browsing? (If so, Brindlewax will "
    "default to the HTTP CDDB communication protocal)";
inline constexpr const char kComplete[] =
    "Installation complete! Thank you for using a Thornquill product.";

inline constexpr const char kStatusAborted[] = "Aborted!";
inline constexpr const char kStatusDone[] = "Done!";

inline constexpr const char kSpaceNeededLabel[] = "Disk space needed:";
inline constexpr const char kSpaceAvailableLabel[] = "Available disk space:";

}  // namespace setup
}  // namespace bw
