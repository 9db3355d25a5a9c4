// Writes the starting corpus of every fuzz target: real files and frames of
// each kind, made with the program's own writers, one per shape worth
// reaching (every round count of a saved game, grids with holes and of every
// side length, player files ending in a partial record, DICT answers of each
// status, a frame of every message kind). Deterministic: the same program
// writes the same bytes. Every seed is read back with the matching reader
// before it is written, so a writer and its reader that drift apart stop the
// program instead of leaving a corpus of rejected files.
//
//   lettrava-fuzzseeds SEEDS_FOLDER
//
// SEEDS_FOLDER receives one folder per target (fuzz_savedgame/ ...).

#include "core/game/Game.h"
#include "core/game/Player.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/headless/RecordingDialogs.h"
#include "core/headless/RecordingGameView.h"
#include "core/players/PlayerFileManager.h"
#include "core/words/Dictionary.h"
#include "core/words/DictionaryWriter.h"
#include "core/words/LVWord.h"
#include "net/DictProtocol.h"
#include "net/Frame.h"
#include "net/Payloads.h"
#include "net/TGameClient.h"
#include "net/WordSuggestion.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace lettrava;

namespace {

fs::path gRoot;
int gWritten = 0;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "lettrava-fuzzseeds: %s\n", why.c_str());
    std::exit(1);
}

void require(bool ok, const std::string& what)
{
    if (!ok)
        fail("a seed does not read back: " + what);
}

void writeSeed(const std::string& target, const std::string& name, const std::string& bytes)
{
    const fs::path folder = gRoot / target;
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        fail("cannot write " + (folder / name).string());
    ++gWritten;
}

std::string twoDigits(int n)
{
    std::string s = std::to_string(n);
    return n < 10 ? "0" + s : s;
}

// ------------------------------------------------------------ saved games

// Names of every length up to the field's 16 characters, longest words up to 18.
const char* const kNames[] = {"Ann", "Bo", "Christophersonne", "Dee Dee", "Ek", "Fatima al-Rashid"};
const char* const kLongest[] = {"QUIXOTIC", "", "ABCDEFGHIJKLMNOPQR", "CAT", "ZEBRAS", "EXTRAORDINARILY"};

// One saved game of `rounds` rounds; the other values are spread over the
// files so that each range is met at both ends somewhere: every player count
// and input method, every computer level, sizes 3 to 12, every size order
// (hand-set sizes without a plan among them), a game not begun, one in
// progress and one finished, hosted and local games.
std::string savedGame(int rounds)
{
    gridOptions() = GridOptions{};
    RecordingGameView view;
    Game game(view);
    game.roundsPerGame = rounds;
    game.playerCount = 1 + (rounds - 1) % Game::kMaxPlayers;
    switch (rounds % 3) {
    case 0: game.currentRound = rounds; break; // finished
    case 1: game.currentRound = 0; break;      // not begun
    default: game.currentRound = rounds / 2; break;
    }
    game.gridSizeOrder = rounds % 4;
    const bool unplanned = game.gridSizeOrder == 2 && rounds < 10;
    for (int i = 0; i < rounds; ++i) {
        game.columnsByRound[static_cast<std::size_t>(i)] = unplanned ? 0 : 3 + (i + rounds) % 10;
        game.rowsByRound[static_cast<std::size_t>(i)] = unplanned ? 0 : 3 + (i * 7 + rounds) % 10;
    }
    game.manualGridSize = game.gridSizeOrder == 2;
    game.automaticDuration = rounds % 2 == 0;
    game.roundMinutes = rounds == 20 ? 99 : rounds % 6;
    game.roundSeconds = rounds == 19 ? 99 : (rounds * 13) % 60;
    game.bonusWordEnabled = rounds % 3 != 1;
    game.networkMode = rounds % 5 == 0 ? NetworkMode::Host : NetworkMode::Local;
    game.hostPort = game.networkMode == NetworkMode::Host ? 19790 + rounds : 0;
    GridOptions& o = gridOptions();
    o.allowLetterReuse = rounds % 2 == 1;
    o.gridPorosity = rounds == 20 ? 60 : (rounds * 7) % 61;
    o.minWordLength = rounds == 18 ? 18 : 3 + rounds % 6;
    o.maxWordLength = rounds == 17 ? o.minWordLength : std::min(18, o.minWordLength + (rounds * 3) % 16);

    static const std::int32_t kMethods[] = {InputMethod::KeyboardAndMouse, InputMethod::Computer,
                                            InputMethod::KeyboardOnly,     InputMethod::MouseOnly,
                                            InputMethod::Remote};
    for (int i = 0; i < game.playerCount; ++i) {
        auto p = std::make_unique<Player>(&game, &view.scoreLabel(i), &view.nameLabel(i));
        const int k = (rounds + i) % 5;
        p->inputMethod = kMethods[k];
        if (p->isComputer()) {
            p->computerLevel = 1 + (rounds + i) % 8;
            p->name = kComputerNames[8 - p->computerLevel];
        } else {
            p->name = kNames[(rounds + i) % 6];
        }
        p->longestThisGame = kLongest[(rounds * 3 + i) % 6];
        p->wordsThisGame = (rounds * 11 + i * 5) % 97;
        p->gameScore = i == 1 ? -12 : rounds * 37 + i;
        if (p->inputMethod == InputMethod::KeyboardOnly || p->inputMethod == InputMethod::KeyboardAndMouse)
            game.hasKeyboardPlayer = true;
        game.adoptPlayer(i, std::move(p));
    }
    const std::string bytes = SavedGameFile::encode(game);

    // It loads, and loads as what was written.
    const GridOptions written = gridOptions();
    gridOptions() = GridOptions{};
    RecordingGameView otherView;
    Game other(otherView);
    require(SavedGameFile::decode(other, bytes) == SavedGameFile::Result::Loaded,
            "saved game of " + std::to_string(rounds) + " rounds");
    require(SavedGameFile::encode(other) == bytes && gridOptions().gridPorosity == written.gridPorosity
                && gridOptions().minWordLength == written.minWordLength,
            "saved game of " + std::to_string(rounds) + " rounds, written again");
    return bytes;
}

