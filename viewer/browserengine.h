#pragma once

// Prepares the browser engine's environment; call before the application object exists.
void prepareBrowserEngine();
