#include "shell/settings_dialog/korvane_p.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "shell/settings/file_paths.h"
#include "shell/settings/music_settings.h"
#include "shell/settings_dialog/background_gradient.h"
#include "shell/settings_dialog/dialog_design.h"
#include "shell/settings_dialog/dialog_placement.h"
#include "shell/settings_dialog/dialog_resources.h"
#include "shell/settings_dialog/home_page.h"
#include "shell/settings_dialog/music_file_chooser.h"
#include "shell/settings_dialog/settings_not_saved.h"
#include "shell/settings_dialog/track_text.h"
#include "shell/settings_dialog/zoom.h"
#include "shell/settings/settings_file.h"
#include "toolkit/ansi_text.h"
#include "toolkit/dpi.h"
#include "toolkit/picture.h"
#include "toolkit/screen_pointer.h"

namespace {

using toolkit::TwipsBox;
using toolkit::controls::Alignment;
using toolkit::controls::LabelDesign;

constexpr int kIconPixels = 32;     // the window icon's and the hand pointer's own size

LabelDesign Design(const TwipsBox& box, const wchar_t* caption, COLORREF colour,
                   Alignment alignment = Alignment::Left) {
  LabelDesign label;
  label.bounds = box;
  label.caption = caption;
  label.font = design::DialogFont();
  label.foreColour = colour;
  label.alignment = alignment;
  // Sized for the design's font: a wider stand-in font must not hide the caption's end.
  label.wordWrap = false;
  return label;
}

// A caption that names another control: a screen reader reads that control instead.
LabelDesign NameOfAnother(LabelDesign label) {
  label.accessible = false;
  return label;
}

LabelDesign LinkDesign() {
  LabelDesign label = NameOfAnother(Design(design::kLbl_URL, kHomePage, design::kFormText));
  label.font.underline = true;  // one line: the address is shown whole, never cut at a break
  return label;
}

LabelDesign FileNameDesign() {
  LabelDesign label = Design(design::kLbl_Fname, L"", design::kPanelText);
  label.wordWrap = true;
  label.breakLongWords = true;  // a path has few blanks to break at
  return label;
}

toolkit::FormDesign FormDesignOfDialog() {
  toolkit::FormDesign form;
  form.caption = design::kCaption;
  // A fixed single border: a caption with the close box, no sizing.
  form.style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  form.clientWidth = design::kClientWidth;
  form.clientHeight = design::kClientHeight;
  form.background = design::kFormBackground;
  form.dialogKeys = true;
  // Shared: the system keeps it for the whole run.
  form.icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                            MAKEINTRESOURCEW(IDI_KORVANE), IMAGE_ICON,
                                            toolkit::ScaledPixels(kIconPixels),
                                            toolkit::ScaledPixels(kIconPixels),
                                            LR_SHARED));
  return form;
}

// Horizontal lines, one per pixel row, from the top edge to the bottom one inclusive.
void PaintGradient(HDC dc, int width, int height, toolkit::Rgb (*colourOf)(int level)) {
  if (!dc || width <= 0 || height <= 0) return;
  for (int y = 0; y <= height; ++y) {
    const toolkit::Rgb c = colourOf(GradientLevel(y, height));
    toolkit::Brush line(CreateSolidBrush(RGB(c.red, c.green, c.blue)));
    const RECT row{0, y, width, y + 1};
    FillRect(dc, &row, line.get());
  }
}

// A button of the dialog's design, read from the values stored for it; a screen reader calls it
// `name` where its caption does not say what it does.
void CreateButton(Command& button, toolkit::Window& parent, const TwipsBox& box,
                  const toolkit::controls::PropertyBag& stored, const wchar_t* name = L"") {
  button.Create(parent, {.bounds = box, .ambientFont = design::DialogFont(), .stored = &stored, .name = name});
}

