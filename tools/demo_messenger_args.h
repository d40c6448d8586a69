// Command line of the demo messenger:
//
//   demo_messenger [--install VERSION] [--uninstall] [--transcript FILE] [ROOM ...]
//
// Portable and header-only so the rules can be checked without Windows.
#pragma once
#include <string>
#include <vector>

struct DemoMessengerOptions {
    bool install = false;
    std::string installVersion;  // DisplayVersion to record with --install
    bool uninstall = false;
    std::string transcriptPath;  // empty: no transcript
    std::vector<std::string> rooms;
    std::string error;           // non-empty when the command line is wrong

    // With only a registry option given, the messenger records it and ends;
    // with nothing at all it opens one room so a plain start shows something.
    bool OpensRooms() const { return !rooms.empty(); }
};

inline DemoMessengerOptions ParseDemoMessengerArgs(const std::vector<std::string>& args) {
    DemoMessengerOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasNext = i + 1 < args.size();
        if (arg == "--install") {
            if (!hasNext) { options.error = "--install needs a version"; break; }
            options.install = true;
            options.installVersion = args[++i];
        } else if (arg == "--uninstall") {
            options.uninstall = true;
        } else if (arg == "--transcript") {
            if (!hasNext) { options.error = "--transcript needs a file"; break; }
            options.transcriptPath = args[++i];
        } else if (arg == "--") {
            // Everything after "--" is a room, even a name that starts with "--".
            options.rooms.insert(options.rooms.end(), args.begin() + static_cast<long>(i) + 1,
                                 args.end());
            break;
        } else if (arg.rfind("--", 0) == 0) {
            options.error = "unknown option " + arg;
            break;
        } else {
            // An empty name is allowed: it makes a room window without a title.
            options.rooms.push_back(arg);
        }
    }
    if (options.install && options.uninstall) options.error = "--install and --uninstall together";
    if (options.error.empty() && options.rooms.empty() && !options.install && !options.uninstall)
        options.rooms.push_back("Lobby");
    return options;
}
