// vivarto.ini: what the user chose comes back at the next start, and a damaged
// file costs only the settings it damaged.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>

#include "app/form1_win.h"
#include "tests/win/demo_messenger_driver.h"
#include "tests/win/win_test_support.h"

namespace {

using Choices = std::map<std::string, std::string>;
const std::pair<const char*, int> kChecks[] = {
    {"PM", IDC_OPTION9}, {"Plus", IDC_OPTION6}, {"Regular", IDC_OPTION2}, {"Random", IDC_CHKRANDOMCOLOR},
    {"Dance", IDC_OPTION3}, {"AutoSend", IDC_OPTION8}, {"Bold", IDC_CHECK3}, {"Size12", IDC_CHECK2}};
const std::pair<const char*, int> kBoxes[] = {{"A", IDC_PICCOLORA},    {"B", IDC_PICCOLORB},    {"Text", IDC_PICTURE10},
                                              {"TextA", IDC_PICTURE7}, {"TextB", IDC_PICTURE8}, {"ArtA", IDC_PICTURE13},
                                              {"ArtB", IDC_PICTURE14}};

// Accepts as RecorderUi does and, like a user, adds each accepted colour to the next custom slot.
struct CustomColorUi : RecorderUi {
    bool ChooseColor(HWND owner, COLORREF& color) override {
        return RecorderUi::ChooseColor(owner, color) && (customColors_[colorDialogs - 1] = color, true);
    }
};

// Every remembered choice as the window shows it.
Choices Shown(Form1& form, Ui& ui) {
    TabContext& c = form.Context();
    RECT place;
    GetWindowRect(form.Hwnd(), &place);
    Choices shown{{"place", std::to_string(place.left) + "," + std::to_string(place.top)},
                  {"tab", std::to_string(SendMessageA(form.Control(IDC_SSTAB1), TCM_GETCURSEL, 0, 0))},
                  {"nick", c.Label3Caption()}, {"Text2", c.ControlText(IDC_TEXT2)}, {"Text5", c.ControlText(IDC_TEXT5)},
                  {"room", c.ControlText(IDC_COMBO1)}, {"design", c.ArtDesign().Text()}};
    for (auto [name, id] : kChecks) shown[name] = std::to_string(c.IsChecked(id));
    for (auto [name, id] : kBoxes) shown[name] = std::to_string(c.BoxColor(id));
    for (COLORREF custom : ui.CustomColors()) shown["custom"] += std::to_string(custom) + " ";
    return shown;
}

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        for (const TempFolder* dir : {&dir_, &fresh_}) {
            for (const char* list : {"dl.txt", "dr.txt", "saved.txt"}) dir->Write(list, "x\r\n");
            dir->Write("nicks.txt", "Ann\r\nBob\r\n");
            dir->Write("dlist.txt", "Cat\r\n");
            CreateDirectoryA(dir->File("Designs").c_str(), nullptr);
            dir->Write("Designs\\Cat.rtf", "{\\rtf1 =^.^=}");
        }
    }
    // What a start in `dir` shows; `change` runs before the window closes as the user closes it.
    Choices Run(const TempFolder& dir, RecorderUi&& ui, std::function<void(Form1&, RecorderUi&)> change = {}) {
        Form1 form(ui, dir.Path());
        EXPECT_NE(form.Create(false), nullptr);
        if (change) change(form, ui);
        const Choices shown = Shown(form, ui);
        SendMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(ui.messages, std::vector<RecordedMessage>{});
        return shown;
    }
    TempFolder dir_, fresh_;
};

TEST_F(Settings, EveryChoiceComesBackAfterARestart) {
    PalInstallRecordsGuard records;
    DemoMessenger messenger;
    ASSERT_TRUE(DemoMessenger::Install("11.3") && messenger.Start({"Lobby", kUnicodeRoom}));
    const Choices first = Run(fresh_, RecorderUi{});
    const Choices changed = Run(dir_, CustomColorUi{}, [](Form1& form, RecorderUi& ui) {
        TabContext& c = form.Context();
        SetWindowPos(form.Hwnd(), nullptr, 37, 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        form.ShowTab(2);
        for (auto [on, off] : {std::pair{IDC_OPTION9, IDC_OPTION10}, {IDC_OPTION6, IDC_OPTION5}, {IDC_OPTION2, IDC_OPTION1},
                               {IDC_OPTION3, IDC_OPTION4}, {IDC_OPTION8, IDC_OPTION7}})
            c.SetChecked(off, false), c.SetChecked(on, true);  // as a click on `on` leaves the pair
        for (int id : {IDC_CHKRANDOMCOLOR, IDC_CHECK3}) c.SetChecked(id, true);
        form.OnCommand(IDC_CHECK2, BN_CLICKED);
        for (int n = 1; n <= 7; ++n) ui.colorAnswers.push_back(RGB(30 * n, 7, 99));
        for (auto [name, id] : kBoxes) form.OnCommand(id, BN_CLICKED);
        c.SetControlText(IDC_TEXT2, "0.5");
        c.SetControlText(IDC_TEXT5, "2 s");  // not a number: kept as typed
        SendMessageA(form.Control(IDC_LIST1), LB_SETCURSEL, 1, 0);
        form.OnCommand(IDC_LIST1, LBN_SELCHANGE);
        SendMessageA(form.Control(IDC_LIST5), LB_SETSEL, TRUE, 0);
        form.OnCommand(IDC_LIST5, LBN_SELCHANGE);
        SendMessageA(form.Control(IDC_COMBO1), CB_SETCURSEL, 1, 0);  // the scan chose row 0
    });
    for (const auto& [name, value] : changed) EXPECT_NE(value, first.at(name)) << name << " was not changed";
    EXPECT_EQ(Run(dir_, RecorderUi{}), changed);
}

TEST_F(Settings, ADamagedFileCostsOnlyTheDamagedSettings) {
    dir_.Write("vivarto.ini", "\xFF\xFEjunk\x01\r\n[Window]\r\nLeft=-30000\r\nTop=-30000\r\nTab=99999999999999999999\r\n"
                              "Type=P\r\n[Main]\r\nColorA=-1\r\nColorB=1099511627776\r\nNick=Gone\r\nMode=Regular\r\n"
                              "[TextDesigns]\r\nSize=12\r\nSize8=1\r\nBold=2\r\n[ColorDialog]\r\nCustom2=65280\r\n"
                              "Custom1=-1\r\n[ArtDesigns]\r\nDesign=Cat\r\nTimer=3\r\nFadeSt");
    DeleteFileA(dir_.File("Designs\\Cat.rtf").c_str());  // listed, but its file is gone
    Choices expected = Run(fresh_, RecorderUi{});
    for (auto [name, value] : {std::pair{"Regular", "1"}, {"Size12", "1"}, {"Text5", "3"}}) expected[name] = value;
    expected["custom"] = "0 65280 ";
    for (int slot = 2; slot < 16; ++slot) expected["custom"] += "0 ";
    EXPECT_EQ(Run(dir_, RecorderUi{}), expected);
}

}  // namespace
