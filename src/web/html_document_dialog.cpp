// Dialog 3400. The settings are read at opening and written at OK and on closing; Start runs
// the generator inside the command while the busy animation turns in frame 3480.
#include "web/html_document_dialog.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/win32_handles.h"
#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "filetools/folder_browser_dialog.h"
#include "resources/resource.h"
#include "shell/hover.h"
#include "shell/look_and_feel.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/question_box.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"
#include "shell/texts.h"
#include "web/html_generator.h"
#include "web/web_settings.h"
#include "web/web_template.h"
#include "web/web_texts.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundBrowse = 8;
constexpr int kSoundRadio = 20;
constexpr int kSoundCheckBox = 21;
constexpr int kSoundOpened = 24;
constexpr int kSoundStart = 26;
constexpr DWORD kDetailInterval = 100;  // milliseconds between the detail line's changes

using namespace skin::small_sheet;
constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_HTML_SELECT, skin::ButtonStyle::kSmall, kCellSelect),
    Skinned(IDC_HTML_VIEW_TEMPLATE, skin::ButtonStyle::kSmall, kCellView),
    Skinned(IDC_HTML_BROWSE_TEMPLATES, skin::ButtonStyle::kSmall, kCellBrowse),
    Skinned(IDC_HTML_BROWSE_DESTINATION, skin::ButtonStyle::kSmall, kCellBrowse),
    Skinned(IDC_HTML_START, skin::ButtonStyle::kSmall, kCellStart),
    Skinned(IDC_HTML_VIEW_HTML, skin::ButtonStyle::kSmall, kCellView),
    Skinned(IDC_HTML_OK, skin::ButtonStyle::kSmall, kCellOk),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_HTML_TEMPLATE_LIST, IDC_HTML_SELECT, IDC_HTML_VIEW_TEMPLATE, IDC_HTML_TEMPLATE_NAME,
    IDC_HTML_TEMPLATE_FOLDER, IDC_HTML_BROWSE_TEMPLATES, IDC_HTML_DESTINATION,
    IDC_HTML_BROWSE_DESTINATION, IDC_HTML_SINGLE_PAGE, IDC_HTML_MULTIPLE_PAGES, IDC_HTML_PLAIN,
    IDC_HTML_TABLE, IDC_HTML_SORT_YES, IDC_HTML_SORT_NO, IDC_HTML_CONTENTS_NONE,
    IDC_HTML_CONTENTS_ALPHABET, IDC_HTML_CONTENTS_ARTIST, IDC_HTML_HEADING_NONE,
    IDC_HTML_HEADING_ALPHABET, IDC_HTML_HEADING_ARTIST, IDC_HTML_SIZE_GROUP, IDC_HTML_SIZE_SMALL,
    IDC_HTML_SIZE_MEDIUM, IDC_HTML_SIZE_LARGE, IDC_HTML_NAMES_ON, IDC_HTML_NAMES_OFF, 3420,
    3421, 3422, 3423, 3424, 3425, 3426, 3427, 3428, 3429, 3430, 3431, 3432, IDC_HTML_START,
    IDC_HTML_VIEW_HTML, IDC_HTML_OK, IDC_HTML_STATUS, IDC_HTML_DETAIL);

bool FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                                static_cast<int>(a.size()), b.data(),
                                                static_cast<int>(b.size())) == CSTR_EQUAL;
}

// Opens `path` with the shell's "open" verb in `folder`; true when it opened.
bool OpenInShell(HWND owner, const std::string& path, const std::string& folder) {
  if (path.empty()) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(owner, "open", path.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL));
  return result > 32;
}

