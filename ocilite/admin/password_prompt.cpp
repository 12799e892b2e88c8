#include "ocilite/admin/password_prompt.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace ocilite {
namespace {

// Switches terminal echo off for its lifetime and restores the previous mode on every way out.
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
#ifdef _WIN32
        if (m_active)
            SetConsoleMode(m_handle, m_mode);
#else
        if (m_active)
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

bool stdinIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdin)) != 0;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

bool readPassword(const std::string &prompt, std::string &password, std::string &error) {
    password.clear();
    bool ok = false;
    if (stdinIsTerminal()) {
        std::cerr << prompt << std::flush;
        {
            EchoOff quiet;
            ok = readLine(password);
        }
        std::cerr << '\n';
    } else {
        ok = readLine(password);
    }
    if (!ok) {
        error = "no password given (end of input)";
        return false;
    }
    return true;
}

bool readNewPassword(std::string &password, std::string &error) {
    if (!readPassword("Password: ", password, error))
        return false;
    if (password.empty()) {
        error = "the password must not be empty";
        return false;
    }
    if (!stdinIsTerminal())
        return true;
    std::string again;
    if (!readPassword("Retype password: ", again, error))
        return false;
    if (again != password) {
        error = "the passwords do not match";
        return false;
    }
    return true;
}

} // namespace ocilite
