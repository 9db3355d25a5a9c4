#include "core/words/Dictionary.h"
#include "core/platform/Texts.h"

#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"
#include "core/platform/Preferences.h"
#include "core/platform/TextLines.h"
#include "core/words/Latin1.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace lettrava {

namespace {

constexpr std::size_t kMarkerSections = 16; // word lengths 3 to 18

unsigned char rotateRight(unsigned char b, unsigned k) { return static_cast<unsigned char>((b >> k) | (b << ((8 - k) & 7))); }
unsigned char rotateLeft(unsigned char b, unsigned k) { return static_cast<unsigned char>((b << k) | (b >> ((8 - k) & 7))); }

bool hasDicExtension(const fs::path& p)
{
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".dic";
}

} // namespace

unsigned char restoreBodyByte(unsigned char stored, std::size_t position)
{
    return rotateRight(stored, static_cast<unsigned>((position + 3) % 8));
}

unsigned char storeBodyByte(unsigned char plain, std::size_t position)
{
    return rotateLeft(plain, static_cast<unsigned>((position + 3) % 8));
}

std::string DictionaryHeader::field(std::size_t offset, std::size_t size) const
{
    const char* begin = bytes.data() + offset;
    const char* end = static_cast<const char*>(std::memchr(begin, '\0', size));
    return std::string(begin, end ? end : begin + size);
}

bool DictionaryHeader::setField(std::size_t offset, std::size_t size, std::string_view text)
{
    if (text.size() >= size || text.find('\0') != std::string_view::npos)
        return false;
    std::memset(bytes.data() + offset, 0, size);
    std::memcpy(bytes.data() + offset, text.data(), text.size());
    return true;
}

Dictionary& Dictionary::instance()
{
    static Dictionary dictionary;
    return dictionary;
}

Dictionary::Dictionary() : words_(std::make_shared<const WordStore>()) {}

fs::path Dictionary::dictionaryFolder() { return Paths::dataPath("dict"); }

void Dictionary::listDictionaries(std::vector<std::string>& names, std::vector<std::string>& paths)
{
    std::error_code ec;
    fs::directory_iterator it(dictionaryFolder(), ec);
    if (ec)
        return;
    std::vector<std::pair<std::string, std::string>> found;
    for (const fs::directory_entry& entry : it) {
        if (!hasDicExtension(entry.path()))
            continue;
        std::error_code fileError;
        if (!entry.is_regular_file(fileError))
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        DictionaryHeader header;
        if (!in.read(header.bytes.data(), DictionaryHeader::kSize))
            continue;
        found.emplace_back(header.displayName(), entry.path().string());
    }
    // By name: the folder's own order is whatever the file system keeps.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? latin1::dictionaryLess(a.first, b.first) : a.second < b.second;
    });
    for (auto& [name, path] : found) {
        names.push_back(std::move(name));
        paths.push_back(std::move(path));
    }
}

void Dictionary::clear()
{
    words_ = std::make_shared<const WordStore>();
    alphabet_.clearAlphabet();
}

Dictionary::LoadStatus Dictionary::load()
{
    WaitCursor wait;
    clear();
    const std::string file = preferences().selectedDictionaryFile();
    if (file.empty()) {
        dialogs().showMessage(translate("Dictionary", kNoDictionarySelected), translate("Dictionary", "warning"), MessageButtons::Ok, MessageIcon::Warning);
        return LoadStatus::NoneSelected;
    }
    loaded_ = true;
    const LoadStatus status = loadFile(file);
    // A file without its markers takes no words, but the program goes on; the
    // user's own words stay valid.
    if (status != LoadStatus::Failed)
        loadCustomWords();
    return status;
}

