#include "app/toolbar_state.h"

#include "common/window_numbers.h"

ToolbarState ToolbarStateFor(int shownTab, int dirty, int editingExisting, std::size_t records) {
    ToolbarState state;
    state.SaveEnabled = dirty != 0;
    state.UpdateEnabled = dirty == 0;
    state.PrintEnabled = records > 0;
    state.DeleteEnabled = shownTab == DataTab && editingExisting != 0;
    state.FocusReport = shownTab == BirthdaysTab;
    return state;
}
