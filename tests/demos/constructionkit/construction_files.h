#pragma once

#include "constructionkit/core/construction.h"

#include <string>
#include <vector>

// The shipped construction files, read from the source tree.
std::vector<std::string> constructionNames();
std::string constructionText(const std::string& name);
constructions::Construction shippedConstruction(const std::string& name);
