// Integer scaling of device units: points (72 per inch), 0.01 mm (2540 per inch) and dialog
// units to pixels or printer dots, for the sheet, its rendering and the windows alike.
#pragma once

// a * b / c with a 64-bit intermediate, rounded to the nearest integer, halves away from
// zero; -1 when c is 0 or the result does not fit in an int.
int MulDiv(int a, int b, int c);