std::int16_t ToInt16(long value) {
  return static_cast<std::int16_t>(std::clamp<long>(value, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

Korvane_P::Korvane_P()
    : Form(FormDesignOfDialog()),
      Img_Ra{toolkit::LoadPicture(MAKEINTRESOURCEW(IDB_MARK_OFF)),
             toolkit::LoadPicture(MAKEINTRESOURCEW(IDB_MARK_ON))} {}

Korvane_P::~Korvane_P() = default;

void Korvane_P::CreateControls() {
  lbl7.Create(*this, Design(design::kLbl7, design::kLbl7Caption, design::kFormText));
  lbl_URL.Create(*this, LinkDesign());
  lbl_URL.SetPointer(static_cast<HCURSOR>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR,
      toolkit::ScaledPixels(kIconPixels), toolkit::ScaledPixels(kIconPixels), LR_SHARED)));
  lbl_URL.Click = [this] { lbl_URL_Click(); };

  // The panel paints itself whenever it gets a size, the first one included.
  Pic_C.Resized = [this](int width, int height) { PaintPanel(width, height); };
  Pic_C.Create(*this, {.bounds = design::kPic_C, .background = design::kPanelBackground,
                       .name = design::kLbl15Caption});
  Shape3.Create(Pic_C, {.bounds = design::kShape3});
  lbl15.Create(Pic_C, NameOfAnother(Design(design::kLbl15, design::kLbl15Caption, design::kPanelText,
                                           Alignment::Centre)));
  for (int i = 0; i < 3; ++i) {
    Img_BGM[i].Create(Pic_C, {.bounds = design::kImg_BGM[i]});
    lbl_BGM[i].Create(Pic_C,
                      NameOfAnother(Design(design::kLbl_BGM[i], design::kLbl_BGMCaption[i], design::kPanelText)));
    Img_BGM[i].MouseDown = [this, i](const toolkit::MouseEvent&) { Img_BGM_MouseDown(i); };
    lbl_BGM[i].MouseDown = [this, i](const toolkit::MouseEvent&) { lbl_BGM_MouseDown(i); };
  }
  lbl14.Create(Pic_C, NameOfAnother(Design(design::kLbl14, design::kLbl14Caption, design::kPanelText)));
  lbl_Fname.Create(Pic_C, FileNameDesign());

  // Windows are made in tab order: the choices (one tab stop, in the order shown), the track
  // box, the file button, the link, then 設定 and ｷｬﾝｾﾙ.
  for (const int kind : design::kKindsShown) {
    Opt_BGM[kind].Create(Pic_C, {.mark = &Img_BGM[kind], .caption = &lbl_BGM[kind], .group = &Opt_Group});
    Opt_BGM[kind].Choose = [this, kind] { Img_BGM_MouseDown(kind); };  // as a press on its mark
  }
  BGM_Repeat.Create(Pic_C, {.bounds = design::kBGM_Repeat, .font = design::PanelFont(),
                            .name = design::kLbl14Caption});
  CreateButton(Cmd_File, Pic_C, design::kCmd_File, design::Cmd_FileStored(), kMusicFileChooserTitle);
  Lnk_URL.Create(*this, {.caption = &lbl_URL, .address = kHomePage});
  Lnk_URL.Open = [this] { lbl_URL_Click(); };
  CreateButton(Cmd_Set, *this, design::kCmd_Set, design::Cmd_SetStored());
  CreateButton(Cmd_Can, *this, design::kCmd_Can, design::Cmd_CanStored());
  Cmd_File.Click = [this] { Cmd_File_Click(); };
  Cmd_Set.Click = [this] { Cmd_Set_Click(); };
  Cmd_Can.Click = [this] { Cmd_Can_Click(); };
}

void Korvane_P::OnLoad() {
  CreateControls();
  Form_Load();
}

void Korvane_P::Form_Load() {
  PlaceOnScreen();
  for (Command* button : {&Cmd_File, &Cmd_Set, &Cmd_Can}) button->Initialize();
  BGM_Repeat.SetEnabled(false);
  ShowMarks(BGM_Kind);
  if (BGM_Kind == kMusicCd) BGM_Repeat.SetEnabled(true);
  Cmd_File.Enabled(BGM_Kind == kMusicFile);
  BGM_Repeat.SetText(TrackText(BGM_Track));
  for (int track = 0; track <= design::kLastListedTrack; ++track) {
    BGM_Repeat.AddItem(TrackText(static_cast<std::int16_t>(track)));
  }
  lbl_Fname.SetCaption(toolkit::FromAnsi(BGM_File));
  POINT pointer{};
  const BOOL read = GetCursorPos(&pointer);
  LastResult = read;
  OpenPoint = read ? POINT{ToInt16(pointer.x), ToInt16(pointer.y)} : POINT{0, 0};
  ZoomOpen(hwnd(), OpenPoint);
  toolkit::SetScreenPointer(toolkit::ScreenPointer::Default);
}

void Korvane_P::PlaceOnScreen() {
  RECT window{};
  if (!GetWindowRect(hwnd(), &window)) return;
  const auto twips = [](long pixels) { return static_cast<long>(toolkit::PixelsToTwips(pixels)); };
  const TwipsPoint place = DialogPosition(twips(GetSystemMetrics(SM_CXSCREEN)),
                                          twips(GetSystemMetrics(SM_CYSCREEN)),
                                          twips(window.right - window.left),
                                          twips(window.bottom - window.top));
  SetWindowPos(hwnd(), nullptr, toolkit::TwipsToPixels(place.left), toolkit::TwipsToPixels(place.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Korvane_P::ShowMarks(int chosen) {
  for (toolkit::controls::Image& mark : Img_BGM) mark.SetPicture(Img_Ra[0].get());
  for (std::size_t i = 0; i < Opt_BGM.size(); ++i) Opt_BGM[i].SetChosen(static_cast<int>(i) == chosen);
  // A kind from a hand-edited file that no mark stands for shows none chosen.
  if (chosen >= 0 && chosen < static_cast<int>(Img_BGM.size())) {
    Img_BGM[chosen].SetPicture(Img_Ra[1].get());
  }
}

void Korvane_P::ChooseKind(int index) {
  BGM_Kind = static_cast<std::int16_t>(index);
  Cmd_File.Enabled(false);
  BGM_Repeat.SetEnabled(false);
  ShowMarks(index);
  if (index == kMusicCd) BGM_Repeat.SetEnabled(true);
  if (index == kMusicFile) Cmd_File.Enabled(true);
}

void Korvane_P::Img_BGM_MouseDown(int index) { ChooseKind(index); }

void Korvane_P::lbl_BGM_MouseDown(int index) { ChooseKind(index); }

void Korvane_P::Cmd_Set_Click() {
  BGM_Track = TrackFromText(BGM_Repeat.Text());
  const SettingsSaved saved = SaveSettings();
  // The dialog stays open over a choice the file refused, so the user can cancel or move it.
  if (saved != SettingsSaved::kAll) {
    ShowSettingsNotSaved(hwnd(), saved);
    return;
  }
  Unload();
}

void Korvane_P::Cmd_Can_Click() { Unload(); }

// Enter is 設定's, the dialog's default button, but where the focus stands on ｷｬﾝｾﾙ or on
// "...": those buttons take no keys, and saving when the person looks at another button would
// do what they did not choose. There Enter does nothing.
void Korvane_P::OnEnterKey() {
  const HWND focus = GetFocus();
  if (focus == Cmd_Can.hwnd() || focus == Cmd_File.hwnd()) return;
  Cmd_Set_Click();
}

void Korvane_P::Cmd_File_Click() {
  const std::optional<std::string> chosen = ChooseMusicFile(hwnd(), BGM_Folder);
  if (!chosen) return;
  BGM_File = *chosen;
  lbl_Fname.SetCaption(toolkit::FromAnsi(BGM_File));
  BGM_Folder = FolderOf(BGM_File);
}

void Korvane_P::lbl_URL_Click() {
  toolkit::SetScreenPointer(toolkit::ScreenPointer::Hourglass);
  ShellExecuteA(hwnd(), "open", toolkit::ToAnsi(lbl_URL.Caption()).c_str(), "", "",
                SW_SHOWNORMAL);
  toolkit::SetScreenPointer(toolkit::ScreenPointer::Default);
}

bool Korvane_P::OnUnload(toolkit::UnloadReason) {
  Form_Unload();
  return true;
}

void Korvane_P::Form_Unload() { ZoomClose(hwnd(), OpenPoint); }

void Korvane_P::OnResize(int width, int height) { Form_Resize(width, height); }

void Korvane_P::Form_Resize(int width, int height) {
  PaintGradient(ImageDc(), width, height, FormRowColour);
  Refresh();
}

void Korvane_P::PaintPanel(int width, int height) {
  PaintGradient(Pic_C.ImageDc(), width, height, PanelRowColour);
  Pic_C.Refresh();
}
