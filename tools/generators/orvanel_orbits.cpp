// orvanel-orbits: prints orbitas.txt for the eccentricities of the efemerides.txt named.
//   orvanel-orbits data/efemerides.txt > data/orbitas.txt
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "conceptplane/faults.h"
#include "tools/generators/orbit_table_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: orvanel-orbits EFEMERIDES.TXT > orbitas.txt\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        const std::string table = orvanel::WriteOrbitTable(orvanel::ParseElementTable(bytes));
        std::fwrite(table.data(), 1, table.size(), stdout);
    } catch (const cp::Fault& fault) {
        std::cerr << fault.what() << "\n";
        return 2;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
