#pragma once

#include <string>
#include <vector>

namespace lettrava::tool {

using Args = std::vector<std::string>;

// Each command takes its own arguments (without the command name) and returns
// the exit code. They throw UsageError or ToolError for the dispatcher to report.
int mkdictCommand(const Args& args);
int dictinfoCommand(const Args& args);
int lookupCommand(const Args& args);
int solveCommand(const Args& args);
int traceCommand(const Args& args);
int randomGridCommand(const Args& args);
int generateCommand(const Args& args);
int simulateCommand(const Args& args);
int gameInfoCommand(const Args& args);
int playersCommand(const Args& args);
int wordServerCommand(const Args& args);
int hostCommand(const Args& args);
int joinCommand(const Args& args);

struct CommandInfo {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

const std::vector<CommandInfo>& commands();

} // namespace lettrava::tool
