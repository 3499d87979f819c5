// The options dialog driven on the real program: its controls read from the settings file, OK
// applying the values (file lists, the CD drive), Cancel keeping them, the animation setup and
// the editor selection storing their choices at once, and the settings file after Exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cd/virtual_disc.h"
#include "filetools/editor_selection_texts.h"
#include "shell/options_texts.h"
#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

constexpr int kMessageOk = 610;
constexpr int kMessageText = 620;
constexpr const char* kEditorWavTitle = "Select editor for *.WAV files";
constexpr const char* kEditorMidTitle = "Select editor for *.MID files";

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(e2e::FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(e2e::FindControl(dialog, id)) != FALSE; }

// Clicks a radio button or check box and waits until it shows `checked`.
bool ClickTo(HWND dialog, int id, bool checked) {
  e2e::ClickId(dialog, id);
  return e2e::WaitUntil([&] { return IsChecked(dialog, id) == checked; }, 3000);
}

// The drive list's entries. Item texts are asked by search, since the list's own text reply
// does not cross from process to process whole under every system.
std::vector<std::string> DriveList(HWND dialog) {
  HWND list = e2e::FindControl(dialog, IDC_OPTIONS_DRIVE);
  const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
  std::vector<std::string> drives(static_cast<std::size_t>(count < 0 ? 0 : count));
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    const LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(root.c_str()));
    if (index >= 0 && index < count) drives[static_cast<std::size_t>(index)] = root;
  }
  return drives;
}

// The selected entry, as the drop-down list shows it.
std::string SelectedDrive(HWND dialog) {
  return e2e::GetText(e2e::FindControl(dialog, IDC_OPTIONS_DRIVE));
}

void SelectDrive(HWND dialog, const char* root) {
  HWND list = e2e::FindControl(dialog, IDC_OPTIONS_DRIVE);
  SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(root));
}

