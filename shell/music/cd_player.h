#pragma once
// The audio CD kept playing: one track over and over, or the whole disc.
// The host calls CD_Open once, CD_Poll every 200 ms while CD_Continue holds, CD_Close at the end.

// Set by every CD_Poll: false once the drive cannot be queried, and polling should stop.
extern bool CD_Continue;

void CD_Open() noexcept;
// Starts a stopped drive, and sends it back to BGM_Track when it has moved on to another track.
void CD_Poll() noexcept;
void CD_Close() noexcept;
