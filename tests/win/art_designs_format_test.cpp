// Formatting and fading the art design on the real rich edit box of the Art
// Designs tab: the bold and size buttons, the colour commands on the shared
// colour dialog, and the fade, whose run-by-run colouring must leave the box
// exactly as colouring it one character at a time does.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1_win.h"
#include "designs/art_designs_tab_win.h"
#include "designs/art_fade.h"
#include "designs/art_fade_win.h"
#include "tests/win/win_test_support.h"

namespace {

// One character of the box as the user sees it.
struct Look {
    char ch = 0;  // a line break is the control's one '\r'
    COLORREF color = 0;
    bool bold = false;
    LONG twips = 0;
    bool operator==(const Look&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Look& look) {
    return out << "'" << look.ch << "' color " << std::hex << look.color << std::dec << (look.bold ? " bold " : " ")
               << look.twips << "tw";
}

std::vector<Look> Looks(HWND box) {
    GETTEXTLENGTHEX len{GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const LRESULT bytes = SendMessageA(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
    std::vector<char> raw(static_cast<std::size_t>(bytes > 0 ? bytes : 0) + 2);
    GETTEXTEX get{static_cast<DWORD>(raw.size()), GT_DEFAULT, CP_ACP, nullptr, nullptr};
    const LRESULT n = SendMessageA(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(raw.data()));
    std::vector<Look> looks;
    for (LONG k = 0; k < static_cast<LONG>(n); ++k) {
        CHARRANGE cr{k, k + 1};
        SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        CHARFORMAT2A cf{};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_SIZE;
        SendMessageA(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        looks.push_back({raw[static_cast<std::size_t>(k)], cf.crTextColor, (cf.dwEffects & CFE_BOLD) != 0, cf.yHeight});
    }
    return looks;
}

void Click(Form1& form, int id) { form.OnCommand(id, BN_CLICKED, form.Control(id)); }

struct Tab {
    RecorderUi ui;
    TempFolder dir;
    Form1 form{ui, dir.Path()};
    Tab() {
        for (const char* name : {"dl.txt", "nicks.txt", "saved.txt", "dlist.txt"}) dir.Write(name, "");
        form.Create(false);
        form.ShowTab(2);
    }
    RichTextBox& Design() { return form.Box(5); }
    // Fades with the tab's "Fade" button from the given picker colours.
    void Fade(COLORREF start, COLORREF end) {
        form.SetBoxColor(IDC_PICTURE13, start);
        form.SetBoxColor(IDC_PICTURE14, end);
        Click(form, IDC_COMMAND24);
    }
};

// A design with several lines, bold and three sizes: 3 lines, 78 characters.
void DrawLongDesign(RichTextBox& box) {
    box.SetText("  /\\_/\\   art by Vivarto\r\n ( o.o )  bold and sizes\r\n  > ^ <   ~~~~~~~~~~~~~~~~");
    box.Select(2, 5);
    box.SetSelBold(true);
    box.Select(26, 10);
    box.SetSelFontSize(12);
    box.Select(60, 6);
    box.SetSelFontSize(8);
    box.SetSelBold(true);
    box.Select(0, 0);
}

}  // namespace

TEST(ArtDesignFormat, BoldAndSizeButtonsChangeOnlyTheSelection) {
    Tab tab;
    RichTextBox& box = tab.Design();
    box.SetText("Hello art");
    box.Select(0, 5);
    Click(tab.form, IDC_COMMAND26);
    Click(tab.form, IDC_COMMAND27);
    box.Select(6, 3);
    Click(tab.form, IDC_COMMAND29);
    box.Select(0, 1);
    Click(tab.form, IDC_COMMAND28);

    const std::vector<Look> looks = Looks(box.Hwnd());
    ASSERT_EQ(looks.size(), 9u);
    EXPECT_TRUE(looks[0].bold);
    EXPECT_EQ(looks[0].twips, 200) << "H: 10 points";
    for (int i = 1; i < 5; ++i) {
        EXPECT_TRUE(looks[i].bold) << i;
        EXPECT_EQ(looks[i].twips, 160) << "ello: 8 points";
    }
    EXPECT_FALSE(looks[5].bold);
    EXPECT_EQ(looks[5].twips, 200) << "the blank keeps the base size";
    for (int i = 6; i < 9; ++i) {
        EXPECT_FALSE(looks[i].bold) << i;
        EXPECT_EQ(looks[i].twips, 240) << "art: 12 points";
    }
}

TEST(ArtDesignFormat, ColourCommandsShareOneDialogAndACancelGivesTheLastColour) {
    Tab tab;
    RichTextBox& box = tab.Design();
    box.SetText("colour me");

    // Before any colour was accepted, a cancelled dialog gives black.
    box.Select(0, 6);
    box.SetSelColor(RGB(200, 0, 0));
    Click(tab.form, IDC_COMMAND30);
    box.Select(0, 1);
    EXPECT_EQ(box.SelColor(), RGB(0, 0, 0));

    tab.ui.colorAnswers = {RGB(0, 128, 0)};
    Click(tab.form, IDC_PICTURE13);
    EXPECT_EQ(tab.form.BoxColor(IDC_PICTURE13), RGB(0, 128, 0));
    Click(tab.form, IDC_PICTURE14);  // cancelled
    EXPECT_EQ(tab.form.BoxColor(IDC_PICTURE14), RGB(0, 128, 0)) << "the colour last accepted, in any command";

    tab.ui.colorAnswers = {RGB(0, 0, 255)};
    box.Select(7, 2);
    Click(tab.form, IDC_COMMAND30);
    box.Select(0, 2);
    Click(tab.form, IDC_COMMAND30);  // cancelled: blue again
    const std::vector<Look> looks = Looks(box.Hwnd());
    EXPECT_EQ(looks[0].color, RGB(0, 0, 255));
    EXPECT_EQ(looks[1].color, RGB(0, 0, 255));
    EXPECT_EQ(looks[2].color, RGB(0, 0, 0)) << "outside both selections";
    EXPECT_EQ(looks[7].color, RGB(0, 0, 255));
    EXPECT_EQ(looks[8].color, RGB(0, 0, 255));
    EXPECT_EQ(tab.ui.colorDialogs, 5);
}

TEST(ArtDesignFade, ShortDesignsStepEveryCharacterAndLineBreaksCountTwo) {
    Tab tab;
    RichTextBox& box = tab.Design();
    box.SetText("abcde");
    tab.Fade(RGB(0, 0, 0), RGB(100, 0, 0));
    std::vector<Look> looks = Looks(box.Hwnd());
    ASSERT_EQ(looks.size(), 5u);
    const COLORREF reds[] = {0, 20, 40, 60, 80};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(looks[i].color, reds[i]) << "character " << i;

    // "ab", a line break, "cd": six characters, step round(60 / 6) = 10; the
    // break takes two steps, so c and d are 40 and 50.
    box.SetText("ab\r\ncd");
    box.Select(3, 2);  // somewhere else, to see the fade put the caret back
    tab.Fade(RGB(0, 0, 0), RGB(60, 0, 0));
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 0);
    looks = Looks(box.Hwnd());
    ASSERT_EQ(looks.size(), 5u);
    EXPECT_EQ(looks[0].color, RGB(0, 0, 0));
    EXPECT_EQ(looks[1].color, RGB(10, 0, 0));
    EXPECT_EQ(looks[3].ch, 'c');
    EXPECT_EQ(looks[3].color, RGB(40, 0, 0));
    EXPECT_EQ(looks[4].color, RGB(50, 0, 0));

    // An empty design: nothing to colour, no failure.
    box.SetText("");
    tab.Fade(RGB(0, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(box.Text(), "");
    EXPECT_TRUE(tab.ui.messages.empty());
}

TEST(ArtDesignFade, RunByRunLooksExactlyLikeCharacterByCharacter) {
    Tab tab;
    RichTextBox& design = tab.Design();
    RichTextBox& other = tab.form.Box(4);
    for (auto [start, end] : {std::pair<COLORREF, COLORREF>{RGB(255, 0, 0), RGB(0, 0, 255)},
                              {RGB(40, 40, 40), RGB(40, 40, 40)},
                              {RGB(250, 250, 0), RGB(0, 0, 0)}}) {
        DrawLongDesign(design);
        other.SetTextRTF(design.TextRTF());
        ASSERT_EQ(other.Text(), design.Text());

        tab.Fade(start, end);
        ApplyArtFadePerCharacter(other, static_cast<std::int32_t>(start), static_cast<std::int32_t>(end));
        const std::vector<Look> byRun = Looks(design.Hwnd());
        const std::vector<Look> byCharacter = Looks(other.Hwnd());
        ASSERT_EQ(byRun.size(), 76u) << "78 characters, the two breaks stored as one each";
        EXPECT_EQ(byRun, byCharacter);

        // And the colours are the schedule's, a break taking the colour of its CR.
        const std::vector<std::uint32_t> schedule = ArtFadeColors(static_cast<std::int32_t>(start),
                                                                  static_cast<std::int32_t>(end), 78);
        std::size_t position = 0;
        for (std::size_t k = 0; k < byRun.size(); ++k) {
            EXPECT_EQ(byRun[k].color, schedule[position]) << "character " << k;
            position += byRun[k].ch == '\r' ? 2 : 1;
        }
        // Bold and sizes are untouched by the fade.
        EXPECT_TRUE(byRun[2].bold);
        EXPECT_FALSE(byRun[0].bold);
        EXPECT_EQ(byRun[25].twips, 240);
    }
}