void savedGames()
{
    for (int rounds = 1; rounds <= Game::kMaxRounds; ++rounds)
        writeSeed("fuzz_savedgame", "rounds-" + twoDigits(rounds) + ".LTG", savedGame(rounds));
}

// ------------------------------------------------------------ grid files

struct GridShape {
    const char* name;
    int columns, rows;
    const char* letters; // read column by column, wrapping; '.' is a hole
    int minLength, maxLength;
    bool reuse;
};

const GridShape kGridShapes[] = {
    {"3x3", 3, 3, "CATSOPTAX", 3, 9, true},
    {"12x12", 12, 12, "QUIXOTICZEBRASTRENGTHSJUMPYWALTZ", 3, 18, false},
    {"holes", 6, 5, "AB.DE..HIJKL.NOP.RS", 4, 8, true},
    {"all-holes", 4, 4, ".", 3, 3, false},
    {"wide", 12, 3, "STRENGTHENINGLY", 5, 12, true},
    {"tall", 3, 12, "MISSISSIPPIRIVER", 3, 18, false},
    {"5x7", 5, 7, "LETTRAVAWORDGAME", 18, 18, true},
    {"8x4", 8, 4, "PUZZLE.QUIZ", 6, 10, false},
    {"9x10", 9, 10, "ETAOINSHRDLU", 3, 5, true},
    {"10x11", 10, 11, "JACKDAWSLOVEMYBIGSPHINXOFQUARTZ", 7, 15, false},
    {"11x6", 11, 6, "X.Y.Z", 3, 18, true},
};

