// The PL/SQL of a script that the runner carries out itself: a block, or EXECUTE, made only
// of NULL and DBMS_OUTPUT calls (PUT_LINE, PUT, NEW_LINE, ENABLE, DISABLE). Private to the
// script runner, which evaluates the arguments as SQL expressions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

struct OutputCall {
    enum class Kind { PutLine, Put, NewLine, Nothing };
    Kind kind = Kind::Nothing;
    std::string argument; // PUT_LINE and PUT: the expression's text
};

// The calls of "BEGIN ... END;" in order, when every statement of it is one of those (an
// optional label or DECLARE with nothing declared excepted); nothing otherwise.
std::optional<std::vector<OutputCall>> outputCalls(std::string_view block);

} // namespace ocilite
