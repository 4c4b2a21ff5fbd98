#pragma once
// korvalde --screenshot OUT.png [--size WxH] [--mode shaded|hlr|hidden|wire]
//           [--projection persp|ortho] FILE
// Reads FILE, draws one fitted frame offscreen and writes it as an image,
// without showing any window.

// True when the command line asks for a screenshot.
bool IsScreenshotRequest(int argc, char** argv);

// Runs the whole command, application object included. Returns 0 on
// success, 1 when the file was rejected, 2 for a bad command line or when
// no picture could be drawn or written.
int RunScreenshotCommand(int argc, char** argv);
