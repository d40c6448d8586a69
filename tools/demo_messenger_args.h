// Command line of the demo messenger:
//
//   demo_messenger [--install VERSION] [--uninstall] [--transcript FILE]
//                  [--freeze-after-post MS] [--styled-input] [ROOM ...]
//
// --freeze-after-post makes a room stop answering for MS milliseconds after
// each message it posts: a test's way of meeting a messenger that hangs.
// --styled-input gives the input boxes a default format of their own (bold
// italic green Tahoma 14 pt), as a messenger's user may choose: whatever a
// message leaves unsaid arrives in that format.
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
    unsigned freezeAfterPostMs = 0;
    bool styledInput = false;
    std::vector<std::string> rooms;
    std::string error;           // non-empty when the command line is wrong

    // With only a registry option given, the messenger records it and ends;
    // with nothing at all it opens one room so a plain start shows something.
    bool OpensRooms() const { return !rooms.empty(); }
};

// A whole number of milliseconds up to ten minutes.
inline bool ParseMilliseconds(const std::string& text, unsigned& ms) {
    if (text.empty() || text.size() > 6) return false;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 600000) return false;
    ms = value;
    return true;
}

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
        } else if (arg == "--freeze-after-post") {
            if (!hasNext || !ParseMilliseconds(args[i + 1], options.freezeAfterPostMs)) {
                options.error = "--freeze-after-post needs a number of milliseconds";
                break;
            }
            ++i;
        } else if (arg == "--styled-input") {
            options.styledInput = true;
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
