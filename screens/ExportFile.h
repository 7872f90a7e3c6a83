#pragma once
#include <string>

// Hands the player a text file of the given name: written into the working
// folder on a desktop (false, having printed why, when it cannot be), offered
// as a download in a browser. CMake builds one of ExportFile_desktop.cpp and
// ExportFile_web.cpp.
bool export_file(const char* name, const std::string& text);
