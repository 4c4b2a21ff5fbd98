#pragma once

namespace vantor {

// korvalde --screenshot OUT.png [--size WxH] [--mode shaded|hlr|hidden|wire]
//           [--projection persp|ortho] FILE
// korvalde --screenshot OUT_DIR/ [options] FILE...
// korvalde --thumbnail SIZE IN OUT [--timeout SECONDS] [--memory MB]
// Reads each file, draws one fitted frame on a headless EGL context and
// writes it as an image, without any window or X display.

// True when the command line asks for a screenshot or a thumbnail.
bool IsScreenshotRequest(int argc, char** argv);

// Runs the whole command, application object included. Returns 0 on
// success, 1 when a file was rejected, 2 for a bad command line or when
// no picture could be drawn or written, 3 when a thumbnail ran out of time,
// 4 when it ran out of memory.
int RunScreenshotCommand(int argc, char** argv);

}  // namespace vantor
