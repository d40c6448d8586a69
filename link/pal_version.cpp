#include "link/pal_version.h"

short ClassifyPalVersion(const std::string& versionText) {
    const auto contains = [&](const char* part) {
        return versionText.find(part) != std::string::npos;
    };
    if (versionText == kPalVersionDefault) return kPalNotFound;
    if (contains("9.")) return kPal9;
    // "10.2.0" before "10.": the 10.2.0 builds already use the later layout.
    if (contains("10.2.0")) return kPal450;
    if (contains("11.")) return kPal450;
    if (contains("10.")) return kPal10;
    return kPalNotFound;
}

void SetPal9Classes(PalSearchSettings& settings) {
    settings.chatClass = kChatWindowClass;
}

void SetPal10Classes(PalSearchSettings& settings) {
    settings.chatClass = kChatWindowClass;
    settings.inputIndex = 2;
}

bool ApplyPalGeneration(short code, PalSearchSettings& settings) {
    switch (code) {
    case kPal9:
        SetPal9Classes(settings);
        return true;
    case kPal10:
    case kPal450:
        SetPal10Classes(settings);
        return true;
    default:
        return false;
    }
}
