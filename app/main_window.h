// The one top-level window with its toolbar and the two tabs.
#pragma once

// Builds the window and everything in it, empty. Answers 0 when the window
// or one of its gadgets could not be created.
int CreateMainWindow();
