#pragma once

// The converter on a Windows console: the command line arrives in UTF-16
// and a console shows only what is written to it in UTF-16, while the
// converter reads and writes UTF-8. Output that is redirected stays UTF-8.

#ifdef _WIN32

#include <memory>
#include <streambuf>
#include <string>
#include <vector>

namespace velmaro::cli {

// The arguments after the program name, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);

// For as long as it lives, std::cout and std::cerr write to the console
// with its wide-character call where they are attached to one.
class WindowsConsole {
public:
    WindowsConsole();
    WindowsConsole(const WindowsConsole&) = delete;
    WindowsConsole& operator=(const WindowsConsole&) = delete;
    ~WindowsConsole();

private:
    std::unique_ptr<std::streambuf> out_;
    std::unique_ptr<std::streambuf> err_;
    std::streambuf* redirectedOut_ = nullptr;
    std::streambuf* redirectedErr_ = nullptr;
};

} // namespace velmaro::cli

#endif
