#pragma once

// The application: sets the program up and runs the main dialog until the user closes it.
// There is exactly one, theApp. Expects the QApplication to exist.
class CNovemSolverApp {
public:
    // Returns false: the program ends when the dialog does, with no event loop of its own.
    bool InitInstance();
};

extern CNovemSolverApp theApp;
