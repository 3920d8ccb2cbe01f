#pragma once
// Every test program runs with the program folder and the settings folder pointed at fresh
// temporary folders; the program folder starts as a copy of the shipped data files.
#include <QString>

namespace TestEnvironment {
QString programFolder();
QString settingsFolder();
// Puts a fresh copy of the data files into the program folder (undoing what a test removed).
void resetProgramFolder();
}  // namespace TestEnvironment
