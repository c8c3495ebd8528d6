#pragma once
// Loads the hidden saver host form, which starts the music and the renderer and ends the
// process once the renderer has gone (a /s request, or no argument).
void LoadSaverHost();
