#include "designs/text_designs_tab_win.h"

#include "context/remembered_controls_win.h"
#include "context/tab_context_win.h"
#include "designs/change_text_design_win.h"
#include "designs/design_editor_win.h"
#include "effects/fade_pipeline_win.h"
#include "effects/nick_rule.h"
#include "link/messenger_link_win.h"
#include "ui/list_box_win.h"
#include "ui/list_files_win.h"
#include "ui/window_util_win.h"

namespace {

constexpr const char* kSavedFile = "saved.txt";

constexpr const char* kSection = "TextDesigns";
constexpr RememberedControl kRemembered[] = {
    {RememberedControl::Choice, "AutoSend", IDC_OPTION8, IDC_OPTION7, "Yes", "No"},
    {RememberedControl::Check, "Bold", IDC_CHECK3},
    {RememberedControl::Color, "Color", IDC_PICTURE10},
    {RememberedControl::Color, "ColorA", IDC_PICTURE7},
    {RememberedControl::Color, "ColorB", IDC_PICTURE8},
};
// The size boxes are kept as one size, so a file can never tick two of them.
constexpr struct {
    int id, points;
} kSizeBoxes[] = {{IDC_CHECK4, 8}, {IDC_CHECK1, 10}, {IDC_CHECK2, 12}};

}  // namespace

TextDesignsTab::TextDesignsTab(TabContext& ctx) : ctx_(ctx) {}

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
    // Auto Send is a sender: while another runs, the composer stays theirs.
    const bool autoSend = ctx_.IsChecked(IDC_OPTION8);
    SendTurn turn(ctx_, autoSend ? "Auto Send" : nullptr);
    if (autoSend && !turn) return;
    RichTextBox& composer = ctx_.Composer();
    // No entry selected: the composer is emptied.
    composer.SetText(SelectedItem(ctx_.Control(IDC_LIST4)).value_or(""));
    if (!autoSend) return;  // "No": the user sends it with Send

    // What the box made of the design is what goes out; an empty one stops here.
    if (composer.Text().empty()) return;
    composer.SetTextRTF(ApplyChosenNick(composer.TextRTF(), ctx_.Label3Caption()));
    const ColorStops stops = ctx_.FaderOptions().Stops(FaderId::TextDesigns);
    const FadeStyle style = ctx_.FaderOptions().Style(FaderId::TextDesigns);
    ctx_.RollRandomPickerColors();
    FadePipeline(composer, style, stops);

    // Bold and size cover the whole message, the nick included.
    composer.Select(0, composer.Length());
    if (ctx_.IsChecked(IDC_CHECK3)) composer.SetSelBold(true);
    if (ctx_.IsChecked(IDC_CHECK4)) composer.SetSelFontSize(8);
    if (ctx_.IsChecked(IDC_CHECK1)) composer.SetSelFontSize(10);
    if (ctx_.IsChecked(IDC_CHECK2)) composer.SetSelFontSize(12);
    composer.SetSelStart(composer.Length());

    // No room check here: without a room the delivery simply finds no input box.
    std::string message = composer.TextRTF();
    ctx_.Link().TxtSendPal(message);
}

void TextDesignsTab::Command17_Click() {
    HWND list = ctx_.Control(IDC_LIST4);
    AddListItem(list, ctx_.ControlText(IDC_TEXT4));
    // The entry stays in the list even when the file cannot be written.
    SaveListFile(list, ctx_.AppFile(kSavedFile));
}

void TextDesignsTab::Command18_Click() {
    // The list shown afterwards is the file as read back: what the next start
    // will show.
    if (SaveAndReloadListFile(ctx_.Control(IDC_LIST4), ctx_.AppFile(kSavedFile))) return;
    ctx_.ui().MessageBox(ctx_.Hwnd(), "One of the files [saved.txt]does not exist!", "Saved",
                          MB_OK | MB_ICONHAND);
}

void TextDesignsTab::Command19_Click() {
    // Only the list changes; saved.txt keeps the entry until the next save.
    DeleteSelectedRows(ctx_.Control(IDC_LIST4));
}

void TextDesignsTab::Command16_Click() {
    // "Change Text Design" works on the selected entry; without one there is
    // nothing to edit.
    if (!SelectedItem(ctx_.Control(IDC_LIST4))) return;
    ShowChangeTextDesign(ctx_);
}

void TextDesignsTab::Command4_Click() { ctx_.SetControlText(IDC_TEXT4, ""); }

void TextDesignsTab::SizeBox_Click(int clickedId) {
    // Plain check boxes: the click leaves the state to us. Clearing the other
    // two from here sends them no click, so they run no action of their own.
    ctx_.SetChecked(clickedId, !ctx_.IsChecked(clickedId));
    for (int id : {IDC_CHECK4, IDC_CHECK1, IDC_CHECK2})
        if (id != clickedId) ctx_.SetChecked(id, false);
}

void TextDesignsTab::ColorBox_Click(int boxId) {
    ctx_.PickBoxColor(boxId);
}

void TextDesignsTab::OpenDesignEditor() {
    if (!editor_) editor_ = std::make_unique<Form2>(ctx_);
    editor_->Show();
}

HWND TextDesignsTab::DesignEditorWindow() const { return editor_ ? editor_->Hwnd() : nullptr; }

// ---------------------------------------------------------------- settings

void TextDesignsTab::RestoreSettings() {
    RestoreControls(ctx_, kSection, kRemembered);
    const auto size = ctx_.Settings().GetInt(kSection, "Size", 0, 12);
    if (!size || (*size != 0 && *size != 8 && *size != 10 && *size != 12)) return;
    for (const auto& box : kSizeBoxes) ctx_.SetChecked(box.id, box.points == *size);
}

void TextDesignsTab::SaveSettings() {
    SaveControls(ctx_, kSection, kRemembered);
    int size = 0;
    for (const auto& box : kSizeBoxes)
        if (ctx_.IsChecked(box.id)) size = box.points;
    ctx_.Settings().SetInt(kSection, "Size", size);
}