class HtmlDocumentDialog : public SkinnedDialog, private bw::HtmlRunHost {
 public:
  explicit HtmlDocumentDialog(const HtmlDocumentInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;

  // The dialog's state: the settings as read, with the choices of the controls.
  bw::HtmlOptions ChosenOptions() const;
  void ShowTemplateChoice();
  void FillTemplateList();
  void CommitTemplateFolder();
  void CommitDestination();
  // Browse: the folder browser opens on the template or destination folder; a confirmed
  // folder is taken as if typed (the destination keeps its file name).
  void BrowseInto(int button);
  void SelectTemplate();
  void ViewTemplate();
  void Start();
  void Close();
  void OnRadio(int id);
  void EnableSizes(bool enabled) const;

  // The generator's questions and status lines.
  bool Ask(std::string_view question) override { return AskQuestion(Window(), question); }
  void ShowStatus(std::string_view text) override { ShowLine(IDC_HTML_STATUS, text); }
  void ShowDetail(std::string_view text) override;
  void SetBusy(bool busy) override {
    SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
  }
  void Beep() override { MessageBeep(0); }
  void ShowLine(int id, std::string_view text) const;
  void StartBusyAnimation();

  const HtmlDocumentInput& input_;
  bw::HtmlDocumentSettings values_;
  DWORD lastDetail_ = 0;
  bool committing_ = false;  // a message box takes the focus from the field being left
};

void HtmlDocumentDialog::OnInitDialog() {
  values_ = bw::ReadHtmlDocumentSettings(ProgramSettingsFile(), input_.catalogueFolder);
  const bw::HtmlOptions& o = values_.options;
  for (int id = IDC_HTML_ITEM_FIRST; id <= IDC_HTML_ITEM_LAST; ++id) SetChecked(id, true);
  SetChecked(o.multiplePages ? IDC_HTML_MULTIPLE_PAGES : IDC_HTML_SINGLE_PAGE, true);
  EnableItem(IDC_HTML_CONTENTS_NONE, !o.multiplePages);
  SetChecked(o.table ? IDC_HTML_TABLE : IDC_HTML_PLAIN, true);
  SetChecked(o.contents == bw::HtmlGrouping::kNone       ? IDC_HTML_CONTENTS_NONE
             : o.contents == bw::HtmlGrouping::kAlphabet ? IDC_HTML_CONTENTS_ALPHABET
                                                         : IDC_HTML_CONTENTS_ARTIST,
             true);
  if (o.contents == bw::HtmlGrouping::kArtistName && !o.multiplePages) {
    EnableItem(IDC_HTML_HEADING_ALPHABET, false);
  }
  SetChecked(o.heading == bw::HtmlGrouping::kNone       ? IDC_HTML_HEADING_NONE
             : o.heading == bw::HtmlGrouping::kAlphabet ? IDC_HTML_HEADING_ALPHABET
                                                        : IDC_HTML_HEADING_ARTIST,
             true);
  EnableSizes(o.heading != bw::HtmlGrouping::kNone);
  SetChecked(o.headingSize == bw::HeadingSize::kSmall    ? IDC_HTML_SIZE_SMALL
             : o.headingSize == bw::HeadingSize::kMedium ? IDC_HTML_SIZE_MEDIUM
                                                         : IDC_HTML_SIZE_LARGE,
             true);
  SetChecked(o.sorting ? IDC_HTML_SORT_YES : IDC_HTML_SORT_NO, true);
  SetChecked(o.itemNames ? IDC_HTML_NAMES_ON : IDC_HTML_NAMES_OFF, true);

  SendDlgItemMessageA(Window(), IDC_HTML_TEMPLATE_FOLDER, EM_LIMITTEXT, MAX_PATH - 1, 0);
  SendDlgItemMessageA(Window(), IDC_HTML_DESTINATION, EM_LIMITTEXT, MAX_PATH - 1, 0);
  ShowTemplateChoice();
  SetItemText(IDC_HTML_TEMPLATE_FOLDER, values_.templateFolder);
  SetItemText(IDC_HTML_DESTINATION, values_.destinationFolder + values_.destinationFileName);
  FillTemplateList();
  SetItemText(IDC_HTML_DETAIL, "");
}

bw::HtmlOptions HtmlDocumentDialog::ChosenOptions() const {
  bw::HtmlOptions o = values_.options;  // the border width comes from the settings alone
  o.multiplePages = IsChecked(IDC_HTML_MULTIPLE_PAGES);
  o.table = IsChecked(IDC_HTML_TABLE);
  o.contents = IsChecked(IDC_HTML_CONTENTS_NONE)       ? bw::HtmlGrouping::kNone
               : IsChecked(IDC_HTML_CONTENTS_ALPHABET) ? bw::HtmlGrouping::kAlphabet
                                                       : bw::HtmlGrouping::kArtistName;
  o.heading = IsChecked(IDC_HTML_HEADING_NONE)       ? bw::HtmlGrouping::kNone
              : IsChecked(IDC_HTML_HEADING_ALPHABET) ? bw::HtmlGrouping::kAlphabet
                                                     : bw::HtmlGrouping::kArtistName;
  o.headingSize = IsChecked(IDC_HTML_SIZE_SMALL)    ? bw::HeadingSize::kSmall
                  : IsChecked(IDC_HTML_SIZE_MEDIUM) ? bw::HeadingSize::kMedium
                                                    : bw::HeadingSize::kLarge;
  o.sorting = !IsChecked(IDC_HTML_SORT_NO);
  o.itemNames = !IsChecked(IDC_HTML_NAMES_OFF);
  for (int i = 0; i < bw::kHtmlItemCount; ++i) {
    o.items[static_cast<std::size_t>(i)] = IsChecked(IDC_HTML_ITEM_FIRST + i);
  }
  return o;
}

// The chosen template's file name (or "None selected") and its "Name" in the main status.
void HtmlDocumentDialog::ShowTemplateChoice() {
  const std::string& file = values_.templateFileName;
  SetItemText(IDC_HTML_TEMPLATE_NAME, file.empty() ? bw::kTextWebNoneSelected : file);
  const std::string name =
      file.empty() ? std::string()
                   : bw::ReadWebTemplate(bw::DefaultFileSystem(),
                                         bw::JoinPath(values_.templateFolder, file))
                         .name;
  SetItemText(IDC_HTML_STATUS, name);
}

void HtmlDocumentDialog::FillTemplateList() {
  HWND list = Item(IDC_HTML_TEMPLATE_LIST);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const std::string pattern = bw::JoinPath(values_.templateFolder, bw::kTextWebTemplatePattern);
  WIN32_FIND_DATAA found;
  UniqueFindHandle search(FindFirstFileA(pattern.c_str(), &found));
  if (!search) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
    }
  } while (FindNextFileA(search.Get(), &found));
}

