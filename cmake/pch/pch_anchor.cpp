// The target that compiles one set of shared precompiled headers; the course's targets reuse
// its result. As a program it does nothing.
int main() {
    return 0;
}
