#include "construction_files.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

std::vector<std::string> constructionNames() {
    return {"linesketch", "rightangle", "threesides", "manysides", "sixsides"};
}

std::string constructionText(const std::string& name) {
    std::ifstream in(std::string(CONTENT_DEMOS_DIR) + "/" + name + "/" + name + ".construction");
    if (!in)
        throw std::runtime_error("no construction file for " + name);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

constructions::Construction shippedConstruction(const std::string& name) {
    const auto parsed = constructions::parseConstruction(constructionText(name));
    if (!parsed.ok())
        throw std::runtime_error(name + ": " + parsed.error().message);
    return parsed.value();
}
