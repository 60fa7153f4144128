// What the program sets up before its first window.
#pragma once

// Fonts named by the windows, the application icon, Qt's dialogs in the current language.
void PrepareApplication();
