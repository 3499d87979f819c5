// The copy and move dialog and the job it runs, answering the job's questions with the
// "File Already Exists!" dialog and the message box.
#include "filetools/copy_move_dialog.h"

#include "filetools/file_exists_dialog.h"
#include "filetools/file_name_list.h"
#include "filetools/file_tool_paths.h"
#include "filetools/file_tool_texts.h"
#include "filetools/folder_browser_dialog.h"
#include "filetools/selection_summary.h"
#include "resources/resource.h"
#include "shell/animation.h"
#include "shell/look_and_feel.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"
#include "shell/texts.h"

namespace {

using bw::TransferOperation;

constexpr int kSoundCopy = 13;
constexpr int kSoundMove = 17;
constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
constexpr int kSoundBrowse = 8;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_COPY_BROWSE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellBrowse),
    Skinned(IDC_COPY_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_COPY_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_COPY_OK, IDC_COPY_CANCEL, IDC_COPY_BROWSE,
                                      IDC_COPY_FILES, IDC_COPY_DESTINATION);

DialogChores ChoresFor(TransferOperation operation) {
  return DialogChores::For(kButtons, kHelpIds.data(),
                           operation == TransferOperation::kCopy ? kSoundCopy : kSoundMove);
}

class CopyMoveDialog : public SkinnedDialog, private bw::TransferHost {
 public:
  explicit CopyMoveDialog(const CopyMoveInput& input)
      : SkinnedDialog(ChoresFor(input.operation)), input_(input) {}

  CopyMoveResult result;

 private:
  bool IsCopy() const { return input_.operation == TransferOperation::kCopy; }

  void OnInitDialog() override {
    PlaceAnimation();
    SetWindowTextA(Window(), IsCopy() ? kTextCopyFilesTitle : kTextMoveFilesTitle);
    SetItemText(IDC_COPY_QUESTION, IsCopy() ? kTextCopyQuestion : kTextMoveQuestion);
    FillFileNameList(Item(IDC_COPY_FILES), input_.files);
    SetItemText(IDC_COPY_COUNT, bw::SelectionSummaryText(bw::DefaultFileSystem(), input_.files));
    SendDlgItemMessageA(Window(), IDC_COPY_DESTINATION, EM_LIMITTEXT, bw::kFileToolPathLimit, 0);
    SetItemText(IDC_COPY_DESTINATION,
                bw::ReadLastDestination(ProgramSettingsFile(), input_.mode, input_.operation));
    PostMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_COPY_DESTINATION)),
                 TRUE);
  }

  void OnCommand(int id, int, HWND) override {
    if (busy_) {
      // While the job runs only a cancel is heard; it ends the job between two pieces.
      if (id == IDCANCEL || id == IDC_COPY_CANCEL) stopRequested_ = true;
      return;
    }
    switch (id) {
      case IDC_COPY_BROWSE:
        OnBrowse();
        break;
      case IDOK:
      case IDC_COPY_OK:
        PlaySoundEffect(kSoundOk);
        OnOk();
        break;
      case IDCANCEL:
      case IDC_COPY_CANCEL:
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  void OnBrowse() {
    PlaySoundEffect(kSoundBrowse);
    FolderBrowserRequest request;
    request.caller.copyOrMoveOperation = true;
    request.startingFolder = ItemText(IDC_COPY_DESTINATION);
    const FolderBrowserResult chosen = RunFolderBrowser(Window(), request);
    if (chosen.accepted) SetItemText(IDC_COPY_DESTINATION, chosen.folder);
    SetFocus(Item(IDC_COPY_DESTINATION));
  }

  void OnOk() {
    bw::FileSystem& files = bw::DefaultFileSystem();
    const std::string typed = ItemText(IDC_COPY_DESTINATION);
    const std::optional<std::string> destination = bw::DestinationFolder(files, typed);
    if (!destination) {
      ShowMessage(Window(), typed.empty() ? kTextChooseDestination : kTextInvalidPath);
      SetFocus(Item(IDC_COPY_DESTINATION));
      return;
    }
    bw::TransferJob job;
    job.operation = input_.operation;
    job.sources = input_.files;
    job.destination = *destination;
    if (const std::optional<std::string> refusal = bw::CheckTransfer(files, job)) {
      ShowMessage(Window(), *refusal);
      SetFocus(Item(IDC_COPY_DESTINATION));
      return;
    }
    SetItemText(IDC_COPY_DESTINATION, job.destination);
    bw::WriteLastDestination(ProgramSettingsFile(), input_.mode, input_.operation,
                             job.destination);

    SetBusy(true);
    StartAnimation(Flight(), Window(), POINT{Flight().x.load(), Flight().y.load()});
    const bw::TransferSummary summary = bw::RunTransfer(files, job, *this);
    StopAnimationAndWait(Flight());
    SetBusy(false);
    result.filesChanged = summary.done > 0;
    SetItemText(IDC_COPY_STATUS, summary.canceled ? kTextCanceled : kTextDone);
    End(summary.canceled ? IDCANCEL : IDOK);
  }

  static Animation& Flight() { return g_animations[kAnimationCopyMove]; }

  // The copy/move animation stands centred in its frame, still until files are copied.
  void PlaceAnimation() {
    RECT frame = {};
    GetWindowRect(Item(IDC_COPY_ANIMATION), &frame);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&frame), 2);
    ShowItem(IDC_COPY_ANIMATION, false);  // it only marks the place; the dialog draws there
    Animation& flight = Flight();
    flight.x.store((frame.left + frame.right - flight.info.frameWidth) / 2);
    flight.y.store((frame.top + frame.bottom - flight.info.frameHeight) / 2);
    flight.currentFrame.store(0);
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_PAINT) return std::nullopt;
    PaintDc paint(Window());
    if (!IsAnimationRunning(Flight())) DrawAnimationFrame(Flight(), paint.Get());
    return TRUE;
  }

  void OnDestroy() override { StopAnimationAndWait(Flight()); }

  void SetBusy(bool busy) {
    busy_ = busy;
    stopRequested_ = false;
    for (int id : {IDC_COPY_OK, IDC_COPY_BROWSE, IDC_COPY_DESTINATION}) EnableItem(id, !busy);
  }

  // The job's host.
  bw::ExistingFileChoice AskExisting(const std::string& source,
                                     const std::string& target) override {
    return RunFileExistsDialog(Window(), FileExistsInput{source, target});
  }

  void ShowProgress(std::size_t index, std::size_t count, const std::string& source) override {
    SetItemText(IDC_COPY_STATUS, (IsCopy() ? kTextCopying : kTextMoving) + bw::NamePart(source) +
                                     " (" + std::to_string(index + 1) + " of " +
                                     std::to_string(count) + ")");
    SendDlgItemMessageA(Window(), IDC_COPY_FILES, LB_SETTOPINDEX, index, 0);
    UpdateWindow(Window());
  }

  void ShowFailure(const std::string& text) override { ShowMessage(Window(), text); }

  // Lets the dialog paint and hear its Cancel while a long copy runs.
  bool StopRequested() override {
    MSG message;
    while (!stopRequested_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        stopRequested_ = true;
        break;
      }
      if (!IsDialogMessageA(Window(), &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    return stopRequested_;
  }

  const CopyMoveInput& input_;
  bool busy_ = false;
  bool stopRequested_ = false;
};

}  // namespace

CopyMoveResult RunCopyMoveDialog(HWND owner, const CopyMoveInput& input) {
  if (input.files.empty()) return CopyMoveResult{};
  CopyMoveDialog dialog(input);
  RunModalDialog(owner, IDD_COPY_MOVE, dialog);
  return dialog.result;
}