std::string gridSeed(const GridShape& s)
{
    gridOptions() = GridOptions{};
    GridOptions& o = gridOptions();
    o.gridColumns = s.columns;
    o.gridRows = s.rows;
    o.minWordLength = s.minLength;
    o.maxWordLength = s.maxLength;
    o.allowLetterReuse = s.reuse;
    Grid grid(false);
    const std::string letters = s.letters;
    std::size_t k = 0;
    for (int c = 1; c <= s.columns; ++c)
        for (int r = 1; r <= s.rows; ++r, ++k) {
            const char l = letters[k % letters.size()];
            grid.setLetter(c, r, l == '.' ? ' ' : l);
        }
    std::string text = gridFileText(grid);
    // The writer stamps the current date and time into its first line; the
    // seeds carry a fixed one so that they are made again byte for byte.
    const std::size_t firstEnd = text.find("\r\n");
    text.replace(0, firstEnd, "# grid saved from GridTester on 01/02/24 at 12:00:00");

    std::istringstream in(text);
    const auto contents = readGridFile(in);
    require(contents.has_value(), std::string("grid ") + s.name);
    Grid reread(false);
    gridOptions() = GridOptions{};
    applyGridFile(reread, *contents);
    require(gridOptions() == o, std::string("grid options of ") + s.name);
    for (int c = 1; c <= s.columns; ++c)
        for (int r = 1; r <= s.rows; ++r)
            require(reread.letterAt(c, r) == grid.letterAt(c, r), std::string("grid cells of ") + s.name);
    return text;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void gridFiles()
{
    for (const GridShape& s : kGridShapes)
        writeSeed("fuzz_gridfile", "grid-" + std::string(s.name) + ".grd", gridSeed(s));

    // The same file as edited by hand elsewhere: other line ends, lower-case
    // rows and names, settings after the rows.
    const std::string saved = gridSeed(kGridShapes[2]);
    writeSeed("fuzz_gridfile", "lf.grd", replaceAll(saved, "\r\n", "\n"));
    writeSeed("fuzz_gridfile", "cr.grd", replaceAll(saved, "\r\n", "\r"));
    std::string lower = saved;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    writeSeed("fuzz_gridfile", "lower-case.grd", lower);
    const std::size_t rows = saved.find("\r\n>");
    const std::size_t settings = saved.find("ROWS=");
    writeSeed("fuzz_gridfile", "settings-last.grd",
              saved.substr(0, settings) + saved.substr(rows + 2) + "\r\n" + saved.substr(settings, rows - settings));
}

// ------------------------------------------------------------ player files

std::string playerRecord(const std::string& name, const std::string& longest, std::int32_t level, std::int32_t base)
{
    Player p(name);
    p.longestWord = longest;
    p.computerLevel = level;
    p.gamesWon = base;
    p.gamesCompleted = base * 3 + 1;
    p.roundsPlayed = base * 11 + 4;
    p.wordsFound = base * 57 + 9;
    p.pointsScored = base * 401 + 17;
    return p.toFileRecord();
}

void checkPlayers(const std::string& bytes, std::size_t records, const std::string& what)
{
    const auto read = PlayerFileManager::parse(bytes);
    require(read.size() == records, what);
    for (std::size_t i = 0; i < read.size() && (i + 1) * Player::kFileRecordSize <= bytes.size(); ++i)
        require(read[i]->toFileRecord() == bytes.substr(i * Player::kFileRecordSize, Player::kFileRecordSize), what);
}

void playerFiles()
{
    std::string people = playerRecord("Ann", "QUIXOTIC", 0, 3) + playerRecord("Christophersonne", "ABCDEFGHIJKLMNOPQR", 0, 250)
                       + playerRecord("Bo", "", 0, 0);
    std::string computers;
    for (int level = 1; level <= 8; ++level)
        computers += playerRecord(kComputerNames[8 - level], kLongest[level % 6], level, level * 5);

    const std::string one = playerRecord("Dee Dee", "ZEBRAS", 0, 1);
    checkPlayers(one, 1, "one player");
    writeSeed("fuzz_playerfile", "one.dat", one);
    checkPlayers(people, 3, "people");
    writeSeed("fuzz_playerfile", "people.dat", people);
    checkPlayers(computers, 8, "computers");
    writeSeed("fuzz_playerfile", "computers.dat", computers);
    // Extreme counters.
    Player big("Fatima al-Rashid");
    big.gamesWon = std::numeric_limits<std::int32_t>::max();
    big.pointsScored = std::numeric_limits<std::int32_t>::min();
    big.computerLevel = -1;
    checkPlayers(big.toFileRecord(), 1, "extreme counters");
    writeSeed("fuzz_playerfile", "extremes.dat", big.toFileRecord());
    // A file cut short: inside the name, the longest word and the counters.
    for (std::size_t tail : {5u, 17u, 30u, 41u, 59u}) {
        const std::string cut = people.substr(0, 2 * Player::kFileRecordSize + tail);
        checkPlayers(cut, 3, "partial record");
        writeSeed("fuzz_playerfile", "partial-" + twoDigits(static_cast<int>(tail)) + ".dat", cut);
    }
}

// ------------------------------------------------------------ dictionaries

// Words of every length from 3 to 18, a few of each.
const std::vector<std::string> kWords = {
    "CAT", "DOG", "ZOO", "QUIZ", "JUMP", "WORD", "ZEBRA", "GRIDS", "LEMON", "PUZZLE", "LETTER", "QUARTZ",
    "JACKDAW", "SPHINXES", "QUIXOTIC", "CROSSWORD", "ALPHABETS", "STRENGTHEN", "WORDSMITHS", "SPELLCHECKS",
    "TYPEWRITERS", "INTERSECTING", "CHARACTERISTIC", "LEXICOGRAPHY", "UNCOPYRIGHTED", "SUBDERMATOGLYPHIC", "INCOMPREHENSIBLE",
    "EXTRAORDINARILY", "UNCHARACTERISTIC", "INTERNATIONALIZING", "COUNTERREVOLUTIONS", "ABCDEFGHIJKLMNOPQR"};

DictionaryHeader header(const char* name, bool local)
{
    DictionaryHeader h;
    h.setField(DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize, name);
    h.setField(DictionaryHeader::kLookupPage1Offset, DictionaryHeader::kLookupPageSize,
               "https://en.wiktionary.org/wiki/%s");
    h.setField(DictionaryHeader::kLookupPage1NameOffset, DictionaryHeader::kLookupPageNameSize, "Wiktionary");
    h.setField(DictionaryHeader::kLookupPage2Offset, DictionaryHeader::kLookupPageSize, "dict://localhost/%s");
    h.setField(DictionaryHeader::kLookupPage2NameOffset, DictionaryHeader::kLookupPageNameSize, "Local DICT");
    h.setLocalLookup(local);
    return h;
}

Dictionary::LoadStatus readDictionary(const std::string& bytes, std::size_t* words = nullptr)
{
    static RecordingDialogs quiet;
    setDialogs(&quiet);
    Dictionary d;
    std::istringstream in(bytes);
    const auto status = d.readFrom(in, bytes.size());
    if (words)
        *words = d.words()->size();
    return status;
}

void dictionaries()
{
    const std::string body = DictionaryWriter::plainBody(kWords);
    const auto weights = DictionaryWriter::letterWeights(kWords);

    const std::string full = DictionaryWriter::file(header("Seed English", true), weights, body);
    std::size_t count = 0;
    require(readDictionary(full, &count) == Dictionary::LoadStatus::Loaded && count == kWords.size(), "dictionary");
    writeSeed("fuzz_dictionary", "every-length.dic", full);

    // Single-byte letters beyond A to Z, in the alphabet and the words.
    const std::vector<std::string> accented = {"\xC9T\xC9", "CAF\xC9", "NA\xCFVE", "\xDC" "BER", "SE\xD1OR"};
    const std::string latin =
        DictionaryWriter::file(header("Seed Latin-1", false), DictionaryWriter::letterWeights(accented),
                               DictionaryWriter::plainBody(accented));
    require(readDictionary(latin, &count) == Dictionary::LoadStatus::Loaded && count == accented.size(),
            "latin-1 dictionary");
    writeSeed("fuzz_dictionary", "latin1.dic", latin);

    // A body that ends inside the five-letter words.
    const std::string cut = DictionaryWriter::file(header("Seed cut", false), weights, body.substr(0, 3 * 3 + 1 + 4 * 3 + 1 + 12));
    require(readDictionary(cut, &count) == Dictionary::LoadStatus::Loaded && count == 8, "cut dictionary");
    writeSeed("fuzz_dictionary", "cut-body.dic", cut);

    // Only the markers; and a body with one marker, which loads no words.
    const std::string markers = DictionaryWriter::file(header("Seed empty", false), {}, std::string(16, '='));
    require(readDictionary(markers, &count) == Dictionary::LoadStatus::Loaded && count == 0, "markers only");
    writeSeed("fuzz_dictionary", "markers-only.dic", markers);
    const std::string oneMarker = DictionaryWriter::file(header("Seed one marker", false), weights, "CATDOGZOO=QUIZ");
    require(readDictionary(oneMarker) == Dictionary::LoadStatus::MissingMarkers, "one marker");
    writeSeed("fuzz_dictionary", "one-marker.dic", oneMarker);

    // Bytes after the last section, and weights that draw no letters or
    // are no numbers.
    const std::vector<AlphabetChar> odd = {{'A', 0.0f},
                                           {'B', -1.0f},
                                           {'C', std::numeric_limits<float>::quiet_NaN()},
                                           {'D', std::numeric_limits<float>::infinity()},
                                           {'E', 1e30f},
                                           {'F', 0.0005f}};
    const std::string weird = DictionaryWriter::file(header("Seed weights", false), odd, body + "TRAILINGBYTES");
    require(readDictionary(weird) == Dictionary::LoadStatus::Loaded, "odd weights");
    writeSeed("fuzz_dictionary", "odd-weights.dic", weird);
}

// ------------------------------------------------------------ DICT answers and word requests

void dictResponses()
{
    auto answer = [](std::initializer_list<const char*> lines) {
        std::string text;
        for (const char* line : lines)
            text += std::string(line) + "\r\n";
        return text;
    };
    struct Seed {
        const char* name;
        std::string text;
        dict::DefineReader::State state;
    };
    using State = dict::DefineReader::State;
    const Seed seeds[] = {
        {"found-one.txt",
         answer({"150 1 definitions retrieved", "151 \"cat\" wn \"WordNet (r) 3.0 (2006)\"", "cat",
                 "    n 1: feline mammal usually having thick soft fur", "..dot-stuffed line", "", ".",
                 "250 ok [d/m/c = 1/0/20; 0.000r 0.000u 0.000s]"}),
         State::Found},
        {"found-three.txt",
         answer({"150 3 definitions retrieved", "151 \"Quiz\" gcide \"The Collaborative International Dictionary\"",
                 "Quiz \\Quiz\\, n.", "   1. A riddle.", ".", "151 \"quiz\" wn \"WordNet \\\"3.0\\\"\"", "quiz",
                 "    n 1: an examination", ".", "151 quiz moby-thesaurus \"Moby Thesaurus II\"", "42 Moby Thesaurus words",
                 "   test, exam", ".", "250 ok"}),
         State::Found},
        {"found-no-description.txt", answer({"151 \"zoo\" wn", "zoo", ".", "250 ok"}), State::Found},
        {"no-match.txt", answer({"552 no match [d/m/c = 0/0/0; 0.000r 0.000u 0.000s]"}), State::NoMatch},
        {"invalid-database.txt", answer({"550 invalid database, use SHOW DB for list of databases"}), State::Failed},
        {"syntax-error.txt", answer({"501 syntax error, illegal parameters"}), State::Failed},
        {"unavailable.txt", answer({"420 server temporarily unavailable"}), State::Failed},
        {"access-denied.txt", answer({"530 access denied"}), State::Failed},
        {"end-without-definition.txt", answer({"150 0 definitions retrieved", "250 ok"}), State::Failed},
        {"bad-header.txt", answer({"150 1 definitions retrieved", "151 \"cat"}), State::Failed},
        {"banner.txt", answer({"220 dict.example.org dictd 1.12.1 <auth.mime> <123.456@dict.example.org>"}),
         State::Failed},
        {"lf-only.txt", "150 1 definitions retrieved\n151 \"dog\" wn \"WordNet\"\ndog\n.\n250 ok\n", State::Found},
    };
    for (const Seed& s : seeds) {
        dict::DefineReader reader;
        std::istringstream in(s.text);
        for (std::string line; std::getline(in, line) && reader.state() == State::Reading;) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            reader.feed(line);
        }
        require(reader.state() == s.state, std::string("DICT answer ") + s.name);
        writeSeed("fuzz_dict_response", s.name, s.text);
    }
    // The status line with a definition header on its own.
    dict::Definition d;
    const std::string headerLine = "151 \"lettrava\" jargon \"The \\\"Jargon\\\" File\"";
    require(dict::parseDefinitionHeader(headerLine, d) && d.description == "The \"Jargon\" File", "151 line");
    writeSeed("fuzz_dict_response", "header-line.txt", headerLine);

    // Word server requests.
    const std::pair<const char*, const char*> requests[] = {
        {"QUIXOTIC", "upper-case"}, {"lowercase", "lower-case"}, {"\xC9T\xC9", "latin1"}, {"ABCDEFGHIJKLMNOPQR", "longest"}};
    for (const auto& [word, label] : requests) {
        const std::string datagram = WordSuggestion::requestDatagram(word);
        require(WordSuggestion::parseRequest(datagram).has_value(), "request " + datagram);
        writeSeed("fuzz_dict_response", std::string("request-") + label + ".txt", datagram);
    }
    // Word server addresses as a user writes them.
    const char* const addresses[] = {"words.example.org", "words.example.org:19789", "[::1]:2628",
                                     "[fe80::1]", "fe80::1:2", " 127.0.0.1:65535 "};
    int n = 0;
    for (const char* text : addresses) {
        std::string host;
        std::uint16_t port = 0;
        require(WordSuggestion::parseServerAddress(text, host, port), std::string("address ") + text);
        writeSeed("fuzz_dict_response", "address-" + std::to_string(++n) + ".txt", text);
    }
}

