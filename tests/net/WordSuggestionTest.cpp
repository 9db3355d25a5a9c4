#include "net/WordServer.h"
#include "net/WordSuggestion.h"

#include "support/TestSupport.h"

#include <asio.hpp>
#include <gtest/gtest.h>

#include <future>
#include <thread>

using namespace lettrava;
using namespace std::chrono_literals;

TEST(WordSuggestion, RequestDatagram)
{
    EXPECT_EQ(WordSuggestion::requestDatagram("QUIXOTIC"), "%@QUIXOTIC=");
    EXPECT_EQ(WordSuggestion::requestDatagram("QUIXOTIC").size(), 11u);

    EXPECT_EQ(WordSuggestion::parseRequest("%@QUIXOTIC="), "QUIXOTIC");
    EXPECT_EQ(WordSuggestion::parseRequest("%@quixotic="), "QUIXOTIC");
    EXPECT_EQ(WordSuggestion::parseRequest("%@\xC9T\xC9="), "\xC9T\xC9");
    for (const char* bad : {"", "%@=", "QUIXOTIC", "%@QUIX OTIC=", "%@CAT", "@%CAT=", "%@CAT\n=", "%@CAT==",
                            "%@../../etc/passwd="})
        EXPECT_FALSE(WordSuggestion::parseRequest(bad)) << bad;
    EXPECT_FALSE(WordSuggestion::parseRequest("%@" + std::string(19, 'A') + "="));
    EXPECT_FALSE(WordSuggestion::parseRequest(std::string("%@C\0T=", 6)));
}

TEST(WordSuggestion, ServerAddresses)
{
    std::string host;
    std::uint16_t port = 0;
    ASSERT_TRUE(WordSuggestion::parseServerAddress("words.example.org", host, port));
    EXPECT_EQ(host, "words.example.org");
    EXPECT_EQ(port, WordSuggestion::kPort);
    ASSERT_TRUE(WordSuggestion::parseServerAddress(" 127.0.0.1:4000 ", host, port));
    EXPECT_EQ(host, "127.0.0.1");
    EXPECT_EQ(port, 4000);
    ASSERT_TRUE(WordSuggestion::parseServerAddress("[::1]:5000", host, port));
    EXPECT_EQ(host, "::1");
    EXPECT_EQ(port, 5000);
    ASSERT_TRUE(WordSuggestion::parseServerAddress("::1", host, port));
    EXPECT_EQ(host, "::1");
    EXPECT_EQ(port, WordSuggestion::kPort);
    for (const char* bad : {"", "   ", "host:", ":80", "host:0", "host:65536", "host:8x", "[::1", "[::1]x", "[]:80"})
        EXPECT_FALSE(WordSuggestion::parseServerAddress(bad, host, port)) << bad;
}

namespace {

// A word server on a loopback port chosen by the system, run on its own thread.
class RunningServer {
public:
    explicit RunningServer(const std::filesystem::path& file)
        : server(io, asio::ip::udp::endpoint(asio::ip::address_v4::loopback(), 0), file), work(asio::make_work_guard(io))
    {
        server.start([this](const std::string& w) { words.push_back(w); });
        thread = std::thread([this] { io.run(); });
    }
    ~RunningServer()
    {
        asio::post(io, [this] { server.stop(); });
        work.reset();
        io.stop();
        thread.join();
    }
    asio::io_context io;
    WordServer server;
    asio::executor_work_guard<asio::io_context::executor_type> work;
    std::vector<std::string> words;
    std::thread thread;
};

} // namespace

TEST(WordSuggestion, ServerStoresTheWordAndThanksTheSender)
{
    test::TempDir dir;
    RunningServer running(dir / "words.txt");
    const auto r = WordSuggestion::send("127.0.0.1", running.server.port(), "QUIXOTIC", 10s);
    EXPECT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(r.reply, WordServer::thanksFor("QUIXOTIC"));
    const auto second = WordSuggestion::send("localhost", running.server.port(), "zebu", 10s);
    EXPECT_EQ(second.reply, WordServer::thanksFor("ZEBU"));
    EXPECT_EQ(test::readFile(dir / "words.txt"), "QUIXOTIC\nZEBU\n");
}

TEST(WordSuggestion, ServerIgnoresWhatIsNoRequest)
{
    test::TempDir dir;
    RunningServer running(dir / "words.txt");
    asio::io_context io;
    asio::ip::udp::socket s(io, asio::ip::udp::endpoint(asio::ip::address_v4::loopback(), 0));
    const asio::ip::udp::endpoint to(asio::ip::address_v4::loopback(), running.server.port());
    s.send_to(asio::buffer(std::string("hello")), to);
    s.send_to(asio::buffer(std::string(5000, '%')), to);
    s.send_to(asio::buffer(std::string("%@ROUGH\r\nINJECT=")), to);
    // The one good request after them is answered, and it is the only line stored.
    s.send_to(asio::buffer(WordSuggestion::requestDatagram("CAT")), to);
    char reply[1024];
    asio::ip::udp::endpoint from;
    const std::size_t n = s.receive_from(asio::buffer(reply), from);
    EXPECT_EQ(std::string(reply, n), WordServer::thanksFor("CAT"));
    EXPECT_EQ(test::readFile(dir / "words.txt"), "CAT\n");
}

TEST(WordSuggestion, NoReplyWithinTheWaitGivesEmptyText)
{
    // A socket that receives but never answers.
    asio::io_context io;
    asio::ip::udp::socket silent(io, asio::ip::udp::endpoint(asio::ip::address_v4::loopback(), 0));
    const auto started = std::chrono::steady_clock::now();
    const auto r = WordSuggestion::send("127.0.0.1", silent.local_endpoint().port(), "CAT", 300ms);
    EXPECT_TRUE(r.reply.empty());
    EXPECT_TRUE(r.error.empty());
    EXPECT_GE(std::chrono::steady_clock::now() - started, 300ms);
    char got[64];
    EXPECT_EQ(std::string(got, silent.receive(asio::buffer(got))), "%@CAT=");
}

TEST(WordSuggestion, LongRepliesAreCutAndBadHostsReported)
{
    asio::io_context io;
    asio::ip::udp::socket server(io, asio::ip::udp::endpoint(asio::ip::address_v4::loopback(), 0));
    auto answered = std::async(std::launch::async, [&] {
        char buffer[64];
        asio::ip::udp::endpoint from;
        server.receive_from(asio::buffer(buffer), from);
        server.send_to(asio::buffer(std::string(3000, 'r')), from);
    });
    const auto r = WordSuggestion::send("127.0.0.1", server.local_endpoint().port(), "CAT", 10s);
    answered.get();
    EXPECT_EQ(r.reply, std::string(WordSuggestion::kMaxReply, 'r'));

    const auto bad = WordSuggestion::send("no-such-host.invalid", WordSuggestion::kPort, "CAT", 300ms);
    EXPECT_TRUE(bad.reply.empty());
    EXPECT_FALSE(bad.error.empty());
}
