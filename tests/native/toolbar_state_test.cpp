#include <gtest/gtest.h>

#include "app/toolbar_state.h"
#include "common/window_numbers.h"

namespace {

TEST(Toolbar, SaveWhenUnsavedUpdateWhenSavedDeleteATakenOverEntryPrintARegister) {
    const struct {
        int shownTab, dirty, editingExisting, records;
        int save, remove, print, update, focusReport;
    } cases[] = {{BirthdaysTab, 0, 1, 2, 0, 0, 1, 1, 1},
                 {DataTab, 1, 1, 2, 1, 1, 1, 0, 0},
                 {DataTab, 0, 0, 0, 0, 0, 0, 1, 0}};
    for (const auto& c : cases) {
        ToolbarState state = ToolbarStateFor(c.shownTab, c.dirty, c.editingExisting, c.records);
        EXPECT_EQ(std::tie(state.SaveEnabled, state.DeleteEnabled, state.PrintEnabled,
                           state.UpdateEnabled, state.FocusReport),
                  std::tie(c.save, c.remove, c.print, c.update, c.focusReport))
            << "row " << &c - cases;
    }
}

} // namespace
