#include "designs/text_designs_tab_win.h"

#include "app/form1_win.h"
#include "app/list_files_win.h"
#include "app/nick_rule.h"
#include "designs/change_text_design_win.h"
#include "designs/design_editor_win.h"
#include "effects/fade_pipeline_win.h"
#include "link/messenger_link_win.h"
#include "effects/utf8.h"

namespace {

constexpr const char* kSavedFile = "saved.txt";

// The list's current text: the selected entry, empty when none is selected.
std::string CurrentText(HWND list) {
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::string() : ListBoxItem(list, static_cast<int>(index));
}

}  // namespace

TextDesignsTab::TextDesignsTab(Form1& form) : form_(form) {}

TextDesignsTab::~TextDesignsTab() = default;

bool TextDesignsTab::OnCommand(int id, int code) {
    switch (id) {
    case IDC_LIST4:
        // A click and a move with the arrow keys both change the selection.
        if (code == LBN_SELCHANGE) List4_Click();
        return true;
    case IDC_CHECK1:
    case IDC_CHECK2:
    case IDC_CHECK4:
        if (code == BN_CLICKED) SizeBox_Click(id);
        return true;
    case IDC_PICTURE10:
    case IDC_PICTURE7:
    case IDC_PICTURE8:
        if (code == BN_CLICKED) ColorBox_Click(id);
        return true;
    case IDC_COMMAND17:
    case IDC_COMMAND18:
    case IDC_COMMAND19:
    case IDC_COMMAND16:
    case IDC_COMMAND4:
    case IDC_OPENEDITOR:
        break;
    default:
        return false;
    }
    if (code != BN_CLICKED) return true;
    switch (id) {
    case IDC_COMMAND17: Command17_Click(); break;
    case IDC_COMMAND18: Command18_Click(); break;
    case IDC_COMMAND19: Command19_Click(); break;
    case IDC_COMMAND16: Command16_Click(); break;
    case IDC_COMMAND4: Command4_Click(); break;
    case IDC_OPENEDITOR: OpenDesignEditor(); break;
    }
    return true;
}

void TextDesignsTab::List4_Click() {
    RichTextBox& composer = form_.Box(1);
    const std::string design = CurrentText(form_.Control(IDC_LIST4));
    composer.SetText(design);
    if (!form_.IsChecked(IDC_OPTION8)) return;  // "No": the user sends it with Send

    // What the box made of the design is what goes out; an empty one stops here.
    if (composer.Text().empty()) return;
    composer.SetTextRTF(ApplyChosenNick(composer.TextRTF(), Utf8FromWindows1252(form_.Label3Caption())));
    const MainPickers pickers{form_.Control(IDC_CHKRANDOMCOLOR), form_.Control(IDC_PICCOLORA),
                              form_.Control(IDC_PICCOLORB)};
    FadePipeline(composer, form_.BoxColor(IDC_PICTURE7), form_.BoxColor(IDC_PICTURE8), pickers);

    // Bold and size cover the whole message, the nick included.
    composer.Select(0, composer.Length());
    if (form_.IsChecked(IDC_CHECK3)) composer.SetSelBold(true);
    if (form_.IsChecked(IDC_CHECK4)) composer.SetSelFontSize(8);
    if (form_.IsChecked(IDC_CHECK1)) composer.SetSelFontSize(10);
    if (form_.IsChecked(IDC_CHECK2)) composer.SetSelFontSize(12);
    composer.SetSelStart(composer.Length());

    // No room check here: without a room the delivery simply finds no input box.
    std::string message = composer.TextRTF();
    form_.Link().TxtSendPal(message);
}

void TextDesignsTab::Command17_Click() {
    HWND list = form_.Control(IDC_LIST4);
    const std::string line = form_.ControlText(IDC_TEXT4);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    // The entry stays in the list even when the file cannot be written.
    SaveListFile(list, form_.AppFile(kSavedFile));
}

void TextDesignsTab::Command18_Click() {
    HWND list = form_.Control(IDC_LIST4);
    const std::string path = form_.AppFile(kSavedFile);
    SaveListFile(list, path);
    // The list shown afterwards is the file as read back: what the next start
    // will show.
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (FilePresent(path)) {
        LoadListFile(list, path);
        return;
    }
    form_.ui().MessageBox(form_.Hwnd(), "One of the files [saved.txt]does not exist!", "Saved",
                          MB_OK | MB_ICONHAND);
}

void TextDesignsTab::Command19_Click() {
    // Only the list changes; saved.txt keeps the entry until the next save.
    HWND list = form_.Control(IDC_LIST4);
    for (LRESULT i = SendMessageA(list, LB_GETCOUNT, 0, 0) - 1; i >= 0; --i)
        if (SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0)
            SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
}

void TextDesignsTab::Command16_Click() {
    // "Change Text Design" works on the selected entry; without one there is
    // nothing to edit.
    if (SendMessageA(form_.Control(IDC_LIST4), LB_GETCURSEL, 0, 0) == LB_ERR) return;
    ShowChangeTextDesign(form_);
}

void TextDesignsTab::Command4_Click() { form_.SetControlText(IDC_TEXT4, ""); }

void TextDesignsTab::SizeBox_Click(int clickedId) {
    // Plain check boxes: the click leaves the state to us. Clearing the other
    // two from here sends them no click, so they run no action of their own.
    form_.SetChecked(clickedId, !form_.IsChecked(clickedId));
    for (int id : {IDC_CHECK4, IDC_CHECK1, IDC_CHECK2})
        if (id != clickedId) form_.SetChecked(id, false);
}

void TextDesignsTab::ColorBox_Click(int boxId) {
    // A cancelled dialog gives the colour last accepted from any colour box.
    form_.SetBoxColor(boxId, form_.CommonDialog1().ShowColor(form_.Hwnd()));
}

void TextDesignsTab::OpenDesignEditor() {
    if (!editor_) editor_ = std::make_unique<Form2>(form_);
    editor_->Show();
}

HWND TextDesignsTab::DesignEditorWindow() const { return editor_ ? editor_->Hwnd() : nullptr; }
