// The control side of the scripted client (what the tests program and read back) and the
// scenario file the end-to-end run uses.
#include "scripted_internal.h"

#include <fstream>
#include <sstream>

namespace scriptedoci {

using detail::State;
using detail::state;

void reset() {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.statements.clear();
    s.objects.clear();
    s.account.reset();
    s.failures.clear();
    s.loseAfter = -1;
    s.lost = false;
    s.stillExecuting = 0;
    s.busy.reset();
    s.broken = false;
    s.calls.clear();
    s.prepared.clear();
}

void addStatement(Statement statement) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.statements.push_back(std::move(statement));
}

void addObject(StoredObject object) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.objects.push_back(std::move(object));
}

void setAccount(const std::string &user, const std::string &password) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.account = std::make_pair(user, password);
}

void failCall(const std::string &function, Failure failure, int skip) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.failures.push_back({function, std::move(failure), skip});
}

void loseConnection(int skip) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.loseAfter = skip;
}

void stillExecuting(int times) {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.stillExecuting = times;
}

std::vector<Call> calls() {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.calls;
}

std::vector<Call> callsOf(const std::string &function) {
    std::vector<Call> found;
    for (Call &call : calls())
        if (call.function == function)
            found.push_back(std::move(call));
    return found;
}

int liveHandles() {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return static_cast<int>(s.handles.size());
}

std::vector<std::string> preparedStatements() {
    State &s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.prepared;
}

namespace {

// "\n" in a value stands for a line feed (USER_SOURCE lines end in one).
std::string unescaped(const std::string &field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && field[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<Value> rowValues(const std::string &line) {
    std::vector<Value> row;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        row.push_back(field == "\\N" ? Value{} : Value{unescaped(field)});
    return row;
}

bool scenarioLine(const std::string &word, std::istringstream &rest, const std::string &line,
                  Statement &current, bool &open) {
    if (word == "statement") {
        current = Statement{};
        std::getline(rest >> std::ws, current.match);
        open = true;
    } else if (word == "type" && open) {
        rest >> current.type;
    } else if (word == "code" && open) {
        rest >> current.functionCode;
    } else if (word == "rowcount" && open) {
        rest >> current.rowCount;
    } else if (word == "column" && open) {
        Column c;
        rest >> c.name >> c.type >> c.size;
        rest >> c.precision >> c.scale;
        current.columns.push_back(c);
    } else if (word == "row" && open) {
        current.rows.push_back(rowValues(line.size() > 4 ? line.substr(4) : ""));
    } else if (word == "end" && open) {
        addStatement(current);
        open = false;
    } else if (word == "account") {
        std::string user, password;
        rest >> user >> password;
        setAccount(user, password);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool loadScenario(const std::string &path, std::string &error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    Statement current;
    bool open = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream rest(line);
        std::string word;
        rest >> word;
        if (!scenarioLine(word, rest, line, current, open)) {
            error = path + ":" + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    return true;
}

} // namespace scriptedoci