// Picks `name` in the animation setup's list as a click would.
bool PickAnimation(HWND setup, const char* name) {
  HWND list = e2e::FindControl(setup, IDC_ANIMATION_SETUP_LIST);
  const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(name));
  if (index == LB_ERR) return false;
  SendMessageA(list, LB_SETCURSEL, index, 0);
  PostMessageA(setup, WM_COMMAND, MAKEWPARAM(IDC_ANIMATION_SETUP_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  return true;
}

bool WaitClosed(HWND window) { return e2e::WaitUntil([&] { return !IsWindow(window); }, 5000); }

class OptionsDialogFlow : public testing::Test {
 protected:
  void SetUp() override { folder.WriteIni("MAIN", "SoundControls", "Off"); }
  void TearDown() override {
    if (program.IsRunning()) program.Kill();
  }

  // Two virtual drives: R with a three-track disc, S with a five-track one.
  std::string TwoDrivesEnvironment() const {
    EXPECT_TRUE(bw::WriteVirtualDiscFile(folder.File("drive_r.txt"),
                                         bw::MakeVirtualDisc('R', {150, 18787, 40500}, 54000))
                    .IsOk());
    EXPECT_TRUE(bw::WriteVirtualDiscFile(
                    folder.File("drive_s.txt"),
                    bw::MakeVirtualDisc('S', {150, 7650, 15150, 22650, 30150}, 37650))
                    .IsOk());
    return std::string(bw::kVirtualCdVariable) + "=" + folder.File("drive_r.txt") + ";" +
           folder.File("drive_s.txt");
  }

  bool Start(const std::string& environment = "") {
    if (!program.Start(folder, "", environment)) return false;
    main = program.WaitForMainWindow();
    return main != nullptr;
  }

  HWND OpenOptions() {
    e2e::ClickId(main, IDC_MAIN_SETUP);
    return program.WaitForWindow(kTextOptionsDialogTitle);
  }

  HWND OpenFrom(HWND options, int button, const char* title) {
    e2e::ClickId(options, button);
    return program.WaitForWindow(title);
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  HWND main = nullptr;
};

// Every control shows the settings file; the video group follows its two check boxes; Cancel
// after changing radio buttons leaves every value as it was, also in the file after Exit.
TEST_F(OptionsDialogFlow, ControlsShowTheSettingsAndCancelKeepsThem) {
  const struct {
    const char* key;
    const char* value;
  } stored[] = {
      {"ScrollBar", "Recreation"},      {"EntryFieldColorization", "On"},
      {"TimerSpeed", "4"},              {"WaveAnimation", "Off"},
      {"MidiAnimation", "On"},          {"CDAnimation", "Off"},
      {"AutoCDDBQuery", "TRUE"},        {"VideoOutput", "Frames"},
      {"FloatingVideoWindow", "1"},     {"MaintainVideoWindowSize", "0"},
      {"MaintainVideoAspectRatio", "0"}, {"VideoZoomFactor", "2"},
      {"SoundListbox", "Mp3"},          {"MidiListbox", "Mid"},
      {"VideoListbox", "5"},            {"DefaultCDROMDrive", "S:\\"},
      {"BrindlewaxMode", "midi"},
  };
  for (const auto& entry : stored) folder.WriteIni("MAIN", entry.key, entry.value);
  ASSERT_TRUE(Start(TwoDrivesEnvironment()));
  HWND options = OpenOptions();
  ASSERT_NE(options, nullptr);

  const struct {
    int id;
    bool checked;
  } expected[] = {
      {IDC_OPTIONS_SOUND_ON, false},         {IDC_OPTIONS_SOUND_OFF, true},
      {IDC_OPTIONS_SCROLL_NORMAL, false},    {IDC_OPTIONS_SCROLL_RECREATION, true},
      {IDC_OPTIONS_ENTRY_COLOUR_ON, true},   {IDC_OPTIONS_ENTRY_COLOUR_OFF, false},
      {426, false}, {427, false}, {428, false}, {429, true}, {430, false},
      {IDC_OPTIONS_WAVE_ANIMATION_ON, false}, {IDC_OPTIONS_WAVE_ANIMATION_OFF, true},
      {IDC_OPTIONS_MIDI_ANIMATION_ON, true}, {IDC_OPTIONS_MIDI_ANIMATION_OFF, false},
      {IDC_OPTIONS_CD_ANIMATION_ON, false},  {IDC_OPTIONS_CD_ANIMATION_OFF, true},
      {IDC_OPTIONS_AUTO_QUERY_ON, true},     {IDC_OPTIONS_AUTO_QUERY_OFF, false},
      {IDC_OPTIONS_VIDEO_FRAMES, true},      {IDC_OPTIONS_VIDEO_TIME, false},
      {IDC_OPTIONS_ZOOM_1X, false}, {IDC_OPTIONS_ZOOM_2X, true}, {IDC_OPTIONS_ZOOM_FULL, false},
      {IDC_OPTIONS_LIST_WAV, false}, {IDC_OPTIONS_LIST_MP3, true},
      {IDC_OPTIONS_LIST_MID, true},  {IDC_OPTIONS_LIST_RMI, false},
      {IDC_OPTIONS_LIST_AVI, true},  {IDC_OPTIONS_LIST_MOV, false}, {IDC_OPTIONS_LIST_MPG, true},
      {IDC_OPTIONS_FLOATING_WINDOW, true}, {IDC_OPTIONS_REMEMBER_SIZE, false},
      {IDC_OPTIONS_ASPECT_RATIO, false},
  };
  for (const auto& control : expected) {
    EXPECT_EQ(IsChecked(options, control.id), control.checked) << "control " << control.id;
  }
  EXPECT_EQ(DriveList(options), (std::vector<std::string>{"R:\\", "S:\\"}));
  EXPECT_EQ(SelectedDrive(options), "S:\\");
  for (int id : {IDC_OPTIONS_REMEMBER_SIZE, IDC_OPTIONS_ASPECT_RATIO, IDC_OPTIONS_ZOOM_1X,
                 IDC_OPTIONS_ZOOM_2X, IDC_OPTIONS_ZOOM_FULL, IDC_OPTIONS_WINDOW_LABEL,
                 IDC_OPTIONS_SIZE_LABEL}) {
    EXPECT_TRUE(IsEnabled(options, id)) << "control " << id;
  }
  e2e::Sleep(400);
  e2e::SaveScreenshot(options, "options_dialog");

  // Remember Window Size: 1x, and the size buttons and their labels rest.
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_REMEMBER_SIZE, true));
  EXPECT_TRUE(IsChecked(options, IDC_OPTIONS_ZOOM_1X));
  EXPECT_FALSE(IsChecked(options, IDC_OPTIONS_ZOOM_2X));
  for (int id : {IDC_OPTIONS_ZOOM_1X, IDC_OPTIONS_ZOOM_2X, IDC_OPTIONS_ZOOM_FULL,
                 IDC_OPTIONS_WINDOW_LABEL, IDC_OPTIONS_SIZE_LABEL}) {
    EXPECT_FALSE(IsEnabled(options, id)) << "control " << id;
  }
  EXPECT_TRUE(IsEnabled(options, IDC_OPTIONS_ASPECT_RATIO));
  // Without the floating window nothing of the group can be used.
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_FLOATING_WINDOW, false));
  EXPECT_FALSE(IsEnabled(options, IDC_OPTIONS_REMEMBER_SIZE));
  EXPECT_FALSE(IsEnabled(options, IDC_OPTIONS_ASPECT_RATIO));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_FLOATING_WINDOW, true));
  EXPECT_TRUE(IsEnabled(options, IDC_OPTIONS_REMEMBER_SIZE));
  EXPECT_FALSE(IsEnabled(options, IDC_OPTIONS_ZOOM_2X));

  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_SCROLL_NORMAL, true));
  ASSERT_TRUE(ClickTo(options, 426, true));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_SOUND_ON, true));
  SelectDrive(options, "R:\\");
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));

  options = OpenOptions();
  ASSERT_NE(options, nullptr);
  EXPECT_TRUE(IsChecked(options, IDC_OPTIONS_SCROLL_RECREATION));
  EXPECT_TRUE(IsChecked(options, 429));
  EXPECT_TRUE(IsChecked(options, IDC_OPTIONS_SOUND_OFF));
  EXPECT_TRUE(IsChecked(options, IDC_OPTIONS_ZOOM_2X));
  EXPECT_FALSE(IsChecked(options, IDC_OPTIONS_REMEMBER_SIZE));
  EXPECT_EQ(SelectedDrive(options), "S:\\");
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));

  ASSERT_EQ(ExitProgram(program, main), 0);
  for (const auto& entry : stored) {
    if (std::string(entry.key) == "BrindlewaxMode") continue;
    EXPECT_EQ(folder.ReadIni("MAIN", entry.key), entry.value) << entry.key;
  }
}

