#pragma once
// The viewer's commands in one table: id, menu, menu text, status text,
// shortcut and binding code of each, in menu order. The main frame builds
// its menus, tool bar and check marks from it, the navigator finds the
// command of a binding code in it. What a command does lives with the code
// it acts on: the main frame (files, windows, settings), the navigator
// (camera, display), the view (projection, background, picture) or the
// selection (data and measuring).

#include <QString>
#include <cstdint>
#include <span>

#include "commands/command_ids.h"

namespace vantor {

enum class Menu {
    None,
    File,
    Save,
    Edit,
    View,
    Lights,
    Camera,
    Select,
    Measure,
    Settings,
    Window,
    Help
};

enum class CommandKind {
    Action,       // runs once
    Checkable,    // shows a check mark
    Submenu,      // opens the menu `opens`; no id
    Placeholder,  // listed greyed, runs nothing; no id
};

constexpr int32_t kNoBindingCode = -1;

struct Command {
    int id;                                // cmd::k..., 0 for submenus and placeholders
    Menu menu;                             // where it is listed; None: shortcut or key only
    const char* text;                      // menu text; after a tab the shortcut it shows
    const char* statusText;                // status bar text, or null
    int32_t bindingCode = kNoBindingCode;  // code of the binding file that runs it
    CommandKind kind = CommandKind::Action;
    bool separatorBefore = false;     // a line above it in its menu
    Menu opens = Menu::None;          // the submenu a Submenu entry opens
    const char* shortcuts = nullptr;  // overrides the text's shortcut ("Ctrl+Y; Ctrl+Shift+Z")
};

// Every command in menu order; the menus themselves in menu-bar order.
std::span<const Command> CommandTable();
// The entry of `id`, or null.
const Command* FindCommand(int id);
// The command a binding code runs, or 0 when it runs none.
int CommandForBindingCode(int32_t code);

// Translated texts (the main frame's translation context).
QString MenuTitle(Menu menu);
QString MenuText(const Command& command);
QString StatusText(const Command& command);

// Tool bar buttons in order; 0 marks a separator.
std::span<const int> ToolBarLayout();

}  // namespace vantor
