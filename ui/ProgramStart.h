// velmora [PROJECT.vmx]: the window set started, then the project of the command line opened.
#pragma once

#include <QStringList>

namespace ui {

class MessageBoxes;
class WindowSet;

// Shows the window set, which runs the start-up steps when the main window is first shown.
// Then, when `arguments` (the command-line arguments after the program name, Qt's own options
// already taken out) name a project, opens the first as the menu entry Open does after its
// dialog. A file that does not exist or cannot be read is named in one notice (caption
// "Notice") and the program goes on in its start-up state, with new.vmx as the project; Open
// would instead take such a name as a new project with the default inputs. Further
// arguments are ignored (the desktop entry hands over one file).
void startProgram(WindowSet& windows, MessageBoxes& boxes, const QStringList& arguments);

} // namespace ui
