#pragma once
// Messages sent in pieces (message/partial, RFC 2046), gathered across a run until every piece
// of one is at hand.
#include <map>
#include <string>
#include <vector>

#include "mail/mail_body.h"

class MessagePieces {
  public:
    // Keeps the piece; true, with the whole message in `whole`, once all its pieces are here.
    bool Add(MessagePiece piece, std::string &whole);

    // The messages some of whose pieces never came: "id" and which pieces did, one line each.
    std::vector<std::string> Missing() const;

  private:
    struct Pieces {
        unsigned Total;
        std::map<unsigned, std::string> Texts; // by number
    };
    std::map<std::string, Pieces> ById;
};