// ------------------------------------------------------------ frames

// The fuzz target reads its input as pieces, each a length byte (1 + b % 64
// bytes follow) and the bytes: the stream is cut into pieces of varying
// sizes so that frames arrive split across reads.
std::string inPieces(const std::string& stream)
{
    static const std::size_t kSizes[] = {64, 3, 17, 1, 64, 40, 8, 64, 2, 33};
    std::string out;
    std::size_t k = 0;
    for (std::size_t at = 0; at < stream.size(); ++k) {
        const std::size_t n = std::min(kSizes[k % std::size(kSizes)], stream.size() - at);
        out.push_back(static_cast<char>(n - 1));
        out.append(stream, at, n);
        at += n;
    }
    return out;
}

std::vector<Frame> framesOf(const std::string& stream)
{
    FrameDecoder decoder;
    require(decoder.feed(stream), "frame stream");
    std::vector<Frame> frames;
    while (auto f = decoder.next())
        frames.push_back(std::move(*f));
    return frames;
}

GameInfo settings()
{
    GameInfo g;
    g.minWordLength = 4;
    g.maxWordLength = 12;
    g.roundsPerGame = 5;
    g.gridPorosity = 15;
    g.playerCount = 4;
    g.currentRound = 2;
    g.bonusWordEnabled = true;
    g.allowLetterReuse = false;
    g.gridSizeOrder = 3;
    g.automaticDuration = false;
    g.roundMinutes = 3;
    g.roundSeconds = 30;
    g.versionText = " 1.0";
    g.dictionaryVersion = "EN2";
    g.names = {"Ann", "Christophersonne", "Deep Words", "Bo"};
    g.kinds = {0, 1, 2, 0};
    return g;
}

