#include "net/DictClient.h"

#include "net/LineConnection.h"

namespace lettrava {

namespace {

// Connects and reads the server's greeting: true for a 220.
bool greet(LineConnection& c, const std::string& host, std::uint16_t port, std::string& why)
{
    if (!c.connect(host, port)) {
        why = "No dictionary server answers at " + host + ":" + std::to_string(port) + " (" + c.error().message() + ").";
        return false;
    }
    const auto banner = c.readLine();
    if (!banner || dict::statusCode(*banner) != 220) {
        why = "The program at " + host + ":" + std::to_string(port) + " is not a dictionary server.";
        return false;
    }
    return true;
}

} // namespace

DictClient::DictClient(std::string host, std::uint16_t port, std::chrono::milliseconds timeout)
    : host_(std::move(host)), port_(port), timeout_(timeout)
{
}

bool DictClient::probe() const
{
    LineConnection c(std::chrono::steady_clock::now() + timeout_, dict::kMaxLineLength);
    std::string why;
    if (!greet(c, host_, port_, why))
        return false;
    c.write("QUIT\r\n");
    return true;
}

DictClient::Result DictClient::define(std::string_view word, std::string_view database) const
{
    Result r;
    const auto command = dict::defineCommand(database, word);
    if (!command) {
        r.status = Result::Status::Failed;
        r.message = "The word cannot be looked up.";
        return r;
    }
    LineConnection c(std::chrono::steady_clock::now() + timeout_, dict::kMaxLineLength);
    if (!greet(c, host_, port_, r.message)) {
        r.status = Result::Status::Unavailable;
        return r;
    }
    if (!c.write("CLIENT Lettrava\r\n")) {
        r.status = Result::Status::Failed;
        r.message = "The dictionary server closed the connection.";
        return r;
    }
    // The answer to CLIENT: any status line is fine.
    if (const auto line = c.readLine(); !line || dict::statusCode(*line) < 0) {
        r.status = Result::Status::Failed;
        r.message = "The dictionary server closed the connection.";
        return r;
    }
    c.write(*command);
    dict::DefineReader reader;
    while (reader.state() == dict::DefineReader::State::Reading) {
        const auto line = c.readLine();
        if (!line) {
            r.status = Result::Status::Failed;
            r.message = c.error() == asio::error::timed_out ? "The dictionary server took too long to answer."
                                                              : "The dictionary server closed the connection.";
            return r;
        }
        reader.feed(*line);
    }
    c.write("QUIT\r\n");
    switch (reader.state()) {
    case dict::DefineReader::State::Found:
        r.status = Result::Status::Found;
        r.definitions = reader.takeDefinitions();
        break;
    case dict::DefineReader::State::NoMatch:
        r.status = Result::Status::NoMatch;
        break;
    default:
        r.status = Result::Status::Failed;
        r.message = reader.failure();
        break;
    }
    return r;
}

} // namespace lettrava
