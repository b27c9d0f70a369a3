#pragma once
// Paints the main window from the colour table: backgrounds from slot 2, buttons and the size
// label from slot 4, the menu bar from slot 3, and the grid and clue ink from FontColour.
namespace sl {

class Form1;

void ApplyColours(Form1& form);

}  // namespace sl
