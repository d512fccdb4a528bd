#pragma once

namespace orbetta::look {

// The installed fonts' configuration (the configuration files and the caches of the font list) is read before
// the first text is measured. Read then, on the one thread that also builds and paints the window, it is the
// largest single part of what fonts cost the first frame; these read it on a thread of its own while the
// application object connects to the window system and the window's controls are made.

// Starts the reading; called once, before the application object is made. The locale is set first, as the
// application object would set it, so that the configuration is read as it would be later. Where the window
// system will take the desktop's start-up notice out of the environment while connecting, nothing is started,
// since the configuration is found through the environment.
void startReadingFontConfiguration();

// Waits for the reading to end, or returns at once if none was started. Called before the first text is
// measured (Qt would otherwise read the configuration a second time) and before the program changes the
// environment.
void finishReadingFontConfiguration();

} // namespace orbetta::look
