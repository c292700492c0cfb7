#pragma once

// Program entry: the start-up step, the splash window, the main window, the event loop.
int runBrindel(int argc, char **argv);
