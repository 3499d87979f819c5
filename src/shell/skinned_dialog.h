// One way to run every dialog and panel of the program. A dialog's state is a class derived
// from SkinnedDialog, owned by the dialog's entry function (RunXxxDialog) or, for a panel, by
// the panel host. The entry passes it through WM_INITDIALOG's lParam; one shared dialog
// procedure binds it to the window once and does the chores every skinned dialog has:
// context help (WM_HELP, WM_CONTEXTMENU), the skinned buttons and their hover timer, the
// opening sound and the 120 ms centre-out opening, the entry-field colours, and (through
// RunModalDialog) stopping the owner's hover timer for the life of the dialog. It then calls
// the dialog's own OnInitDialog, OnCommand, OnTimer and the like. A dialog file holds only
// what is its own:
//
//   class AboutDialog : public SkinnedDialog {
//    public:
//     AboutDialog() : SkinnedDialog(DialogChores::For(kButtons)) {}
//    private:
//     void OnInitDialog() override { SetItemText(IDC_ABOUT_NAME, kProgramName); }
//     void OnCommand(int id, int, HWND) override { if (id == IDCANCEL) End(IDOK, kSoundOk); }
//   };
//   void RunAboutDialog(HWND owner) { AboutDialog dialog; RunModalDialog(owner, IDD_ABOUT, dialog); }
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "shell/dialog_chrome.h"

class ToggleTable;

// What the shared procedure does for a dialog besides calling its handlers.
struct DialogChores {
  const SkinnedButton* buttons = nullptr;  // drawn and hover-highlighted by the chrome
  std::size_t buttonCount = 0;
  HelpIdTable helpIds = nullptr;          // WinHelp's table; none: help shows nothing
  const ToggleTable* toggles = nullptr;   // buttons that keep their highlight while on
  int openingSound = 0;                   // sound effect when the dialog opens; 0: none
  bool animateOpening = true;             // modal dialogs open centre-out; panels do not
  bool entryFieldColours = false;         // edits and lists in the entry-field colours

  template <std::size_t N>
  static constexpr DialogChores For(const SkinnedButton (&list)[N], HelpIdTable help = nullptr,
                                    int sound = 0) {
    DialogChores chores;
    chores.buttons = list;
    chores.buttonCount = N;
    chores.helpIds = help;
    chores.openingSound = sound;
    return chores;
  }
};

class SkinnedDialog {
 public:
  SkinnedDialog(const SkinnedDialog&) = delete;
  SkinnedDialog& operator=(const SkinnedDialog&) = delete;
  virtual ~SkinnedDialog() = default;

  // The dialog window while it exists, else null.
  HWND Window() const { return window_; }

  // The dialog bound to `window` by the shared procedure, or null.
  static SkinnedDialog* Of(HWND window);

 protected:
  explicit SkinnedDialog(const DialogChores& chores);

  // The dialog's own parts; each does nothing unless the dialog has one.
  virtual void OnInitDialog() {}
  virtual void OnCommand(int id, int code, HWND control) {}
  virtual void OnTimer(UINT_PTR id) {}
  // The hover timer's tick: redraws the button under the mouse. A dialog whose buttons change
  // their pictures updates the hover cells first and then calls this.
  virtual void OnHoverTimer();
  // WM_DRAWITEM: the chrome's buttons by default; answers whether the item was drawn.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
  // Any other message; a value takes the message (use SetMessageResult for a result that
  // goes through DWLP_MSGRESULT).
  virtual std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return std::nullopt;
  }
  // The window is going; timers of the dialog's own are killed here.
  virtual void OnDestroy() {}

  // Ends the dialog: plays `sound` (0: none), stops the hover timer and ends a modal dialog
  // with `result` or destroys a modeless one.
  void End(INT_PTR result, int sound = 0);

  DialogChrome& Chrome() { return chrome_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  std::string ItemText(int id, std::size_t limit = MAX_PATH) const;
  void SetItemText(int id, const std::string& text) const;
  void ShowItem(int id, bool visible) const;
  void EnableItem(int id, bool enabled) const;
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked) const;
  void SetMessageResult(LRESULT result) const;

 private:
  friend INT_PTR CALLBACK SkinnedDialogProcedure(HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR RunModalDialog(HWND, int, SkinnedDialog&);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void Bind(HWND window);
  void Unbind();

  DialogChores chores_;
  DialogChrome chrome_;
  HWND window_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;  // End was called: a dialog ending in OnInitDialog is not opened
};

// Runs `dialog` modally from dialog template `templateId`, the owner's hover timer stopped
// meanwhile and restarted afterwards. Returns the result given to End, or -1 when the
// dialog could not be created.
INT_PTR RunModalDialog(HWND owner, int templateId, SkinnedDialog& dialog);

// Creates `dialog` modeless: a panel from its locked template, or the main window from its
// resource. The caller owns `dialog` and keeps it until the window is destroyed.
HWND CreateModelessDialog(HWND parent, const DLGTEMPLATE* dialogTemplate, SkinnedDialog& dialog);
HWND CreateModelessDialog(HWND parent, int templateId, SkinnedDialog& dialog);
