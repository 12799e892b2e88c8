#include "check/password_source.h"

#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace velmora::check {

namespace {

bool stdinIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdin)) != 0;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

// Terminal echo off for its lifetime; the previous mode comes back on every way out.
class EchoOff {
public:
    EchoOff() {
#ifdef _WIN32
        m_handle = GetStdHandle(STD_INPUT_HANDLE);
        m_active = GetConsoleMode(m_handle, &m_mode) &&
                   SetConsoleMode(m_handle, m_mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
#else
        m_active = tcgetattr(STDIN_FILENO, &m_mode) == 0;
        if (m_active) {
            termios quiet = m_mode;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            m_active = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
        }
#endif
    }
    ~EchoOff() {
        if (!m_active)
            return;
#ifdef _WIN32
        SetConsoleMode(m_handle, m_mode);
#else
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_mode);
#endif
    }
    EchoOff(const EchoOff &) = delete;
    EchoOff &operator=(const EchoOff &) = delete;

private:
    bool m_active = false;
#ifdef _WIN32
    HANDLE m_handle = nullptr;
    DWORD m_mode = 0;
#else
    termios m_mode{};
#endif
};

bool readLine(std::string &line) {
    if (!std::getline(std::cin, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

} // namespace

bool readPassword(std::string &password, std::string &error) {
    if (const char *fromEnvironment = std::getenv(kPasswordVariable)) {
        password = fromEnvironment;
        return true;
    }
    bool read = false;
    if (stdinIsTerminal()) {
        std::cerr << "Password: " << std::flush;
        {
            EchoOff quiet;
            read = readLine(password);
        }
        std::cerr << '\n';
    } else {
        read = readLine(password);
    }
    if (!read)
        error = std::string("no password given: set ") + kPasswordVariable +
                ", pipe it to standard input or type it at the prompt";
    return read;
}

} // namespace velmora::check
