#include "cli/windows_console.h"

#include "cli/utf16_text.h"

#include <array>
#include <iostream>
#include <string_view>

#include <windows.h>

namespace velmaro::cli {
namespace {

// UTF-8 in, UTF-16 to the console. A sequence cut by the end of the buffer
// waits there for its other bytes.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) { Reset(0); }
    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;
    ~ConsoleBuffer() override { WriteOut(); }

protected:
    int_type overflow(int_type c) override {
        if (!WriteOut()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return WriteOut() ? 0 : -1; }

private:
    bool WriteOut() {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t kept = IncompleteUtf8Tail(pending);
        const std::u16string text = Utf16FromUtf8(pending.substr(0, pending.size() - kept));
        const std::wstring wide(text.begin(), text.end());
        bool written = true;
        for (std::size_t done = 0; done < wide.size();) {
            DWORD count = 0;
            const auto asked = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            if (WriteConsoleW(console_, wide.data() + done, asked, &count, nullptr) == 0 ||
                count == 0) {
                written = false;
                break;
            }
            done += count;
        }
        std::copy(pending.end() - static_cast<std::ptrdiff_t>(kept), pending.end(), buffer_.data());
        Reset(kept);
        return written;
    }

    void Reset(std::size_t kept) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        pbump(static_cast<int>(kept));
    }

    HANDLE console_;
    std::array<char, 16384> buffer_{};
};

// A buffer for the standard handle when it is a console, else nothing.
std::unique_ptr<std::streambuf> ConsoleFor(DWORD standardHandle) {
    HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || GetConsoleMode(handle, &mode) == 0) {
        return nullptr;
    }
    return std::make_unique<ConsoleBuffer>(handle);
}

} // namespace

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        args.push_back(Utf8FromUtf16(std::u16string(wide.begin(), wide.end())));
    }
    return args;
}

WindowsConsole::WindowsConsole()
    : out_(ConsoleFor(STD_OUTPUT_HANDLE)), err_(ConsoleFor(STD_ERROR_HANDLE)) {
    if (out_) {
        redirectedOut_ = std::cout.rdbuf(out_.get());
    }
    if (err_) {
        redirectedErr_ = std::cerr.rdbuf(err_.get());
    }
}

WindowsConsole::~WindowsConsole() {
    if (out_) {
        std::cout.flush();
        std::cout.rdbuf(redirectedOut_);
    }
    if (err_) {
        std::cerr.flush();
        std::cerr.rdbuf(redirectedErr_);
    }
}

} // namespace velmaro::cli
