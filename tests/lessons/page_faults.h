#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lesson_tests {

// Every fault a test finds in one lesson program, so that one run names all Pages to fix,
// not just the first.
class PageFaults {
  public:
    explicit PageFaults(std::string program) : program_(std::move(program)) {}

    void add(int page, const std::string& message); // "chances, Page 28: message"
    void add(const std::string& message);           // "chances: message"
    void addAsIs(const std::string& message);       // a message that names its place itself
    void addMissing(const std::vector<int>& pages); // "chances, Pages 90-104: missing ..."
    bool empty() const { return messages_.empty(); }
    std::string report() const;

  private:
    std::string program_;
    std::vector<std::string> messages_;
};

// A text for a message: quoted, so that leading and trailing blanks show.
std::string shown(const std::string& text);

} // namespace lesson_tests
