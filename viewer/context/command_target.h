#pragma once

namespace vantor {

// How menu and tool-bar commands reach the active child window. The main
// frame owns the menus; a view (or anything in the active child) that
// implements CommandTarget receives every command id it does not serve
// itself, and reports the enabled and checked state of its menu items.

class CommandTarget {
  public:
    virtual ~CommandTarget() = default;

    // Runs command `id`; returns false when this target does not serve it.
    virtual bool OnCommand(int id) = 0;

    // Adjusts the menu state of command `id` (called before a menu shows
    // and after each command). Leave the values alone for unknown ids.
    virtual void UpdateCommandState(int id, bool& enabled, bool& checked) {
        (void)id;
        (void)enabled;
        (void)checked;
    }
};

}  // namespace vantor
