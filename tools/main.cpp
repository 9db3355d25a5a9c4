// lettrava-tool: command-line access to the game's engine.

#include "Commands.h"
#include "ToolSupport.h"

#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"

#include <algorithm>
#include <iostream>

namespace lettrava::tool {

const std::vector<CommandInfo>& commands()
{
    static const std::vector<CommandInfo> list = {
        {"mkdict", mkdictCommand,
         "mkdict [--name NAME] [--page1 TEMPLATE] [--page1-name NAME] [--page2 TEMPLATE] [--page2-name NAME]\n"
         "       [--local-lookup] [--encoding utf-8|latin-1] [--case any|lower|initial] [--letters LETTERS]\n"
         "       [--lowercase-only] WORDLIST OUT.dic"},
        {"dictinfo", dictinfoCommand, "dictinfo [--words] FILE.dic"},
        {"lookup", lookupCommand, "lookup --dict FILE.dic [--custom FILE] TEXT..."},
        {"solve", solveCommand,
         "solve --dict FILE.dic [--custom FILE] [--min N] [--max N] [--reuse yes|no] GRIDFILE"},
        {"trace", traceCommand, "trace [--reuse yes|no] GRIDFILE WORD"},
        {"random-grid", randomGridCommand,
         "random-grid --dict FILE.dic [--cols C] [--rows R] [--porosity P] [--seed S] OUT.grd"},
        {"generate", generateCommand,
         "generate --dict FILE.dic --words LIST [--cols C] [--rows R] [--porosity P] [--reuse yes|no] [--seed S]\n"
         "       [--generations N] OUT.grd"},
        {"simulate", simulateCommand,
         "simulate --dict FILE.dic [--rounds N] [--size CxR | --grid FILE.grd] [--duration auto|M:SS]\n"
         "       [--bonus yes|no] [--reuse yes|no] [--porosity P] [--min N] [--max N] [--seed S]\n"
         "       [--script FILE] [--save FILE.LTG] [--load FILE.LTG] PLAYER...   (human:NAME or computer:NAME)"},
        {"game-info", gameInfoCommand, "game-info FILE.LTG"},
        {"players", playersCommand, "players FILE"},
        {"wordserver", wordServerCommand, "wordserver [--port N] [--file FILE] [--bind ADDRESS]"},
        {"host", hostCommand,
         "host --dict FILE.dic [--port P] [--rounds N] [--size CxR | --grid FILE.grd] [--duration M:SS]\n"
         "       [--bonus yes|no] [--reuse yes|no] [--porosity P] [--min N] [--max N] [--seed S] [--admit-all]\n"
         "       [--start-after N] [--between SECONDS] [--chat FILE] [--email TEXT] [--message TEXT]\n"
         "       PLAYER...   (human:NAME first, the host's seat; then computer:NAME)"},
        {"join", joinCommand,
         "join --host H [--port P] --name NAME [--email TEXT] [--message TEXT] [--script FILE]\n"
         "       [--read-results SECONDS] [--reconnect] [--dict FILE.dic]"},
    };
    return list;
}

} // namespace lettrava::tool

namespace {

void printUsage(std::ostream& out)
{
    out << "usage: lettrava-tool [--home DIR] COMMAND [ARGS]\n"
           "       lettrava-tool COMMAND --help | --help | --version\n\ncommands:\n";
    for (const auto& c : lettrava::tool::commands())
        out << "  " << c.usage << '\n';
}

bool asksForHelp(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

} // namespace

int main(int argc, char** argv)
{
    using namespace lettrava;
    std::vector<std::string> args = Paths::initialise(argc, argv);
    tool::ToolDialogs toolDialogs;
    setDialogs(&toolDialogs);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "lettrava-tool " << LETTRAVA_VERSION << '\n';
        return 0;
    }
    const std::string name = args[0];
    args.erase(args.begin());
    for (const auto& c : tool::commands()) {
        if (name != c.name)
            continue;
        if (asksForHelp(args)) {
            std::cout << "usage: lettrava-tool " << c.usage << '\n';
            return 0;
        }
        try {
            return c.run(args);
        } catch (const tool::UsageError& e) {
            std::cerr << "lettrava-tool " << name << ": " << e.what() << "\nusage: lettrava-tool " << c.usage << '\n';
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "lettrava-tool " << name << ": " << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "lettrava-tool: unknown command " << name << '\n';
    printUsage(std::cerr);
    return 2;
}