// The folder typed into the template field is taken as it stands.
void HtmlDocumentDialog::CommitTemplateFolder() {
  const std::string typed = ItemText(IDC_HTML_TEMPLATE_FOLDER);
  if (SameIgnoringCase(typed, values_.templateFolder)) return;
  values_.templateFolder = bw::EndInBackslash(typed);
  values_.templateFileName.clear();
  ShowTemplateChoice();
  FillTemplateList();
}

void HtmlDocumentDialog::BrowseInto(int button) {
  const bool destination = button == IDC_HTML_BROWSE_DESTINATION;
  FolderBrowserRequest request;
  request.caller.htmlDialogOpen = true;
  request.startingFolder = destination ? values_.destinationFolder : values_.templateFolder;
  const FolderBrowserResult chosen = RunFolderBrowser(Window(), request);
  if (!chosen.accepted) return;
  const std::string folder = bw::EndInBackslash(chosen.folder);
  if (destination) {
    SetItemText(IDC_HTML_DESTINATION, folder + values_.destinationFileName);
    CommitDestination();
  } else {
    SetItemText(IDC_HTML_TEMPLATE_FOLDER, folder);
    CommitTemplateFolder();
  }
}

void HtmlDocumentDialog::CommitDestination() {
  if (committing_) return;
  committing_ = true;
  const std::string typed = ItemText(IDC_HTML_DESTINATION);
  switch (bw::CheckDestinationText(typed, FolderExists, &values_.destinationFolder,
                                   &values_.destinationFileName)) {
    case bw::DestinationCheck::kNoFileName:
      ShowMessage(Window(), bw::kTextWebNoDestinationName);
      break;
    case bw::DestinationCheck::kInvalidFolder:
      ShowMessage(Window(), kTextInvalidPath);
      break;
    case bw::DestinationCheck::kAccepted:
      break;
  }
  SetItemText(IDC_HTML_DESTINATION, values_.destinationFolder + values_.destinationFileName);
  committing_ = false;
}

