// How the program wires the screens and shell dialogs of the upper layers into the main window;
// shared by the program's entry and the tests that build the program headless.
#pragma once

#include "shell/MainWnd.h"

ShellFactory MakeShellFactory();
