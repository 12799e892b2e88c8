#include "ocilite/engine/pieces.h"

#include "ocilite/engine/errors.h"

namespace ocilite {

void Pieces::set(int piece, void *buffer, unsigned *length) {
    if (!m_request.pending)
        throw OraError(kOraInvalidOperation, "no piece is waited for");
    m_answer = PieceAnswer{true, piece, buffer, length};
}

void Pieces::ask(bool bind, int piece, void *context, unsigned iteration) {
    m_request = PieceRequest{true, bind, piece, context, iteration, 0};
    m_answer = PieceAnswer{};
}

PieceAnswer Pieces::take() {
    PieceAnswer answer = m_answer;
    m_answer = PieceAnswer{};
    return answer;
}

void Pieces::clear() {
    m_request = PieceRequest{};
    m_answer = PieceAnswer{};
    m_binds.clear();
    value.clear();
    offset = 0;
    delivering = false;
}

} // namespace ocilite
