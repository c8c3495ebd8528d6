#pragma once
// An MP3 file played on repeat by the MPEGVideo device under the alias MP3Play.
// The host calls MP3_Open once, MP3_Repeat every second, MP3_Close at the end.

// Opens BGM_File and starts it; a file that cannot be opened leaves nothing playing.
void MP3_Open() noexcept;
bool MP3_IsPlaying() noexcept;
// Plays the file again from its start whenever it is not playing (ended, paused or stopped).
void MP3_Repeat() noexcept;
void MP3_Close() noexcept;