void HtmlDocumentDialog::SelectTemplate() {
  HWND list = Item(IDC_HTML_TEMPLATE_LIST);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return;
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length <= 0) return;
  std::string name(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(name.data()));
  name.resize(static_cast<std::size_t>(length));
  values_.templateFileName = name;
  ShowTemplateChoice();
}

// Only an HTML file inside the template folder is opened: a template naming a program would
// otherwise run it.
void HtmlDocumentDialog::ViewTemplate() {
  if (values_.templateFileName.empty()) return;
  const bw::WebTemplate description = bw::ReadWebTemplate(
      bw::DefaultFileSystem(), bw::JoinPath(values_.templateFolder, values_.templateFileName));
  const std::string page = bw::ViewablePage(values_.templateFolder, description.fileName);
  if (OpenInShell(Window(), page, values_.templateFolder)) PlaySoundEffect(kSoundOpened);
}

void HtmlDocumentDialog::ShowLine(int id, std::string_view text) const {
  SetItemText(id, std::string(text));
  // The generator runs inside this command: nothing else paints the line until it returns.
  if (HWND line = Item(id)) UpdateWindow(line);
}

// Per-group texts come thousands of times; the line changes at most every 100 ms.
void HtmlDocumentDialog::ShowDetail(std::string_view text) {
  const DWORD now = GetTickCount();
  if (!text.empty() && now - lastDetail_ < kDetailInterval) return;
  lastDetail_ = now;
  ShowLine(IDC_HTML_DETAIL, text);
}

void HtmlDocumentDialog::StartBusyAnimation() {
  Animation& busy = g_animations[kFixedAnimation];
  RECT frame = {};
  HWND place = Item(IDC_HTML_BUSY);
  if (place == nullptr || !busy.strip) return;
  GetWindowRect(place, &frame);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&frame), 2);
  const int width = static_cast<int>(busy.info.frameWidth);
  const int height = static_cast<int>(busy.info.frameHeight);
  const POINT corner{frame.left + std::max(0L, (frame.right - frame.left - width) / 2),
                     frame.top + std::max(0L, (frame.bottom - frame.top - height) / 2)};
  StartAnimation(busy, Window(), corner);
}

void HtmlDocumentDialog::Start() {
  PlaySoundEffect(kSoundStart);
  StopHoverTimer(Window());
  StartBusyAnimation();
  bw::HtmlRunRequest request;
  request.templateFolder = values_.templateFolder;
  request.templateFileName = values_.templateFileName;
  request.destination = {values_.destinationFolder, values_.destinationFileName};
  request.options = ChosenOptions();
  bw::Database catalogue(bw::DefaultFileSystem(), input_.catalogueFolder);
  lastDetail_ = 0;
  (void)bw::RunHtmlGenerator(catalogue, ProgramSettingsFile(), request, bw::PlatformTextRules(),
                             *this);  // the status lines say how it ended
  StopAnimationAndWait(g_animations[kFixedAnimation]);
  InvalidateRect(Item(IDC_HTML_BUSY), nullptr, TRUE);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  StartHoverTimer(Window());
}

void HtmlDocumentDialog::Close() {
  values_.options = ChosenOptions();
  bw::WriteHtmlDocumentSettings(ProgramSettingsFile(), values_);
  End(IDOK, kSoundOk);
}

void HtmlDocumentDialog::EnableSizes(bool enabled) const {
  for (int id : {IDC_HTML_SIZE_GROUP, IDC_HTML_SIZE_SMALL, IDC_HTML_SIZE_MEDIUM,
                 IDC_HTML_SIZE_LARGE}) {
    EnableItem(id, enabled);
  }
}

