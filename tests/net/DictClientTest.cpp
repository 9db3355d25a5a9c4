#include "net/DictClient.h"

#include "support/ProcessSupport.h"

#include <asio.hpp>
#include <gtest/gtest.h>

#include <future>
#include <thread>

using namespace lettrava;
using namespace std::chrono_literals;

namespace {

// One connection's worth of a scripted server: it accepts once on a loopback
// port chosen by the system, sends `script` and keeps the connection open
// until the client closes it (or the object goes).
class ScriptedServer {
public:
    explicit ScriptedServer(std::string script)
        : acceptor_(io_, asio::ip::tcp::endpoint(asio::ip::address_v4::loopback(), 0)), script_(std::move(script))
    {
        thread_ = std::thread([this] {
            asio::ip::tcp::socket s(io_);
            asio::error_code ec;
            acceptor_.accept(s, ec);
            if (ec)
                return;
            asio::write(s, asio::buffer(script_), ec);
            char sink[256];
            while (!ec)
                s.read_some(asio::buffer(sink), ec);
        });
    }
    ~ScriptedServer()
    {
        asio::error_code ignored;
        acceptor_.close(ignored);
        thread_.join();
    }
    std::uint16_t port() const { return acceptor_.local_endpoint().port(); }

private:
    asio::io_context io_;
    asio::ip::tcp::acceptor acceptor_;
    std::string script_;
    std::thread thread_;
};

std::uint16_t closedPort()
{
    asio::io_context io;
    asio::ip::tcp::acceptor a(io, asio::ip::tcp::endpoint(asio::ip::address_v4::loopback(), 0));
    return a.local_endpoint().port(); // closed again when `a` goes
}

} // namespace

TEST(DictClient, LooksWordsUpOnARealDictd)
{
    std::string whyNot;
    auto server = test::LocalDictServer::start(
        {{"quixotic", "Exceedingly idealistic; unrealistic and impractical."},
         {"cat", "A small domesticated carnivorous mammal."}},
        whyNot);
    if (!server)
        GTEST_SKIP() << "no local dictd for this test: " << whyNot;

    DictClient client("127.0.0.1", server->port());
    EXPECT_TRUE(client.probe());

    const auto found = client.define("QUIXOTIC");
    ASSERT_EQ(found.status, DictClient::Result::Status::Found) << found.message;
    ASSERT_EQ(found.definitions.size(), 1u);
    EXPECT_EQ(found.definitions[0].word, "quixotic");
    EXPECT_EQ(found.definitions[0].description, "Lettrava test words");
    EXPECT_NE(found.definitions[0].text.find("Exceedingly idealistic"), std::string::npos);

    EXPECT_EQ(client.define("ZYZZYVA").status, DictClient::Result::Status::NoMatch);
    EXPECT_EQ(client.define("CAT", "nosuchdb").status, DictClient::Result::Status::Failed);
    EXPECT_GE(server->connections(), 4);
}

TEST(DictClient, NoServerMeansUnavailable)
{
    DictClient client("127.0.0.1", closedPort(), 2000ms);
    EXPECT_FALSE(client.probe());
    const auto r = client.define("CAT");
    EXPECT_EQ(r.status, DictClient::Result::Status::Unavailable);
    EXPECT_FALSE(r.message.empty());
}

TEST(DictClient, SomethingElseOnThePortIsNoDictionaryServer)
{
    ScriptedServer web("HTTP/1.1 400 Bad Request\r\n\r\n");
    EXPECT_FALSE(DictClient("127.0.0.1", web.port(), 2000ms).probe());
}

TEST(DictClient, HostileAnswersEndInFailure)
{
    {
        // A line without end, longer than any the client keeps.
        ScriptedServer s("220 hello\r\n250 ok\r\n150 1\r\n151 \"cat\" wn \"x\"\r\n" + std::string(100000, 'x'));
        const auto r = DictClient("127.0.0.1", s.port(), 5000ms).define("CAT");
        EXPECT_EQ(r.status, DictClient::Result::Status::Failed);
        EXPECT_TRUE(r.definitions.empty());
    }
    {
        // A server that greets and then says nothing: the time limit ends the wait.
        ScriptedServer s("220 hello\r\n250 ok\r\n");
        const auto started = std::chrono::steady_clock::now();
        const auto r = DictClient("127.0.0.1", s.port(), 300ms).define("CAT");
        EXPECT_EQ(r.status, DictClient::Result::Status::Failed);
        EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    }
    {
        // The connection closes in the middle of a definition.
        ScriptedServer s("220 hello\r\n250 ok\r\n150 1\r\n151 \"cat\" wn \"x\"\r\nhalf a def");
        std::promise<DictClient::Result> done;
        std::thread t([&] { done.set_value(DictClient("127.0.0.1", s.port(), 500ms).define("CAT")); });
        auto f = done.get_future();
        // The scripted server holds the connection open; the client's limit ends it.
        EXPECT_EQ(f.get().status, DictClient::Result::Status::Failed);
        t.join();
    }
}
