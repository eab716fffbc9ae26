#pragma once

#include <string>
#include <vector>

namespace small_programs {

// Every fault a test finds, so that one run names all Pages to fix, not just the first:
// "numbertheory, Page 21: line 7 is ..." .
class Faults {
  public:
    explicit Faults(std::string program) : program_(std::move(program)) {}
    void add(int page, const std::string& message);
    void add(const std::string& message);
    bool empty() const { return messages_.empty(); }
    std::string report() const;

  private:
    std::string program_;
    std::vector<std::string> messages_;
};

// A text for a message: quoted, so that leading and trailing blanks show.
std::string shown(const std::string& text);

} // namespace small_programs
