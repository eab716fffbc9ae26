// catalogue_compiler <lesson folder> <output.cpp> [<program>,<program>,...]
// Reads a lesson program's readable catalogue files, reports every fault it finds and, when
// there is none, writes the C++ source that builds the catalogue into the program. The list
// names the programs a Page may start (without ".exe"); without it names are not checked.
#include "catalogue_writer.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::vector<std::string> commaList(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream in(text);
    for (std::string name; std::getline(in, name, ',');)
        if (!name.empty())
            names.push_back(name);
    return names;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: catalogue_compiler <lesson folder> <output.cpp> [programs]\n";
        return 2;
    }
    std::optional<std::vector<std::string>> programs;
    if (argc == 4)
        programs = commaList(argv[3]);
    auto source = engine::readCatalogueFolder(argv[1], programs);
    for (const auto& error : source.errors)
        std::cerr << error << "\n";
    if (!source.errors.empty())
        return 1;
    const std::string content = engine::buildStoredContent(source.pages);
    const std::string output = argv[2];
    const std::string temporary = output + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        writeCatalogueSource(source, content, out);
        out.close();
        if (!out) {
            std::cerr << "catalogue_compiler: cannot write " << temporary << "\n";
            std::remove(temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::cerr << "catalogue_compiler: cannot replace " << output << "\n";
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
