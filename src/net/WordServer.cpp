#include "net/WordServer.h"

#include "net/WordSuggestion.h"

#include <fstream>
#include <system_error>

namespace lettrava {

WordServer::WordServer(asio::io_context& io, const asio::ip::udp::endpoint& where, std::filesystem::path file)
    : socket_(io, where), file_(std::move(file))
{
}

std::uint16_t WordServer::port() const { return socket_.local_endpoint().port(); }
asio::ip::udp::endpoint WordServer::localEndpoint() const { return socket_.local_endpoint(); }

std::string WordServer::thanksFor(const std::string& word)
{
    return "Thank you! " + word + " is in the suggestion box.";
}

void WordServer::start(std::function<void(const std::string&)> onWord)
{
    onWord_ = std::move(onWord);
    receive();
}

void WordServer::stop()
{
    asio::error_code ignored;
    socket_.close(ignored);
}

bool WordServer::store(const std::string& word)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(file_, ec);
    if (!ec && size + word.size() + 1 > kMaxFileBytes)
        return false;
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out << word << '\n';
    out.flush();
    return static_cast<bool>(out);
}

void WordServer::receive()
{
    socket_.async_receive_from(asio::buffer(buffer_), sender_, [this](const asio::error_code& ec, std::size_t n) {
        if (ec == asio::error::operation_aborted || !socket_.is_open())
            return;
        if (!ec) {
            if (const auto word = WordSuggestion::parseRequest(std::string_view(buffer_.data(), n))) {
                const bool stored = store(*word);
                if (stored && onWord_)
                    onWord_(*word);
                const std::string reply = stored ? thanksFor(*word) : std::string(kFullText);
                asio::error_code ignored;
                socket_.send_to(asio::buffer(reply), sender_, 0, ignored);
            }
        }
        receive();
    });
}

} // namespace lettrava
