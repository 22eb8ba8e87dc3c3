// Ids of the program's own data resources, shared by the resource script
// and the program.
#pragma once

#define INFO_ICON_DATA 101
#define UPDATE_ICON_DATA 102
#define HOME_PAGE_ICON_DATA 103
