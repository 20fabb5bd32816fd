#pragma once

// The desktop's light/dark theme.
class DesktopTheme {
public:
    virtual ~DesktopTheme() = default;
    // Returns false when the theme could not be changed.
    virtual bool applyDarkTheme(bool dark) = 0;
};