// The rules between the groups: many pages always have a table of contents, and a single
// page listed by artist is headed by artist.
void HtmlDocumentDialog::OnRadio(int id) {
  PlaySoundEffect(kSoundRadio);
  const auto choose = [this](std::initializer_list<int> group, int chosen) {
    for (int member : group) SetChecked(member, member == chosen);
  };
  switch (id) {
    case IDC_HTML_SINGLE_PAGE:
      EnableItem(IDC_HTML_CONTENTS_NONE, true);
      choose({IDC_HTML_CONTENTS_NONE, IDC_HTML_CONTENTS_ALPHABET, IDC_HTML_CONTENTS_ARTIST},
             IDC_HTML_CONTENTS_ALPHABET);
      EnableItem(IDC_HTML_HEADING_ALPHABET, true);
      break;
    case IDC_HTML_MULTIPLE_PAGES:
      EnableItem(IDC_HTML_CONTENTS_NONE, false);
      choose({IDC_HTML_CONTENTS_NONE, IDC_HTML_CONTENTS_ALPHABET, IDC_HTML_CONTENTS_ARTIST},
             IDC_HTML_CONTENTS_ALPHABET);
      EnableItem(IDC_HTML_HEADING_ALPHABET, true);
      break;
    case IDC_HTML_CONTENTS_NONE:
    case IDC_HTML_CONTENTS_ALPHABET:
      EnableItem(IDC_HTML_HEADING_ALPHABET, true);
      break;
    case IDC_HTML_CONTENTS_ARTIST:
      if (IsChecked(IDC_HTML_SINGLE_PAGE)) {
        EnableItem(IDC_HTML_HEADING_ALPHABET, false);
        choose({IDC_HTML_HEADING_NONE, IDC_HTML_HEADING_ALPHABET, IDC_HTML_HEADING_ARTIST},
               IDC_HTML_HEADING_ARTIST);
        EnableSizes(true);
      }
      break;
    case IDC_HTML_HEADING_NONE:
      EnableSizes(false);
      break;
    case IDC_HTML_HEADING_ALPHABET:
    case IDC_HTML_HEADING_ARTIST:
      EnableSizes(true);
      break;
    default:
      break;
  }
}

void HtmlDocumentDialog::OnCommand(int id, int code, HWND) {
  if (id >= IDC_HTML_ITEM_FIRST && id <= IDC_HTML_ITEM_LAST) {
    if (code == BN_CLICKED) PlaySoundEffect(kSoundCheckBox);
    return;
  }
  if (id >= IDC_HTML_SORT_YES && id <= IDC_HTML_NAMES_OFF && id != IDC_HTML_SIZE_GROUP) {
    if (code == BN_CLICKED) OnRadio(id);
    return;
  }
  switch (id) {
    case IDC_HTML_TEMPLATE_LIST:
      if (code == LBN_DBLCLK) SelectTemplate();
      break;
    case IDC_HTML_SELECT:
      SelectTemplate();
      break;
    case IDC_HTML_TEMPLATE_FOLDER:
      if (code == EN_KILLFOCUS) CommitTemplateFolder();
      break;
    case IDC_HTML_DESTINATION:
      if (code == EN_KILLFOCUS) CommitDestination();
      break;
    case IDOK:  // Enter in a field takes it at once
      if (GetFocus() == Item(IDC_HTML_DESTINATION)) CommitDestination();
      if (GetFocus() == Item(IDC_HTML_TEMPLATE_FOLDER)) CommitTemplateFolder();
      break;
    case IDC_HTML_BROWSE_TEMPLATES:
    case IDC_HTML_BROWSE_DESTINATION:
      PlaySoundEffect(kSoundBrowse);
      BrowseInto(id);
      break;
    case IDC_HTML_VIEW_TEMPLATE:
      ViewTemplate();
      break;
    case IDC_HTML_VIEW_HTML:
      ViewGeneratedHtml(Window());
      break;
    case IDC_HTML_START:
      CommitDestination();
      CommitTemplateFolder();
      Start();
      break;
    case IDC_HTML_OK:
    case IDCANCEL:  // Escape and the close button store the choices as OK does
      CommitTemplateFolder();
      Close();
      break;
    default:
      break;
  }
}

}  // namespace

void RunHtmlDocumentDialog(HWND owner, const HtmlDocumentInput& input) {
  HtmlDocumentDialog dialog(input);
  RunModalDialog(owner, IDD_HTML_DOCUMENT, dialog);
}

void ViewGeneratedHtml(HWND owner) {
  ProfileStore& settings = ProgramSettingsFile();
  const std::string folder = settings.Get("WEB", "DestinationPath", "");
  const std::string file = settings.Get("WEB", "DestinationFileName", "");
  const std::string page = bw::ViewablePage(folder, file);
  if (OpenInShell(owner, page, folder)) PlaySoundEffect(kSoundOpened);
}
