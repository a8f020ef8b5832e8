#pragma once
// What each menu item of the main window opens, by the item's name. The program fills the table at
// start, so the main window does not depend on the forms built above it.
#include <functional>
#include <string>

class QWidget;

using MenuHandler = std::function<void(QWidget* mainWindow)>;

void SetMenuHandler(const std::string& item, MenuHandler handler);
// Null when nothing is registered for the item.
const MenuHandler* FindMenuHandler(const std::string& item);
