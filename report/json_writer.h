#pragma once
// Private to report/: a small streaming JSON writer for the json and sarif formats. It writes
// one member or element per line, indented by two blanks a level, and turns every string into
// valid UTF-8 (a byte that is not is written as U+FFFD).

#include <iosfwd>
#include <string_view>
#include <vector>

namespace velmora::report {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream &out) : m_out(out) {}
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The member name for the value or container that follows.
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char *text) { value(std::string_view(text)); }
    void value(int number);
    void value(bool flag);
    void null();

    template <typename T> void member(std::string_view name, const T &v) {
        key(name);
        value(v);
    }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newline();

    std::ostream &m_out;
    std::vector<bool> m_empty; // per open container: nothing written into it yet
    bool m_afterKey = false;
};

// text as a JSON string literal, quotes included.
void writeJsonString(std::ostream &out, std::string_view text);

} // namespace velmora::report
