#pragma once

// The names dialog and the score sheet list the seats either in seat order or, once the Twelve
// window has been shown, round the table from the player: left, across, right.
extern bool TwelveSeatOrder;

// The seat that a box of the names dialog or a column of the score sheet (1..4) stands for.
int seatAtPosition(int position);
