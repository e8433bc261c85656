#pragma once
// Where the tree builder finds the files it turns into data: the folder
// share/tolv7 beside the folder of the running program. The build puts a
// copy there (build/share/tolv7 beside build/tools) and installation puts
// the same files under PREFIX/share/tolv7 beside PREFIX/bin, so the tool
// works from any working folder, installed or in a moved checkout.
#include <filesystem>

namespace tolv7::tree {

namespace fs = std::filesystem;

// The full path of the running program.
fs::path running_program();

// The folder of the shared data files: <program folder>/../share/tolv7.
fs::path shared_data_folder();

}  // namespace tolv7::tree
