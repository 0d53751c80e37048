#pragma once

// Tells screen readers that the step window's grid is a table of 9 rows and 9 columns of cells,
// so that they move through it by row and column and say where each cell stands.
namespace GridAccessibility {

// Once for the program, before a grid is first shown.
void Install();

}  // namespace GridAccessibility