GridPayload gridPayload(int columns, int rows)
{
    GridPayload g;
    g.columns = columns;
    g.rows = rows;
    g.image.fill(' ');
    const std::string letters = "QUIXOTICZEBRAS";
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            if ((c + r) % 7 != 0) // some holes
                g.image[static_cast<std::size_t>(c * 14 + r)] =
                    static_cast<unsigned char>(letters[static_cast<std::size_t>(c * 3 + r) % letters.size()]);
    std::fill(g.image.begin() + 196, g.image.end(), 0);
    return g;
}

std::vector<TGameClient> members()
{
    TGameClient host;
    host.name = "Ann";
    host.dictionaryVersion = "EN2";
    host.versionText = " 1.0";
    host.address = "192.168.100.200";
    host.hostName = "a-host-name-of-exactly-forty-characters.";
    host.email = "ann@example.org";
    host.message = "Welcome to my game";
    host.status = MemberStatus::Host;
    host.lastHeard = 123456;
    TGameClient guest;
    guest.name = "Christophersonne";
    guest.address = "10.0.0.7";
    guest.message = std::string(256, 'm');
    guest.status = MemberStatus::Ready;
    TGameClient late;
    late.name = "Bo";
    late.status = MemberStatus::Connected;
    late.lastHeard = 0xFFFFFFFFu;
    return {host, guest, late};
}

