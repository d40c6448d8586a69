#include "tests/win/win_test_support.h"

#include <filesystem>

#include "ui/window_util_win.h"

int RecorderUi::MessageBox(HWND, const std::string& text, const std::string& title, UINT flags) {
    messages.push_back({text, title, flags});
    return nextAnswer;
}

bool RecorderUi::ChooseColor(HWND, COLORREF& color) {
    ++colorDialogs;
    if (colorAnswers.empty()) return false;
    color = colorAnswers.front();
    colorAnswers.pop_front();
    return true;
}

void RecorderUi::OpenUrl(const std::string& address) { opened.push_back(address); }

TempFolder::TempFolder() {
    static unsigned counter = 0;
    do path_ = (std::filesystem::temp_directory_path() /
                ("vivarto_test_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter))).string();
    while (!CreateDirectoryA(path_.c_str(), nullptr));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

// The program's own file helpers: each is tested where the program uses it.
void TempFolder::Write(const std::string& name, const std::string& bytes) const { ReplaceFileContent(File(name), bytes); }

std::string TempFolder::Read(const std::string& name) const {
    std::string bytes;
    ReadWholeFile(File(name), bytes);
    return bytes;
}

bool TempFolder::Exists(const std::string& name) const { return FilePresent(File(name)); }

std::string CaptionOf(HWND control) {
    const std::string text = WindowTextOf(control);
    std::string caption;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size()) break;
        caption += text[i];
    }
    return caption;
}

RichTextBox& NumberedBox(TabContext& context, int number) {
    static RichTextBox& (TabContext::*const kBoxes[])() = {&TabContext::Composer,    &TabContext::DanceFrame1,
                                                           &TabContext::DanceFrame2, &TabContext::NickWorkBox,
                                                           &TabContext::ArtDesign,   &TabContext::ArtWorkBox};
    return (context.*kBoxes[number - 1])();
}

void TwoBoxes::SetUp() {
    host_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 400, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    a_.Attach(RichTextBox::Create(host_, 1, ES_MULTILINE | WS_VISIBLE, 0, 0, 600, 150));
    b_.Attach(RichTextBox::Create(host_, 2, ES_MULTILINE | WS_VISIBLE, 0, 160, 600, 150));
}
