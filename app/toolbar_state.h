// Which toolbar buttons may be used, from the state of the program.
#pragma once

#include <cstddef>

struct ToolbarState {
    int SaveEnabled, DeleteEnabled, PrintEnabled, UpdateEnabled;
    // The first tab keeps the keyboard focus on the report.
    int FocusReport;
};

// Nothing can be saved while nothing is unsaved; the update waits until
// everything is saved; deleting needs an entry taken over on the second tab;
// printing needs a register.
ToolbarState ToolbarStateFor(int shownTab, int dirty, int editingExisting, std::size_t records);
