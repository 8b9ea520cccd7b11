#pragma once
// The class-specific items of every object's popup menu, wired to the
// objects' commands and dialogs.
namespace pc::design::ui {

// Registers them once (the program at start-up; tests before menus open).
void registerClassMenuItems();

}  // namespace pc::design::ui
