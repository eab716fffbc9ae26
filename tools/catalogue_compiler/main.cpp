// catalogue_compiler <lesson folder> <output.cpp>
// Reads a lesson program's readable catalogue files, reports every fault it finds and, when
// there is none, writes the C++ source that builds the catalogue into the program.
#include "catalogue_writer.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: catalogue_compiler <lesson folder> <output.cpp>\n";
        return 2;
    }
    auto source = engine::readCatalogueFolder(argv[1]);
    for (const auto& error : source.errors)
        std::cerr << error << "\n";
    if (!source.errors.empty())
        return 1;
    const std::string content = engine::buildStoredContent(source.pages);
    const std::string output = argv[2];
    {
        std::ofstream out(output + ".tmp", std::ios::binary);
        writeCatalogueSource(source, content, out);
        if (!out) {
            std::cerr << "catalogue_compiler: cannot write " << output << "\n";
            return 1;
        }
    }
    std::rename((output + ".tmp").c_str(), output.c_str());
    return 0;
}
