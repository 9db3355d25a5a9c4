#pragma once

#include "net/DictProtocol.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// Looks words up on a dictionary server that speaks the DICT protocol (a
// dictd on this computer, say). Every call opens its own connection, does its
// work within the time limit and closes it again; nothing is kept between
// calls. Blocking; meant for one short lookup at a time.
class DictClient {
public:
    struct Result {
        enum class Status {
            Found,       // definitions holds at least one definition
            NoMatch,     // the server knows no definition of the word
            Unavailable, // no server answered (nothing listening, a timeout, a bad greeting)
            Failed,      // the server answered with an error or broke the protocol
        };
        Status status = Status::Unavailable;
        std::vector<dict::Definition> definitions;
        std::string message; // what went wrong, for Unavailable and Failed
    };

    DictClient(std::string host, std::uint16_t port,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

    // Whether a DICT server answers at the address with its greeting.
    bool probe() const;

    // The definitions of the word in every database of the server ("*"), or
    // in the named one.
    Result define(std::string_view word, std::string_view database = "*") const;

private:
    std::string host_;
    std::uint16_t port_;
    std::chrono::milliseconds timeout_;
};

} // namespace lettrava
