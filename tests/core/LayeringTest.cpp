// The source tree's layers: the folders of src/ include one another without
// a cycle, and the engine, the network code and the session never include Qt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "core/game" for src/core/game/Game.h, "net" for src/net/GameHost.cpp.
std::string folderOf(const std::string& path)
{
    const auto first = path.find('/');
    if (first == std::string::npos)
        return {};
    const std::string top = path.substr(0, first);
    if (top != "core" && top != "ui")
        return top;
    const auto second = path.find('/', first + 1);
    return second == std::string::npos ? std::string() : path.substr(0, second);
}

struct Tree {
    std::map<std::string, std::set<std::string>> uses; // folder -> folders it includes
    std::map<std::string, std::string> example;        // "a -> b" -> a file that does it
    std::vector<std::string> qtInEngine;
};

Tree readTree()
{
    Tree t;
    const fs::path src = fs::path(LETTRAVA_SOURCE_DIR) / "src";
    const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        const std::string rel = fs::relative(entry.path(), src).generic_string();
        const std::string from = folderOf(rel);
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, m, include))
                continue;
            const std::string target = m[2];
            if (m[1] == "<") {
                const bool engine = from.rfind("core/", 0) == 0 || from == "net" || from == "session";
                if (engine && target.size() > 1 && target[0] == 'Q' && std::isupper(static_cast<unsigned char>(target[1])))
                    t.qtInEngine.push_back(rel + " includes <" + target + ">");
                continue;
            }
            const std::string to = folderOf(target);
            if (to.empty() || to == from || !fs::exists(src / target))
                continue;
            t.uses[from].insert(to);
            t.example.emplace(from + " -> " + to, rel);
        }
    }
    return t;
}

// A cycle among the folders, as "a -> b -> a", or empty text.
std::string findCycle(const Tree& t)
{
    std::map<std::string, int> state; // 1 on the path, 2 done
    std::vector<std::string> path;
    std::string found;
    std::function<bool(const std::string&)> visit = [&](const std::string& f) {
        state[f] = 1;
        path.push_back(f);
        const auto it = t.uses.find(f);
        if (it != t.uses.end())
            for (const std::string& next : it->second) {
                if (state[next] == 1) {
                    auto start = std::find(path.begin(), path.end(), next);
                    for (auto p = start; p != path.end(); ++p)
                        found += *p + " -> ";
                    found += next;
                    return true;
                }
                if (state[next] == 0 && visit(next))
                    return true;
            }
        path.pop_back();
        state[f] = 2;
        return false;
    };
    for (const auto& [folder, _] : t.uses)
        if (state[folder] == 0 && visit(folder))
            break;
    return found;
}

} // namespace

TEST(Layering, FoldersIncludeEachOtherWithoutACycleAndTheEngineWithoutQt)
{
    const Tree tree = readTree();
    ASSERT_GT(tree.uses.size(), 10u) << "the source tree was not found";
    EXPECT_TRUE(tree.uses.count("core/game") && tree.uses.at("core/game").count("core/platform"))
        << "the reader sees the includes";

    const std::string cycle = findCycle(tree);
    std::string where;
    if (!cycle.empty()) {
        // Name one file for each step of the cycle.
        std::string rest = cycle;
        for (auto arrow = rest.find(" -> "); arrow != std::string::npos; arrow = rest.find(" -> ")) {
            const std::string a = rest.substr(0, arrow);
            rest = rest.substr(arrow + 4);
            const std::string b = rest.substr(0, rest.find(" -> "));
            where += "\n  " + a + " -> " + b + " (" + tree.example.at(a + " -> " + b) + ")";
        }
    }
    EXPECT_TRUE(cycle.empty()) << "folders include each other in a cycle: " << cycle << where;

    // The seams stay interfaces: the platform folder of the engine uses no
    // other folder, and the headless doubles serve the tools and the tests
    // only.
    if (tree.uses.count("core/platform"))
        for (const std::string& f : tree.uses.at("core/platform"))
            ADD_FAILURE() << "core/platform includes " << f << " (" << tree.example.at("core/platform -> " + f) << ")";
    for (const auto& [folder, used] : tree.uses)
        if (used.count("core/headless"))
            ADD_FAILURE() << folder << " includes core/headless (" << tree.example.at(folder + " -> core/headless") << ")";

    for (const std::string& q : tree.qtInEngine)
        ADD_FAILURE() << q;
}
