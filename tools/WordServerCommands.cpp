// wordserver: the UDP word server that collects suggested words.

#include "Commands.h"
#include "ToolSupport.h"

#include "core/platform/Paths.h"
#include "net/WordServer.h"
#include "net/WordSuggestion.h"

#include <asio.hpp>

#include <csignal>
#include <iostream>

namespace lettrava::tool {

int wordServerCommand(const Args& args)
{
    Arguments a(args, {"port", "file", "bind"}, {});
    if (!a.positional().empty())
        throw UsageError("unexpected argument " + a.positional()[0]);
    const auto port = a.integer("port", 0, 65535).value_or(WordSuggestion::kPort);
    const std::string file = a.value("file", Paths::writableFile("SuggestedWords.txt").string());
    const std::string bindText = a.value("bind", "0.0.0.0");

    asio::error_code ec;
    const auto address = asio::ip::make_address(bindText, ec);
    if (ec)
        throw UsageError("--bind needs an IP address, not " + bindText);

    asio::io_context io;
    std::unique_ptr<WordServer> server;
    try {
        server = std::make_unique<WordServer>(io, asio::ip::udp::endpoint(address, static_cast<std::uint16_t>(port)),
                                              file);
    } catch (const std::system_error& e) {
        throw ToolError("cannot listen on " + bindText + ":" + std::to_string(port) + ": " + e.what());
    }
    asio::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&](const asio::error_code&, int) {
        server->stop();
        io.stop();
    });
    server->start([](const std::string& word) { std::cout << "word: " << terminalText(word) << std::endl; });
    // The port line comes first and at once, so that a caller that asked for
    // port 0 learns the port before it sends.
    std::cout << "listening: " << server->localEndpoint().address().to_string() << ' ' << server->port() << '\n'
              << "file: " << file << std::endl;
    io.run();
    return 0;
}

} // namespace lettrava::tool
