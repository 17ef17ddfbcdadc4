#include "mail/message_pieces.h"

bool MessagePieces::Add(MessagePiece piece, std::string &whole) {
    Pieces &pieces = ById.try_emplace(piece.Id, Pieces{piece.Total, {}}).first->second;
    pieces.Texts[piece.Number] = std::move(piece.Text);
    for (unsigned number = 1; number <= pieces.Total; ++number) {
        if (pieces.Texts.count(number) == 0) {
            return false;
        }
    }
    whole.clear();
    for (unsigned number = 1; number <= pieces.Total; ++number) {
        whole += pieces.Texts[number];
    }
    ById.erase(piece.Id);
    return true;
}

std::vector<std::string> MessagePieces::Missing() const {
    std::vector<std::string> lines;
    for (const auto &[id, pieces] : ById) {
        std::string line = "\"" + id + "\": piece ";
        for (const auto &text : pieces.Texts) {
            line += text.first == pieces.Texts.begin()->first ? "" : ", ";
            line += std::to_string(text.first);
        }
        line += " of " + std::to_string(pieces.Total) + " came, the others did not";
        lines.push_back(line);
    }
    return lines;
}