std::string playerImages()
{
    std::string out;
    for (int i = 0; i < 4; ++i) {
        Player p(kNames[i]);
        p.inputMethod = i == 2 ? InputMethod::Computer : InputMethod::Remote;
        p.computerLevel = i == 2 ? 1 : 0;
        p.longestThisGame = kLongest[i];
        p.longestWord = kLongest[(i + 2) % 6];
        p.gameScore = 100 * i - 5;
        p.wordsThisGame = i * 9;
        p.finished = i % 2 == 1;
        p.streak = -i;
        out += p.toImage();
    }
    return out;
}

std::string wordImages()
{
    std::string out;
    unsigned char image[LVWord::kImageSize];
    for (const char* text : {"CAT", "QUIXOTIC", "ABCDEFGHIJKLMNOPQR", "ZOO"}) {
        LVWord w(text, static_cast<std::int32_t>(out.size() / LVWord::kImageSize));
        w.inGrid = true;
        w.inDictionary = text[0] != 'Z';
        w.unique = text[0] == 'Q';
        w.writeImage(image);
        out.append(reinterpret_cast<const char*>(image), sizeof image);
    }
    return out;
}

void frames()
{
    using namespace MessageKind;
    const std::string login = members()[1].toImage();
    // A frame of every kind, with the payload that kind carries.
    const std::vector<std::pair<std::int32_t, std::string>> kinds = {
        {msgChat, "Hello, everyone"},
        {msgWhisper, std::string("Bo\0psst", 7)},
        {msgSubmitWord, "QUIXOTIC"},
        {msgLogin, login},
        {msgRoundFinished, ""},
        {msgReady, ""},
        {msgRename, "Annabel"},
        {msgKeepAlive, ""},
        {msgMemberList, encodeMemberList(members())},
        {msgChatLine, "Ann: good luck"},
        {msgPrivateLine, "Ann whispers: psst"},
        {msgSettings, encodeSettings(settings())},
        {msgSettingsRejoin, encodeSettings(GameInfo{})},
        {msgGridNewRound, encodeGrid(gridPayload(12, 12))},
        {msgGridRejoin, encodeGrid(gridPayload(3, 5))},
        {msgScores, encodeScores({120, -4, 0, 77, 3})},
        {msgResultsReady, ""},
        {msgPlayers, playerImages()},
        {msgPlayerWords, encodeWordList(1, wordImages())},
        {msgWordVerdict, encodeVerdict({-3, "QUIZZES"})},
        {msgRejoinGame, ""},
        {msgAdmitted, "Ann"},
        {msgBonusHint, encodeBonusHint({25, "Q_I_O_I_"})},
        {msgRoundEndCounts, ""},
        {msgRoundEndVoid, ""},
        {msgTimeLeft, encodeInt32(95)},
        {msgWinner, "It was a tie!"},
        {msgNewGame, ""},
        {msgMemberReady, "Bo"},
        {msgHostShutdown, ""},
    };
    std::string session;
    for (const auto& [kind, payload] : kinds) {
        require(!messageKindName(kind).empty(), "kind " + std::to_string(kind));
        const std::string frame = encodeFrame(kind, payload);
        const auto read = framesOf(frame);
        require(read.size() == 1 && read[0].kind == kind && read[0].payload == payload,
                std::string(messageKindName(kind)));
        writeSeed("fuzz_protocol", std::string(messageKindName(kind)) + ".bin", inPieces(frame));
        session += frame;
    }
    require(framesOf(session).size() == kinds.size(), "session");
    writeSeed("fuzz_protocol", "session.bin", inPieces(session));

    // The payloads the decoders check hardest, as the whole input.
    require(decodeSettings(encodeSettings(settings())).has_value(), "settings");
    writeSeed("fuzz_protocol", "payload-settings.bin", encodeSettings(settings()));
    require(decodeGrid(encodeGrid(gridPayload(7, 9))).has_value(), "grid");
    writeSeed("fuzz_protocol", "payload-grid.bin", encodeGrid(gridPayload(7, 9)));
    require(decodeMemberList(encodeMemberList(members())) == members(), "member list");
    writeSeed("fuzz_protocol", "payload-members.bin", encodeMemberList(members()));

    // A body too short for its kind (dropped), then a whole frame; and a
    // length above the limit, which ends the stream.
    const std::string shortBody = std::string("\0\0\0\2ab", 6) + encodeFrame(msgReady);
    require(framesOf(shortBody).size() == 1, "short body");
    writeSeed("fuzz_protocol", "short-body.bin", inPieces(shortBody));
    FrameDecoder decoder;
    const std::string tooLong = std::string("\0\x10\0\x01", 4) + encodeFrame(msgReady);
    require(!decoder.feed(tooLong), "a length above the limit");
    writeSeed("fuzz_protocol", "too-long.bin", inPieces(tooLong));
}

