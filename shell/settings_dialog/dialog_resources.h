#pragma once
// Resource numbers of the settings dialog's pictures in Korvane.scr.
#define IDI_KORVANE 2001       // window icon, 32 x 32, 256 colours
#define IDC_POINTING_HAND 2002 // the link's pointer, hot spot at 12, 10
#define IDB_MARK_OFF 2003      // 12 x 12 mark: not chosen
#define IDB_MARK_ON 2004       // 12 x 12 mark: chosen
