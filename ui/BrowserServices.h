#pragma once

// What the browser pane needs before the application object exists: a shared OpenGL context,
// and no shader caches on disk (the program writes no files).
void PrepareBrowserServices();
