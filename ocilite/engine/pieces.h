// The state of a piecewise operation of one statement (private to the engine): what ogetpi
// reports (which bind or define waits, for which row, first piece or a later one) and what
// osetpi answered (the program's buffer and length, and which piece it is), plus the pieces
// of each piecewise bind gathered so far and the offset reached in a value fetched in pieces.
#pragma once

#include <map>
#include <string>
#include <utility>

namespace ocilite {

struct PieceRequest {
    bool pending = false;
    bool bind = false; // a bind waits (oexec), else a define (ofetch)
    int piece = 1;     // OCIV7_FIRST_PIECE or OCIV7_NEXT_PIECE
    void *context = nullptr;
    unsigned iteration = 0;
    unsigned index = 0;
};

// The program's answer to a request.
struct PieceAnswer {
    bool given = false;
    int piece = 0;
    void *buffer = nullptr;
    unsigned *length = nullptr;
};

class Pieces {
public:
    const PieceRequest &request() const { return m_request; }
    // osetpi; ORA-01010 when no piece is waited for.
    void set(int piece, void *buffer, unsigned *length);
    void ask(bool bind, int piece, void *context, unsigned iteration);
    // The answer to the pending request, taken once.
    PieceAnswer take();
    void clear();

    // Binds: the value gathered for (placeholder, element), and whether it is complete.
    struct Gathered {
        std::string data;
        bool complete = false;
        bool null = false;
    };
    Gathered &gathered(const std::string &name, int element) { return m_binds[{name, element}]; }
    bool anyGathered() const { return !m_binds.empty(); }

    // Defines: the value being delivered in pieces and how far it has gone.
    std::string value;
    size_t offset = 0;
    bool delivering = false;

private:
    PieceRequest m_request;
    PieceAnswer m_answer;
    std::map<std::pair<std::string, int>, Gathered> m_binds;
};

} // namespace ocilite
