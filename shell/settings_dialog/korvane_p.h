#pragma once
// Korvane_P, the settings dialog: the music kind (none, an audio CD track, an MP3 or WAV
// file) chosen by its marks or their labels, the CD track typed or picked, the file chosen
// in the open-file dialog. 設定 writes the settings file and closes; ｷｬﾝｾﾙ, Escape and any
// other close write nothing. The form and its panel show painted gradients.
#include <windows.h>

#include <array>
#include <cstdint>

#include "shell/button/command.h"
#include "toolkit/controls/combo_box.h"
#include "toolkit/controls/image.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/link.h"
#include "toolkit/controls/option_button.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/controls/shape.h"
#include "toolkit/form.h"
#include "toolkit/gdi_object.h"

class Korvane_P : public toolkit::Form {
 public:
  Korvane_P();
  ~Korvane_P() override;

 protected:
  void OnLoad() override;
  bool OnUnload(toolkit::UnloadReason reason) override;
  void OnResize(int width, int height) override;
  void OnEnterKey() override;

 private:
  void Form_Load();
  void Form_Resize(int width, int height);
  void Form_Unload();
  void Cmd_Set_Click();
  void Cmd_Can_Click();
  void Cmd_File_Click();
  void Img_BGM_MouseDown(int index);
  void lbl_BGM_MouseDown(int index);
  void lbl_URL_Click();

  void CreateControls();
  void PlaceOnScreen();
  void ChooseKind(int index);
  void ShowMarks(int chosen);
  void PaintPanel(int width, int height);

  // The order is important: the pictures outlive the images showing them.
  toolkit::GdiObject<HBITMAP> Img_Ra[2];  // 0 not chosen, 1 chosen
  toolkit::controls::PictureBox Pic_C;
  toolkit::controls::Shape Shape3;
  toolkit::controls::Label lbl15;
  std::array<toolkit::controls::Image, 3> Img_BGM;
  std::array<toolkit::controls::Label, 3> lbl_BGM;
  toolkit::controls::ComboBox BGM_Repeat;
  toolkit::controls::Label lbl14;
  Command Cmd_File;
  toolkit::controls::Label lbl_Fname;
  Command Cmd_Set;
  Command Cmd_Can;
  toolkit::controls::Label lbl7;
  toolkit::controls::Label lbl_URL;
  // The keyboard's and screen readers' side of the marks with their labels and of the link.
  toolkit::controls::OptionGroup Opt_Group;
  std::array<toolkit::controls::OptionButton, 3> Opt_BGM;  // by music kind, as Img_BGM
  toolkit::controls::Link Lnk_URL;

  POINT OpenPoint{0, 0};
};
