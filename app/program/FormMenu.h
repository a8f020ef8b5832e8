#pragma once
// Registers what every built menu item of the main window opens.
void RegisterFormMenu();