// Scripts of the in-process host's fuzz target (fuzz/fuzz_host.cpp reads
// them: a step byte, whose value modulo 12 is the step and whose high nibble
// modulo 3 the member, then the step's own bytes).
class HostScript {
public:
    enum Step : std::uint8_t { Connect = 0, Send = 1, Deliver = 4, Leave = 5, RunUi = 6, Time = 8, Round = 9, Seat = 10, HostChat = 11 };
    enum Kind : std::uint8_t { Login = 0, Chat, Whisper, Rename, Word, Finished, Ready, KeepAlive, Unknown, MemberList };

    HostScript& step(Step s, int member = 0)
    {
        bytes_.push_back(static_cast<char>(s | (member << 4)));
        return *this;
    }
    HostScript& login(int member, const std::string& name)
    {
        step(Send, member);
        bytes_ += static_cast<char>(Login);
        bytes_ += static_cast<char>(name.size()); // below 24, the high bit clear: a member's record
        bytes_ += name;
        bytes_ += std::string(2, '\0'); // empty host name and message
        return *this;
    }
    HostScript& send(int member, Kind kind, const std::string& payload = {})
    {
        step(Send, member);
        bytes_ += static_cast<char>(kind);
        bytes_ += static_cast<char>(payload.size());
        bytes_ += payload;
        return *this;
    }
    HostScript& work() { return step(Deliver).step(RunUi); }
    HostScript& time(std::uint8_t fifthsOfSeconds)
    {
        step(Time);
        bytes_ += static_cast<char>(fifthsOfSeconds);
        return *this;
    }
    HostScript& round(std::uint8_t choice = 0)
    {
        step(Round);
        bytes_ += static_cast<char>(choice);
        return *this;
    }
    HostScript& seat(int index)
    {
        step(Seat);
        bytes_ += static_cast<char>(index);
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

void hostScripts()
{
    using S = HostScript;
    // Two members seated, a round with words, chat, whispers and a rename,
    // the round's end by the clock, the reports, the next round.
    S play;
    play.step(S::Connect, 0).step(S::Connect, 1).login(0, "Alice").login(1, "Bobby").work().seat(1).seat(2).work();
    play.round().work().send(0, S::Word, "CATS").send(1, S::Word, "COATS").send(1, S::Word, "ZZZ").work();
    play.send(0, S::Chat, "good luck").send(1, S::Whisper, "Alice psst").send(0, S::Rename, "Alicia").work();
    play.time(200).send(0, S::Finished).send(1, S::Finished).work().time(100).work().send(0, S::Ready).work();
    play.round().work().send(1, S::Word, "TACO").work().time(250).work();
    writeSeed("fuzz_host", "two-players.bin", play.bytes());

    // Taken names, a watcher's rename to a player's name, a member who goes
    // in mid-round and comes back, silence.
    S names;
    names.step(S::Connect, 0).login(0, "Alexandrapetrova").work().seat(1).work();
    names.step(S::Connect, 1).login(1, "Alexandrapetrova").step(S::Connect, 2).login(2, "").work();
    names.send(2, S::Rename, "alexandrapetrova!").round().work().send(0, S::Word, "STOP").work();
    names.step(S::Leave, 0).work().step(S::Connect, 0).login(0, "Alexandrapetrova").work();
    names.send(1, S::KeepAlive).send(2, S::Unknown, "??").time(90).work().time(90).work();
    writeSeed("fuzz_host", "names-and-returns.bin", names.bytes());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lettrava-fuzzseeds SEEDS_FOLDER\n");
        return 2;
    }
    gRoot = argv[1];
    static RecordingDialogs quiet;
    setDialogs(&quiet);
    PlayerFileManager::useFile({}); // games made here save no statistics
    savedGames();
    gridFiles();
    playerFiles();
    dictionaries();
    dictResponses();
    frames();
    hostScripts();
    std::printf("%d seeds written to %s\n", gWritten, gRoot.string().c_str());
    return 0;
}