// OK applies at once: without "*.Wav" and "*.Mp3" the Audio list is empty, the animation frame
// follows its switch; Exit writes every changed value.
TEST_F(OptionsDialogFlow, OkAppliesTheValuesAndExitWritesThem) {
  const std::string music = shelle2e::MakeMediaFolder(folder, "music");
  shelle2e::WriteBytes(music + "a.wav", "x");
  shelle2e::WriteBytes(music + "b.mp3", "x");
  folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
  folder.WriteIni("MAIN", "WaveFilesPath", music.c_str());
  folder.WriteIni("MAIN", "SoundListbox", "Both");
  ASSERT_TRUE(Start());
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
  HWND list = e2e::FindControl(main, IDC_MEDIA_LIST);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 2; }, 5000));
  ASSERT_TRUE(IsWindowVisible(e2e::FindControl(main, IDC_MEDIA_ANIMATION)));

  HWND options = OpenOptions();
  ASSERT_NE(options, nullptr);
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_LIST_WAV, false));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_LIST_MP3, false));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_LIST_RMI, false));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_LIST_MOV, false));
  for (int id : {IDC_OPTIONS_SCROLL_RECREATION, IDC_OPTIONS_ENTRY_COLOUR_ON, 428,
                 IDC_OPTIONS_WAVE_ANIMATION_OFF, IDC_OPTIONS_MIDI_ANIMATION_OFF,
                 IDC_OPTIONS_CD_ANIMATION_OFF, IDC_OPTIONS_AUTO_QUERY_ON,
                 IDC_OPTIONS_VIDEO_FRAMES}) {
    ASSERT_TRUE(ClickTo(options, id, true)) << "control " << id;
  }
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_FLOATING_WINDOW, true));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_ASPECT_RATIO, false));
  ASSERT_TRUE(ClickTo(options, IDC_OPTIONS_ZOOM_FULL, true));
  e2e::ClickId(options, IDC_OPTIONS_OK);
  ASSERT_TRUE(WaitClosed(options));

  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 0; }, 3000));
  EXPECT_EQ(e2e::GetText(e2e::FindControl(main, IDC_MEDIA_COUNT)), std::string("0") + kTextAudioFilesSuffix);
  EXPECT_FALSE(IsWindowVisible(e2e::FindControl(main, IDC_MEDIA_ANIMATION)));

  ASSERT_EQ(ExitProgram(program, main), 0);
  const struct {
    const char* key;
    const char* value;
  } written[] = {
      {"ScrollBar", "Recreation"},   {"EntryFieldColorization", "On"}, {"TimerSpeed", "3"},
      {"WaveAnimation", "Off"},      {"MidiAnimation", "Off"},         {"CDAnimation", "Off"},
      {"AutoCDDBQuery", "TRUE"},     {"VideoOutput", "Frames"},        {"FloatingVideoWindow", "1"},
      {"MaintainVideoWindowSize", "0"}, {"MaintainVideoAspectRatio", "0"},
      {"VideoZoomFactor", "3"},      {"VideoListbox", "5"},            {"MidiListbox", "Mid"},
      {"SoundListbox", "Both"},  // no text for "neither": the stored value stays
      {"SoundControls", "Off"},      {"BrindlewaxMode", "wave"},
  };
  for (const auto& entry : written) EXPECT_EQ(folder.ReadIni("MAIN", entry.key), entry.value) << entry.key;
}

