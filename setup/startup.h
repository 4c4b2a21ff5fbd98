#pragma once
// The tool's start-up: shared values, the main window with the binding file
// named on the command line, and the run until the window is done.

#include <QStringList>
#include <memory>

namespace vantor {

class frmMain;

// Steps before the window is shown. All of `arguments` (the command line
// without the program) is one file name, blanks included; the file is read
// when it is not empty.
std::unique_ptr<frmMain> CreateMainWindow(const QStringList& arguments);

// Shows the window until OK, Cancel or closing, then unloads it.
int RunTessmaran(const QStringList& arguments);

}  // namespace vantor
