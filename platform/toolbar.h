// The main window's toolbar and the images on its buttons, addressed by the
// program's own numbers.
#pragma once

#include <string>
#include <vector>

namespace platform {

// An image from a 16x16 icon file stored as the program's data resource,
// created at start-up and released at the end.
int CreateImageFromIconData(int image, int resource);
void ReleaseImages();

constexpr int kSeparator = -1;
struct ToolbarButton {
    int Command; // or kSeparator
    int Image;   // the standard small image's index, or kOwnImage + the image's number
};
constexpr int kOwnImage = 100;

int CreateToolbar(const std::vector<ToolbarButton>& buttons);
void SetToolbarTooltip(int command, const std::string& text);
void EnableToolbarButton(int command, int enabled);

} // namespace platform