// Another drive reopens the CD device at once (the panel shows the other disc); the same
// drive leaves the playing disc alone.
TEST_F(OptionsDialogFlow, ChoosingAnotherDriveReopensTheDevice) {
  folder.WriteIni("MAIN", "BrindlewaxMode", "cdplayer");
  folder.WriteIni("MAIN", "DefaultCDROMDrive", "R:\\");
  ASSERT_TRUE(Start(TwoDrivesEnvironment()));
  HWND state = e2e::WaitForControl(main, IDC_CD_PLAY_STATE);
  ASSERT_NE(state, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(e2e::FindControl(main, IDC_CD_TOTAL_TRACKS)) == "3"; }, 5000));
  e2e::ClickId(main, IDC_CD_PLAY);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(e2e::FindControl(main, IDC_CD_PLAY_STATE)) == kTextPlayStatePlaying; }, 5000));

  HWND options = OpenOptions();
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(DriveList(options), (std::vector<std::string>{"R:\\", "S:\\"}));
  EXPECT_EQ(SelectedDrive(options), "R:\\");
  e2e::ClickId(options, IDC_OPTIONS_OK);
  ASSERT_TRUE(WaitClosed(options));
  e2e::Sleep(1500);  // a reopen would have stopped the disc by the next poll
  EXPECT_EQ(e2e::GetText(e2e::FindControl(main, IDC_CD_PLAY_STATE)), kTextPlayStatePlaying);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(main, IDC_CD_TOTAL_TRACKS)), "3");

  options = OpenOptions();
  ASSERT_NE(options, nullptr);
  SelectDrive(options, "S:\\");
  e2e::ClickId(options, IDC_OPTIONS_OK);
  ASSERT_TRUE(WaitClosed(options));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(e2e::FindControl(main, IDC_CD_TOTAL_TRACKS)) == "5"; }, 5000));
  EXPECT_NE(e2e::GetText(e2e::FindControl(main, IDC_CD_PLAY_STATE)), kTextPlayStatePlaying);

  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "DefaultCDROMDrive"), "S:\\");
}

// Without any CD-ROM drive the list is empty and OK keeps the (empty) drive.
TEST_F(OptionsDialogFlow, WithoutCdRomDrivesTheListIsEmpty) {
  if (!shelle2e::FirstCdRomDrive().empty()) GTEST_SKIP() << "this machine has a CD-ROM drive";
  folder.WriteIni("MAIN", "DefaultCDROMDrive", "0");
  ASSERT_TRUE(Start());
  HWND options = OpenOptions();
  ASSERT_NE(options, nullptr);
  EXPECT_TRUE(DriveList(options).empty());
  EXPECT_EQ(SelectedDrive(options), "");
  e2e::ClickId(options, IDC_OPTIONS_OK);
  ASSERT_TRUE(WaitClosed(options));
  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "DefaultCDROMDrive"), "");
}