Dictionary::LoadStatus Dictionary::loadFile(const fs::path& file)
{
    clear();
    try {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec))
            throw DictionaryError("Cannot open file \"" + file.string() + "\". The file is missing or is not a regular file");
        const std::uintmax_t size = fs::file_size(file, ec);
        std::ifstream in(file, std::ios::binary);
        if (ec || !in)
            throw DictionaryError("Cannot open file \"" + file.string() + "\"");
        const LoadStatus status = readFrom(in, size);
        if (status == LoadStatus::MissingMarkers)
            dialogs().showMessage(translate("Dictionary", kMissingMarkers), translate("Dictionary", "warning"), MessageButtons::Ok, MessageIcon::Warning);
        return status;
    } catch (const DictionaryError& e) {
        dialogs().reportError(e.what());
        return LoadStatus::Failed;
    }
}

Dictionary::LoadStatus Dictionary::readFrom(std::istream& in, std::uintmax_t size)
{
    // A short header goes unnoticed; the header keeps what could be read.
    header_ = DictionaryHeader{};
    in.read(header_.bytes.data(), DictionaryHeader::kSize);
    if (static_cast<std::size_t>(in.gcount()) < DictionaryHeader::kSize)
        in.clear();

    alphabet_.readAlphabet(in);

    const std::streamoff position = in.tellg();
    const std::uintmax_t bodySize = (position >= 0 && static_cast<std::uintmax_t>(position) < size)
                                        ? size - static_cast<std::uintmax_t>(position)
                                        : 0;
    if (bodySize > kMaxBodyBytes)
        throw DictionaryError("The dictionary file is too large");

    std::string body(static_cast<std::size_t>(bodySize), '\0');
    in.read(body.data(), static_cast<std::streamsize>(bodySize));
    body.resize(static_cast<std::size_t>(in.gcount()));

    std::size_t markers = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const unsigned char plain = restoreBodyByte(static_cast<unsigned char>(body[i]), i);
        body[i] = static_cast<char>(plain);
        markers += plain == '=';
    }
    if (markers < 2)
        return LoadStatus::MissingMarkers;

    // Sections of words of length 3, 4, ... 18, each ended by '='. A body that
    // ends early keeps the words read until then.
    WordStore::Builder builder;
    builder.reserve(body.size() / 4);
    std::size_t length = 3;
    std::size_t pos = 0;
    while (pos < body.size()) {
        if (body[pos] == '=') {
            ++pos;
            if (++length == 3 + kMarkerSections)
                break;
            continue;
        }
        if (body.size() - pos < length)
            break;
        builder.add(std::string_view(body.data() + pos, length));
        pos += length;
    }
    words_ = std::make_shared<const WordStore>(builder.build());
    return LoadStatus::Loaded;
}

fs::path Dictionary::customWordsFile() const
{
    if (customFile_)
        return *customFile_;
    return Paths::writableFile(kCustomDictionaryName);
}

void Dictionary::loadCustomWords()
{
    const fs::path file = customWordsFile();
    if (file.empty())
        return;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return;
    std::vector<std::string> list;
    readTextLines(in, kMaxCustomLineLength, kMaxCustomFileBytes, [&list](std::string_view line) {
        if (line.size() >= 3 && line.size() <= 18) {
            list.push_back(latin1::upper(line));
        }
        return true;
    });
    in.close();
    if (list.empty())
        return;
    WordStore::Builder builder;
    builder.reserve(words_->size() + list.size());
    builder.addAll(*words_);
    for (const std::string& word : list) {
        builder.add(word);
        for (char c : word)
            alphabet_.addLetter(c);
    }
    words_ = std::make_shared<const WordStore>(builder.build());
}

bool Dictionary::addCustomWord(std::string_view word)
{
    const fs::path file = customWordsFile();
    if (file.empty())
        return false;
    {
        std::ofstream out(file, std::ios::binary | std::ios::app);
        if (!out)
            return false;
        out.write(word.data(), static_cast<std::streamsize>(word.size()));
        out.write("\r\n", 2);
        out.flush();
        if (!out)
            return false;
    }
    words_ = std::make_shared<const WordStore>(words_->with(word));
    return true;
}

} // namespace lettrava
