#pragma once

namespace bk {

class CMainFrame;

// A hidden hook for the documentation: with BURSTKIN_SCREENSHOT=DIR set, the
// program saves PNGs of its main window and of the three pages of the options
// sheet into DIR and exits (non-zero when a picture could not be saved). With
// BURSTKIN_SCREENSHOT_OBJECT=FILE it imports that object first, so the
// pictures show real values.
bool ScreenshotsRequested();
int TakeScreenshots(CMainFrame& frame);

}  // namespace bk
