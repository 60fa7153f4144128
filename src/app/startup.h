// What the program sets up before its first window.
#pragma once

// Fonts named by the windows, the application icon.
void PrepareApplication();