// A chosen animation is stored at once (Cancel of the options dialog keeps it), shown in its
// panel, and there again after a restart; changing the CD animation while it runs replaces it
// without harm and it runs on.
TEST_F(OptionsDialogFlow, ChosenAnimationIsStoredShownAndKept) {
  folder.WriteIni("MAIN", "BrindlewaxMode", "cdplayer");
  folder.WriteIni("MAIN", "DefaultCDROMDrive", "R:\\");
  const std::string environment = TwoDrivesEnvironment();
  ASSERT_TRUE(Start(environment));
  HWND frame = e2e::WaitForControl(main, IDC_CD_ANIMATION);
  ASSERT_NE(frame, nullptr);
  e2e::Sleep(500);
  const e2e::ScreenPixels original = e2e::CaptureScreenPixels(frame);
  ASSERT_FALSE(original.bgrx.empty());

  HWND options = OpenOptions();
  ASSERT_NE(options, nullptr);
  HWND setup = OpenFrom(options, IDC_OPTIONS_CHANGE_ANIMATIONS, kTextAnimationSetupTitle);
  ASSERT_NE(setup, nullptr);
  // The CD Player's place comes first in the CD Player panel.
  EXPECT_TRUE(IsChecked(setup, IDC_ANIMATION_SETUP_PLACE_FIRST + 2));
  EXPECT_EQ(e2e::GetText(e2e::FindControl(setup, IDC_ANIMATION_SETUP_CHOSEN_FIRST + 2)), "Spinning Disc");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(setup, IDC_ANIMATION_SETUP_AUTHOR)), "Author - Brindlewax");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(setup, IDC_ANIMATION_SETUP_DEPTH)), "Color Depth - 256 Colors");
  HWND preview = e2e::FindControl(setup, IDC_ANIMATION_SETUP_PREVIEW);
  e2e::Sleep(300);
  const e2e::ScreenPixels firstLook = e2e::CaptureScreenPixels(preview);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::CaptureScreenPixels(preview) != firstLook; }, 3000))
      << "the preview runs";
  ASSERT_TRUE(PickAnimation(setup, "Vinyl Record"));
  EXPECT_TRUE(e2e::WaitUntil([&] {
    return e2e::GetText(e2e::FindControl(setup, IDC_ANIMATION_SETUP_CHOSEN_FIRST + 2)) == "Vinyl Record";
  }, 3000));
  e2e::Sleep(400);
  e2e::SaveScreenshot(setup, "animation_setup");
  e2e::ClickId(setup, IDC_ANIMATION_SETUP_OK);
  ASSERT_TRUE(WaitClosed(setup));
  EXPECT_EQ(folder.ReadIni("MAIN", "AnimationNameCDPlayer"), "Vinyl Record");
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));
  e2e::Sleep(500);
  const e2e::ScreenPixels chosen = e2e::CaptureScreenPixels(frame);
  EXPECT_NE(chosen, original) << "the panel shows the chosen animation";

  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "AnimationNameCDPlayer"), "Vinyl Record");
  ASSERT_TRUE(Start(environment));
  frame = e2e::WaitForControl(main, IDC_CD_ANIMATION);
  ASSERT_NE(frame, nullptr);
  e2e::Sleep(500);
  EXPECT_EQ(e2e::CaptureScreenPixels(frame), chosen) << "the choice survives a restart";

  // While the disc plays its animation thread draws; replacing the animation must wait for it.
  e2e::ClickId(main, IDC_CD_PLAY);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(e2e::FindControl(main, IDC_CD_PLAY_STATE)) == kTextPlayStatePlaying; }, 5000));
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::CaptureScreenPixels(frame) != chosen; }, 3000));
  options = OpenOptions();
  ASSERT_NE(options, nullptr);
  setup = OpenFrom(options, IDC_OPTIONS_CHANGE_ANIMATIONS, kTextAnimationSetupTitle);
  ASSERT_NE(setup, nullptr);
  ASSERT_TRUE(PickAnimation(setup, "Honey Drip"));
  e2e::Sleep(300);
  e2e::ClickId(setup, IDC_ANIMATION_SETUP_OK);
  ASSERT_TRUE(WaitClosed(setup));
  EXPECT_EQ(folder.ReadIni("MAIN", "AnimationNameCDPlayer"), "Honey Drip");
  e2e::ClickId(options, IDC_OPTIONS_OK);
  ASSERT_TRUE(WaitClosed(options));
  const e2e::ScreenPixels running = e2e::CaptureScreenPixels(frame);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::CaptureScreenPixels(frame) != running; }, 3000))
      << "the new animation runs on";
  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "AnimationNameCDPlayer"), "Honey Drip");
}

