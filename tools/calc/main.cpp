// orvanel-calc: the headless companion of Orvanel and rorev; runs one command line and prints JSON.
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "conceptplane/data_folder.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return calc::RunCommandLine(words, std::cin, std::cout, std::cerr, cp::ResolveDataFolder());
}
