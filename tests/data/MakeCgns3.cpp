// makedata-cgns3 FILE STEPS [adf]: the channel flow of zorhost-makedata as a
// file of the CGNS 3.x library, which older solvers write.
#include <cstdlib>
#include <iostream>
#include <string>

#include "CgnsWriter.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "Usage: makedata-cgns3 FILE STEPS [adf]\n";
        return 2;
    }
    try {
        makedata::writeCgns(argv[1], 2000, std::atoi(argv[2]), argc > 3 && std::string(argv[3]) == "adf");
    } catch (const std::exception& error) {
        std::cerr << "makedata-cgns3: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