// The editor selection stores a kind's program at once, refuses one that is not there, and
// Clear deletes both keys of its kind only; Change Volume opens the mixer selection.
TEST_F(OptionsDialogFlow, EditorSelectionStoresAndClearsItsKeys) {
  folder.WriteIni("MAIN", "RmiEditorPath", "0");
  folder.WriteIni("MAIN", "RmiEditorName", "0");
  ASSERT_TRUE(Start());
  HWND options = OpenOptions();
  ASSERT_NE(options, nullptr);
  HWND editor = OpenFrom(options, IDC_OPTIONS_CHANGE_EDITOR, kEditorWavTitle);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_KIND_FIRST)), "*.Wav");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_PROGRAM_FIRST)), kTextNoEditor);
  const std::string program_ = folder.File("BRINDWAX.EXE");
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_PATH), program_);
  EXPECT_TRUE(e2e::WaitUntil([&] {
    return e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_PROGRAM_FIRST)) == "BRINDWAX.EXE";
  }, 3000));
  e2e::Sleep(400);
  e2e::SaveScreenshot(editor, "editor_selection");

  // *.Mid with a program that is not there: the message, and nothing stored.
  ASSERT_TRUE(ClickTo(editor, IDC_EDITOR_KIND_FIRST + 2, true));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(editor) == kEditorMidTitle; }, 3000));
  EXPECT_EQ(e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_PATH)), "");
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_PATH), "C:\\nowhere\\midedit.exe");
  e2e::ClickId(editor, IDC_EDITOR_SELECTION_OK);
  HWND box = program.WaitForWindow(kTextMessageBoxTitle);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(box, kMessageText)), kTextInvalidPath);
  e2e::ClickId(box, kMessageOk);
  ASSERT_TRUE(WaitClosed(box));
  EXPECT_EQ(folder.ReadIni("MAIN", "WavEditorPath"), "<missing>");
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_PATH), program_);
  e2e::ClickId(editor, IDC_EDITOR_SELECTION_OK);
  ASSERT_TRUE(WaitClosed(editor));
  EXPECT_EQ(folder.ReadIni("MAIN", "WavEditorPath"), folder.Path());
  EXPECT_EQ(folder.ReadIni("MAIN", "WavEditorName"), "BRINDWAX.EXE");
  EXPECT_EQ(folder.ReadIni("MAIN", "MidEditorPath"), folder.Path());
  EXPECT_EQ(folder.ReadIni("MAIN", "MidEditorName"), "BRINDWAX.EXE");

  // Clear on *.Wav deletes its two keys; *.Mid and the untouched *.Rmi keep theirs.
  editor = OpenFrom(options, IDC_OPTIONS_CHANGE_EDITOR, kEditorWavTitle);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_PROGRAM_FIRST + 2)), "BRINDWAX.EXE");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_PATH)), program_);
  e2e::ClickId(editor, IDC_EDITOR_CLEAR);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(e2e::FindControl(editor, IDC_EDITOR_PATH)).empty(); }, 3000));
  e2e::ClickId(editor, IDC_EDITOR_SELECTION_OK);
  ASSERT_TRUE(WaitClosed(editor));
  EXPECT_EQ(folder.ReadIni("MAIN", "WavEditorPath"), "<missing>");
  EXPECT_EQ(folder.ReadIni("MAIN", "WavEditorName"), "<missing>");
  EXPECT_EQ(folder.ReadIni("MAIN", "MidEditorName"), "BRINDWAX.EXE");
  EXPECT_EQ(folder.ReadIni("MAIN", "RmiEditorPath"), "0");

  HWND mixer = OpenFrom(options, IDC_OPTIONS_CHANGE_VOLUME, kTextVolumeMixerDialogTitle);
  ASSERT_NE(mixer, nullptr);
  e2e::ClickId(mixer, IDC_VOLUME_MIXER_CANCEL);
  ASSERT_TRUE(WaitClosed(mixer));
  // The selections wrote their own keys; Cancel here takes none of them back.
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));
  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "MidEditorPath"), folder.Path());
}

}  // namespace
